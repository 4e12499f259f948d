// Readouts against closed forms: velocities read back with their sign, the
// twins' proper times, the Thomas-Wigner rotation of two perpendicular
// boosts, cos(angle) = (g1 + g2) / (1 + g1 g2), counter-clockwise for x then y,
// and velocities written for links that reopen their Lorentz factor.
#include "relativity/matrix4.h"
#include "relativity/readouts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {
const double pi = 3.14159265358979323846;

Matrix4 boostAlong(double nx, double ny, double beta) {
    Matrix4 m;
    makeBoost(nx, ny, beta, lorentzFactor(beta), m);
    return m;
}

// a drag step in demonstration 4: the new boost acts after the old one
void step(Matrix4& total, double nx, double ny, double beta) {
    multiplyMatrix4(boostAlong(nx, ny, beta), total, total);
}

const Matrix4 identity = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
} // namespace

TEST(Readouts, VelocityAsDrawnKeepsItsSignAndComposes) {
    for (double beta : {0.6, -0.6, 0.01, -0.99}) {
        Matrix4 m;
        makeBoostX(beta, lorentzFactor(beta), m);
        EXPECT_NEAR(drawnVelocityX(m), beta, 1e-15);
        EXPECT_NEAR(drawnGammaX(m), lorentzFactor(beta), 1e-12);
    }
    Matrix4 total = identity, s;
    makeBoostX(0.01, lorentzFactor(0.01), s);
    for (int i = 0; i < 50; ++i) {
        multiplyMatrix4(s, total, total);
    }
    EXPECT_NEAR(drawnVelocityX(total), std::tanh(50 * std::atanh(0.01)), 1e-13);
}

TEST(Readouts, TravellerAgesLessThanTheHomeTwin) {
    EXPECT_NEAR(travellerProperTime(0.6, 1.0, 2.0), 1.6, 1e-15);
    EXPECT_NEAR(travellerProperTime(0.0, 1.0, 2.0), 2.0, 1e-15);
    EXPECT_NEAR(travellerProperTime(0.3, 0.5, 2.0), std::sqrt(0.16) + std::sqrt(2.16), 1e-15);
}

TEST(Readouts, PerpendicularBoostsLeaveTheWignerRotation) {
    for (auto [b1, b2] : {std::pair{0.6, 0.8}, {0.3, 0.3}, {0.99, 0.5}, {0.05, 0.9}}) {
        const double g1 = lorentzFactor(b1), g2 = lorentzFactor(b2);
        Matrix4 total = identity;
        step(total, 1, 0, b1); // along x, then along y
        step(total, 0, 1, b2);
        const BoostParts p = splitBoost(total);
        // counter-clockwise, from +x towards +y: the order of the boosts gives the sign
        EXPECT_NEAR(p.rotationDegrees, std::acos((g1 + g2) / (1 + g1 * g2)) * 180 / pi, 1e-9);
        EXPECT_NEAR(p.velocityX, b1 / g2, 1e-12); // the first velocity, seen from the second frame
        EXPECT_NEAR(p.velocityY, b2, 1e-12);
        EXPECT_NEAR(p.gamma, g1 * g2, 1e-9);
        EXPECT_NEAR(p.speed, std::sqrt(1 - 1 / (g1 * g1 * g2 * g2)), 1e-12);

        // the other order turns the other way
        Matrix4 swapped = identity;
        step(swapped, 0, 1, b2);
        step(swapped, 1, 0, b1);
        EXPECT_NEAR(splitBoost(swapped).rotationDegrees, -p.rotationDegrees, 1e-9);
    }
}

TEST(Readouts, BoostsAlongOneLineLeaveNoRotation) {
    const double nx = 0.6, ny = -0.8;
    Matrix4 total = identity;
    step(total, nx, ny, 0.7);
    step(total, nx, ny, -0.3);
    const BoostParts p = splitBoost(total);
    const double v = (0.7 - 0.3) / (1 - 0.21);
    EXPECT_NEAR(p.velocityX, v * nx, 1e-12);
    EXPECT_NEAR(p.velocityY, v * ny, 1e-12);
    EXPECT_NEAR(p.rotationDegrees, 0.0, 1e-12);

    step(total, nx, ny, -v); // and back to rest: nothing left at all
    const BoostParts rest = splitBoost(total);
    EXPECT_NEAR(rest.speed, 0.0, 1e-13);
    EXPECT_NEAR(rest.gamma, 1.0, 1e-13);
    EXPECT_NEAR(rest.rotationDegrees, 0.0, 1e-12);
}

