// Two frames on one diagram against the closed forms x = gamma (x' + v t'),
// t = gamma (t' + v x'): coordinates both ways, the interval kept by any boost
// the drag composes, and pairs of events: the velocity named for a spacelike
// pair makes it simultaneous and the order flips across it; the one named for
// a timelike pair puts both at one place and no velocity flips its order;
// lightlike stays lightlike.
#include "relativity/events.h"
#include "relativity/matrix4.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {
Matrix4 boostX(double v) {
    Matrix4 m;
    makeBoostX(v, lorentzFactor(v), m);
    return m;
}

// n drag steps of beta each, as demonstrations 1-3 compose them
Matrix4 dragged(int n, double beta) {
    Matrix4 total = boostX(0.0), step = boostX(beta);
    for (int i = 0; i < n; ++i) {
        multiplyMatrix4(step, total, total);
    }
    return total;
}
} // namespace

TEST(Events, CoordinatesBothWaysFollowTheClosedForms) {
    for (double v : {0.6, -0.3, 0.99, 0.0}) {
        const double g = 1.0 / std::sqrt(1.0 - v * v);
        const SpacetimePoint d = ownToDiagram(boostX(v), {1.0, 0.5});
        EXPECT_NEAR(d.x, g * (1.0 + v * 0.5), 1e-12) << v;
        EXPECT_NEAR(d.t, g * (0.5 + v * 1.0), 1e-12) << v;
        const SpacetimePoint back = diagramToOwn(boostX(v), d);
        EXPECT_NEAR(back.x, 1.0, 1e-12);
        EXPECT_NEAR(back.t, 0.5, 1e-12);
    }
    // fifty drag steps: the velocity is tanh(50 artanh 0.01)
    const double v = std::tanh(50 * std::atanh(0.01)), g = 1.0 / std::sqrt(1.0 - v * v);
    const SpacetimePoint d = ownToDiagram(dragged(50, 0.01), {-0.4, 1.2});
    EXPECT_NEAR(d.x, g * (-0.4 + v * 1.2), 1e-12);
    EXPECT_NEAR(d.t, g * (1.2 - v * 0.4), 1e-12);
}

TEST(Events, IntervalKeptByEveryDraggedBoost) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-2.0, 2.0), beta(-0.01, 0.01);
    Matrix4 total = boostX(0.0);
    for (int round = 0; round < 200; ++round) {
        for (int i = 0; i < 25; ++i) {
            const Matrix4 step = boostX(beta(random) * (round % 2 ? 1 : 3));
            multiplyMatrix4(step, total, total);
        }
        const SpacetimePoint a{coordinate(random), coordinate(random)};
        const SpacetimePoint b{coordinate(random), coordinate(random)};
        const double own = (b.t - a.t) * (b.t - a.t) - (b.x - a.x) * (b.x - a.x);
        const SpacetimePoint p = ownToDiagram(total, a), q = ownToDiagram(total, b);
        const double seen = (q.t - p.t) * (q.t - p.t) - (q.x - p.x) * (q.x - p.x);
        EXPECT_NEAR(seen, own, 1e-9 * (1.0 + std::fabs(own)));
        EXPECT_NEAR(intervalSquared(p, q), seen, 1e-12 * (1.0 + std::fabs(own)));
        EXPECT_NEAR(relatePair(total, a, b).interval, own, 1e-15 * (1.0 + std::fabs(own)));
    }
}

TEST(Events, SpacelikePairsAreSimultaneousAtTheVelocityNamedAndSwapOrderAcrossIt) {
    const SpacetimePoint a{1.0, 0.5}, b{-0.5, 0.2}, c{0.3, -0.1};
    for (auto [first, second] : {std::pair{a, b}, {b, c}, {c, a}}) {
        const PairRelation atRest = relatePair(boostX(0.0), first, second);
        ASSERT_EQ(atRest.kind, Separation::spacelike);
        const double u = atRest.simultaneousAt;
        ASSERT_LT(std::fabs(u), 1.0);
        EXPECT_TRUE(std::isnan(atRest.samePlaceAt) && std::isnan(atRest.properTime));
        const SpacetimePoint p = ownToDiagram(boostX(u), first),
                             q = ownToDiagram(boostX(u), second);
        EXPECT_NEAR(q.t - p.t, 0.0, 1e-15);
        EXPECT_EQ(relatePair(boostX(u), first, second).orderDiagram, 0);
        const int below = relatePair(boostX(u - 0.01), first, second).orderDiagram;
        const int above = relatePair(boostX(u + 0.01), first, second).orderDiagram;
        EXPECT_EQ(below, -above);
        EXPECT_NE(below, 0);
    }
}

TEST(Events, TimelikePairsMeetAtOnePlaceAndKeepTheirOrderInEveryFrame) {
    const SpacetimePoint a{0.2, 0.1}, b{0.5, 1.3};
    const PairRelation atRest = relatePair(boostX(0.0), a, b);
    ASSERT_EQ(atRest.kind, Separation::timelike);
    EXPECT_NEAR(atRest.properTime, std::sqrt(1.2 * 1.2 - 0.3 * 0.3), 1e-15);
    EXPECT_TRUE(std::isnan(atRest.simultaneousAt));
    const double u = atRest.samePlaceAt;
    EXPECT_NEAR(ownToDiagram(boostX(u), b).x - ownToDiagram(boostX(u), a).x, 0.0, 1e-15);
    for (double v = -0.99; v <= 0.99; v += 0.01) {
        const PairRelation seen = relatePair(boostX(v), a, b);
        EXPECT_EQ(seen.orderDiagram, -1) << v; // a first, always
        EXPECT_EQ(seen.orderOwn, -1);
        EXPECT_NEAR(seen.properTime, atRest.properTime, 1e-15);
    }
}

TEST(Events, LightlikePairsStayLightlike) {
    for (auto [dx, dt] : {std::pair{1.0, 1.0}, {-0.5, 0.5}, {0.3, -0.3}}) {
        const SpacetimePoint a{0.1, 0.2}, b{0.1 + dx, 0.2 + dt};
        for (double v : {0.0, 0.6, -0.9, 0.999}) {
            const PairRelation r = relatePair(boostX(v), a, b);
            EXPECT_EQ(r.kind, Separation::lightlike) << dx << " " << v;
            EXPECT_TRUE(std::isnan(r.simultaneousAt) && std::isnan(r.samePlaceAt));
            const double dxSeen = ownToDiagram(boostX(v), b).x - ownToDiagram(boostX(v), a).x;
            const double dtSeen = ownToDiagram(boostX(v), b).t - ownToDiagram(boostX(v), a).t;
            EXPECT_NEAR(std::fabs(dxSeen), std::fabs(dtSeen), 1e-12);
            EXPECT_EQ(r.orderDiagram, r.orderOwn); // light never runs backwards
        }
    }
}
