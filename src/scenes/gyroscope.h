// Demonstration 7: Thomas precession and the rolling ball.
#pragma once

const double orbitPeriod = 3.0; // coordinate time of one orbit: the helix runs t = -1.5..1.5
const double orbitStartTime = -1.5;
const int spinArrowCount = 13;     // every twelfth of the orbit, first and last at one place
const double spinArrowScale = 0.5; // unit spin 4-vectors drawn half as long
const double helixEyeX = -1.1;     // the world line left, the ball right
const double helixEyeDropY = -0.2;
const double ballEyeX = 0.9;
const double ballEyeDropY = -0.7;
const double ballScale = 0.45; // the unit hyperboloid drawn at this size

// The orbit's radius at speed u: one orbit in orbitPeriod.
double orbitRadius(double speed);

// The gyroscope's helical world line with its spin arrows, each beside an arrow
// that does not precess, and the gyroscope now (gyroscopeOrbitShare); and the
// unit hyperboloid of 4-velocities with the orbit's ring on it. Both through
// boostMatrix: a drag boosts the world line and rolls the ball.
void drawThomasPrecessionScene();
