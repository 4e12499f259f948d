// Event storm: 100,000 callbacks drawn at random (keys, special keys, unmatched
// button events of buttons 0..40, motions of up to 5,000 px, reshapes up to
// 10,000 px, frames) in every demonstration, with the GL state and the physics
// invariants checked after each one. Seeded and reproducible: set
// LORENTZ_STORM_SEED to replay; the seed and the last events print on failure.
#include "glHarness.h"
#include "lorentzDefect.h"

#include "app/keyboard.h"
#include "app/reshape.h"
#include "app/sceneSettings.h"
#include "app/state.h"
#include "input/mouse.h"
#include "input/navigation.h"
#include "scenes/display.h"

#include <GL/freeglut.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {
const int sessions = 20;              // each from the start-up state, as a user restarts
const int callbacksPerSession = 5000; // 100,000 in all
const unsigned defaultSeed = 20261208;
const int historyLength = 12;
const double maxLorentzDefect = 1e-9; // relative: rounding only
const int minGestureEvents = 100;     // motion events per gesture the storm must reach

// A button from 0..40: mostly the ones a mouse has (left, middle, right, the
// fifth); the others as clicks, and rarely unmatched, so that the gestures
// keep being reachable within a session.
struct ButtonEvent {
    int button;
    bool click;
};

class Storm {
  public:
    explicit Storm(unsigned seed) : rng(seed) {}

    int gestureEvents[35] = {}; // motion events by buttonMask 0..34

    std::string next() {
        std::ostringstream what;
        // keys, special keys, buttons, motions, reshapes, frames: motions most
        std::discrete_distribution<int> kind({10, 10, 20, 40, 8, 12});
        switch (kind(rng)) {
        case 0: {
            int key = pick(0, 255);
            while (key == 27 || key == 'q' || key == 'Q') {
                key = pick(0, 255);
            }
            onKeyboard(static_cast<unsigned char>(key), pick(0, 600), pick(0, 600));
            what << "key " << key;
            break;
        }
        case 1: {
            const int key = pick(-5, 200);
            onSpecialKey(key, 0, 0);
            what << "special " << key;
            break;
        }
        case 2: {
            const ButtonEvent b = button();
            onMouse(b.button, pick(0, 1), pick(-50, 600), pick(-50, 600));
            mouseModifiers = pick(0, 9) < 7 ? 0 : pick(0, 7);
            if (b.click) {
                onMouse(b.button, GLUT_UP, lastMouseX, windowHeight - 1 - lastMouseY);
            }
            what << "button " << b.button << (b.click ? " click" : "") << " modifiers "
                 << mouseModifiers;
            break;
        }
        case 3: {
            const int dx = delta(), dy = delta();
            if (buttonMask >= 0 && buttonMask < 35) {
                ++gestureEvents[buttonMask];
            }
            onMotion(lastMouseX + dx, windowHeight - 1 - (lastMouseY + dy));
            what << "motion " << dx << " " << dy << " mask " << buttonMask;
            break;
        }
        case 4: {
            const int w = size(), h = size();
            onReshape(w, h);
            what << "reshape " << w << " " << h;
            break;
        }
        default:
            onDisplay();
            what << "frame of demo " << currentDemo;
            break;
        }
        return what.str();
    }

  private:
    int pick(int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    }
    ButtonEvent button() {
        static const int common[] = {GLUT_LEFT_BUTTON, GLUT_MIDDLE_BUTTON, GLUT_RIGHT_BUTTON, 5};
        if (pick(0, 99) < 90) {
            return {common[pick(0, 3)], false};
        }
        return {pick(0, 40), pick(0, 99) < 95};
    }
    // mostly small moves, as a hand makes them, sometimes a jump of up to 5,000 px
    int delta() {
        const int r = pick(0, 99);
        if (r < 10) {
            return 0;
        }
        if (r < 90) {
            return pick(-12, 12);
        }
        return pick(-5000, 5000);
    }
    int size() {
        return pick(0, 9) < 8 ? pick(0, 1200) : pick(0, 10000);
    }
    std::mt19937 rng;
};

