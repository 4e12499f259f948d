// The application shell on a real window: start-up state and fixed GL state,
// the view reset, keys and function keys with their exact console bytes,
// the reshape handler, and the exit on ESC / q / Q.
#include "glHarness.h"

#include "app/keyboard.h"
#include "app/reshape.h"
#include "app/state.h"
#include "input/mouse.h"

#include <GL/freeglut.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {
const char* const helpText = "\n"
                             "Help\n"
                             "----\n"
                             "\n"
                             "[Mouse]\n"
                             "  LEFT    : boost in mouse direction\n"
                             "  MIDDLE  : special (move twin midpoint, etc.)\n"
                             "  RIGHT   : world rotation\n"
                             "  L+M     : world x-y translation\n"
                             "   +SHIFT : world x-z translation\n"
                             " \n"
                             "[Keyboard]\n"
                             "  'h'     : this help\n"
                             "  'F1-F12' : Set of Lorentz xform demos\n"
                             "  'q'/ESC : quit\n"
                             "  'a'     : cycle supplementary data\n"
                             "  'z'     : toggle ? axes\n"
                             "  'r'     : reset\n"
                             "  'c'     : clear keyframe/trail\n"
                             "  '1'     : no object\n"
                             "  '2'     : draw \n"
                             "  '0'     : draw \n"
                             " \n";

void readModelview(double m[16]) {
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
}

void expectIdentity(const Matrix4& m) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(m.m[i], (i % 5 == 0) ? 1.0 : 0.0) << "element " << i;
    }
}

// modelview = translation by (x, y, z) and nothing else
void expectViewTranslation(double x, double y, double z) {
    double m[16];
    readModelview(m);
    const double expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], expected[i], 1e-6) << "modelview element " << i;
    }
}

// the view, pans, boost and observer of the start-up state
void expectStartView() {
    expectIdentity(boostMatrix);
    expectViewTranslation(0, 0, -10);
    EXPECT_EQ(viewPanX, 0.0f);
    EXPECT_EQ(viewPanY, 0.0f);
    EXPECT_EQ(viewPanZ, -10.0f);
    EXPECT_EQ(frameVelocity, 0.0);
}

void dragBy(int button, int dx, int dy) {
    onMouse(button, GLUT_DOWN, 200, 200);
    onMotion(200 + dx, 200 - dy);
    onMouse(button, GLUT_UP, 200 + dx, 200 - dy);
}

class Shell : public ::testing::Test {
  protected:
    void SetUp() override {
        restoreStartState();
    }
};
} // namespace

TEST_F(Shell, StartUpStateAndFixedGlState) {
    EXPECT_EQ(currentDemo, 1);
    expectStartView();
    EXPECT_EQ(twinReunionTime, 2.0);
    EXPECT_EQ(turnaroundX, 0.1);
    EXPECT_EQ(turnaroundT, 1.0);

    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0] + clear[1] + clear[2] + clear[3], 4.0f);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_TRUE(glIsEnabled(GL_POINT_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    // the light is a direction (1, 1, 1) in eye coordinates, whatever the view
    GLfloat light[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, light);
    EXPECT_FLOAT_EQ(light[0], 10.0f);
    EXPECT_FLOAT_EQ(light[1], 10.0f);
    EXPECT_FLOAT_EQ(light[2], 10.0f);
    EXPECT_FLOAT_EQ(light[3], 0.0f);
    GLfloat diffuse[4];
    glGetMaterialfv(GL_BACK, GL_DIFFUSE, diffuse);
    EXPECT_FLOAT_EQ(diffuse[0], 0.7f);
    EXPECT_FLOAT_EQ(diffuse[2], 0.0f);

    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Shell, ResetViewRestoresViewAndBoostButKeepsTurnaroundAndDemo) {
    onSpecialKey(GLUT_KEY_F3, 0, 0);
    stdoutOf([] {
        dragBy(GLUT_LEFT_BUTTON, 30, 0);   // boost
        dragBy(GLUT_MIDDLE_BUTTON, 20, 0); // turnaround
        dragBy(GLUT_RIGHT_BUTTON, 40, 10); // rotate
        onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
        dragBy(GLUT_MIDDLE_BUTTON, 15, 25); // pan
        onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    });
    ASSERT_NE(frameVelocity, 0.0);
    ASSERT_NE(turnaroundX, 0.1);
    const double draggedX = turnaroundX;

    EXPECT_EQ(stderrOf([] { onKeyboard('R', 0, 0); }), "Coord Reset.\n");
    expectStartView();
    EXPECT_EQ(turnaroundX, draggedX);
    EXPECT_EQ(currentDemo, 3);
}

TEST_F(Shell, KeysPrintExactlyAndRedraw) {
    for (unsigned char key : {'h', 'H'}) {
        int redraws = 0;
        const std::string err =
            stderrOf([&] { redraws = redisplaysCausedBy([&] { onKeyboard(key, 5, 5); }); });
        EXPECT_EQ(err, helpText);
        EXPECT_EQ(redraws, 1);
    }
    EXPECT_EQ(stderrOf(printHelp), helpText);

    // keys without an action: only a redraw
    for (int key :
         std::initializer_list<int>{'a', 'c', 'z', '0', '1', '2', ' ', 'x', '\r', 'Z', 200}) {
        std::string out, err;
        int redraws = 0;
        err = stderrOf([&] {
            out = stdoutOf([&] {
                redraws =
                    redisplaysCausedBy([&] { onKeyboard(static_cast<unsigned char>(key), 0, 0); });
            });
        });
        EXPECT_EQ(out + err, "") << "key " << int(key);
        EXPECT_EQ(redraws, 1) << "key " << int(key);
        EXPECT_EQ(currentDemo, 1);
        expectViewTranslation(0, 0, -10);
    }
}

TEST_F(Shell, FunctionKeysSelectDemoAndResetOnlyTheBoost) {
    const char* const titles[] = {"F1: 2D time dilation",
                                  "F2: 2D Lorentz contraction",
                                  "F3: Twin paradox",
                                  "F4: 3D: spatial searchlight ray warp",
                                  "F5: 3D: Upward Cone warp",
                                  "F6: 3D: Downward Cone warp",
                                  "F7: 3D: Thomas precession/rolling ball",
                                  "F8: 3D: +- up/down Hemicones on square tube = Terrell",
                                  "F9: 3D: +- up/down Hemicones on round tube  = Penrose",
                                  "F10",
                                  "F11",
                                  "F12"};
    for (int key = 1; key <= 12; ++key) {
        stdoutOf([] {
            dragBy(GLUT_RIGHT_BUTTON, 25, 0);
            onSpecialKey(GLUT_KEY_F1, 0, 0);
            dragBy(GLUT_LEFT_BUTTON, 10, 0);
        });
        double viewBefore[16];
        readModelview(viewBefore);
        int redraws = 0;
        const std::string out =
            stdoutOf([&] { redraws = redisplaysCausedBy([&] { onSpecialKey(key, 0, 0); }); });
        EXPECT_EQ(out, std::string("Object ") + titles[key - 1] + " selected.\n");
        EXPECT_EQ(redraws, 1);
        EXPECT_EQ(currentDemo, key);
        expectIdentity(boostMatrix);
        double viewAfter[16];
        readModelview(viewAfter);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(viewAfter[i], viewBefore[i]) << "the view moved, element " << i;
        }
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1);
    }
}

