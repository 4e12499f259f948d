// The scenes of F5 to F11 on a real GL window: off by default, where every
// later demonstration draws the same icosahedron as before, pixel for pixel;
// with the switch on, the probe rays' tips and the gyroscope where the closed
// forms put them, drawn with the same view constants as the scenes; the
// photograph's strips, in one piece across the direction of motion; F8 and F9
// inside the window at every observer's time; the scenes' named axes only
// when the page asks; and the switch itself, read from the environment.
#include "glHarness.h"

#include "app/accelerated.h"
#include "app/keyboard.h"
#include "app/sceneSettings.h"
#include "app/state.h"
#include "app/teaching.h"
#include "relativity/readouts.h"
#include "scenes/camera.h"
#include "scenes/cones.h"
#include "scenes/display.h"
#include "scenes/gyroscope.h"
#include "scenes/labels.h"
#include "scenes/sceneView.h"
#include "scenes/seen.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <tuple>

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

// Every vertex a whole frame draws, in window pixels of the 512 x 512 window,
// under the window's own projection shrunk three times about its middle: a
// vertex outside the window comes back outside 0..512, where the window's own
// projection would have clipped it (and dropped a point).
struct WindowVertex {
    double x, y;
    float r, g, b;
    bool filled; // of a polygon
};
std::vector<WindowVertex> frameVertices() {
    const int capacity = 1 << 21;
    static std::vector<GLfloat> buffer(capacity);
    const double shrink = 3.0;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glScaled(1.0 / shrink, 1.0 / shrink, 1.0);
    glFrustum(-1.0, 1.0, -1.0, 1.0, 5.0, 25.0); // as the reshape callback sets it
    glMatrixMode(GL_MODELVIEW);
    glFeedbackBuffer(capacity, GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    onDisplay();
    const GLint count = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    EXPECT_GT(count, 0) << "feedback buffer overflow";
    std::vector<WindowVertex> out;
    const double middle = side / 2.0;
    for (GLint i = 0; i < count;) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        const int n = token == GL_POINT_TOKEN                                  ? 1
                      : token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN ? 2
                      : token == GL_POLYGON_TOKEN ? static_cast<int>(buffer[i++])
                                                  : 0;
        if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
        }
        for (int k = 0; k < n; ++k, i += 7) {
            out.push_back({middle + shrink * (buffer[i] - middle),
                           middle + shrink * (buffer[i + 1] - middle), buffer[i + 3], buffer[i + 4],
                           buffer[i + 5], token == GL_POLYGON_TOKEN});
        }
    }
    return out;
}