TEST(Readouts, ClosedLoopOfDragsLeavesAPureRotation) {
    // a square drawn with the mouse in demonstration 4: 20 px right, up, left, down
    Matrix4 total = identity;
    const double directions[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (const auto& d : directions) {
        for (int i = 0; i < 20; ++i) {
            step(total, d[0], d[1], 0.01);
        }
    }
    const BoostParts p = splitBoost(total);
    // second order in the side's rapidity (0.2) for the velocity, as for the angle
    EXPECT_LT(p.speed, 0.01);
    EXPECT_GT(p.rotationDegrees, 0.5); // counter-clockwise drags turn the picture counter-clockwise
    EXPECT_LT(p.rotationDegrees, 2.0 * 0.2 * 0.2 * 180 / pi);
}

TEST(Readouts, LinkVelocitiesReopenTheirLorentzFactor) {
    EXPECT_EQ(velocityDecimals(0.6, 1.25, 1e-7), 4);
    for (double rapidity : {0.1, 2.0, 7.0, 10.0}) {
        const double v = std::tanh(rapidity), gamma = std::cosh(rapidity);
        const int decimals = velocityDecimals(v, gamma, 1e-7);
        ASSERT_GT(decimals, 0) << rapidity;
        const double back = std::round(v * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
        EXPECT_NEAR(preciseLorentzFactor(back) / gamma, 1.0, 2e-7) << rapidity;
        EXPECT_EQ(velocityDecimals(v, gamma, 1e-7), velocityDecimals(-v, gamma, 1e-7));
    }
    // from rapidity 12 on, one ulp of v moves gamma by more than 1e-7: links write the rapidity
    EXPECT_EQ(velocityDecimals(std::tanh(12.0), std::cosh(12.0), 1e-7), -1);
}

// A link's boost parts, read back as the page reads them: "name=value&..."
namespace {
Matrix4 reopened(const char* link) {
    double v = 0.0, rapidity = NAN, heading = 0.0, turn = 0.0;
    char name[16];
    double value = 0.0;
    int used = 0;
    for (const char* p = link; std::sscanf(p, "%15[a-z]=%lf%n", name, &value, &used) == 2;
         p += used) {
        const std::string key = name;
        (key == "v" ? v : key == "rapidity" ? rapidity : key == "heading" ? heading : turn) = value;
        p += p[used] == '&' ? 1 : 0;
    }
    return boostFromParts(std::isnan(rapidity) ? v : NAN, rapidity, heading, turn);
}
} // namespace

// Drag sequences in random directions (the 3D scenes' boost times a turn) are
// written with the digits that reopen every element within 1e-9; exact states
// are written as typed; near c the rapidity carries the boost.
TEST(Readouts, BoostLinksReopenTheBoostWithTheDigitsItNeeds) {
    char text[160];
    unsigned seed = 12345;
    const auto uniform = [&]() {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 8) & 0xffff) / 65536.0;
    };
    for (int sequence = 0; sequence < 50; ++sequence) {
        Matrix4 total = identity;
        const int steps = 20 + static_cast<int>(uniform() * 200);
        for (int i = 0; i < steps; ++i) {
            const double a = 2 * pi * uniform();
            step(total, std::cos(a), std::sin(a), 0.01);
        }
        writeBoostParts(total, 1e-10, text, sizeof text);
        const Matrix4 back = reopened(text);
        for (int i = 0; i < 16; ++i) {
            EXPECT_NEAR(back.m[i], total.m[i], 1e-9) << text;
        }
    }
    // as typed: no digit more than the state needs
    Matrix4 m = boostAlong(1, 0, 0.6);
    writeBoostParts(m, 1e-10, text, sizeof text);
    EXPECT_STREQ(text, "v=0.6");
    m = boostAlong(0, -1, 0.6);
    writeBoostParts(m, 1e-10, text, sizeof text);
    EXPECT_STREQ(text, "v=0.6&heading=-90");
    writeBoostParts(identity, 1e-10, text, sizeof text);
    EXPECT_STREQ(text, "");
    // x then y at 0.6: v 0.8, its heading and the Thomas-Wigner turn, to 1e-9 again
    m = boostAlong(1, 0, 0.6);
    step(m, 0, 1, 0.6);
    writeBoostParts(m, 1e-10, text, sizeof text);
    const double turn = std::acos(2.5 / 2.5625) * 180 / pi;
    const Matrix4 back = reopened(text);
    EXPECT_NEAR(splitBoost(back).rotationDegrees, turn, 1e-9) << text;
    EXPECT_NE(std::string(text).find("&turn=12.68"), std::string::npos) << text;
    // rapidity 20: gamma 2.4e8, far past what a decimal v holds
    Matrix4 fast;
    makeBoost(0.6, 0.8, std::tanh(20.0), std::cosh(20.0), fast);
    writeBoostParts(fast, 1e-10, text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("rapidity=20&heading=53.13", 0), 0u) << text;
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(reopened(text).m[i], fast.m[i], 1e-9 * std::cosh(20.0)) << text;
    }
}
