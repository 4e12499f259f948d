// The light cones and Thomas precession against closed forms and independent
// constructions: ruling tips through the boost stay on the cone with half
// within acos v and their heights at the Doppler factors; the past cone is the
// future cone reversed; the gyroscope's spin matches Fermi-Walker transport
// integrated step by step; a polygon of boosts built from makeBoost matrices
// turns by polygonAngle; and drags round a circle give the Thomas angle.
#include "relativity/lightCones.h"
#include "relativity/readouts.h"
#include "relativity/thomas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {
const double pi = 3.14159265358979323846;
const double degreesPerRadian = 180.0 / pi;

Matrix4 boostAlong(double nx, double ny, double v) {
    Matrix4 m;
    makeBoost(nx, ny, v, preciseLorentzFactor(v), m);
    return m;
}

// degrees between the space parts of a and of (ux, uy)
double angleFrom(const SpacetimeVector& a, double ux, double uy) {
    const double c = (a.x * ux + a.y * uy) / std::hypot(a.x, a.y);
    return std::acos(std::fmax(-1.0, std::fmin(1.0, c))) * degreesPerRadian;
}
} // namespace

TEST(LightCones, RulingTipsStayOnTheConeWithHalfWithinTheHalfAngle) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> direction(0.0, 2.0 * pi), step(0.0, 0.05);
    Matrix4 boost = boostAlong(1.0, 0.0, 0.0);
    for (int drag = 0; drag < 40; ++drag) {
        for (int i = 0; i < 25; ++i) { // one proper drag: small boosts in varied directions
            const double a = direction(random);
            Matrix4 s = boostAlong(std::cos(a), std::sin(a), step(random));
            multiplyMatrix4(s, boost, boost);
        }
        const BoostParts parts = splitBoost(boost);
        const double ux = parts.velocityX / parts.speed, uy = parts.velocityY / parts.speed;
        const double motion = ownMotionDegrees(boost);
        int forward = 0, fromBehind = 0;
        for (int k = 0; k < coneRulingCount; ++k) {
            const SpacetimeVector sent =
                applyMatrix4(boost, futureRayTip(motion, rulingDegrees(k), 1.0));
            const SpacetimeVector came =
                applyMatrix4(boost, pastRayTip(motion, rulingDegrees(k), 1.0));
            EXPECT_NEAR(minkowskiSquare(sent) / (sent.t * sent.t), 0.0, 1e-12);
            EXPECT_NEAR(minkowskiSquare(came) / (came.t * came.t), 0.0, 1e-12);
            // a tip's height is its Doppler factor, gamma (1 + v cos a')
            EXPECT_NEAR(sent.t, emittedDoppler(rulingDegrees(k), parts.speed), 1e-9 * sent.t);
            forward += angleFrom(sent, ux, uy) < aberrationHalfAngle(parts.speed);
            fromBehind += angleFrom(came, -ux, -uy) < aberrationHalfAngle(parts.speed);
        }
        EXPECT_EQ(forward, coneRulingCount / 2) << "after drag " << drag << ", v " << parts.speed;
        EXPECT_EQ(fromBehind, coneRulingCount / 2) << "after drag " << drag;
    }
}

