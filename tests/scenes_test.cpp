// What the scenes draw, read back from a real GL context: vertices and colours
// through GL feedback, pixels at the points the physics predicts, and the GL
// state every frame must leave behind.
#include "glHarness.h"

#include "app/keyboard.h"
#include "app/sceneSettings.h"
#include "app/state.h"
#include "relativity/matrix4.h"
#include "scenes/display.h"
#include "scenes/spacetime.h"
#include "scenes/twin.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {
const double feedbackTolerance = 0.002; // scene units; feedback is single precision
const Rgb white{255, 255, 255}, red{255, 0, 0}, blue{0, 0, 255}, yellow{255, 255, 0},
    black{0, 0, 0}, cyan{0, 255, 255}, green{0, 255, 0}, teal{0, 204, 204}, orange{255, 102, 0};

void setBoostX(double beta) {
    makeBoostX(beta, lorentzFactor(beta), boostMatrix);
}

void selectDemo(int demo) {
    stdoutOf([demo] { onSpecialKey(demo, 0, 0); });
}

// vertices of line strips: feedback splits a strip into segments that share
// their ends; a segment that starts elsewhere starts a new strip
std::vector<FeedbackVertex> stripVertices(const std::vector<FeedbackPrimitive>& lines) {
    std::vector<FeedbackVertex> out;
    for (const auto& l : lines) {
        const auto& start = l.vertices[0];
        if (out.empty() || std::abs(out.back().x - start.x) > 1e-4 ||
            std::abs(out.back().y - start.y) > 1e-4) {
            out.push_back(start);
        }
        out.push_back(l.vertices[1]);
    }
    return out;
}

void expectAt(const FeedbackVertex& v, double x, double y) {
    EXPECT_NEAR(v.x, x, feedbackTolerance);
    EXPECT_NEAR(v.y, y, feedbackTolerance);
}

struct GlSnapshot {
    GLint matrixMode, stackDepth;
    GLfloat lineWidth;
    GLboolean lighting;
    double modelview[16];
};

GlSnapshot snapshot() {
    GlSnapshot s{};
    glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &s.stackDepth);
    glGetFloatv(GL_LINE_WIDTH, &s.lineWidth);
    s.lighting = glIsEnabled(GL_LIGHTING);
    glGetDoublev(GL_MODELVIEW_MATRIX, s.modelview);
    return s;
}

class Scenes : public ::testing::Test {
  protected:
    void SetUp() override {
        restoreStartState();
    }
};
} // namespace

TEST_F(Scenes, EveryFrameLeavesTheGlStateAsItFoundIt) {
    for (int frame = 1; frame <= 17; ++frame) { // 13-17: 5-9 with the scenes shown
        scenesShown = frame > 12;
        const int demo = scenesShown ? frame - 8 : frame;
        selectDemo(demo);
        setBoostX(0.4);
        const GlSnapshot before = snapshot();
        drawFrame();
        drawFrame();
        const GlSnapshot after = snapshot();
        EXPECT_EQ(after.matrixMode, GL_MODELVIEW) << "demo " << demo;
        EXPECT_EQ(after.stackDepth, before.stackDepth) << "demo " << demo;
        EXPECT_EQ(after.lineWidth, 1.0f) << "demo " << demo;
        EXPECT_TRUE(after.lighting) << "demo " << demo;
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(after.modelview[i], before.modelview[i]) << "demo " << demo;
        }
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "demo " << demo;
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << "demo " << demo;
    }
    scenesShown = false;
}

TEST_F(Scenes, SpacetimeDiagramGeometry) {
    const auto prims = captureFeedback([] {
        glDisable(GL_LIGHTING);
        drawSpacetimeAxes(1.0);
        glEnable(GL_LIGHTING);
    });
    const auto axes = linesOfColour(prims, 1, 0, 0);
    ASSERT_EQ(axes.size(), 2u);
    expectAt(axes[0].vertices[0], -4, 0);
    expectAt(axes[0].vertices[1], 4, 0);
    expectAt(axes[1].vertices[0], 0, -4);
    expectAt(axes[1].vertices[1], 0, 4);
    const auto light = linesOfColour(prims, 0, 0, 1);
    ASSERT_EQ(light.size(), 2u);
    expectAt(light[0].vertices[0], -4, -4);
    expectAt(light[1].vertices[1], 4, -4);

    // four strips of 33 vertices each, on t^2 - x^2 = +-1
    const auto hyperbolas = linesOfColour(prims, 1, 1, 0);
    ASSERT_EQ(hyperbolas.size(), 4u * 32u);
    const auto vertices = stripVertices(hyperbolas);
    ASSERT_EQ(vertices.size(), 4u * 33u);
    for (int branch = 0; branch < 4; ++branch) {
        for (int k = 0; k < 33; ++k) {
            const auto& v = vertices[branch * 33 + k];
            const double s = -4.0 + 0.25 * k;
            const double along = branch < 2 ? v.x : v.y;
            const double across = branch < 2 ? v.y : v.x;
            EXPECT_NEAR(along, s, feedbackTolerance);
            EXPECT_NEAR(std::abs(across), std::sqrt(s * s + 1.0), feedbackTolerance);
            EXPECT_EQ(across > 0, branch == 0 || branch == 2) << "branch " << branch;
        }
    }
    expectAt(vertices[16], 0, 1);
    expectAt(vertices[33 + 16], 0, -1);
    expectAt(vertices[32], 4, std::sqrt(17.0));
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 3.0f); // the diagram leaves its width for the rod
    glLineWidth(1.0f);
}

