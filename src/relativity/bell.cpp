// The rear's line of simultaneity at rapidity r = g tau runs from (-1/g, 0)
// along (cosh r, sinh r): its points at proper distance s from there are
// (-1/g + s cosh r, s sinh r), the rear itself at s = 1/g. The front's world
// line is the rear's moved by L: (x - L + 1/g)^2 - t^2 = 1/g^2. Meeting it,
// s^2 - 2 L s cosh r + L^2 - 1/g^2 = 0, whose larger root is the front; its
// proper time follows from t = sinh(g tau_front)/g, and the break from
// solving the same equation for cosh r with s = L (1 + strain) + 1/g.
#include "relativity/bell.h"

#include <cmath>

namespace {
// s of the front on the rear's line of simultaneity at rapidity r; the root's
// square L^2 tanh^2 r + 1/(g cosh r)^2 is L^2 - (L^2 - 1/g^2)/cosh^2 r
double frontDistance(const BellShips& ships, double r) {
    const double L = ships.separation, c = std::cosh(r);
    const double t = std::tanh(r), e = 1.0 / (ships.g * c);
    return c * (L + std::sqrt(L * L * t * t + e * e));
}
} // namespace

double gapRear(const BellShips& ships, double tau) {
    return frontDistance(ships, ships.g * tau) - 1.0 / ships.g;
}

double frontTime(const BellShips& ships, double tau) {
    const double r = ships.g * tau;
    return std::asinh(ships.g * frontDistance(ships, r) * std::sinh(r)) / ships.g;
}

double stretch(const BellShips& ships, double tau) {
    return gapRear(ships, tau) / ships.separation - 1.0;
}

double breakTime(const BellShips& ships, double strain) {
    const double L = ships.separation, gapAtBreak = L * (1.0 + strain);
    const double s = gapAtBreak + 1.0 / ships.g;
    // s^2 - 1/g^2 = gap (gap + 2/g), kept apart so that no digits cancel
    const double coshR = (gapAtBreak * (gapAtBreak + 2.0 / ships.g) + L * L) / (2.0 * L * s);
    return std::acosh(coshR) / ships.g;
}
