// Boost builders and the matrix product of the Lorentz demo. Pure double
// arithmetic on caller-owned storage: no OpenGL, no global state, and no
// re-orthogonalisation of products.
#include "relativity/matrix4.h"

#include <cmath>

namespace {
const double fallbackGamma = 1000.0; // stands in for an infinite factor at |beta| >= 1
}

void multiplyMatrix4(const Matrix4& a, const Matrix4& b, Matrix4& result) {
    // sums go to a temporary first, so result may be a or b
    Matrix4 product;
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[k * 4 + r] * b.m[c * 4 + k];
            }
            product.m[c * 4 + r] = sum;
        }
    }
    result = product;
}

void makeBoostX(double beta, double gamma, Matrix4& result) {
    result = Matrix4{};
    result.m[0] = gamma;        // x from x
    result.m[1] = gamma * beta; // t from x
    result.m[4] = gamma * beta; // x from t
    result.m[5] = gamma;        // t from t
    result.m[10] = 1.0;
    result.m[15] = 1.0;
}

void makeBoost(double nx, double ny, double beta, double gamma, Matrix4& result) {
    // spatial block: identity plus (gamma - 1) times the projection onto n
    result = Matrix4{};
    result.m[0] = 1.0 + (gamma - 1.0) * nx * nx;
    result.m[1] = (gamma - 1.0) * nx * ny;
    result.m[4] = (gamma - 1.0) * nx * ny;
    result.m[5] = 1.0 + (gamma - 1.0) * ny * ny;
    // space-time mixing along n, time on z
    result.m[2] = gamma * beta * nx;
    result.m[6] = gamma * beta * ny;
    result.m[8] = gamma * beta * nx;
    result.m[9] = gamma * beta * ny;
    result.m[10] = gamma;
    result.m[15] = 1.0;
}

void makeTurn(double degrees, Matrix4& result) {
    const double a = degrees * 3.14159265358979323846 / 180.0;
    result = Matrix4{};
    result.m[0] = std::cos(a); // x from x
    result.m[1] = std::sin(a); // y from x
    result.m[4] = -std::sin(a);
    result.m[5] = std::cos(a);
    result.m[10] = 1.0;
    result.m[15] = 1.0;
}

double lorentzFactor(double beta) {
    const double s = 1.0 - beta * beta;
    return s > 0.0 ? 1.0 / std::sqrt(s) : fallbackGamma;
}

double addVelocities(double u, double v) {
    // Rapidities add: tanh(artanh u + artanh v) = (u + v) / (1 + u v). Close to c
    // the quotient rounds onto +-1, or onto a double just below it that steps
    // back the other way cannot leave; the rapidity form does neither, once held
    // below the nearest double to 1.
    const double sum = std::tanh(std::atanh(u) + std::atanh(v));
    const double fastest = std::nextafter(1.0, 0.0);
    return std::fabs(sum) < 1.0 ? sum : std::copysign(fastest, sum);
}

SpacetimeVector applyMatrix4(const Matrix4& m, const SpacetimeVector& v) {
    return {m.m[0] * v.x + m.m[4] * v.y + m.m[8] * v.t, m.m[1] * v.x + m.m[5] * v.y + m.m[9] * v.t,
            m.m[2] * v.x + m.m[6] * v.y + m.m[10] * v.t};
}

double minkowskiSquare(const SpacetimeVector& v) {
    return v.t * v.t - v.x * v.x - v.y * v.y;
}
