// Readouts of the demo's physics from the boost matrix. In demonstration 4 the
// boost's time column is gamma (v, 1); undoing the pure boost B(v) leaves a
// rotation of the space axes, which boosts in one direction never produce.
#include "relativity/readouts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
const double degreesPerRadian = 180.0 / 3.14159265358979323846;
const int fewestDecimals = 4;
const int mostDecimals = 17; // beyond this a double has no more to say
} // namespace

double drawnVelocityX(const Matrix4& boost) {
    return boost.m[4] / boost.m[5]; // x from t over t from t
}

double drawnGammaX(const Matrix4& boost) {
    return boost.m[5];
}

double preciseLorentzFactor(double v) {
    const double speed = std::fabs(v);
    return 1.0 / std::sqrt((1.0 - speed) * (1.0 + speed)); // 1 - speed is exact near 1
}

int velocityDecimals(double v, double gamma, double relativeTolerance) {
    for (int decimals = fewestDecimals; decimals <= mostDecimals; ++decimals) {
        char text[40];
        std::snprintf(text, sizeof text, "%.*f", decimals, v);
        const double back = std::strtod(text, nullptr);
        if (std::fabs(back) < 1.0 &&
            std::fabs(preciseLorentzFactor(back) - gamma) <= relativeTolerance * gamma) {
            return decimals;
        }
    }
    return -1;
}

double travellerProperTime(double x, double t, double reunionT) {
    const double back = reunionT - t;
    return std::sqrt(t * t - x * x) + std::sqrt(back * back - x * x);
}

BoostParts splitBoost(const Matrix4& boost) {
    BoostParts parts;
    parts.gamma = boost.m[10];
    parts.velocityX = boost.m[8] / parts.gamma;
    parts.velocityY = boost.m[9] / parts.gamma;
    parts.speed = std::hypot(parts.velocityX, parts.velocityY);

    Matrix4 rotation = boost;
    if (parts.speed > 0.0) {
        Matrix4 undo; // B(-v)
        makeBoost(parts.velocityX / parts.speed, parts.velocityY / parts.speed, -parts.speed,
                  parts.gamma, undo);
        multiplyMatrix4(undo, boost, rotation);
    }
    parts.rotationDegrees = std::atan2(rotation.m[1], rotation.m[0]) * degreesPerRadian;
    return parts;
}