TEST_F(Scenes, TimeDilationObjectsFollowTheBoostWhileTheDiagramStays) {
    const auto rest = captureFeedback(drawTimeDilationScene);
    std::vector<FeedbackVertex> lattice;
    for (const auto& p : rest) {
        if (p.token == GL_POINT_TOKEN) {
            lattice.push_back(p.vertices[0]);
        }
    }
    ASSERT_EQ(lattice.size(), 441u);
    for (const auto& v : lattice) {
        EXPECT_LE(std::abs(v.x), 2.0 + feedbackTolerance);
        EXPECT_LE(std::abs(v.y), 2.0 + feedbackTolerance);
        EXPECT_EQ(v.r + v.g + v.b, 0.0f); // black
    }
    expectAt(lattice[0], -2, -2);
    expectAt(lattice[220], 0, 0);
    expectAt(lattice[440], 2, 2);
    expectAt(lattice[20], -2, 2); // column by column in x
    const auto clockAtRest = linesOfColour(rest, 0, 1, 1);
    ASSERT_EQ(clockAtRest.size(), 1u);
    expectAt(clockAtRest[0].vertices[0], 0, 1);
    expectAt(clockAtRest[0].vertices[1], 0, -1);
    EXPECT_NEAR(clockAtRest[0].vertices[0].z, 0.01, feedbackTolerance);

    const double beta = 0.6, gamma = 1.25;
    setBoostX(beta);
    const auto boosted = captureFeedback(drawTimeDilationScene);
    // the clock ticks on the hyperbola: from (gamma beta, gamma) to its mirror
    const auto clock = linesOfColour(boosted, 0, 1, 1);
    ASSERT_EQ(clock.size(), 1u);
    expectAt(clock[0].vertices[0], gamma * beta, gamma);
    expectAt(clock[0].vertices[1], -gamma * beta, -gamma);
    // lattice events on a light line stay on it; the rest moves
    size_t k = 0;
    for (const auto& p : boosted) {
        if (p.token != GL_POINT_TOKEN) {
            continue;
        }
        const int i = static_cast<int>(k / 21) - 10, j = static_cast<int>(k % 21) - 10;
        const auto& v = p.vertices[0];
        if (i == j || i == -j) {
            EXPECT_NEAR(std::abs(v.x), std::abs(v.y), feedbackTolerance);
        }
        EXPECT_NEAR(v.x, gamma * (0.2 * i + beta * 0.2 * j), feedbackTolerance);
        EXPECT_NEAR(v.y, gamma * (0.2 * j + beta * 0.2 * i), feedbackTolerance);
        ++k;
    }
    EXPECT_EQ(k, 441u);
    // the diagram is the same line for line
    const auto fixedRest = linesOfColour(rest, 1, 1, 0);
    const auto fixedBoosted = linesOfColour(boosted, 1, 1, 0);
    ASSERT_EQ(fixedRest.size(), fixedBoosted.size());
    for (size_t n = 0; n < fixedRest.size(); ++n) {
        expectAt(fixedBoosted[n].vertices[1], fixedRest[n].vertices[1].x,
                 fixedRest[n].vertices[1].y);
    }
}

TEST_F(Scenes, LengthContractionRodCrossesTheSpaceAxisAtOneOverGamma) {
    const auto rest = captureFeedback([] { drawLengthContractionScene(1.0); });
    const auto rod = linesOfColour(rest, 0, 0, 0);
    ASSERT_EQ(rod.size(), 2u);
    expectAt(rod[0].vertices[0], 1, std::sqrt(2.0));
    expectAt(rod[0].vertices[1], 1, -std::sqrt(2.0));
    expectAt(rod[1].vertices[0], -1, std::sqrt(2.0));
    expectAt(rod[1].vertices[1], -1, -std::sqrt(2.0));

    for (double beta : {0.3, -0.8}) {
        setBoostX(beta);
        const double gamma = lorentzFactor(beta);
        const auto lines =
            linesOfColour(captureFeedback([] { drawLengthContractionScene(1.0); }), 0, 0, 0);
        ASSERT_EQ(lines.size(), 2u);
        for (int end = 0; end < 2; ++end) {
            const auto& a = lines[end].vertices[0];
            const auto& b = lines[end].vertices[1];
            // ends on the time-like unit hyperbola, crossing t = 0 at +-1/gamma
            EXPECT_NEAR(a.y * a.y - a.x * a.x, 1.0, 0.01);
            EXPECT_NEAR(b.y * b.y - b.x * b.x, 1.0, 0.01);
            const double crossing = a.x - a.y * (b.x - a.x) / (b.y - a.y);
            EXPECT_NEAR(crossing, (end == 0 ? 1.0 : -1.0) / gamma, feedbackTolerance);
        }
    }
}

