// The accelerated observers on a real GL context, read back through feedback
// and taken apart with closed forms and constructions of the test's own: F10's
// drawn world line on the hyperbola (x + 1/g)^2 - t^2 = 1/g^2, boosted or not,
// its line of simultaneity through (-1/g, 0) at slope tanh(g tau), no late
// pulse crossing the world line and each early one ending on it; F11's gap
// from where the drawn line of simultaneity meets the front's world line, and
// the string's colour on either side of its break.
#include "glHarness.h"

#include "app/accelerated.h"
#include "app/keyboard.h"
#include "app/sceneSettings.h"
#include "app/state.h"
#include "relativity/readouts.h"
#include "scenes/accelerated.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
const double tolerance = 0.003; // scene units; feedback is single precision
const float green[3] = {0, 1, 0}, teal[3] = {0, 0.8f, 0.8f}, magenta[3] = {1, 0, 1},
            orange[3] = {1, 0.4f, 0}, salmon[3] = {1, 0.55f, 0.55f},
            paleGrey[3] = {0.8f, 0.8f, 0.8f}, darkGreen[3] = {0, 0.45f, 0},
            darkGrey[3] = {0.2f, 0.2f, 0.2f};

struct Point {
    double x, t;
};

class Accelerated : public ::testing::Test {
  protected:
    void SetUp() override {
        restoreStartState();
        scenesShown = true;
    }
    void TearDown() override {
        restoreStartState();
    }
    // each segment's two ends, in the launch frame: the drop undone, and the boost by -v
    std::vector<std::pair<Point, Point>> segments(void (*scene)(), const float c[3], double v = 0) {
        const double gamma = lorentzFactor(v);
        auto launch = [&](const FeedbackVertex& p) {
            const double x = p.x, t = p.y - acceleratedSceneDrop;
            return Point{gamma * (x - v * t), gamma * (t - v * x)};
        };
        std::vector<std::pair<Point, Point>> out;
        for (const auto& l : linesOfColour(captureFeedback(scene), c[0], c[1], c[2])) {
            out.push_back({launch(l.vertices[0]), launch(l.vertices[1])});
        }
        return out;
    }
};

// (x + 1/g)^2 - t^2 - 1/g^2, in units of the hyperbola's size: 0 on it
double offHyperbola(Point p, double g, double shift = 0) {
    const double X = p.x - shift + 1 / g;
    return (X * X - p.t * p.t) * g * g - 1;
}
} // namespace

TEST_F(Accelerated, TheRocketOnItsHyperbolaWithItsFrameHorizonAndPulses) {
    for (const auto& [g, v] : {std::pair{1.0, 0.0}, std::pair{0.5, 0.0}, std::pair{2.0, 0.6}}) {
        properAcceleration = g;
        makeBoostX(v, lorentzFactor(v), boostMatrix); // the drag's boost: still the same hyperbola
        const auto worldLine = segments(drawRocketScene, green, v);
        ASSERT_GT(worldLine.size(), 50u);
        for (const auto& [a, b] : worldLine) {
            EXPECT_NEAR(offHyperbola(a, g), 0.0, tolerance * g) << g << " " << v;
        }
        // through the pivot at the slope of the velocity tanh(g tau), tau = 1
        const auto simultaneity = segments(drawRocketScene, magenta, v);
        ASSERT_EQ(simultaneity.size(), 1u);
        const auto& [s0, s1] = simultaneity[0];
        const double slope = (s1.t - s0.t) / (s1.x - s0.x);
        EXPECT_NEAR(slope, std::tanh(g), tolerance);
        EXPECT_NEAR(s0.t + slope * (-1 / g - s0.x), 0.0, tolerance) << "through (-1/g, 0)";
        // the horizon x = t - 1/g
        const auto horizon = segments(drawRocketScene, orange, v);
        ASSERT_EQ(horizon.size(), 1u);
        for (const Point& p : {horizon[0].first, horizon[0].second}) {
            EXPECT_NEAR(p.x, p.t - 1 / g, tolerance);
        }
        // pulses sent at t >= 1/g: every point of the world line stays on the near side
        const auto late = segments(drawRocketScene, paleGrey, v);
        EXPECT_GT(late.size(), 10u);
        for (const auto& [from, to] : late) {
            EXPECT_NEAR(from.x, 0.0, tolerance);
            EXPECT_GE(from.t, 1 / g - tolerance);
            for (const auto& [a, b] : worldLine) {
                ASSERT_LT(a.t - a.x, from.t) << "a late pulse meets the world line";
            }
        }
        // those sent before end on it
        const auto early = segments(drawRocketScene, salmon, v);
        EXPECT_EQ(early.size(), static_cast<size_t>(std::ceil(4 / g - 1e-9)));
        for (const auto& [from, to] : early) {
            EXPECT_LT(from.t, 1 / g);
            EXPECT_NEAR(offHyperbola(to, g), 0.0, tolerance * g);
            EXPECT_NEAR(to.t - to.x, from.t, tolerance) << "along light";
        }
    }
}

