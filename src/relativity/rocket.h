// A rocket at constant proper acceleration (demonstration 10), c = 1, in the
// launch frame (x, t): it leaves home at x = 0 from rest at t = 0. On a leg of
// proper acceleration a its rapidity changes by a per unit of proper time and
// its world line is a hyperbola about a centre 1/|a| behind it, through which
// all its lines of simultaneity pass; the light line through that centre is a
// horizon. One way, it accelerates at g for ever; a round trip has four legs
// of proper time tau1 each (+g out, -g braking, -g back, +g braking) and ends
// at rest at home. Home stays at x = 0. Pure functions.
#pragma once

#include "relativity/events.h"

// g tau at most on any leg: cosh stays finite, and so does a product of two such factors
const double maxRocketRapidity = 300.0;

struct RocketTrip {
    double g;   // proper acceleration, > 0
    double leg; // each leg's proper time, > 0; 0: one way, accelerating for ever
};

struct RocketState {
    SpacetimePoint event;
    double rapidity;      // of its velocity in the launch frame, dx/dt = tanh(rapidity)
    double acceleration;  // proper acceleration of the leg it is on, signed along x
    SpacetimePoint pivot; // the centre of the leg's hyperbola: (-1/g, 0) one way
};

// Where tau ends: four legs, or infinity one way.
double tripEnd(const RocketTrip& trip);

// The rocket at proper time tau, held to 0 .. tripEnd. Its lines of
// simultaneity all pass through its leg's pivot, at proper distance 1/g.
RocketState rocketAt(const RocketTrip& trip, double tau);

// The home clock on the rocket's line of simultaneity, t - v x: tanh(g tau)/g
// one way, which never reaches 1/g.
double homeClockSimultaneous(const RocketState& s);

// The home clock in the light reaching the rocket, which left home at t - x:
// (1 - exp(-g tau))/g one way.
double homeClockSeen(const RocketState& s);

// The rocket's proper time when home's pulse sent at home time `sent` (0 or
// more) reaches it; infinity when it never does (one way: sent at 1/g or later;
// a round trip: after its end).
double homePulseArrival(const RocketTrip& trip, double sent);
