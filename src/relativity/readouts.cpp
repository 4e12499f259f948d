// Readouts of the demo's physics from the boost matrix. In demonstration 4 the
// boost's time column is gamma (v, 1); undoing the pure boost B(v) leaves a
// rotation of the space axes, which boosts in one direction never produce.
#include "relativity/readouts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
const double pi = 3.14159265358979323846;
const double degreesPerRadian = 180.0 / pi;
// above this speed the turn is read off the time row, below off B(-v) B R
const double turnFromTimeRowAbove = 1e-3;
const int fewestDecimals = 4;
const int mostDecimals = 17; // beyond this a double has no more to say

double largestDifference(const Matrix4& a, const Matrix4& b) {
    double most = 0.0;
    for (int i = 0; i < 16; ++i) {
        most = std::max(most, std::fabs(a.m[i] - b.m[i]));
    }
    return most;
}

// x rounded to `digits` significant digits, and that number written in the
// fewest characters that read back to it (-90, not -9e+01)
double roundTrip(double x, int digits, char* text, int size) {
    std::snprintf(text, size, "%.*g", digits, x);
    const double rounded = std::strtod(text, nullptr);
    char plain[40];
    for (int decimals = 0; decimals <= mostDecimals; ++decimals) {
        std::snprintf(plain, sizeof plain, "%.*f", decimals, rounded);
        if (std::strtod(plain, nullptr) == rounded) {
            std::snprintf(text, size, "%s", plain);
            break;
        }
    }
    return rounded;
}
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
        const double backGamma = preciseLorentzFactor(back);
        // both elements of the boost: gamma and gamma v
        if (std::fabs(back) < 1.0 && std::fabs(backGamma - gamma) <= relativeTolerance * gamma &&
            std::fabs(backGamma * back - gamma * v) <= relativeTolerance * gamma) {
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

    if (parts.speed > turnFromTimeRowAbove) {
        // B R has time column gamma (v, 1) and time row gamma (R^T v, 1): R turns
        // the one into the other, with no gamma^2 cancelling out however fast
        const double turn = std::atan2(boost.m[9], boost.m[8]) - std::atan2(boost.m[6], boost.m[2]);
        parts.rotationDegrees = std::remainder(turn, 2 * pi) * degreesPerRadian;
        return parts;
    }
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

Matrix4 boostFromParts(double beta, double rapidity, double headingDegrees, double turnDegrees) {
    const double a = headingDegrees / degreesPerRadian;
    const double speed = std::isnan(beta) ? std::tanh(rapidity) : beta;
    const double gamma = std::isnan(beta) ? std::cosh(rapidity) : preciseLorentzFactor(beta);
    Matrix4 boost, turn;
    makeBoost(std::cos(a), std::sin(a), speed, gamma, boost);
    makeTurn(turnDegrees, turn);
    multiplyMatrix4(boost, turn, boost);
    return boost;
}

int writeBoostParts(const Matrix4& boost, double tolerance, char* out, int size) {
    const BoostParts parts = splitBoost(boost);
    const double heading = std::atan2(parts.velocityY, parts.velocityX) * degreesPerRadian;
    const double rapidity = std::asinh(std::hypot(boost.m[8], boost.m[9])); // |gamma v|
    // tried in turn: v, then rapidity; each with as few digits as reopen the boost
    for (int form = 0; form < 2; ++form) {
        const double size0 = form == 0 ? parts.speed : rapidity;
        for (int digits = 1; digits <= mostDecimals; ++digits) {
            char speedText[40], headingText[40], turnText[40];
            const double s = roundTrip(size0, digits, speedText, sizeof speedText);
            double h = roundTrip(heading, digits, headingText, sizeof headingText);
            if (h == -180.0) { // headings in (-180, 180]
                h = roundTrip(180.0, digits, headingText, sizeof headingText);
            }
            const double t = roundTrip(parts.rotationDegrees, digits, turnText, sizeof turnText);
            if (form == 0 && !(s < 1.0)) {
                continue; // v rounds onto c: more digits, or rapidity
            }
            const Matrix4 back =
                form == 0 ? boostFromParts(s, NAN, h, t) : boostFromParts(NAN, s, h, t);
            if (largestDifference(back, boost) > tolerance &&
                !(form == 1 && digits == mostDecimals)) {
                continue;
            }
            int length = 0;
            out[0] = '\0';
            const auto part = [&](const char* name, const char* value) {
                length += std::snprintf(out + length, size - length, "%s%s=%s", length ? "&" : "",
                                        name, value);
                length = std::min(length, size - 1);
            };
            if (s != 0.0) {
                part(form == 0 ? "v" : "rapidity", speedText);
                if (h != 0.0) {
                    part("heading", headingText);
                }
            }
            if (t != 0.0) {
                part("turn", turnText);
            }
            return length;
        }
    }
    return 0;
}