std::string invariantBroken(GLint stackDepth) {
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        return "GL error " + std::to_string(error);
    }
    GLint mode = 0, depth = 0;
    GLfloat width = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetFloatv(GL_LINE_WIDTH, &width);
    if (mode != GL_MODELVIEW) {
        return "matrix mode " + std::to_string(mode);
    }
    if (depth != stackDepth) {
        return "modelview stack depth " + std::to_string(depth);
    }
    if (!glIsEnabled(GL_LIGHTING)) {
        return "lighting off";
    }
    if (width != 1.0f) {
        return "line width " + std::to_string(width);
    }
    if (currentDemo < 1 || currentDemo > 12) {
        return "currentDemo " + std::to_string(currentDemo);
    }
    if (!isCausalTurnaround(turnaroundX, turnaroundT)) {
        return "turnaround outside the causal region";
    }
    if (!(frameVelocity > -1.0 && frameVelocity < 1.0)) {
        return "frameVelocity " + std::to_string(frameVelocity);
    }
    if (!std::isfinite(viewPanX) || !std::isfinite(viewPanY) || !std::isfinite(viewPanZ)) {
        return "view pan not finite";
    }
    double view[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, view);
    for (int i = 0; i < 16; ++i) {
        if (!std::isfinite(boostMatrix.m[i]) || !std::isfinite(view[i])) {
            return "boostMatrix or view not finite";
        }
    }
    if (lorentzDefect(boostMatrix, boostsInThreeDimensions(currentDemo)) > maxLorentzDefect) {
        return "boostMatrix is no Lorentz transformation";
    }
    return "";
}

// stdout and stderr to /dev/null for the storm's 100,000 callbacks
void silenceConsole(bool silent) {
    static int savedOut = -1, savedErr = -1;
    std::fflush(stdout);
    std::fflush(stderr);
    if (silent) {
        savedOut = dup(STDOUT_FILENO);
        savedErr = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        close(null);
    } else {
        dup2(savedOut, STDOUT_FILENO);
        dup2(savedErr, STDERR_FILENO);
        close(savedOut);
        close(savedErr);
    }
}

unsigned stormSeed() {
    const char* text = std::getenv("LORENTZ_STORM_SEED");
    return text != nullptr ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : defaultSeed;
}
} // namespace

TEST(EventStorm, InvariantsHoldAfterEveryCallback) {
    const unsigned seed = stormSeed();
    Storm storm(seed);
    std::deque<std::string> history;
    std::string broken;
    int failedAt = -1;
    for (int session = 0; session < sessions && broken.empty(); ++session) {
        restoreStartState();
        scenesShown = session % 2 == 1; // every other session with the 3D scenes of F5-F7
        GLint stackDepth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &stackDepth);
        silenceConsole(true); // key messages, help texts, freeglut's notes
        for (int n = 0; n < callbacksPerSession && broken.empty(); ++n) {
            history.push_back(storm.next());
            if (history.size() > historyLength) {
                history.pop_front();
            }
            broken = invariantBroken(stackDepth);
            failedAt = session * callbacksPerSession + n;
        }
        silenceConsole(false);
    }
    std::string last;
    for (const auto& h : history) {
        last += "  " + h + "\n";
    }
    std::printf("seed %u; motion events by gesture:", seed);
    for (int mask : {1, 2, 3, 4, 32, 33, 34}) {
        std::printf(" %d:%d", mask, storm.gestureEvents[mask]);
    }
    std::printf("\n");
    for (int mask : {1, 2, 3, 4, 32, 33, 34}) {
        EXPECT_GE(storm.gestureEvents[mask], minGestureEvents) << "gesture " << mask;
    }
    EXPECT_EQ(broken, "") << "seed " << seed << " (LORENTZ_STORM_SEED), callback " << failedAt
                          << "; the last callbacks:\n"
                          << last;
    restoreStartState();
    pumpEvents();
}