TEST_F(Scenes, TwinParadoxBarsShowProperTimes) {
    auto bars = [] {
        const auto prims = captureFeedback(drawTwinParadoxScene);
        EXPECT_EQ(prims.size(), 9u);
        return prims;
    };
    auto length = [](const FeedbackPrimitive& p) {
        return std::hypot(p.vertices[1].x - p.vertices[0].x, p.vertices[1].y - p.vertices[0].y);
    };
    auto start = bars();
    ASSERT_EQ(start.size(), 9u);
    // drawn one unit down: departure at y = -1
    expectAt(start[0].vertices[0], -1.5, -1);
    expectAt(start[0].vertices[1], -1.5, 1);
    EXPECT_NEAR(length(start[1]), std::sqrt(0.99), feedbackTolerance);
    EXPECT_NEAR(start[2].vertices[1].y + 1.0, 2.0 * std::sqrt(0.99), feedbackTolerance);
    EXPECT_NEAR(length(start[5]), 0.0, feedbackTolerance); // observer at rest
    expectAt(start[7].vertices[1], 0.1, 0.0);              // turnaround (0.1, 1.0)
    EXPECT_NEAR(start[6].vertices[0].z, -0.01, feedbackTolerance);

    // turnaround before departure: the stacked bar outgrows the home twin's
    turnaroundX = 0.1;
    turnaroundT = -0.2;
    auto early = bars();
    EXPECT_NEAR(length(early[1]), std::sqrt(0.03), feedbackTolerance);
    EXPECT_NEAR(length(early[1]) + length(early[2]), std::sqrt(0.03) + std::sqrt(4.83),
                feedbackTolerance);

    // on the home line the traveller ages as much as the home twin
    turnaroundX = 0.0;
    turnaroundT = 0.7;
    auto home = bars();
    EXPECT_NEAR(length(home[1]) + length(home[2]), 2.0, feedbackTolerance);

    // a boost tilts the world lines about the departure event, bars stay
    turnaroundX = 0.1;
    turnaroundT = 1.0;
    frameVelocity = -0.3;
    setBoostX(-0.3);
    auto boosted = bars();
    const double gamma = lorentzFactor(0.3);
    expectAt(boosted[6].vertices[0], 0, -1);
    expectAt(boosted[6].vertices[1], gamma * -0.3 * 2.0, gamma * 2.0 - 1.0);
    for (int n : {0, 1, 2, 3, 4}) {
        expectAt(boosted[n].vertices[1], start[n].vertices[1].x, start[n].vertices[1].y);
    }
    expectAt(boosted[5].vertices[1], -0.3, -1.2);
    EXPECT_NEAR(boosted[5].vertices[0].r, 1.0f, 0.01f);
    EXPECT_NEAR(boosted[5].vertices[0].g, 0.4f, 0.01f);
}

TEST_F(Scenes, SearchlightAndDefaultObject) {
    selectDemo(4);
    auto greenLines = [] { return linesOfColour(captureFeedback(drawSearchlightScene), 0, 1, 0); };
    const auto rod = greenLines();
    ASSERT_EQ(rod.size(), 24u); // the wire box, face by face
    double zMin = 1e9, zMax = -1e9, rMax = 0;
    for (const auto& l : rod) {
        for (const auto& v : l.vertices) {
            zMin = std::min(zMin, v.z);
            zMax = std::max(zMax, v.z);
            rMax = std::max(rMax, std::max(std::abs(v.x), std::abs(v.y)));
        }
    }
    EXPECT_NEAR(zMin, -2.0, feedbackTolerance);
    EXPECT_NEAR(zMax, 2.0, feedbackTolerance);
    EXPECT_NEAR(rMax, 0.05, feedbackTolerance);

    // boosted along +y at 0.6: the time axis z tilts into y at speed beta
    makeBoost(0.0, 1.0, 0.6, 1.25, boostMatrix);
    double yAtTop = 0, zTop = -1e9;
    for (const auto& l : greenLines()) {
        for (const auto& v : l.vertices) {
            if (v.z > zTop) {
                zTop = v.z;
                yAtTop = v.y;
            }
        }
    }
    EXPECT_NEAR(zTop, 1.25 * 2.0 + 0.75 * 0.05, feedbackTolerance);
    EXPECT_NEAR(yAtTop / zTop, 0.6, 0.02);

    // demonstrations 5..12: the unit icosahedron, lit (no flat colour), unboosted
    for (int demo : {5, 12}) {
        selectDemo(demo);
        setBoostX(0.9);
        const auto prims = captureFeedback(onDisplay);
        ASSERT_EQ(prims.size(), 20u);
        for (const auto& p : prims) {
            EXPECT_EQ(p.token, static_cast<GLenum>(GL_POLYGON_TOKEN));
            for (const auto& v : p.vertices) {
                EXPECT_NEAR(std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z), 1.0, feedbackTolerance);
                EXPECT_NEAR(v.r, v.g, 0.01f); // shaded objectColor, never the current green
                EXPECT_LT(v.b, 0.01f);
            }
        }
    }
}

