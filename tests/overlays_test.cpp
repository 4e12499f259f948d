// The teaching overlays on a real GL context, read back through feedback:
// nothing at all while they are off, the own frame's x' axis along t = v x
// with its ticks on the unit hyperbola, each event's mark where its
// coordinates put it, its light cone at 45 degrees and its lines of
// simultaneity in both frames; and the GL state as the frame found it.
#include "glHarness.h"

#include "app/keyboard.h"
#include "app/state.h"
#include "app/teaching.h"
#include "relativity/events.h"
#include "relativity/matrix4.h"
#include "scenes/labels.h"
#include "scenes/overlays.h"
#include "scenes/twin.h"

#include <GL/freeglut.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {
const double tolerance = 0.002; // scene units; feedback is single precision
const float violet[3] = {0.6f, 0.0f, 0.8f}, grey[3] = {0.5f, 0.5f, 0.5f},
            sky[3] = {0.3f, 0.6f, 1.0f}, darkGreen[3] = {0.0f, 0.45f, 0.0f};

class Overlays : public ::testing::Test {
  protected:
    void SetUp() override {
        restoreStartState();
        showOwnAxes = showSimultaneity = showLightCones = false;
        clearEvents();
    }
    void TearDown() override {
        SetUp();
    }
};

std::vector<FeedbackPrimitive> lines(const float c[3]) {
    return linesOfColour(captureFeedback(drawTeachingOverlays), c[0], c[1], c[2]);
}

// slope dt/dx of a segment
double slope(const FeedbackPrimitive& l) {
    return (l.vertices[1].y - l.vertices[0].y) / (l.vertices[1].x - l.vertices[0].x);
}
} // namespace

TEST_F(Overlays, NothingIsDrawnWhileTheyAreOff) {
    makeBoostX(0.6, 1.25, boostMatrix);
    EXPECT_TRUE(captureFeedback(drawTeachingOverlays).empty());
    addEvent(1.0, 0.5);
    currentDemo = 4;
    EXPECT_TRUE(captureFeedback(drawTeachingOverlays).empty()) << "events belong to F1-F3";
}

TEST_F(Overlays, OwnAxesLieAlongTheBoostWithTicksOnTheUnitHyperbolas) {
    const double v = 0.6, g = 1.25;
    makeBoostX(v, g, boostMatrix);
    showOwnAxes = true;
    int axes = 0, ticksOnHyperbola = 0;
    for (const auto& l : lines(violet)) {
        const auto& p = l.vertices[0];
        const auto& q = l.vertices[1];
        if (std::hypot(q.x - p.x, q.y - p.y) > 4) { // an axis: t = v x or x = v t
            ++axes;
            EXPECT_TRUE(std::fabs(slope(l) - v) < tolerance ||
                        std::fabs(slope(l) - 1 / v) < tolerance);
        } else { // a tick about (gamma k, gamma v k) or (gamma v k, gamma k)
            const double mx = (p.x + q.x) / 2, my = (p.y + q.y) / 2;
            const double s = my * my - mx * mx;
            if (std::fabs(std::fabs(s) - 1.0) < 0.01) {
                ++ticksOnHyperbola;
            }
        }
    }
    EXPECT_EQ(axes, 2);
    EXPECT_EQ(ticksOnHyperbola, 4); // x' = +-1 and t' = +-1
}

TEST_F(Overlays, EventsWithTheirConesAndLinesOfSimultaneity) {
    const double v = -0.5;
    makeBoostX(v, lorentzFactor(v), boostMatrix);
    addEvent(1.0, 0.5);
    showSimultaneity = showLightCones = true;
    const SpacetimePoint e = ownToDiagram(boostMatrix, {1.0, 0.5});

    const auto prims = captureFeedback(drawTeachingOverlays);
    int marks = 0;
    for (const auto& p : prims) {
        if (p.token == GL_POINT_TOKEN) {
            ++marks;
            EXPECT_NEAR(p.vertices[0].x, e.x, tolerance);
            EXPECT_NEAR(p.vertices[0].y, e.t, tolerance);
        }
    }
    EXPECT_EQ(marks, 1);
    EXPECT_GT(linesOfColour(prims, darkGreen[0], darkGreen[1], darkGreen[2]).size(), 2u)
        << "the label A";

    const auto cone = linesOfColour(prims, sky[0], sky[1], sky[2]);
    ASSERT_EQ(cone.size(), 2u);
    for (const auto& l : cone) {
        EXPECT_NEAR(l.vertices[0].x, e.x, tolerance);
        EXPECT_NEAR(l.vertices[0].y, e.t, tolerance);
        EXPECT_NEAR(std::fabs(slope(l)), 1.0, tolerance);
        EXPECT_GT(l.vertices[1].y, e.t) << "the future cone";
    }
    const auto diagram = linesOfColour(prims, grey[0], grey[1], grey[2]);
    ASSERT_EQ(diagram.size(), 1u);
    EXPECT_NEAR(diagram[0].vertices[0].y, e.t, tolerance);
    EXPECT_NEAR(diagram[0].vertices[1].y, e.t, tolerance);
    const auto own = linesOfColour(prims, violet[0], violet[1], violet[2]);
    ASSERT_EQ(own.size(), 1u);
    EXPECT_NEAR(slope(own[0]), v, tolerance); // t' = 0.5 is the line t = v x + 0.5 / gamma
    EXPECT_NEAR(own[0].vertices[0].y - v * own[0].vertices[0].x, 0.5 / lorentzFactor(v), tolerance);
}

