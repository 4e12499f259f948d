// Mouse gestures in-process on the real window: the button record and the
// y flip, boost steps and their velocities, the view drags read back from
// the modelview, the causal limits of the turnaround, and which events
// really make freeglut redraw.
#include "glHarness.h"

#include "app/keyboard.h"
#include "app/state.h"
#include "input/mouse.h"
#include "input/navigation.h"

#include <GL/freeglut.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {
const int leftButton = GLUT_LEFT_BUTTON, middleButton = GLUT_MIDDLE_BUTTON,
          rightButton = GLUT_RIGHT_BUTTON, fifthButton = 5;

// press at (x, y) in GLUT's window coordinates (y down), with modifiers as
// glutGetModifiers would have reported them
void press(int button, int x = 100, int y = 100, int modifiers = 0) {
    onMouse(button, GLUT_DOWN, x, y);
    mouseModifiers = modifiers;
}

void release(int button) {
    onMouse(button, GLUT_UP, lastMouseX, windowHeight - 1 - lastMouseY);
}

// one motion event moving by (dx, dy) pixels, y up
void moveBy(int dx, int dy) {
    onMotion(lastMouseX + dx, windowHeight - 1 - (lastMouseY + dy));
}

void selectDemo(int demo) {
    stdoutOf([demo] { onSpecialKey(demo, 0, 0); });
}

void expectMatrixNear(const double* actual, const double* expected, double tol, const char* what) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], tol) << what << " element " << i;
    }
}

// eye position of a scene point under the current modelview
void eyeOf(double x, double y, double z, double out[3]) {
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    for (int r = 0; r < 3; ++r) {
        out[r] = m[r] * x + m[4 + r] * y + m[8 + r] * z + m[12 + r];
    }
}

class Mouse : public ::testing::Test {
  protected:
    void SetUp() override {
        restoreStartState();
    }
};
} // namespace

TEST_F(Mouse, ButtonMaskIsAParityRecordAndYIsFlipped) {
    press(leftButton);
    release(leftButton);
    EXPECT_EQ(buttonMask, 0);
    release(rightButton); // a lone release sets the bit
    EXPECT_EQ(buttonMask, 4);
    press(rightButton);
    press(leftButton);
    press(middleButton);
    EXPECT_EQ(buttonMask, 3);
    release(leftButton);
    EXPECT_EQ(buttonMask, 2);
    release(middleButton);
    press(fifthButton);
    EXPECT_EQ(buttonMask, 32);
    release(fifthButton);
    // any button number folds into 0..31, none shifts out of range
    for (int button : {37, -1, -32, -33, 1000001, 2147483647, -2147483647 - 1}) {
        press(button);
        EXPECT_NE(buttonMask, 0) << "button " << button;
        release(button);
        EXPECT_EQ(buttonMask, 0) << "button " << button;
    }
    press(-1);
    EXPECT_EQ(static_cast<unsigned>(buttonMask), 1u << 31);
    release(-1);

    ASSERT_EQ(windowHeight, 512);
    press(leftButton, 7, 0);
    EXPECT_EQ(lastMouseY, 511);
    EXPECT_EQ(lastMouseX, 7);
    onMotion(9, 511);
    EXPECT_EQ(lastMouseY, 0);
    EXPECT_EQ(mouseDeltaY, -511);
    EXPECT_EQ(mouseDeltaX, 2);
    release(leftButton);
}

