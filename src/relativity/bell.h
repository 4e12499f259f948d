// Bell's spaceships (demonstration 11), c = 1, in the launch frame (x, t): two
// rockets, the rear from x = 0 and the front from x = L, start together from
// rest at t = 0 with the same proper acceleration g, so that in the launch
// frame they stay L apart. On the rear's line of simultaneity, which passes
// through (-1/g, 0), the front is further away and its clock ahead: a string
// of proper length L between them stretches until it breaks. Pure functions.
#pragma once

struct BellShips {
    double g;          // both ships' proper acceleration, > 0
    double separation; // L, launch frame, > 0
};

// The proper distance from the rear at its proper time tau to the front, along
// the rear's line of simultaneity:
// cosh(g tau) (L + sqrt(L^2 - (L^2 - 1/g^2) / cosh^2(g tau))) - 1/g.
double gapRear(const BellShips& ships, double tau);

// The front's proper time where the rear's line of simultaneity at tau meets it.
double frontTime(const BellShips& ships, double tau);

// gapRear / L - 1: how far a string of proper length L would be stretched.
double stretch(const BellShips& ships, double tau);

// The rear's proper time at which the stretch reaches `strain` (a fraction, > 0).
double breakTime(const BellShips& ships, double strain);
