// The 3D scenes' readouts, which the panel lists after its own: the light
// cones' angles and Doppler factors (F5, F6), Thomas precession (F7), and what
// is seen of the square and the disk, and the camera's picture of the cube and
// the sphere (F8, F9).
#pragma once

const int sceneQuantityCount = 14;

// "halfAngle", "rayAngle", ...; "" out of range.
const char* sceneQuantityName(int i);

// The values for the demonstration shown, where its scene is: NaN elsewhere
// is the caller's. speed: how fast things at rest in the scene are drawn moving.
void readSceneQuantities(double speed, double out[sceneQuantityCount]);
