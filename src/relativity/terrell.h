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

// One look at the object at the observer's time: the boost, the observer's
// event in the object's own coordinates, and the direction of motion, drawn
// and in the own frame (degrees from +x; +x at rest), worked out once.
struct SkyView {
    Matrix4 boost;
    SpacetimeVector observer;
    double drawnMotion;
    double ownMotion;
};
SkyView skyViewAt(const Matrix4& boost, double lookTime);

// The sky angle, 0 to 360, at which the observer sees the rest point (x, y):
// the direction its light arrives from, from the direction of motion.
double seenSkyDegrees(const SkyView& view, double x, double y);

// The same for the object at rest, seen from the observer's own-frame place:
// the direction of (x, y) from there, from the direction of motion in the own frame.
double restSkyDegrees(const SkyView& view, double x, double y);

// A face is seen when the observer's own-frame place lies on its outer side
// (along the light ray, nothing of the square comes before it).
bool faceSeen(const SpacetimeVector& observerOwn, SquareFace face);

// The disk's rim seen from the observer's own-frame place: own angles (degrees,
// from own +x) within halfWidth of centreAngle; false when inside the disk.
bool seenRimArc(const SpacetimeVector& observerOwn, double& centreAngle, double& halfWidth);

// Extents run counter-clockwise from `from` to `to`, each in (-180, 180] (so an
// image across the direction of motion has from < 0 < to, and one across the
// opposite direction from > to); NaN when nothing is seen.
struct SeenImage {
    double from, to;            // the seen image's extent, sky degrees
    double restFrom, restTo;    // the object at rest at the same own-frame place
    double apparentRotation;    // the centre's seen direction minus its own-frame direction
    int faces[squareFaceCount]; // F8: the seen faces in order across the image
    int faceCount;
};
SeenImage seeSquare(const Matrix4& boost, double lookTime);
SeenImage seeDisk(const Matrix4& boost, double lookTime);