TEST_F(Accelerated, ARoundTripComesHomeAndEveryPulseArrives) {
    roundTrip = true;
    roundTripLeg = 1.0;
    const auto out = segments(drawRocketScene, green), back = segments(drawRocketScene, teal);
    ASSERT_FALSE(out.empty());
    ASSERT_FALSE(back.empty());
    EXPECT_NEAR(out.back().second.x, 2 * (std::cosh(1.0) - 1), tolerance) << "the turn";
    EXPECT_NEAR(back.back().second.x, 0.0, tolerance);
    EXPECT_NEAR(back.back().second.t, 4 * std::sinh(1.0), tolerance) << "home again";
    EXPECT_TRUE(segments(drawRocketScene, paleGrey).empty());
    EXPECT_TRUE(segments(drawRocketScene, orange).empty());
    EXPECT_EQ(segments(drawRocketScene, salmon).size(), 19u); // every 0.25 up to 4.70
}

TEST_F(Accelerated, BellsGapIsWhereTheDrawnLineOfSimultaneityMeetsTheFront) {
    struct Case {
        double L, tau, gap; // worked closed forms to four decimals, g = 1
    };
    for (const Case& c : {Case{1.0, 1.0, 2.0862}, Case{0.5, 1.0, 0.9314}, Case{0.5, 2.0, 2.9520}}) {
        shipSeparation = c.L;
        rocketTau = c.tau;
        const auto lines = segments(drawBellShipsScene, magenta);
        ASSERT_EQ(lines.size(), 1u);
        const auto& [p, q] = lines[0];
        // the front: (x - L + 1)^2 - t^2 = 1 with x = p.x + s dx, t = p.t + s dt, larger root
        const double dx = q.x - p.x, dt = q.t - p.t, X = p.x - c.L + 1;
        const double a = dx * dx - dt * dt, b = 2 * (X * dx - p.t * dt), k = X * X - p.t * p.t - 1;
        const double s = (-b + std::sqrt(b * b - 4 * a * k)) / (2 * a);
        const Point front{p.x + s * dx, p.t + s * dt};
        const Point rear{std::cosh(c.tau) - 1, std::sinh(c.tau)};
        const double gap = std::sqrt(std::pow(front.x - rear.x, 2) - std::pow(front.t - rear.t, 2));
        EXPECT_NEAR(gap, c.gap, 5 * tolerance) << c.L << " " << c.tau;
        EXPECT_NEAR(gapRear({1.0, c.L}, c.tau), c.gap, 5e-5);
    }
}

TEST_F(Accelerated, TheStringIsWholeUntilItsBreakAndBrokenAfter) {
    const double breaks = 0.3617; // L = 0.5, strain 10 %, g = 1
    for (const auto& [tau, colour, pieces] :
         {std::tuple{0.2, darkGreen, 1u}, std::tuple{breaks - 0.002, orange, 1u},
          std::tuple{breaks + 0.002, darkGrey, 2u}}) {
        rocketTau = tau;
        // the string lies along the line of simultaneity between the ships
        const auto string = segments(drawBellShipsScene, colour);
        EXPECT_EQ(string.size(), pieces) << tau;
        for (const float* other : {darkGreen, orange, darkGrey}) {
            if (other != colour) {
                EXPECT_TRUE(segments(drawBellShipsScene, other).empty()) << tau;
            }
        }
    }
}

TEST_F(Accelerated, DrawnWithTheSwitchOnlyAndBoostedAlongXByADrag) {
    for (int demo : {demoRocket, demoBellShips}) {
        stdoutOf([demo] { onSpecialKey(demo, 0, 0); });
        EXPECT_TRUE(hasSceneOfItsOwn(demo));
        EXPECT_TRUE(boostsAlongX(demo));
        EXPECT_FALSE(boostsInThreeDimensions(demo));
        scenesShown = false;
        EXPECT_FALSE(hasSceneOfItsOwn(demo));
        EXPECT_FALSE(boostsAlongX(demo));
        scenesShown = true;
    }
    EXPECT_FALSE(hasSceneOfItsOwn(12));
    // a frame leaves the GL state as it found it
    GLint depth = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    drawBellShipsScene();
    drawRocketScene();
    GLfloat lineWidth = 0;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(lineWidth, 1.0f);
    EXPECT_EQ(depthAfter, depth);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}