class LaterScenes : public ::testing::Test {
  protected:
    void SetUp() override {
        restoreStartState();
    }
    void TearDown() override {
        showAxisLabels = false;
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

// The probe ray at 60 degrees in its own frame, v = 0.6 along +x: sent (F5) it
// lands at gamma (cos 60 + v, -, 1 + v cos 60) = (1.375, 0.866, 1.625); received
// (F6) it left gamma (cos 60 - v, -, -1 + v cos 60) = (-0.125, 0.866, -0.875),
// drawn at 98.21 degrees. And the rulings' halves: forward in the source's own
// frame orange, backward sky blue, whichever way they are drawn.
TEST_F(LaterScenes, TheProbeRayAt60DegreesAndTheRulingsHalves) {
    scenesShown = true;
    const double s = std::sqrt(0.75);
    for (const auto& [demo, tip, drop] :
         {std::tuple{demoUpwardCone, SpacetimeVector{1.375, s, 1.625}, upwardConeDrop},
          std::tuple{demoDownwardCone, SpacetimeVector{-0.125, s, -0.875}, downwardConeDrop}}) {
        selectDemo(demo);
        makeBoost(1.0, 0.0, 0.6, 1.25, boostMatrix);
        probeRayDegrees = 60.0;
        drawFrame();
        const Pixel at = project(tip, 0.0, drop, coneSceneScale);
        EXPECT_TRUE(colourNear(at.x, at.y, 2, magenta))
            << "demo " << demo << " at " << at.x << "," << at.y;
        probeRayDegrees = defaultProbeRayDegrees;
        drawFrame();
        EXPECT_FALSE(colourNear(at.x, at.y, 2, magenta))
            << "demo " << demo << ": the 90-degree ray elsewhere";
    }
    const Rgb orange{255, 102, 0}, sky{77, 153, 255};
    selectDemo(demoUpwardCone);
    makeBoost(1.0, 0.0, 0.6, 1.25, boostMatrix);
    drawFrame();
    for (const double own : {7.5, 52.5, 127.5, 172.5}) { // rulings at (k + 1/2) 15 degrees
        const double c = std::cos(own * pi / 180.0), n = std::sin(own * pi / 180.0);
        // seven tenths of the way from the apex to the ruling's tip, boosted
        const SpacetimeVector along{0.7 * 1.25 * (c + 0.6), 0.7 * n, 0.7 * 1.25 * (1.0 + 0.6 * c)};
        const Pixel at = project(along, 0.0, upwardConeDrop, coneSceneScale);
        EXPECT_TRUE(colourNear(at.x, at.y, 1, own < 90.0 ? orange : sky))
            << own << " degrees at " << at.x << "," << at.y;
    }
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

// Moving along +y the square is seen straight ahead, from -50.55 to 50.55
// degrees: cos a = (cos a' - v) / (1 - v cos a') at the near corners, cos a' =
// 2 / sqrt 5. Both strips then run from -180 to 180, each image one piece round 0.
TEST_F(LaterScenes, AnImageAcrossTheDirectionOfMotionIsOnePieceOnTheStrips) {
    scenesShown = true;
    selectDemo(demoSquareTube);
    makeBoost(0.0, 1.0, 0.6, 1.25, boostMatrix);
    drawFrame();
    const double c = 2.0 / std::sqrt(5.0);
    const double edge = std::acos((c - 0.6) / (1.0 - 0.6 * c)) * 180.0 / pi; // 50.55
    const double restEdge = std::acos(c) * 180.0 / pi;                       // 26.57
    auto column = [](double degrees) {
        return sceneToPixel(photographLeft +
                            (photographRight - photographLeft) * (degrees + 180.0) / 360.0);
    };
    const Rgb orange{255, 102, 0};
    const int seenRow = sceneToPixel(photographSeenY), restRow = sceneToPixel(photographRestY);
    for (double a : {-edge + 2.0, -20.0, 0.0, 20.0, edge - 2.0}) {
        EXPECT_TRUE(colourNear(column(a), seenRow, 1, orange)) << a;
    }
    for (double a : {-edge - 4.0, edge + 4.0, 170.0, -170.0}) {
        EXPECT_FALSE(colourNear(column(a), seenRow, 1, orange)) << a;
    }
    EXPECT_TRUE(colourNear(column(0.0), restRow, 1, orange));
    EXPECT_FALSE(colourNear(column(restEdge + 4.0), restRow, 1, orange));
    EXPECT_FALSE(colourNear(column(-restEdge - 4.0), restRow, 1, orange));
    // the strips' degrees and names in black, only when the page asks
    auto blackByTheStrips = [] {
        int n = 0;
        for (const WindowVertex& p : frameVertices()) {
            n += p.r == 0.0f && p.g == 0.0f && p.b == 0.0f &&
                 p.y < sceneToPixel(photographSeenY + 0.15);
        }
        return n;
    };
    EXPECT_EQ(blackByTheStrips(), 0);
    showAxisLabels = true;
    EXPECT_GT(blackByTheStrips(), 5 * 10 + 16); // five numbers, "seen" and "at rest, same place"
}

TEST_F(LaterScenes, TheSquareAndTheDiskStayInsideTheWindowAtEveryObserversTime) {
    scenesShown = true;
    showAxisLabels = true;     // the strips' numbers and names too
    const double margin = 2.0; // pixels
    for (int demo : {demoSquareTube, demoRoundTube}) {
        selectDemo(demo);
        for (double v : {0.6, 0.9}) {
            for (double angle : {0.0, 90.0, 180.0, 270.0, 35.0}) {
                const double a = angle * pi / 180.0;
                makeBoost(std::cos(a), std::sin(a), v, 1.0 / std::sqrt(1.0 - v * v), boostMatrix);
                for (double look : {-5.0, -2.5, 0.0, 1.5, 5.0}) {
                    lookTime = look;
                    int outside = 0;
                    const auto vertices = frameVertices();
                    for (const WindowVertex& p : vertices) {
                        outside += p.x < margin || p.x > side - margin || p.y < margin ||
                                   p.y > side - margin;
                    }
                    EXPECT_GT(vertices.size(), 100u);
                    EXPECT_EQ(outside, 0) << "demo " << demo << ", v " << v << " at " << angle
                                          << " degrees, look " << look;
                }
            }
        }
    }
}

// The x, y and t axes in the corner, turned as each scene is: F4 has time
// towards the viewer, F5 to F9 tilt it up the screen by 60 degrees (y away),
// F8 and F9 first turn the scene about it by -40; drawn only when asked.
TEST_F(LaterScenes, TheScenesNameTheirAxesOnlyWhenAsked) {
    scenesShown = true;
    // an eye-space point's window pixel in the start view
    auto pixel = [](double x, double y, double z) {
        return std::array<double, 2>{(5.0 * x / -z + 1.0) * side / 2.0,
                                     (5.0 * y / -z + 1.0) * side / 2.0};
    };
    const double depth = -10.0;
    const auto corner = pixel(sceneAxesX, sceneAxesY, depth);
    // a black line from the corner point to the axis's tip, d its direction in eye space
    auto hasAxis = [&](const std::vector<WindowVertex>& vertices, const double d[3]) {
        const double L = sceneAxisLength;
        const auto tip = pixel(sceneAxesX + L * d[0], sceneAxesY + L * d[1], depth + L * d[2]);
        for (size_t i = 0; i + 1 < vertices.size(); ++i) {
            const WindowVertex &a = vertices[i], &b = vertices[i + 1];
            if (a.r == 0.0f && a.g == 0.0f && a.b == 0.0f &&
                std::hypot(a.x - corner[0], a.y - corner[1]) < 0.5 &&
                std::hypot(b.x - tip[0], b.y - tip[1]) < 0.5) {
                return true;
            }
        }
        return false;
    };
    const double tilt = sceneTiltDegrees * pi / 180.0, turn = seenTurnAboutTime * pi / 180.0;
    for (int demo : {4, 5, 6, 7, 8, 9}) {
        selectDemo(demo);
        const double spin = demo >= 8 ? turn : 0.0, lean = demo >= 5 ? tilt : 0.0;
        double axes[3][3];
        for (int k = 0; k < 3;
             ++k) { // the frame drawn's x, y, t: turned about t, then tilted about x
            const double e[3] = {k == 0 ? 1.0 : 0.0, k == 1 ? 1.0 : 0.0, k == 2 ? 1.0 : 0.0};
            const double x = e[0] * std::cos(spin) - e[1] * std::sin(spin);
            const double y = e[0] * std::sin(spin) + e[1] * std::cos(spin);
            axes[k][0] = x;
            axes[k][1] = y * std::cos(lean) - e[2] * std::sin(lean);
            axes[k][2] = y * std::sin(lean) + e[2] * std::cos(lean);
        }
        const auto plain = frameVertices();
        showAxisLabels = true;
        const auto named = frameVertices();
        showAxisLabels = false;
        for (const auto& d : axes) {
            EXPECT_FALSE(hasAxis(plain, d)) << "demo " << demo << ": none on the desktop's picture";
            EXPECT_TRUE(hasAxis(named, d))
                << "demo " << demo << ": an axis along " << d[0] << ", " << d[1] << ", " << d[2];
        }
        EXPECT_GT(named.size(), plain.size() + 3 * 4) << "demo " << demo << ": and their names";
    }
    showAxisLabels = true;
    const double x[3] = {1.0, 0.0, 0.0};
    selectDemo(1); // the diagrams name their own axes
    EXPECT_FALSE(hasAxis(frameVertices(), x));
    scenesShown = false;
    selectDemo(5); // the icosahedron has no axes to name
    EXPECT_FALSE(hasAxis(frameVertices(), x));
}

// The camera's picture filling the window: the sphere at 0.6 c round with
// light delay, and squashed to tan 15.79 / tan 19.47 = 0.80 (its angular
// half-sizes through a pinhole aimed at its middle) without; the cube's
// trailing face beside the near one once it has passed; beside the
// construction, nothing of it outside its part of the window.
TEST_F(LaterScenes, TheCamerasPictureOfTheSphereAndTheCube) {
    scenesShown = true;
    const Rgb sky{15, 15, 26};
    struct Box {
        int left = side, right = -1, bottom = side, top = -1;
        double sumX = 0.0, count = 0.0;
    };
    auto boxOf = [&](auto wanted) {
        const auto rgb = framePixels();
        Box b;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const unsigned char* p = &rgb[3 * (y * side + x)];
                if (wanted(Rgb{p[0], p[1], p[2]})) {
                    b.left = std::min(b.left, x), b.right = std::max(b.right, x);
                    b.bottom = std::min(b.bottom, y), b.top = std::max(b.top, y);
                    b.sumX += x, b.count += 1.0;
                }
            }
        }
        return b;
    };
    auto notSky = [&](const Rgb& c) { return !isClose(c, sky, 8); };

    selectDemo(demoRoundTube);
    makeBoost(1.0, 0.0, 0.6, 1.25, boostMatrix);
    cameraWhole = true;
    for (bool delay : {true, false}) {
        cameraLightDelay = delay;
        const Box b = boxOf(notSky);
        const double aspect = (b.right - b.left + 1.0) / (b.top - b.bottom + 1.0);

        EXPECT_NEAR(aspect,
                    delay ? 1.0
                          : std::tan(std::atan(0.4 / std::sqrt(2.0))) /
                                std::tan(std::asin(1.0 / 3.0)),
                    0.02)
            << "light delay " << delay;
    }
    cameraLightDelay = true;
    selectDemo(demoSquareTube);
    makeBoost(1.0, 0.0, 0.6, 1.25, boostMatrix);
    const Rgb orange{255, 102, 0};
    for (double look : {0.0, 1.5}) {
        lookTime = look;
        const Box near = boxOf([&](const Rgb& c) { return isClose(c, orange, 10); });
        const Box trailing = boxOf([&](const Rgb& c) { return isClose(c, darkGreen, 10); });
        EXPECT_LT(near.left, near.right) << look;
        if (look == 0.0) {
            EXPECT_EQ(trailing.right, -1) << "only the near face at time 0";
        } else { // behind the near face in the sky: to its left, the direction of motion at the
                 // right
            EXPECT_GT(trailing.count, 200.0);
            EXPECT_LT(trailing.sumX / trailing.count, near.sumX / near.count);
            EXPECT_LT(trailing.left, near.left);
        }
    }
    // beside the construction, aimed along +y while the cube is still far: cut at the picture's
    // sides
    cameraWhole = false;
    cameraAimFixed = true;
    lookTime = -0.6;
    int inside = 0, outside = 0;
    for (const WindowVertex& v : frameVertices()) {
        if (v.filled && std::fabs(v.r - 1.0f) < 1e-3f && std::fabs(v.g - 0.4f) < 1e-3f &&
            v.b == 0.0f) {
            const bool in = v.x >= sceneToPixel(cameraInset.left) - 1 &&
                            v.x <= sceneToPixel(cameraInset.right) + 1 &&
                            v.y >= sceneToPixel(cameraInset.bottom) - 1 &&
                            v.y <= sceneToPixel(cameraInset.top) + 1;
            (in ? inside : outside) += 1;
        }
    }
    EXPECT_GT(inside, 10) << "the near face partly in the picture";
    EXPECT_EQ(outside, 0);
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