TEST_F(Mouse, BoostStepsAlongXInTheDiagrams) {
    for (int demo = 1; demo <= 3; ++demo) {
        selectDemo(demo);
        frameVelocity = 0.0;
        press(leftButton);
        moveBy(1, 0); // one pixel and fifty pixels give the same step
        EXPECT_NEAR(boostMatrix.m[1], 0.01 * lorentzFactor(0.01), 1e-15);
        moveBy(-50, 0);
        EXPECT_NEAR(boostMatrix.m[0], 1.0, 1e-15); // and back again
        EXPECT_NEAR(boostMatrix.m[1], 0.0, 1e-15);
        moveBy(0, 40); // vertical: beta = 0, nothing moves
        EXPECT_NEAR(boostMatrix.m[1], 0.0, 1e-15);
        moveBy(30, 40); // oblique: beta = 0.01 cos(angle)
        EXPECT_NEAR(boostMatrix.m[1], 0.006 * lorentzFactor(0.006), 1e-14);
        release(leftButton);
        EXPECT_EQ(boostMatrix.m[8] + boostMatrix.m[2], 0.0); // z never mixed in
    }
    // only demonstration 3 composes the observer's velocity
    selectDemo(3);
    frameVelocity = 0.0;
    press(leftButton);
    for (int i = 0; i < 50; ++i) {
        moveBy(3, 1);
        moveBy(-1, 0);
        moveBy(1, 0);
    }
    release(leftButton);
    const double expected = std::tanh(50.0 * std::atanh(0.01 * 3.0 / std::sqrt(10.0)));
    EXPECT_NEAR(frameVelocity, expected, 1e-12);
    EXPECT_NEAR(boostMatrix.m[1] / boostMatrix.m[0], frameVelocity, 1e-12);

    selectDemo(3);
    frameVelocity = 0.0;
    press(leftButton);
    for (int i = 0; i < 50; ++i) {
        moveBy(4, 0);
    }
    release(leftButton);
    EXPECT_NEAR(frameVelocity, std::tanh(50.0 * std::atanh(0.01)), 1e-12);
    EXPECT_NEAR(frameVelocity, 0.462, 0.001);
    selectDemo(1);
    EXPECT_NEAR(frameVelocity, 0.462, 0.001); // function keys keep it
    press(leftButton);
    moveBy(5, 0);
    release(leftButton);
    EXPECT_NEAR(frameVelocity, 0.462, 0.001); // other demonstrations leave it
}

TEST_F(Mouse, SearchlightBoostsAlongTheDrag) {
    selectDemo(4);
    press(leftButton);
    moveBy(30, 40); // 50 px: beta 0.5 along (0.6, 0.8)
    const double gamma = 1.0 / std::sqrt(0.75);
    EXPECT_NEAR(boostMatrix.m[10], gamma, 1e-12);
    EXPECT_NEAR(boostMatrix.m[2], gamma * 0.5 * 0.6, 1e-12);
    EXPECT_NEAR(boostMatrix.m[6], gamma * 0.5 * 0.8, 1e-12);
    release(leftButton);

    // a flick of 150 px in one event is held to beta 0.99: still a boost
    selectDemo(4);
    press(leftButton);
    moveBy(-150, 0);
    EXPECT_NEAR(boostMatrix.m[10], lorentzFactor(0.99), 1e-9);
    EXPECT_NEAR(boostMatrix.m[2], -0.99 * lorentzFactor(0.99), 1e-9);
    // t^2 - x^2 - y^2 of (x, y, t) = (0, 0, 1) stays 1
    const double x = boostMatrix.m[8], y = boostMatrix.m[9], t = boostMatrix.m[10];
    EXPECT_NEAR(t * t - x * x - y * y, 1.0, 1e-9);
    release(leftButton);

    // demonstrations 5..12: nothing changes, yet it redraws
    selectDemo(6);
    press(leftButton);
    const Matrix4 before = boostMatrix;
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(20, 5); }), 1);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(boostMatrix.m[i], before.m[i]);
    }
    release(leftButton);
}