TEST(LightCones, ProbeRaysMatchTheClosedForms) {
    struct Case {
        double v, halfAngle, sentAt, doppler, cameFrom, seenDoppler;
    };
    for (const Case& c : {Case{0.6, 53.1301, 53.1301, 1.25, 126.8699, 0.8},
                          Case{0.8, 36.8699, 36.8699, 5.0 / 3.0, 143.1301, 0.6}}) {
        EXPECT_NEAR(aberrationHalfAngle(c.v), c.halfAngle, 1e-4);
        EXPECT_NEAR(emittedDrawnAngle(90.0, c.v), c.sentAt, 1e-4);
        EXPECT_NEAR(emittedDoppler(90.0, c.v), c.doppler, 1e-12);
        EXPECT_NEAR(receivedDrawnAngle(90.0, c.v), c.cameFrom, 1e-4);
        EXPECT_NEAR(receivedDoppler(90.0, c.v), c.seenDoppler, 1e-12);
        // the drawn tips agree, for motion along +y: the ray sent at 90 degrees is
        // drawn at the readout's angle from +y and its tip at the Doppler factor
        const Matrix4 b = boostAlong(0.0, 1.0, c.v);
        const double motion = ownMotionDegrees(b);
        EXPECT_NEAR(motion, 90.0, 1e-12);
        const SpacetimeVector sent = applyMatrix4(b, futureRayTip(motion, 90.0, 1.0));
        EXPECT_NEAR(angleFrom(sent, 0.0, 1.0), c.sentAt, 1e-4);
        EXPECT_NEAR(sent.t, c.doppler, 1e-12);
        const SpacetimeVector came = applyMatrix4(b, pastRayTip(motion, 90.0, 1.0));
        EXPECT_NEAR(angleFrom(came, 0.0, 1.0), c.cameFrom, 1e-4);
    }
}

TEST(LightCones, EachPastTipIsMinusTheFutureTipOfTheOppositeRay) {
    const Matrix4 b = boostAlong(0.6, 0.8, 0.7);
    for (double ray = 0.0; ray < 360.0; ray += 7.5) {
        const SpacetimeVector past = applyMatrix4(b, pastRayTip(20.0, ray, 1.0));
        const SpacetimeVector future = applyMatrix4(b, futureRayTip(20.0, ray + 180.0, 1.0));
        EXPECT_NEAR(past.x, -future.x, 1e-12);
        EXPECT_NEAR(past.y, -future.y, 1e-12);
        EXPECT_NEAR(past.t, -future.t, 1e-12);
    }
}

TEST(Thomas, SpinIsFermiWalkerTransportedAndTurnsBackByTheThomasAngle) {
    const double u = 0.6, radius = 0.5, gamma = 1.25, omega = u / radius;
    // dS/dtau = (S.a) U for S orthogonal to U (space parts dotted; metric + - -),
    // integrated by RK4 along the orbit, independent of the closed form
    auto derivative = [&](double tau, const double s[3], double out[3]) {
        const double t = gamma * tau, c = std::cos(omega * t), sn = std::sin(omega * t);
        const double ax = -gamma * gamma * u * omega * c, ay = -gamma * gamma * u * omega * sn;
        const double sa = s[0] * ax + s[1] * ay;
        out[0] = sa * gamma * u * -sn;
        out[1] = sa * gamma * u * c;
        out[2] = sa * gamma;
    };
    double s[3] = {1.0, 0.0, 0.0}; // x, y, t
    const int steps = 20000;
    const double period = 2.0 * pi / omega, dTau = period / gamma / steps;
    for (int i = 1; i <= steps; ++i) {
        const double tau = (i - 1) * dTau;
        double k1[3], k2[3], k3[3], k4[3], m[3];
        derivative(tau, s, k1);
        for (int j = 0; j < 3; ++j)
            m[j] = s[j] + 0.5 * dTau * k1[j];
        derivative(tau + 0.5 * dTau, m, k2);
        for (int j = 0; j < 3; ++j)
            m[j] = s[j] + 0.5 * dTau * k2[j];
        derivative(tau + 0.5 * dTau, m, k3);
        for (int j = 0; j < 3; ++j)
            m[j] = s[j] + dTau * k3[j];
        derivative(tau + dTau, m, k4);
        for (int j = 0; j < 3; ++j)
            s[j] += dTau / 6.0 * (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]);
        if (i % 2500 == 0) {
            const Gyroscope g = gyroscopeAt(u, radius, gamma * i * dTau);
            EXPECT_NEAR(g.spin.x, s[0], 1e-9) << "step " << i;
            EXPECT_NEAR(g.spin.y, s[1], 1e-9) << "step " << i;
            EXPECT_NEAR(g.spin.t, s[2], 1e-9) << "step " << i;
            for (const SpacetimeVector& a : {g.spin, g.reference}) { // unit, orthogonal to U
                EXPECT_NEAR(minkowskiSquare(a), -1.0, 1e-12);
                EXPECT_NEAR(a.t * g.velocity.t - a.x * g.velocity.x - a.y * g.velocity.y, 0.0,
                            1e-12);
            }
        }
    }
    // once round, back at the start with the start's velocity: the spin points
    // -360 (gamma - 1) = -90 degrees from where it began
    EXPECT_NEAR(std::atan2(s[1], s[0]) * degreesPerRadian, -thomasAngle(u), 1e-6);
    EXPECT_NEAR(thomasAngle(0.6), 90.0, 1e-12);
    EXPECT_NEAR(thomasAngle(0.8), 240.0, 1e-12);
}

