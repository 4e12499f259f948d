// Light cones under a boost (demonstrations 5 and 6): the flash of a source at
// rest in the scene (future cone) and the light reaching an observer at rest
// there (past cone). Angles are in degrees from the direction of motion; v is
// the speed at which the scene is drawn moving. Pure functions, c = 1.
#pragma once

#include "relativity/matrix4.h"

const int coneRulingCount = 24; // evenly spaced in the own frame

// Half the rulings lie within this angle of the direction of motion (future
// cone) or of straight behind (past cone): acos v.
double aberrationHalfAngle(double speed);

// A ray sent at ownDegrees in the source's frame is drawn at
// acos((cos a' + v) / (1 + v cos a')), its frequency raised by gamma (1 + v cos a').
double emittedDrawnAngle(double ownDegrees, double speed);
double emittedDoppler(double ownDegrees, double speed);

// A ray the moving observer sees coming from ownDegrees comes, in the drawn
// frame, from acos((cos a' - v) / (1 - v cos a')); the observer measures
// 1 / (gamma (1 - v cos a')) times the drawn frame's frequency.
double receivedDrawnAngle(double ownDegrees, double speed);
double receivedDoppler(double ownDegrees, double speed);

// The direction of motion in the scene's own coordinates, degrees from the own
// +x axis: the drawn velocity w turned back by the boost's Wigner rotation
// (boost = B(w) R). The own +x axis at rest.
double ownMotionDegrees(const Matrix4& boost);

// Ruling k of the cone, degrees from the direction of motion: (k + 1/2) 15,
// so that none lies on the half-angle boundary at 90.
double rulingDegrees(int k);

// Own-frame event at own time ownTime along the ray at rayDegrees from the
// direction of motion (itself at motionDegrees from own +x): future cone, the
// light sent that way; past cone, the light that arrives from that way.
SpacetimeVector futureRayTip(double motionDegrees, double rayDegrees, double ownTime);
SpacetimeVector pastRayTip(double motionDegrees, double rayDegrees, double ownTime);
