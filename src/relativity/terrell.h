// What an observer sees of a moving object (demonstrations 8 and 9): the
// object's world tube meets the observer's past light cone, and each point is
// seen in the direction its light comes from. The observer stays at x = y = 0
// in the frame drawn; the object, a square of side 1 or a disk of radius 0.5
// centred at (0, 1.5), is at rest in its own frame, drawn through the boost.
// Sky angles are degrees counter-clockwise from the direction of motion.
#pragma once

#include "relativity/matrix4.h"

const double objectCentreY = 1.5; // own frame; the near face is 1 from the observer's path
const double squareHalfSide = 0.5;
const double diskRadius = 0.5;

// The square's faces: near and far (y' = 1 and 2), leading (+x') and trailing (-x').
enum SquareFace { nearFace, farFace, leadingFace, trailingFace, squareFaceCount };
extern const char* const squareFaceNames[squareFaceCount]; // "near", "far", ...
// The face's ends in the own frame, counter-clockwise round the square.
void squareFaceEnds(SquareFace face, double ends[2][2]);

// The observer's event at its time lookTime, (0, 0, lookTime) drawn, in the
// object's own coordinates.
SpacetimeVector observerInOwnFrame(const Matrix4& boost, double lookTime);

// Own-frame events of the rest point (x, y) on the observer's past cone (the
// light seen at lookTime) and future cone (where a flash sent then arrives).
SpacetimeVector pastConeEvent(const SpacetimeVector& observerOwn, double x, double y);
SpacetimeVector futureConeEvent(const SpacetimeVector& observerOwn, double x, double y);

// The sky angle, 0 to 360, at which the observer at (0, 0, t) sees a drawn
// event on its past cone; the motion is the drawn velocity of the boost (+x at rest).
double skyDegrees(const Matrix4& boost, const SpacetimeVector& drawn);

// The same for the object at rest, seen from the observer's own-frame place:
// the direction of (x, y) from there, from the direction of motion in the own frame.
double restSkyDegrees(const Matrix4& boost, const SpacetimeVector& observerOwn, double x, double y);

// The same two, with the direction of motion (degrees from +x, drawn or own)
// worked out once for many points.
double skyDegreesFrom(double drawnMotionDegrees, const SpacetimeVector& drawn);
double restSkyDegreesFrom(double ownMotionDegrees, const SpacetimeVector& observerOwn, double x,
                          double y);
// The drawn direction of motion, degrees from +x (0 at rest).
double drawnMotionDegrees(const Matrix4& boost);

// A face is seen when the observer's own-frame place lies on its outer side
// (along the light ray, nothing of the square comes before it).
bool faceSeen(const SpacetimeVector& observerOwn, SquareFace face);

// The disk's rim seen from the observer's own-frame place: own angles (degrees,
// from own +x) within halfWidth of centreAngle; false when inside the disk.
bool seenRimArc(const SpacetimeVector& observerOwn, double& centreAngle, double& halfWidth);

struct SeenImage {
    double from, to;            // the seen image's extent, sky degrees
    double restFrom, restTo;    // the object at rest at the same own-frame place
    double apparentRotation;    // the centre's seen direction minus its own-frame direction
    int faces[squareFaceCount]; // F8: the seen faces in order across the image
    int faceCount;
};
SeenImage seeSquare(const Matrix4& boost, double lookTime);
SeenImage seeDisk(const Matrix4& boost, double lookTime);
