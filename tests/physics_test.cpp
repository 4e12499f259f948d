// Physics of the boost builders and the matrix product: inverse boosts cancel,
// collinear boosts compose by velocity addition, the interval is kept, boosts
// in different directions do not commute, and the product tolerates aliasing.
#include "relativity/matrix4.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {
const double tolerance = 1e-12;

Matrix4 identity() {
    Matrix4 m{};
    m.m[0] = m.m[5] = m.m[10] = m.m[15] = 1.0;
    return m;
}

double at(const Matrix4& m, int row, int col) {
    return m.m[col * 4 + row];
}

void expectNear(const Matrix4& a, const Matrix4& b, double tol = tolerance) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(a.m[i], b.m[i], tol) << "element " << i;
    }
}

// v' = M v for a column vector
void apply(const Matrix4& m, const double v[4], double out[4]) {
    for (int r = 0; r < 4; ++r) {
        out[r] = 0.0;
        for (int c = 0; c < 4; ++c) {
            out[r] += at(m, r, c) * v[c];
        }
    }
}

Matrix4 boostX(double beta) {
    Matrix4 m;
    makeBoostX(beta, lorentzFactor(beta), m);
    return m;
}

Matrix4 boostAlong(double angle, double beta) {
    Matrix4 m;
    makeBoost(std::cos(angle), std::sin(angle), beta, lorentzFactor(beta), m);
    return m;
}
} // namespace

TEST(BoostBuilders, ZeroVelocityIsIdentity) {
    expectNear(boostX(0.0), identity(), 0.0);
    for (double angle : {0.0, 0.7, 2.0, -1.3}) {
        expectNear(boostAlong(angle, 0.0), identity(), 1e-15);
    }
}

TEST(BoostBuilders, ElementsForBetaThreeFifths) {
    Matrix4 x;
    makeBoostX(0.6, 1.25, x);
    EXPECT_DOUBLE_EQ(x.m[0], 1.25);
    EXPECT_DOUBLE_EQ(x.m[5], 1.25);
    EXPECT_DOUBLE_EQ(x.m[1], 0.75);
    EXPECT_DOUBLE_EQ(x.m[4], 0.75);

    Matrix4 y;
    makeBoost(0.0, 1.0, 0.6, 1.25, y);
    EXPECT_DOUBLE_EQ(y.m[0], 1.0);
    EXPECT_DOUBLE_EQ(y.m[5], 1.25);
    EXPECT_DOUBLE_EQ(y.m[10], 1.25);
    EXPECT_DOUBLE_EQ(y.m[6], 0.75);
    EXPECT_DOUBLE_EQ(y.m[9], 0.75);
    for (int i : {1, 2, 4, 8, 3, 7, 11, 12, 13, 14}) {
        EXPECT_EQ(y.m[i], 0.0) << "element " << i;
    }
    EXPECT_EQ(y.m[15], 1.0);

    // along (1, 0) the 3D boost mixes x with z (time), not with y
    Matrix4 alongX;
    makeBoost(1.0, 0.0, 0.6, 1.25, alongX);
    EXPECT_DOUBLE_EQ(alongX.m[2], 0.75);
    EXPECT_EQ(alongX.m[1], 0.0);
    EXPECT_NE(alongX.m[1], x.m[1]);
}

TEST(BoostBuilders, AtRestIsCarriedAlongTheBoost) {
    // a clock at rest at the origin is shown moving at +beta
    const double event[4] = {0.0, 1.0, 0.0, 1.0};
    double moved[4];
    apply(boostX(0.3), event, moved);
    EXPECT_NEAR(moved[0] / moved[1], 0.3, tolerance);

    const double event3d[4] = {0.0, 0.0, 2.0, 1.0};
    apply(boostAlong(M_PI / 3.0, 0.5), event3d, moved);
    EXPECT_NEAR(std::hypot(moved[0], moved[1]) / moved[2], 0.5, tolerance);
    EXPECT_NEAR(std::atan2(moved[1], moved[0]), M_PI / 3.0, tolerance);
    EXPECT_EQ(moved[3], 1.0);
}

TEST(BoostPhysics, InverseBoostsCancel) {
    for (double beta : {0.01, 0.3, 0.6, 0.99, 0.999999}) {
        Matrix4 product;
        multiplyMatrix4(boostX(beta), boostX(-beta), product);
        expectNear(product, identity(), 1e-9 * lorentzFactor(beta) * lorentzFactor(beta));
        multiplyMatrix4(boostAlong(0.4, beta), boostAlong(0.4 + M_PI, beta), product);
        expectNear(product, identity(), 1e-9 * lorentzFactor(beta) * lorentzFactor(beta));
    }
}