TEST_F(Scenes, PixelsWherePhysicsPutsThem) {
    const int centre = sceneToPixel(0.0);
    drawFrame();
    // the cyan clock covers the red time axis between t = -1 and 1, not beyond
    EXPECT_TRUE(isClose(pixelAt(centre, sceneToPixel(0.5)), cyan))
        << describe(pixelAt(centre, sceneToPixel(0.5)));
    EXPECT_TRUE(colourNear(centre, sceneToPixel(1.6), 1, red));
    EXPECT_TRUE(colourNear(sceneToPixel(1.0), sceneToPixel(1.0), 1, blue));
    EXPECT_TRUE(colourNear(sceneToPixel(-0.75), sceneToPixel(1.25), 2, yellow)); // t^2-x^2 = 1
    EXPECT_TRUE(colourNear(sceneToPixel(0.2), sceneToPixel(0.4), 1, black));     // an event
    EXPECT_TRUE(isClose(pixelAt(sceneToPixel(0.1), sceneToPixel(0.3)), white));

    // boosted clock tilts: at t = 0.5 it sits at x = beta t
    setBoostX(0.5);
    drawFrame();
    EXPECT_TRUE(colourNear(sceneToPixel(0.25), sceneToPixel(0.5), 1, cyan));
    EXPECT_FALSE(colourNear(centre, sceneToPixel(0.5), 1, cyan));

    // rod ends at x = +-1 on the space axis
    selectDemo(2);
    drawFrame();
    EXPECT_TRUE(colourNear(sceneToPixel(1.0), sceneToPixel(0.6), 1, black));
    EXPECT_TRUE(colourNear(sceneToPixel(-1.0), sceneToPixel(-0.6), 1, black));
    setBoostX(0.6);
    drawFrame();
    EXPECT_TRUE(colourNear(sceneToPixel(0.8), sceneToPixel(0.0), 2, black)); // 1/gamma

    // twin bars: red 0..2, green to sqrt(0.99), teal above (scene drawn 1 down)
    selectDemo(3);
    drawFrame();
    EXPECT_TRUE(colourNear(sceneToPixel(-1.5), sceneToPixel(0.9), 1, red));
    EXPECT_TRUE(colourNear(sceneToPixel(1.5), sceneToPixel(-0.5), 1, green));
    EXPECT_TRUE(colourNear(sceneToPixel(1.5), sceneToPixel(0.5), 1, teal));
    EXPECT_TRUE(isClose(pixelAt(sceneToPixel(1.5), sceneToPixel(1.05)), white));
    frameVelocity = 0.5;
    drawFrame();
    EXPECT_TRUE(colourNear(sceneToPixel(0.4), sceneToPixel(-1.2), 1, orange));

    // demonstration 4: the rod end-on, its front face (0.1 wide at distance 8)
    // a small green square around the centre, in front of the icosahedron
    selectDemo(4);
    drawFrame();
    const int frontEdge = centre + static_cast<int>(std::lround(0.05 * 5.0 / 8.0 * 256.0));
    EXPECT_TRUE(colourNear(frontEdge, centre, 1, green)) << describe(pixelAt(frontEdge, centre));
    EXPECT_TRUE(colourNear(centre, frontEdge, 1, green)) << describe(pixelAt(centre, frontEdge));
    EXPECT_FALSE(colourNear(centre + 20, centre, 1, green));
    // demonstrations 5..12: no green anywhere on the centre row
    selectDemo(7);
    drawFrame();
    for (int x = 0; x < 512; x += 2) {
        const Rgb c = pixelAt(x, centre);
        EXPECT_FALSE(c.g > 200 && c.r < 100) << "green at " << x << ": " << describe(c);
    }
    EXPECT_FALSE(isClose(pixelAt(centre, centre), white)); // the icosahedron is there
}