TEST_F(Mouse, RedrawRules) {
    press(leftButton);
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(0, 0); }), 0);
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(3, 0); }), 1);
    release(leftButton);
    // a modifier at the last button event: no step, but a redraw
    press(leftButton, 100, 100, GLUT_ACTIVE_CTRL);
    const Matrix4 before = boostMatrix;
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(8, 0); }), 1);
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(0, 0); }), 1);
    EXPECT_EQ(boostMatrix.m[1], before.m[1]);
    release(leftButton);

    press(rightButton);
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(0, 0); }), 0);
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(0, 2); }), 1);
    release(rightButton);
    press(middleButton); // outside demonstration 3 nothing moves, still redraws
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(4, 4); }), 1);
    EXPECT_EQ(turnaroundX, 0.1);
    release(middleButton);
    press(GLUT_RIGHT_BUTTON);
    press(GLUT_LEFT_BUTTON); // 5: no gesture, a redraw
    double view[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, view);
    EXPECT_EQ(redisplaysCausedBy([] { moveBy(9, 9); }), 1);
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    expectMatrixNear(after, view, 0.0, "no-gesture view");
    release(GLUT_LEFT_BUTTON);
    release(GLUT_RIGHT_BUTTON);

    // every motion event leaves the modelview selected
    glMatrixMode(GL_PROJECTION);
    press(leftButton);
    moveBy(0, 0);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    release(leftButton);
}

TEST_F(Mouse, RotationTurnsAboutTheSceneOrigin) {
    press(rightButton);
    moveBy(90, 0); // 90 degrees about the eye's +y through the origin
    release(rightButton);
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const double quarterTurn[16] = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, -10, 1};
    expectMatrixNear(m, quarterTurn, 1e-5, "90 degree turn");
    EXPECT_EQ(viewPanZ, -10.0f);

    // upward drag turns about the eye's -x: the top of the scene leans away
    restoreStartState();
    press(rightButton);
    moveBy(0, 30);
    release(rightButton);
    double top[3];
    eyeOf(0, 1, 0, top);
    EXPECT_NEAR(top[1], std::cos(M_PI / 6.0), 1e-5);
    EXPECT_NEAR(top[2], -10.0 - std::sin(M_PI / 6.0), 1e-5);

    // pan, then rotate: the turn is about the panned origin
    restoreStartState();
    press(leftButton);
    press(middleButton);
    moveBy(100, 0);
    release(middleButton);
    release(leftButton);
    EXPECT_FLOAT_EQ(viewPanX, 1.0f);
    double origin[3];
    eyeOf(0, 0, 0, origin);
    EXPECT_NEAR(origin[0], 1.0, 1e-6);
    EXPECT_NEAR(origin[2], -10.0, 1e-6);
    press(rightButton);
    moveBy(45, -20);
    moveBy(-10, 70);
    release(rightButton);
    eyeOf(0, 0, 0, origin);
    EXPECT_NEAR(origin[0], 1.0, 1e-5);
    EXPECT_NEAR(origin[1], 0.0, 1e-5);
    EXPECT_NEAR(origin[2], -10.0, 1e-5);

    // fifth button: counter-clockwise about the viewing axis, with its trace
    restoreStartState();
    press(fifthButton);
    const std::string out = stdoutOf([] {
        moveBy(30, 0);
        EXPECT_EQ(redisplaysCausedBy([] { moveBy(0, 12); }), 1); // prints, turns nothing
    });
    release(fifthButton);
    EXPECT_EQ(out, "22!!!\n22!!!\n");
    double right[3];
    eyeOf(1, 0, 0, right);
    EXPECT_NEAR(right[0], std::cos(M_PI / 6.0), 1e-5);
    EXPECT_NEAR(right[1], std::sin(M_PI / 6.0), 1e-5);
}

