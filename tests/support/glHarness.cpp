// The harness behind the in-process GL tests: a GoogleTest environment opens
// the window exactly as the program does and registers its callbacks; the
// display callback is wrapped only to count how often freeglut runs it.
#include "glHarness.h"

#include "app/accelerated.h"
#include "app/keyboard.h"
#include "app/reshape.h"
#include "app/sceneSettings.h"
#include "app/startup.h"
#include "app/state.h"
#include "scenes/display.h"

#include <GL/freeglut.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

int displayCallCount = 0;

namespace {
const int windowSide = 512;
const double feedbackHalfExtent = 8.0; // orthographic test volume -8..8
const int feedbackCapacity = 1 << 20;  // floats

void countingDisplay() {
    ++displayCallCount;
    onDisplay();
}

class GlWindowEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) {
            FAIL() << "no X display: these tests need one (the test command starts Xvfb)";
        }
        static int argc = 1;
        static char name[] = "lorentz-gl-tests";
        static char* argv[] = {name, nullptr};
        openWindow(&argc, argv);
        glutPositionWindow(0, 0);
        initState();
        initGraphics();
        registerCallbacks();
        glutDisplayFunc(countingDisplay);
        stdoutOf([] {
            for (int i = 0; i < 20 && displayCallCount == 0; ++i) {
                pumpEvents();
            }
        });
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new GlWindowEnvironment);
} // namespace

void restoreStartState() {
    initState();
    scenesShown = false;
    resetSceneSettings();
    resetAcceleratedSettings();
    buttonMask = 0;
    mouseModifiers = 0;
    lastMouseX = lastMouseY = 0;
    mouseDeltaX = mouseDeltaY = 0;
    stdoutOf([] { onReshape(windowSide, windowSide); });
    resetView();
    glLineWidth(1.0f);
}

void pumpEvents() {
    for (int i = 0; i < 5; ++i) {
        glutMainLoopEvent();
        glFinish();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    glutMainLoopEvent();
}

int redisplaysCausedBy(const std::function<void()>& action) {
    pumpEvents();
    const int before = displayCallCount;
    action();
    pumpEvents();
    return displayCallCount - before;
}

std::string stdoutOf(const std::function<void()>& action) {
    std::fflush(stdout);
    ::testing::internal::CaptureStdout();
    action();
    std::fflush(stdout);
    return ::testing::internal::GetCapturedStdout();
}

std::string stderrOf(const std::function<void()>& action) {
    ::testing::internal::CaptureStderr();
    action();
    return ::testing::internal::GetCapturedStderr();
}

std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw) {
    static std::vector<GLfloat> buffer(feedbackCapacity);
    const double e = feedbackHalfExtent;
    glViewport(0, 0, windowSide, windowSide);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-e, e, -e, e, -e, e);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glFeedbackBuffer(feedbackCapacity, GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    // window coordinates back to scene coordinates
    const double half = windowSide / 2.0;
    auto readVertex = [&](GLint& i) {
        FeedbackVertex v{};
        v.x = (buffer[i] / half - 1.0) * e;
        v.y = (buffer[i + 1] / half - 1.0) * e;
        v.z = (1.0 - 2.0 * buffer[i + 2]) * e;
        v.r = buffer[i + 3];
        v.g = buffer[i + 4];
        v.b = buffer[i + 5];
        i += 7; // x y z r g b a
        return v;
    };
    std::vector<FeedbackPrimitive> prims;
    EXPECT_GE(count, 0) << "feedback buffer overflow";
    for (GLint i = 0; i < count;) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        FeedbackPrimitive p{token, {}};
        int n = 0;
        if (token == GL_POINT_TOKEN) {
            n = 1;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            n = 2;
        } else if (token == GL_POLYGON_TOKEN) {
            n = static_cast<int>(buffer[i++]);
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
            continue;
        } else {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
        for (int k = 0; k < n; ++k) {
            p.vertices.push_back(readVertex(i));
        }
        prims.push_back(p);
    }
    return prims;
}

std::vector<FeedbackPrimitive> linesOfColour(const std::vector<FeedbackPrimitive>& prims, float r,
                                             float g, float b) {
    std::vector<FeedbackPrimitive> out;
    for (const auto& p : prims) {
        const bool isLine = p.token == GL_LINE_TOKEN || p.token == GL_LINE_RESET_TOKEN;
        const auto& v = p.vertices.front();
        if (isLine && std::abs(v.r - r) < 0.01f && std::abs(v.g - g) < 0.01f &&
            std::abs(v.b - b) < 0.01f) {
            out.push_back(p);
        }
    }
    return out;
}

std::string describe(const Rgb& c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

bool isClose(const Rgb& a, const Rgb& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

void drawFrame() {
    onDisplay();
    glFinish();
}

Rgb pixelAt(int x, int y) {
    unsigned char rgb[3] = {0, 0, 0};
    glReadBuffer(GL_BACK); // a copy swap leaves the frame in the back buffer too
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return Rgb{rgb[0], rgb[1], rgb[2]};
}

int sceneToPixel(double coordinate) {
    return static_cast<int>(std::lround((coordinate / 4.0 + 0.5) * windowSide));
}

bool colourNear(int x, int y, int radius, const Rgb& c) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (isClose(pixelAt(x + dx, y + dy), c)) {
                return true;
            }
        }
    }
    return false;
}
