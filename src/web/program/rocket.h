// The accelerated observers' readouts on the page (demonstrations 10 and 11):
// the rocket's own, which the panel lists after the scenes', and those it
// shares with the panel's own names.
#pragma once

const int rocketQuantityCount = 12;

// "rocketTime", "launchTime", ...; "" out of range.
const char* rocketQuantityName(int i);

// Readouts with names the panel already has.
struct RocketMotion {
    double velocity, gamma, rapidity;          // the rocket's (the rear ship's) as drawn
    double homeTimeSimultaneous, homeTimeSeen; // F10: home's clock by simultaneity and by light
};

// False outside demonstrations 10 and 11 (or where they show the icosahedron).
// drawnRapidity: the boost's, at which things at rest in the launch frame are drawn moving.
bool readRocketQuantities(double drawnRapidity, RocketMotion& motion,
                          double out[rocketQuantityCount]);
