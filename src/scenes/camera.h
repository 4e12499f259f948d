// Demonstrations 8 and 9: the camera's picture of the cube (F8) or the sphere
// (F9), a pinhole camera at the observer aimed at the picture's middle (or
// fixed along +y), beside the construction or filling the window.
#pragma once

#include "scenes/seen.h"

const double cameraFieldOfView = 70.0; // degrees across the picture, and up it
extern const SeenRegion cameraInset;   // beside the construction: eye units, top right
extern const SeenRegion cameraWindow;  // the whole window

// The picture in the region: the sky, the object's faces (the cube's in F8's
// colours, the sphere's with its grid and F9's 12 colours on its equator),
// each point where its light comes from, hidden parts hidden along the rays;
// with the Doppler colour or brightness on, their colour bar beneath.
void drawCameraPicture(bool cube, const SeenRegion& region);