TEST_F(Shell, OtherSpecialKeysAreReportedWithoutRedraw) {
    for (int key : {GLUT_KEY_LEFT, GLUT_KEY_UP, GLUT_KEY_PAGE_DOWN, GLUT_KEY_HOME, GLUT_KEY_INSERT,
                    0, 13, 112, 117, -3}) {
        int redraws = -1;
        const std::string out =
            stdoutOf([&] { redraws = redisplaysCausedBy([&] { onSpecialKey(key, 0, 0); }); });
        EXPECT_EQ(out, "Unhandled Special Key (" + std::to_string(key) + ").\n");
        EXPECT_EQ(redraws, 0);
        EXPECT_EQ(currentDemo, 1);
    }
}

TEST_F(Shell, ReshapeReportsClampsAndSetsTheFrustum) {
    struct Case {
        int w, h, viewportW, viewportH;
    };
    for (const Case& c :
         {Case{150, 600, 200, 600}, Case{800, 400, 800, 400}, Case{199, 200, 200, 200},
          Case{0, 0, 200, 200}, Case{512, 512, 512, 512}}) {
        glMatrixMode(GL_PROJECTION); // the handler must leave the modelview current
        const std::string out = stdoutOf([&] { onReshape(c.w, c.h); });
        const int qw = glutGet(GLUT_WINDOW_WIDTH);
        const int qh = glutGet(GLUT_WINDOW_HEIGHT);
        EXPECT_EQ(out, "\nEntered  Reshape with: " + std::to_string(c.w) + " " +
                           std::to_string(c.h) + "; glutGet: " + std::to_string(qw) + " " +
                           std::to_string(qh) + "\n");
        EXPECT_EQ(windowHeight, c.h);
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[0], 0);
        EXPECT_EQ(viewport[1], 0);
        EXPECT_EQ(viewport[2], c.viewportW);
        EXPECT_EQ(viewport[3], c.viewportH);
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
        expectViewTranslation(0, 0, -10);

        // frustum -1..1 at near 5, far 25, whatever the window's shape
        double p[16];
        glGetDoublev(GL_PROJECTION_MATRIX, p);
        EXPECT_DOUBLE_EQ(p[0], 5.0);
        EXPECT_DOUBLE_EQ(p[5], 5.0);
        EXPECT_DOUBLE_EQ(p[10], -30.0 / 20.0);
        EXPECT_DOUBLE_EQ(p[14], -2.0 * 25.0 * 5.0 / 20.0);
        EXPECT_DOUBLE_EQ(p[11], -1.0);
    }
    // the window itself follows the clamped request
    stdoutOf([] {
        onReshape(150, 600);
        for (int i = 0; i < 50 && glutGet(GLUT_WINDOW_WIDTH) != 200; ++i) {
            pumpEvents();
        }
        EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 200);
        onReshape(512, 512);
        for (int i = 0; i < 50 && glutGet(GLUT_WINDOW_WIDTH) != 512; ++i) {
            pumpEvents();
        }
    });
    EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 512);
}

using ShellDeathTest = Shell;

TEST_F(ShellDeathTest, EscapeAndQQuitWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int key : std::initializer_list<int>{27, 'q', 'Q'}) {
        EXPECT_EXIT(onKeyboard(static_cast<unsigned char>(key), 0, 0), ::testing::ExitedWithCode(0),
                    "^Normal exit\\.\n$")
            << "key " << int(key);
    }
}