TEST(BoostPhysics, CollinearBoostsComposeByVelocityAddition) {
    const double pairs[][2] = {{0.5, 0.5}, {0.9, -0.3}, {0.01, 0.01}, {-0.7, -0.2}};
    for (const auto& p : pairs) {
        Matrix4 product;
        multiplyMatrix4(boostX(p[0]), boostX(p[1]), product);
        const double beta = (p[0] + p[1]) / (1.0 + p[0] * p[1]);
        expectNear(product, boostX(beta), 1e-12);
        EXPECT_NEAR(addVelocities(p[0], p[1]), beta, 1e-15);
    }
    // fifty steps of 0.01: rapidities add
    double v = 0.0;
    Matrix4 total = identity();
    for (int i = 0; i < 50; ++i) {
        v = addVelocities(v, 0.01);
        multiplyMatrix4(boostX(0.01), total, total);
    }
    EXPECT_NEAR(v, std::tanh(50.0 * std::atanh(0.01)), 1e-14);
    expectNear(total, boostX(v), 1e-12);
}

TEST(BoostPhysics, ComposedVelocityNeverRoundsOntoLight) {
    // a long oblique drag to the right: thousands of steps just under 0.01
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> cosine(0.0, 1.0);
    double v = 0.0;
    for (int i = 0; i < 20000; ++i) {
        v = addVelocities(v, 0.01 * cosine(rng));
        ASSERT_LT(v, 1.0) << "after " << i + 1 << " steps";
    }
    // and a drag back to the left brings the observer back through rest
    for (int i = 0; i < 2000; ++i) {
        const double before = v;
        v = addVelocities(v, -0.01);
        ASSERT_LT(v, before) << "stuck after " << i + 1 << " steps back";
    }
    EXPECT_LT(v, 0.0);
    EXPECT_GT(addVelocities(-v, -0.999999), -1.0);
}

TEST(BoostPhysics, IntervalIsKept) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> coord(-3.0, 3.0);
    std::uniform_real_distribution<double> speed(-0.95, 0.95);
    for (int n = 0; n < 200; ++n) {
        const double e[4] = {coord(rng), coord(rng), coord(rng), 1.0};
        double b[4];
        // 2D: x space, y time
        apply(boostX(speed(rng)), e, b);
        EXPECT_NEAR(b[1] * b[1] - b[0] * b[0], e[1] * e[1] - e[0] * e[0], 1e-9);
        EXPECT_EQ(b[2], e[2]);
        // 3D: x, y space, z time
        apply(boostAlong(coord(rng), speed(rng)), e, b);
        EXPECT_NEAR(b[2] * b[2] - b[0] * b[0] - b[1] * b[1],
                    e[2] * e[2] - e[0] * e[0] - e[1] * e[1], 1e-9);
        EXPECT_EQ(b[3], 1.0);
    }
}

TEST(BoostPhysics, DifferentDirectionsDoNotCommute) {
    const Matrix4 a = boostAlong(0.0, 0.5);
    const Matrix4 b = boostAlong(M_PI / 2.0, 0.5);
    Matrix4 ab, ba;
    multiplyMatrix4(a, b, ab);
    multiplyMatrix4(b, a, ba);
    EXPECT_GT(std::abs(ab.m[1] - ba.m[1]), 1e-3);           // a Thomas-Wigner rotation between them
    EXPECT_GT(std::abs(at(ab, 0, 1) - at(ab, 1, 0)), 1e-3); // no longer symmetric
}

TEST(MatrixProduct, RowTimesColumnAndAliasing) {
    Matrix4 a, b;
    for (int i = 0; i < 16; ++i) {
        a.m[i] = i + 1;
        b.m[i] = (i * 7) % 5 - 2.0;
    }
    Matrix4 separate;
    multiplyMatrix4(a, b, separate);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += at(a, r, k) * at(b, k, c);
            }
            EXPECT_EQ(at(separate, r, c), sum);
        }
    }
    Matrix4 intoA = a;
    multiplyMatrix4(intoA, b, intoA);
    Matrix4 intoB = b;
    multiplyMatrix4(a, intoB, intoB);
    Matrix4 square = a, squareRef;
    multiplyMatrix4(a, a, squareRef);
    multiplyMatrix4(square, square, square);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(intoA.m[i], separate.m[i]);
        EXPECT_EQ(intoB.m[i], separate.m[i]);
        EXPECT_EQ(square.m[i], squareRef.m[i]);
    }
}

TEST(LorentzFactor, RuleAndFallback) {
    EXPECT_EQ(lorentzFactor(0.0), 1.0);
    EXPECT_NEAR(lorentzFactor(0.5), 1.0 / std::sqrt(0.75), 1e-15);
    EXPECT_NEAR(lorentzFactor(-0.6), 1.25, 1e-15);
    EXPECT_EQ(lorentzFactor(1.0), 1000.0);
    EXPECT_EQ(lorentzFactor(-1.5), 1000.0);
}