TEST(Thomas, PolygonOfBoostsTurnsByPolygonAngle) {
    EXPECT_NEAR(polygonAngle(3, 0.6), 31.2523, 1e-4);
    EXPECT_NEAR(polygonAngle(4, 0.6), 50.7215, 1e-4);
    EXPECT_NEAR(polygonAngle(6, 0.6), 69.8103, 1e-4);
    EXPECT_NEAR(polygonAngle(4, 0.8), 112.2899, 1e-4);
    for (double v : {0.3, 0.6, 0.8}) {
        const double gamma = preciseLorentzFactor(v);
        for (int n = 3; n <= 12; ++n) {
            // the rest frame, boosted at each corner in its own frame towards the next leg
            Matrix4 frame = boostAlong(1.0, 0.0, v);
            for (int k = 1; k <= n; ++k) {
                const double a = 2.0 * pi * k / n;
                const SpacetimeVector next{gamma * v * std::cos(a), gamma * v * std::sin(a), gamma};
                Matrix4 inverse = frame; // eta F^T eta
                for (int r = 0; r < 3; ++r) {
                    for (int c = 0; c < 3; ++c) {
                        inverse.m[c * 4 + r] =
                            ((r == 2) == (c == 2) ? 1.0 : -1.0) * frame.m[r * 4 + c];
                    }
                }
                const SpacetimeVector d = applyMatrix4(inverse, next);
                const double dSpace = std::hypot(d.x, d.y);
                Matrix4 corner;
                makeBoost(d.x / dSpace, d.y / dSpace, dSpace / d.t,
                          preciseLorentzFactor(dSpace / d.t), corner);
                multiplyMatrix4(frame, corner, frame);
            }
            const BoostParts back = splitBoost(frame);
            EXPECT_NEAR(back.velocityX, v, 1e-12);
            // counter-clockwise corners turn the frame clockwise, by polygonAngle (mod 360)
            const double turn = std::remainder(back.rotationDegrees + polygonAngle(n, v), 360.0);
            EXPECT_NEAR(turn, 0.0, 1e-9) << n << " sides at " << v;
            EXPECT_LT(polygonAngle(n, v), thomasAngle(v));
        }
    }
}

TEST(Thomas, PointerCirclesReturnToRestTurnedByTheThomasAngle) {
    // the mouse's demonstration-4 drag: beta 0.01 a pixel along the movement,
    // on the left of the boost; a counter-clockwise circle of radius 100 v
    // pixels, gamma times round
    for (double v : {0.3, 0.6}) {
        const int perTurn = static_cast<int>(2.0 * pi * 100.0 * v);
        const int steps = static_cast<int>(perTurn * preciseLorentzFactor(v));
        const double pixels = 2.0 * pi * 100.0 * v / perTurn;
        Matrix4 boost = boostAlong(1.0, 0.0, 0.0);
        for (int i = 0; i < steps; ++i) {
            const double a = 2.0 * pi * i / perTurn;
            Matrix4 s;
            makeBoost(-std::sin(a), std::cos(a), 0.01 * pixels, lorentzFactor(0.01 * pixels), s);
            multiplyMatrix4(s, boost, boost);
        }
        const BoostParts back = splitBoost(boost);
        EXPECT_LT(back.speed, 0.002) << v;
        EXPECT_NEAR(back.rotationDegrees, thomasAngle(v), 0.05) << v; // positive: counter-clockwise
    }
}
