// The built program under X, driven like a user through XTest: keys, function
// keys, drags with button combinations, resizes. Console bytes are checked
// after the program exits (stdout is fully buffered into a file); pixels are
// probed where the physics puts the picture.
#include "startView.h"
#include "xdriver.h"

#include <X11/keysym.h>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {
const int side = 512;
const int exitTimeoutMs = 5000;
const int drawTimeoutMs = 3000;

struct Colour {
    const char* name;
    Pixel rgb;
};
const Colour white{"white", {255, 255, 255}}, red{"red", {255, 0, 0}}, cyan{"cyan", {0, 255, 255}},
    black{"black", {0, 0, 0}}, green{"green", {0, 255, 0}}, teal{"teal", {0, 204, 204}},
    yellow{"yellow", {255, 255, 0}};

class Demo : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "these tests need an X display";
        std::string error;
        ASSERT_TRUE(startDemo(s, LORENTZ_DEMO_PATH, {}, error)) << error;
    }
    void TearDown() override {
        stopDemo(s);
    }

    // Is colour c within radius pixels of (x, y), waiting for the program to draw it?
    ::testing::AssertionResult showsNear(int x, int y, const Colour& c, int radius = 2) {
        if (waitForColour(s, x, y, c.rgb, radius)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "expected " << c.name << " near (" << x << ", " << y
                                             << "), observed " << describe(pixelAt(s, x, y));
    }

    // quits with q and returns stdout; stderr goes to err
    std::string quit(std::string& err) {
        tapKey(s, XK_q);
        EXPECT_TRUE(waitForExit(s, exitTimeoutMs)) << "no exit after q";
        EXPECT_EQ(s.exitStatus, 0);
        err = readWholeFile(s.stderrPath);
        return readWholeFile(s.stdoutPath);
    }

    DemoSession s;
};

const char* const helpHead = "\nHelp\n----\n\n[Mouse]\n  LEFT    : boost in mouse direction\n";
} // namespace

TEST_F(Demo, KeysFunctionKeysResizeAndQuit) {
    // start-up: demonstration 1, clock over the time axis
    EXPECT_TRUE(showsNear(column(0), row(0.5), cyan, 0));
    EXPECT_TRUE(showsNear(column(0), row(1.5), red, 1));

    tapKey(s, XK_F4); // the rod end-on: its front face 0.1 wide at distance 8
    EXPECT_TRUE(showsNear(column(0.05 * 10.0 / 8.0), row(0), green, 1));
    tapKey(s, XK_F2);
    EXPECT_TRUE(showsNear(column(1), row(0.5), black, 2));
    tapKey(s, XK_F3);
    EXPECT_TRUE(showsNear(column(1.5), row(-0.5), green, 2));
    EXPECT_TRUE(showsNear(column(1.5), row(0.5), teal, 2));
    tapKey(s, XK_F5);
    EXPECT_TRUE(waitUntil(
        [&] {
            const Pixel p = pixelAt(s, column(0), row(0)); // the lit icosahedron, never green
            return !isClose(p, white.rgb) && !isClose(p, green.rgb) && std::abs(p.r - p.g) < 30;
        },
        drawTimeoutMs));
    for (unsigned long key : {XK_F6, XK_F7, XK_F8, XK_F9, XK_F10, XK_F11, XK_F12, XK_F1}) {
        tapKey(s, key);
    }
    EXPECT_TRUE(showsNear(column(0), row(0.5), cyan, 0));
    tapKey(s, XK_Left);
    tapKey(s, XK_h);
    tapKey(s, XK_r, XK_Shift_L); // 'R'
    tapKey(s, XK_a);

    // a resize below 200 px is raised to 200
    resizeWindow(s, 150, 600);
    EXPECT_TRUE(waitForWindowSize(s, 200, 600));
    settle(s, 300); // let the program report 200 x 600 before the size changes again
    resizeWindow(s, side, side);
    settle(s);

    std::string err;
    const std::string out = quit(err);
    EXPECT_EQ(out.rfind("\nEntered  Reshape with: 512 512; glutGet: 512 512\n", 0), 0u) << out;
    EXPECT_NE(out.find("\nEntered  Reshape with: 150 600; glutGet: 150 600\n"
                       "\nEntered  Reshape with: 200 600; glutGet: 200 600\n"),
              std::string::npos)
        << out;
    const char* const order[] = {"Object F4: 3D: spatial searchlight ray warp selected.\n",
                                 "Object F2: 2D Lorentz contraction selected.\n",
                                 "Object F3: Twin paradox selected.\n",
                                 "Object F5: 3D: Upward Cone warp selected.\n",
                                 "Object F9: 3D: +- up/down Hemicones on round tube  = Penrose "
                                 "selected.\n",
                                 "Object F12 selected.\n",
                                 "Object F1: 2D time dilation selected.\n",
                                 "Unhandled Special Key (100).\n",
                                 "Unhandled Special Key (112).\n"}; // Shift of the 'R'
    size_t at = 0;
    for (const char* line : order) {
        const size_t found = out.find(line, at);
        EXPECT_NE(found, std::string::npos) << "missing in order: " << line;
        at = found == std::string::npos ? at : found;
    }
    // help at start-up and after 'h', the reset, the exit; 'a' prints nothing
    const std::string help = err.substr(0, err.find("Coord Reset.\n"));
    EXPECT_EQ(help.size() % 2, 0u);
    EXPECT_EQ(help.substr(0, help.size() / 2), help.substr(help.size() / 2));
    EXPECT_EQ(help.rfind(helpHead, 0), 0u);
    EXPECT_EQ(err.substr(help.size()), "Coord Reset.\nNormal exit.\n");
}

