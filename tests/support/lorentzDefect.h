// How far a matrix is from a Lorentz transformation: the largest element of
// M^T eta M - eta, with eta the metric of the boosted axes, relative to the
// square of M's largest element (the scale of rounding in that product).
#pragma once

#include "relativity/matrix4.h"

#include <algorithm>
#include <cmath>

// timeOnZ: the 3D scene (x, y space, z time); otherwise x space, y time.
inline double lorentzDefect(const Matrix4& m, bool timeOnZ, double* absolute = nullptr) {
    // x space; y space or time; z time or untouched; w untouched
    const double metric[4] = {-1.0, timeOnZ ? -1.0 : 1.0, 1.0, 1.0};
    double worst = 0.0, largest = 1.0;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += m.m[r * 4 + k] * metric[k] * m.m[c * 4 + k]; // (M^T)(r,k) = M(k,r)
            }
            worst = std::max(worst, std::fabs(sum - (r == c ? metric[r] : 0.0)));
            largest = std::max(largest, std::fabs(m.m[c * 4 + r]));
        }
    }
    if (absolute != nullptr) {
        *absolute = worst;
    }
    return worst / (largest * largest);
}
