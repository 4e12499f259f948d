// A pinhole camera at the observer of demonstrations 8 and 9, photographing
// the object in 3D: a cube of side 1 whose cross-section in the plane z = 0 is
// the square, or a sphere of radius 0.5 whose equator is the disk, at rest in
// its own frame (z is the same in both frames: every boost lies in x-y). Each
// point is drawn where its light comes from (the event where its world line
// meets the observer's past light cone) or, with the light travel time off,
// where it is at the observer's time, as a ruler would find it. Sky
// coordinates are degrees: longitude from the direction of motion in the
// plane of motion, latitude from that plane.
#pragma once

#include "relativity/terrell.h"

enum CubeFace { topFace = squareFaceCount, bottomFace, cubeFaceCount }; // after the square's four
extern const char* const cubeFaceNames[cubeFaceCount];
const double sphereRadius = diskRadius;

// One look at the object: the sky at the observer's time, whether light
// travels, and how the object moves as drawn.
struct CameraLook {
    SkyView sky;
    double lookTime;
    bool lightDelay;
    double velocityX, velocityY, gamma; // the object's, in the frame drawn
};
CameraLook cameraLookAt(const Matrix4& boost, double lookTime, bool lightDelay);

// Where the camera sees the own-frame point (x, y, z): the drawn event (x, y
// and t drawn, z as is; the observer at x = y = z = 0, t = lookTime), and the
// Doppler factor of its light, 1 / (gamma (1 + u . d)) for u the object's
// velocity and d the unit direction towards the point (light running along -d).
struct SeenPoint {
    double x, y, z, t;
    double doppler;
};
SeenPoint seenPoint(const CameraLook& look, double x, double y, double z);

// The Doppler factor of light reaching the observer from the sky direction
// (longitude, latitude), from an object moving at `speed` along longitude 0.
double skyDoppler(double speed, double longitude, double latitude);

// The sky direction (longitude, latitude) of a drawn direction (x, y, z).
void skyAngles(const CameraLook& look, double x, double y, double z, double& longitude,
               double& latitude);

// A face, or a point of the sphere with outward normal n, is in the picture
// when it faces the observer's own-frame place: with light delay, light runs
// straight there in the own frame; without, the slice at the observer's time
// is the own frame drawn by an affine map that keeps the observer at that
// place. Either way nothing of the convex object lies in front of it.
bool cubeFaceSeen(const CameraLook& look, int face);
bool sphereNormalSeen(const CameraLook& look, const double n[3]);
// The face's corners, own frame, counter-clockwise seen from outside, and its outward normal.
void cubeFaceCorners(int face, double corners[4][3], double normal[3]);

// The picture's size: its extent along the plane of motion (from, to: the
// longitudes of its ends, counter-clockwise, each in (-180, 180]) and
// perpendicular to it through its middle (across), found by casting rays from
// the observer through the object; the middle is where the camera aims. All
// NaN when nothing is seen (the observer inside the object).
struct PictureSize {
    double from, to, along, across;
    double middle; // longitude
};
PictureSize cubePicture(const CameraLook& look);
PictureSize spherePicture(const CameraLook& look);