TEST_F(Overlays, TheTwinDiagramIsDrawnOneUnitDownAndTheGlStateIsKept) {
    stdoutOf([] { onSpecialKey(3, 0, 0); });
    addEvent(0.0, 1.0);
    const auto prims = captureFeedback(drawTeachingOverlays);
    ASSERT_FALSE(prims.empty());
    EXPECT_EQ(prims[0].token, GL_POINT_TOKEN);
    EXPECT_NEAR(prims[0].vertices[0].y, 0.0, tolerance) << "t = 1 drawn at 0";

    GLfloat pointSize = 0, lineWidth = 0;
    GLint depth = 0, depthAfter = 0;
    glPointSize(3.0f);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    drawTeachingOverlays();
    glGetFloatv(GL_POINT_SIZE, &pointSize);
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(pointSize, 3.0f);
    EXPECT_EQ(lineWidth, 1.0f);
    EXPECT_EQ(depthAfter, depth);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(Overlays, AxisLabelsOnlyWhenAskedWithTicksNumbersAndNamesBesideTheirAxes) {
    EXPECT_TRUE(captureFeedback(drawAxisLabels).empty()) << "the desktop's picture has none";
    showAxisLabels = true;
    const double v = 0.6;
    makeBoostX(v, 1.25, boostMatrix);
    showOwnAxes = true;
    const auto prims = captureFeedback(drawAxisLabels);
    showAxisLabels = false;
    // ticks: short black segments across each axis at -2, -1, 1, 2
    int ticks = 0;
    for (const auto& l : linesOfColour(prims, 0, 0, 0)) {
        const auto &a = l.vertices[0], &b = l.vertices[1];
        const bool onX = std::fabs(a.x - b.x) < tolerance &&
                         std::fabs(std::fabs(a.x) - std::round(std::fabs(a.x))) < tolerance &&
                         std::fabs(a.y + b.y) < tolerance && std::fabs(a.x) > 0.5;
        const bool onT = std::fabs(a.y - b.y) < tolerance &&
                         std::fabs(std::fabs(a.y) - std::round(std::fabs(a.y))) < tolerance &&
                         std::fabs(a.x + b.x) < tolerance && std::fabs(a.y) > 0.5;
        ticks += onX || onT;
    }
    EXPECT_EQ(ticks, 8);
    // each number's strokes sit just below its tick (x) or left of it (t)
    for (double n : {-2.0, -1.0, 1.0, 2.0}) {
        int below = 0, left = 0;
        for (const auto& l : linesOfColour(prims, 0, 0, 0)) {
            for (const auto& p : l.vertices) {
                below += std::fabs(p.x - n) < 0.15 && p.y < -0.03 && p.y > -0.2;
                left += std::fabs(p.y - n) < 0.15 && p.x < -0.03 && p.x > -0.25;
            }
        }
        EXPECT_GT(below, 2) << "a number under x = " << n;
        EXPECT_GT(left, 2) << "a number left of t = " << n;
    }
    // x' where the own x axis, t = v x, reaches x = 1.8; t' where x = v t reaches t = 1.8
    int nearXPrime = 0, nearTPrime = 0, violetVertices = 0;
    for (const auto& l : linesOfColour(prims, violet[0], violet[1], violet[2])) {
        for (const auto& p : l.vertices) {
            ++violetVertices;
            nearXPrime += p.x > 1.5 && p.x < 1.85 && p.y < 1.8 * v && p.y > 1.8 * v - 0.3;
            nearTPrime += p.x < 1.8 * v && p.x > 1.8 * v - 0.25 && p.y > 1.75 && p.y < 1.95;
        }
    }
    EXPECT_GT(nearXPrime, 0);
    EXPECT_GT(nearTPrime, 0);
    EXPECT_EQ(nearXPrime + nearTPrime, violetVertices)
        << "x' and t' beside their axes, nothing else";

    // the twins' diagram is labelled too, one unit down with it: x's ticks there
    stdoutOf([] { onSpecialKey(3, 0, 0); });
    showAxisLabels = true;
    const auto twin = captureFeedback(drawAxisLabels);
    showAxisLabels = false;
    int twinTicks = 0;
    for (const auto& l : linesOfColour(twin, 0, 0, 0)) {
        const auto &a = l.vertices[0], &b = l.vertices[1];
        twinTicks += std::fabs(a.x - b.x) < tolerance && std::fabs(a.x) > 0.5 &&
                     std::fabs((a.y + b.y) / 2 - twinSceneDrop) < tolerance;
    }
    EXPECT_EQ(twinTicks, 4) << "F3's x axis ticked at -2, -1, 1, 2";
}