TEST_F(Demo, EscapeQuitsWithStatusZero) {
    tapKey(s, XK_Escape);
    ASSERT_TRUE(waitForExit(s, exitTimeoutMs));
    EXPECT_EQ(s.exitStatus, 0);
    const std::string err = readWholeFile(s.stderrPath);
    EXPECT_EQ(err.substr(err.size() - 13), "Normal exit.\n");
}

TEST_F(Demo, LeftDragBoostsClockAndRod) {
    // twenty 5 px steps to the right: v = tanh(20 artanh 0.01)
    const double v = std::tanh(20.0 * std::atanh(0.01));
    drag(s, {1}, 200, 300, 300, 300, 20);
    EXPECT_TRUE(showsNear(column(v * 0.75), row(0.75), cyan, 2));
    EXPECT_FALSE(isClose(pixelAt(s, column(0), row(0.75)), cyan.rgb));

    // demonstration 2: the rod's world lines cross t = 0 at +-1/gamma
    tapKey(s, XK_F2);
    drag(s, {1}, 300, 300, 100, 300, 40);
    const double beta = std::tanh(40.0 * std::atanh(0.01));
    const double gamma = 1.0 / std::sqrt(1.0 - beta * beta);
    EXPECT_TRUE(showsNear(column(1.0 / gamma), row(0), black, 3));
    EXPECT_TRUE(showsNear(column(-1.0 / gamma), row(0), black, 3));
    EXPECT_FALSE(isClose(pixelAt(s, column(1.0), row(0.6)), black.rgb));

    std::string err;
    quit(err);
}

TEST_F(Demo, MiddleDragShortensTheTravellersAge) {
    tapKey(s, XK_F3);
    EXPECT_TRUE(showsNear(column(1.5), row(0.95), teal, 1));
    drag(s, {2}, 250, 250, 290, 250, 8); // turnaround to (0.3, 1.0)
    // tau1 + tau2 = 2 sqrt(0.91), drawn from y = -1
    const double top = 2.0 * std::sqrt(0.91) - 1.0;
    EXPECT_TRUE(showsNear(column(1.5), row(top - 0.05), teal, 1));
    EXPECT_TRUE(showsNear(column(1.5), row(0.95), white, 0));
    EXPECT_TRUE(showsNear(column(0.3), row(0.0), green, 3)); // the turnaround event
    std::string err;
    quit(err);
}

TEST_F(Demo, ViewDragsRotateAndPan) {
    // a right drag of 90 px turns the searchlight rod from end-on to across
    tapKey(s, XK_F4);
    drag(s, {3}, 200, 256, 290, 256, 9);
    EXPECT_TRUE(showsNear(column(1.8), row(0.05), green, 1)); // an edge of the rod
    EXPECT_TRUE(showsNear(column(-1.8), row(-0.05), green, 1));

    // left + middle: the diagram follows the pointer, 0.01 units per pixel
    tapKey(s, XK_F1);
    tapKey(s, XK_r);
    drag(s, {1, 2}, 250, 250, 300, 250, 10);
    EXPECT_TRUE(showsNear(column(0.5), row(0.5), cyan, 1));

    // with Shift: pushed away, the clock looks shorter (1 at distance 11)
    tapKey(s, XK_r);
    EXPECT_TRUE(showsNear(column(0), row(0.95), cyan, 0));
    drag(s, {1, 2}, 250, 300, 250, 200, 10, XK_Shift_L);
    EXPECT_TRUE(showsNear(column(0), row(0.95), red, 0));
    EXPECT_TRUE(showsNear(column(0), row(0.85), cyan, 0));

    // button 6 (GLUT's fifth) with left: a traced screen-plane pan
    tapKey(s, XK_r);
    drag(s, {1, 6}, 250, 250, 250, 200, 10);
    EXPECT_TRUE(showsNear(column(0), row(0.5 + 0.5), cyan, 1));

    std::string err;
    const std::string out = quit(err);
    EXPECT_NE(out.find("21!!!\n"), std::string::npos) << out;
}