TEST_F(Mouse, PansFollowThePointer) {
    // Shift alone: sideways and in depth; up pushes the scene away
    press(leftButton);
    press(middleButton, 100, 100, GLUT_ACTIVE_SHIFT);
    moveBy(0, 100);
    moveBy(50, 0);
    EXPECT_FLOAT_EQ(viewPanZ, -11.0f);
    EXPECT_FLOAT_EQ(viewPanX, 0.5f);
    EXPECT_FLOAT_EQ(viewPanY, 0.0f);
    double origin[3];
    eyeOf(0, 0, 0, origin);
    EXPECT_NEAR(origin[0], 0.5, 1e-6);
    EXPECT_NEAR(origin[2], -11.0, 1e-6);

    // Shift with Ctrl: the screen-plane pan
    for (int modifiers : {GLUT_ACTIVE_SHIFT | GLUT_ACTIVE_CTRL, GLUT_ACTIVE_ALT, 0}) {
        release(middleButton);
        press(middleButton, 100, 100, modifiers);
        const float z = viewPanZ;
        const float y = viewPanY;
        moveBy(0, 20);
        EXPECT_EQ(viewPanZ, z);
        EXPECT_FLOAT_EQ(viewPanY, y + 0.2f);
    }
    release(middleButton);
    release(leftButton);

    // fifth button with left / middle: traced pans
    restoreStartState();
    press(fifthButton);
    press(leftButton);
    std::string out = stdoutOf([] { moveBy(10, 20); });
    EXPECT_EQ(out, "21!!!\n");
    EXPECT_FLOAT_EQ(viewPanX, 0.1f);
    EXPECT_FLOAT_EQ(viewPanY, 0.2f);
    release(leftButton);
    press(middleButton);
    out = stdoutOf([] { moveBy(0, -30); });
    EXPECT_EQ(out, "22!!!\n");
    EXPECT_FLOAT_EQ(viewPanZ, -9.7f);
    release(middleButton);
    release(fifthButton);
    eyeOf(0, 0, 0, origin);
    EXPECT_NEAR(origin[0], 0.1, 1e-6);
    EXPECT_NEAR(origin[1], 0.2, 1e-6);
    EXPECT_NEAR(origin[2], -9.7, 1e-5);
}

TEST_F(Mouse, TurnaroundStaysInsideTheCausalRegion) {
    // the limits themselves
    EXPECT_TRUE(isCausalTurnaround(0.99, 1.0));
    EXPECT_FALSE(isCausalTurnaround(0.995, 1.0));
    EXPECT_FALSE(isCausalTurnaround(0.1, 0.14));
    EXPECT_TRUE(isCausalTurnaround(0.1, 0.15));
    EXPECT_TRUE(isCausalTurnaround(0.1, 1.85));
    EXPECT_FALSE(isCausalTurnaround(0.1, 1.86));
    EXPECT_FALSE(isCausalTurnaround(-0.995, 1.0));

    selectDemo(3);
    press(middleButton);
    moveBy(178, 0); // X = 0.99: accepted
    EXPECT_NEAR(turnaroundX, 0.99, 1e-12);
    moveBy(1, 0); // 0.995: the whole move is dropped
    EXPECT_NEAR(turnaroundX, 0.99, 1e-12);
    EXPECT_EQ(turnaroundT, 1.0);
    moveBy(-178, -100); // back to (0.1, 0.5), then down towards departure
    EXPECT_NEAR(turnaroundX, 0.1, 1e-12);
    EXPECT_NEAR(turnaroundT, 0.5, 1e-12);
    moveBy(0, -60); // (0.1, 0.2)
    moveBy(0, -80); // (0.1, -0.2): before the departure, yet both legs timelike
    EXPECT_NEAR(turnaroundT, -0.2, 1e-12);
    moveBy(0, 1); // (0.1, -0.195)? the squared interval 0.028 > 0.01: accepted
    EXPECT_NEAR(turnaroundT, -0.195, 1e-12);
    moveBy(0, 20); // (0.1, -0.095): inside the light cone's neighbourhood, dropped
    EXPECT_NEAR(turnaroundT, -0.195, 1e-12);
    release(middleButton);

    // diagonal moves never leave the region, whatever the path
    press(middleButton);
    for (int i = 0; i < 400; ++i) {
        moveBy((i * 37) % 23 - 9, (i * 53) % 31 - 14);
        EXPECT_GT(turnaroundT * turnaroundT - turnaroundX * turnaroundX, 0.01);
        const double back = twinReunionTime - turnaroundT;
        EXPECT_GT(back * back - turnaroundX * turnaroundX, 0.01);
    }
    release(middleButton);
}
