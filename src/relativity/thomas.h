// Thomas precession (demonstration 7): a gyroscope carried counter-clockwise
// round a circle at speed u keeps its spin orthogonal to its 4-velocity and
// turns against the orbit, by 360 (gamma - 1) degrees an orbit; a regular
// polygon of boosts at the same speed turns it by less. Pure functions, c = 1.
#pragma once

#include "relativity/matrix4.h"

// Degrees the spin turns per orbit, against the orbit's sense: 360 (gamma - 1).
double thomasAngle(double speed);

// The turn after a regular polygon of `sides` boosts (3 or more) at speed v:
// (N - 2) 180 - 2 N atan(1 / (gamma tan(180 / N))), degrees.
double polygonAngle(int sides, double speed);

// The gyroscope at coordinate time t on the orbit of `radius` round the time
// axis, which starts at (radius, 0) at t = 0 with the spin along +x.
struct Gyroscope {
    SpacetimeVector event;     // (r cos wt, r sin wt, t), w = u / r
    SpacetimeVector velocity;  // gamma (u, 1)
    SpacetimeVector spin;      // unit spacelike, orthogonal to the 4-velocity
    SpacetimeVector reference; // the spin as it would be without precession
    double turnDegrees;        // spin from reference, in the rest frame: -(gamma - 1) w t
};
Gyroscope gyroscopeAt(double speed, double radius, double time);

// Its event alone: (r cos wt, r sin wt, t).
SpacetimeVector orbitEvent(double speed, double radius, double time);