TEST_F(Demo, DragsFollowTheNewHeightAfterAResize) {
    resizeWindow(s, 600, 400);
    EXPECT_TRUE(waitForWindowSize(s, 600, 400));
    settle(s, 300);
    // 400 px now span -2..2 upwards: 100 px per unit; the pan moves the diagram up 0.5
    drag(s, {1, 2}, 300, 250, 300, 200, 10);
    EXPECT_TRUE(showsNear(300, 200 - 50 - 50, cyan, 1)); // clock at y 1.0 in the new window
    EXPECT_TRUE(showsNear(300 + 75, 200 - 50, red, 1));  // space axis at y 0.5
    std::string err;
    quit(err);
}

// 5,000 real X events: drags with every button combination, modifiers, keys,
// function keys and resizes. No quit key among them: Ctrl turns '3', '[' and
// '{' into ESC, so those stay out too. Afterwards the program still answers
// at once, and 'q' ends it with status 0 within 2 s.
TEST_F(Demo, SoakOfFiveThousandRealEvents) {
    const int events = 5000;
    std::mt19937 rng(5000);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<unsigned long> keys = {
        XK_space,  XK_comma, XK_period, XK_minus, XK_Left,   XK_Right,  XK_Up,        XK_Down,
        XK_Home,   XK_End,   XK_Prior,  XK_Next,  XK_Insert, XK_Return, XK_BackSpace, XK_Tab,
        XK_Delete, XK_0,     XK_1,      XK_2,     XK_4,      XK_5,      XK_9};
    for (unsigned long k = XK_a; k <= XK_z; ++k) {
        if (k != XK_q) {
            keys.push_back(k);
        }
    }
    const int buttons[] = {1, 2, 3, 6};
    const unsigned long modifiers[] = {XK_Shift_L, XK_Control_L, XK_Alt_L};
    bool held[7] = {}, modifierHeld[3] = {};
    int x = 256, y = 256, width = side, height = side;

    for (int n = 0; n < events; ++n) {
        const int r = pick(0, 99);
        if (r < 45) { // pointer motion, mostly small steps
            const int step = pick(0, 9) < 9 ? 12 : 200;
            x = std::min(std::max(x + pick(-step, step), 0), width - 1);
            y = std::min(std::max(y + pick(-step, step), 0), height - 1);
            movePointer(s, x, y);
        } else if (r < 65) { // a button of the combination goes down or up
            const int b = buttons[pick(0, 3)];
            held[b] = !held[b];
            setButton(s, b, held[b]);
        } else if (r < 67) { // a wheel click
            const int b = pick(4, 5);
            setButton(s, b, true);
            setButton(s, b, false);
        } else if (r < 75) {
            const int m = pick(0, 2);
            modifierHeld[m] = !modifierHeld[m];
            holdKey(s, modifiers[m], modifierHeld[m]);
        } else if (r < 88) {
            tapKey(s, keys[static_cast<size_t>(pick(0, static_cast<int>(keys.size()) - 1))]);
        } else if (r < 97) {
            tapKey(s, XK_F1 + static_cast<unsigned long>(pick(0, 11)));
        } else {
            width = pick(120, 900);
            height = pick(120, 900);
            resizeWindow(s, width, height);
            width = std::max(width, 200); // the program raises it to 200
            height = std::max(height, 200);
        }
        if (n % 500 == 499) {
            settle(s, 20);
            ASSERT_FALSE(waitForExit(s, 0)) << "the program ended after " << n + 1 << " events";
        }
    }
    for (int b : buttons) {
        if (held[b]) {
            setButton(s, b, false);
        }
    }
    for (int m = 0; m < 3; ++m) {
        if (modifierHeld[m]) {
            holdKey(s, modifiers[m], false);
        }
    }
    resizeWindow(s, side, side);
    settle(s, 300);
    movePointer(s, 256, 256);

    // still answering: a reset view and the searchlight rod end-on
    tapKey(s, XK_r);
    tapKey(s, XK_F4);
    EXPECT_TRUE(showsNear(column(0.05 * 10.0 / 8.0), row(0), green, 1));
    tapKey(s, XK_q);
    ASSERT_TRUE(waitForExit(s, 2000)) << "no exit within 2 s of q";
    EXPECT_EQ(s.exitStatus, 0);
    const std::string err = readWholeFile(s.stderrPath);
    EXPECT_EQ(err.find("ERROR"), std::string::npos) << err.substr(0, 2000);
    EXPECT_EQ(err.find("runtime error"), std::string::npos) << err.substr(0, 2000);
}
