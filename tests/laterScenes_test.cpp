// The scenes of F5 to F11 on a real GL window: off by default, where every
// later demonstration draws the same icosahedron as before, pixel for pixel;
// with the switch on, the probe rays' tips and the gyroscope where the closed
// forms put them, drawn with the same view constants as the scenes; and the
// switch itself, read from the environment.
#include "glHarness.h"

#include "app/accelerated.h"
#include "app/keyboard.h"
#include "app/sceneSettings.h"
#include "app/state.h"
#include "relativity/readouts.h"
#include "scenes/cones.h"
#include "scenes/gyroscope.h"
#include "scenes/sceneView.h"
#include "scenes/seen.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
const int side = 512;
const double pi = 3.14159265358979323846;
const Rgb magenta{255, 0, 255}, black{0, 0, 0}, darkGreen{0, 115, 0};

std::vector<unsigned char> framePixels() {
    drawFrame();
    std::vector<unsigned char> rgb(side * side * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, side, side, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

void selectDemo(int demo) {
    stdoutOf([demo] { onSpecialKey(demo, 0, 0); });
}

struct Pixel {
    int x, y;
};

// A scene point (x, y, t) in the start view (eye 10 away, frustum -1..1 at 5):
// shifted across by eyeX and up by eyeDropY, tilted, scaled, projected.
Pixel project(const SpacetimeVector& p, double eyeX, double eyeDropY, double scale) {
    const double a = sceneTiltDegrees * pi / 180.0;
    const double ex = eyeX + scale * p.x;
    const double ey = eyeDropY + scale * (p.y * std::cos(a) - p.t * std::sin(a));
    const double ez = -10.0 + scale * (p.y * std::sin(a) + p.t * std::cos(a));
    auto pixel = [](double ndc) { return static_cast<int>(std::lround((ndc + 1.0) / 2.0 * side)); };
    return {pixel(5.0 * ex / -ez), pixel(5.0 * ey / -ez)};
}

class LaterScenes : public ::testing::Test {
  protected:
    void SetUp() override {
        restoreStartState();
    }
    void TearDown() override {
        restoreStartState();
    }
};
} // namespace

TEST_F(LaterScenes, WithoutTheSwitchEveryLaterDemoIsTheIcosahedron) {
    selectDemo(10);
    const auto icosahedron = framePixels();
    for (bool shown : {false, true}) {
        scenesShown = shown;
        for (int demo = shown ? 12 : 5; demo <= 12; ++demo) { // F12 has none even so
            selectDemo(demo);
            makeBoost(1.0, 0.0, 0.6, 1.25, boostMatrix); // the icosahedron is never boosted
            EXPECT_TRUE(framePixels() == icosahedron) << "demo " << demo << ", scenes " << shown;
        }
    }
}

TEST_F(LaterScenes, TipsAndTheGyroscopeWhereTheClosedFormsPutThem) {
    scenesShown = true;
    // v = 0.6 along +x: the ray sent sideways (+y) lands at (0.75, 1, 1.25); the ray
    // arriving from +y left (-0.75, 1, -1.25), from 126.87 degrees
    struct Case {
        int demo;
        SpacetimeVector tip;
        double drop;
    };
    for (const Case& c : {Case{demoUpwardCone, {0.75, 1.0, 1.25}, upwardConeDrop},
                          Case{demoDownwardCone, {-0.75, 1.0, -1.25}, downwardConeDrop}}) {
        selectDemo(c.demo);
        makeBoost(1.0, 0.0, 0.6, 1.25, boostMatrix);
        drawFrame();
        const Pixel at = project(c.tip, 0.0, c.drop, coneSceneScale);
        EXPECT_TRUE(colourNear(at.x, at.y, 2, magenta))
            << "demo " << c.demo << " at " << at.x << "," << at.y;
        // at rest the same ray points straight along +y: nothing magenta there
        boostMatrix = Matrix4{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
        drawFrame();
        EXPECT_FALSE(colourNear(at.x, at.y, 2, magenta)) << "demo " << c.demo;
    }

    // the gyroscope at its start, (r, 0, -1.5) with r = u 3 / (2 pi), marked black
    selectDemo(demoThomasPrecession);
    drawFrame();
    const double r = defaultOrbitSpeed * 3.0 / (2.0 * pi);
    const Pixel start = project({r, 0.0, -1.5}, helixEyeX, helixEyeDropY, 1.0);
    EXPECT_TRUE(colourNear(start.x, start.y, 2, black)) << start.x << "," << start.y;
    // an eighth round, between two arrows: the world line at 45 degrees
    const Pixel eighth = project({r * std::sqrt(0.5), r * std::sqrt(0.5), -1.5 + 3.0 / 8.0},
                                 helixEyeX, helixEyeDropY, 1.0);
    EXPECT_TRUE(colourNear(eighth.x, eighth.y, 2, darkGreen)) << eighth.x << "," << eighth.y;
    // half round: at (-r, 0, 0)
    gyroscopeOrbitShare = 0.5;
    drawFrame();
    const Pixel half = project({-r, 0.0, 0.0}, helixEyeX, helixEyeDropY, 1.0);
    EXPECT_TRUE(colourNear(half.x, half.y, 2, black)) << half.x << "," << half.y;
}

TEST_F(LaterScenes, ThePhotographHoldsTheSeenImageAndTheRestImage) {
    // the square at v = 0.6 seen at t = 0: the near face (orange) from 102.05 to
    // 145.66 degrees; at rest in the same place from 63.43 to 116.57
    scenesShown = true;
    selectDemo(demoSquareTube);
    makeBoost(1.0, 0.0, 0.6, 1.25, boostMatrix);
    drawFrame();
    const Rgb orange{255, 102, 0};
    auto column = [](double degrees) {
        return sceneToPixel(photographLeft + (photographRight - photographLeft) * degrees / 360.0);
    };
    const int seenRow = sceneToPixel(photographSeenY), restRow = sceneToPixel(photographRestY);
    EXPECT_TRUE(colourNear(column(105), seenRow, 1, orange));
    EXPECT_TRUE(colourNear(column(142), seenRow, 1, orange));
    EXPECT_FALSE(colourNear(column(95), seenRow, 1, orange));
    EXPECT_FALSE(colourNear(column(152), seenRow, 1, orange));
    EXPECT_TRUE(colourNear(column(68), restRow, 1, orange));
    EXPECT_FALSE(colourNear(column(125), restRow, 1, orange));
}

TEST(ScenesSwitch, OnlyLorentzScenesOneTurnsTheScenesOn) {
    const struct {
        const char* value; // nullptr: unset
        bool shown;
    } cases[] = {{nullptr, false}, {"1", true},    {"0", false},
                 {"", false},      {"yes", false}, {"10", false}};
    for (const auto& c : cases) {
        if (c.value) {
            setenv("LORENTZ_SCENES", c.value, 1);
        } else {
            unsetenv("LORENTZ_SCENES");
        }
        scenesShown = !c.shown;
        readScenesSwitch();
        EXPECT_EQ(scenesShown, c.shown) << (c.value ? c.value : "unset");
        EXPECT_EQ(hasSceneOfItsOwn(demoThomasPrecession), c.shown);
        EXPECT_EQ(boostsInThreeDimensions(demoUpwardCone), c.shown);
        EXPECT_EQ(hasSceneOfItsOwn(demoRoundTube), c.shown);
        EXPECT_EQ(hasSceneOfItsOwn(demoRocket), c.shown);
        EXPECT_EQ(boostsAlongX(demoBellShips), c.shown);
        EXPECT_FALSE(hasSceneOfItsOwn(12)); // F12 on: the icosahedron still
    }
    unsetenv("LORENTZ_SCENES");
    scenesShown = false;
}
