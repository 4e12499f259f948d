// The accelerated observers of demonstrations 10 (the rocket) and 11 (Bell's
// spaceships) and what they add to the state. The desktop draws them with
// LORENTZ_SCENES=1 at these start values; the page's controls write them.
#pragma once

#include "relativity/bell.h"
#include "relativity/rocket.h"

extern double properAcceleration; // g, both demonstrations, c = 1
extern double rocketTau;          // the rocket's (F11: the rear ship's) proper time
extern bool roundTrip;            // F10: out and home in four legs, not accelerating for ever
extern double roundTripLeg;       // each leg's proper time
extern double shipSeparation;     // F11: L, the ships' distance in the launch frame
extern double stringStrain;       // F11: the stretch the string bears, a fraction (0.1: 10 %)

const int demoRocket = 10;
const int demoBellShips = 11;
const double defaultProperAcceleration = 1.0;
const double defaultRocketTau = 1.0;
const double defaultRoundTripLeg = 0.75;
const double defaultShipSeparation = 0.5;
const double defaultStringStrain = 0.1;

// The rocket's trip and Bell's ships as set now.
RocketTrip currentRocketTrip();
BellShips currentBellShips();

// Everything back to its start.
void resetAcceleratedSettings();
