// Numbers a teacher reads off the pictures, from the boost and the twin events:
// velocities as drawn, Lorentz factors, the twins' proper times, and the
// rotation that boosts in different directions leave behind (Thomas-Wigner).
// Pure functions: no OpenGL, no state.
#pragma once

#include "relativity/matrix4.h"

// Demonstrations 1-3 (x space, y time): dx/dt of a world line at rest in the
// scene once drawn through boost, with the sign the picture shows.
double drawnVelocityX(const Matrix4& boost);

// The time a clock at rest takes per unit of proper time, as drawn: its end
// at t = 1 lands at t = gamma.
double drawnGammaX(const Matrix4& boost);

// 1 / sqrt((1 - v)(1 + v)): the Lorentz factor for any |v| < 1, with 1 - v
// exact close to c.
double preciseLorentzFactor(double v);

// Decimals (4 to 17) with which v, written out and read back, gives a boost
// whose gamma and gamma v are within relativeTolerance of gamma of the boost's;
// -1 when no decimal number below 1 carries it (rapidity then does).
int velocityDecimals(double v, double gamma, double relativeTolerance);

// Proper time of the traveller out to (x, t) and back to (0, reunionT): the
// two legs' sqrt(t^2 - x^2) + sqrt((reunionT - t)^2 - x^2).
double travellerProperTime(double x, double t, double reunionT);

// Demonstration 4 (x, y space, z time): the accumulated boost written as a
// pure boost times a rotation of the two space axes, boost = B(v) R.
struct BoostParts {
    double velocityX; // v: how things at rest are shown moving, in units of c
    double velocityY;
    double speed; // |v|
    double gamma;
    double rotationDegrees; // R's angle, counter-clockwise from +x towards +y
};
BoostParts splitBoost(const Matrix4& boost);

// The 3D scenes' boost from a link's parts: the pure boost of speed beta (or
// of rapidity, where beta is NaN) towards headingDegrees (counter-clockwise
// from +x), times the turn of the space axes: B R, as splitBoost reads it.
Matrix4 boostFromParts(double beta, double rapidity, double headingDegrees, double turnDegrees);

// The same boost as a link writes it: "v=0.6&heading=30&turn=12.68" with the
// fewest significant digits that reopen every element of the matrix within
// tolerance (heading and turn left out where 0), "rapidity=7.3&heading=30"
// where no decimal v carries it, "" at rest. Returns the text's length.
int writeBoostParts(const Matrix4& boost, double tolerance, char* out, int size);
