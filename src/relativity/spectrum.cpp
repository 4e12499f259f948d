// Doppler-shifted colours: a piecewise linear walk round the visible spectrum
// (violet, blue, cyan, green, yellow, red) with the light fading at both ends;
// channels are mixed as light is, in linear intensities (display values
// squared: close to sRGB's curve), and shown as display values again.
#include "relativity/spectrum.h"

#include <algorithm>
#include <cmath>

namespace {
const double lineWavelengths[3] = {645.0, 510.0, 440.0};  // nm: red, green, blue at rest
const double fadeWidthViolet = 40.0, fadeWidthRed = 80.0; // nm over which the ends fade
const double faintest = 0.3;                              // at the very ends of the visible

double decoded(double c) {
    return c * c;
}

float encoded(double c) {
    return static_cast<float>(std::sqrt(std::clamp(c, 0.0, 1.0)));
}

double ramp(double x, double from, double to) {
    return std::clamp((x - from) / (to - from), 0.0, 1.0);
}
} // namespace

void wavelengthColour(double nm, float out[3]) {
    if (!(nm >= visibleFrom && nm <= visibleTo)) {
        out[0] = out[1] = out[2] = 0.0f;
        return;
    }
    // violet to blue, blue to cyan, cyan to green, green to yellow, yellow to red
    const double r = nm < 440.0 ? 1.0 - ramp(nm, 380.0, 440.0) : ramp(nm, 510.0, 580.0);
    const double g = nm < 580.0 ? ramp(nm, 440.0, 490.0) : 1.0 - ramp(nm, 580.0, 645.0);
    const double b = 1.0 - ramp(nm, 490.0, 510.0);
    const double fade =
        faintest + (1.0 - faintest) * std::min(ramp(nm, visibleFrom, visibleFrom + fadeWidthViolet),
                                               1.0 - ramp(nm, visibleTo - fadeWidthRed, visibleTo));
    out[0] = static_cast<float>(fade * r);
    out[1] = static_cast<float>(fade * g);
    out[2] = static_cast<float>(fade * b);
}

void dopplerColour(const float rgb[3], double doppler, float out[3]) {
    double linear[3] = {0.0, 0.0, 0.0};
    for (int line = 0; line < 3; ++line) {
        float shifted[3];
        wavelengthColour(lineWavelengths[line] / doppler, shifted);
        const double strength = decoded(rgb[line]);
        for (int i = 0; i < 3; ++i) {
            linear[i] += strength * shifted[i];
        }
    }
    for (int i = 0; i < 3; ++i) {
        out[i] = encoded(linear[i]);
    }
}

void searchlightColour(const float rgb[3], double doppler, float out[3]) {
    const double gain = doppler * doppler * doppler * doppler;
    double linear[3], brightest = 0.0;
    for (int i = 0; i < 3; ++i) {
        linear[i] = gain * decoded(rgb[i]);
        brightest = std::max(brightest, linear[i]);
    }
    const double cap = brightest > 1.0 ? 1.0 / brightest : 1.0;
    for (int i = 0; i < 3; ++i) {
        out[i] = encoded(linear[i] * cap);
    }
}
