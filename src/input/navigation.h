// View navigation and the twin turnaround drag, applied to the movement of the
// current motion event (mouseDeltaX, mouseDeltaY) with the modelview selected.
#pragma once

// 0.01 eye units per pixel, the scene follows the pointer.
void panScreenPlane();

// Sideways with x, away from the viewer with upward y.
void panSidewaysAndDepth();

// One degree per pixel about the screen-plane axis perpendicular to the
// movement, through the pivot. False when there was no movement.
bool rotateAboutScreenAxis();

// mouseDeltaX degrees about the viewing axis through the pivot.
void rotateAboutViewAxis();

// Demonstration 3: move the turnaround 0.005 diagram units per pixel, only
// where both legs stay timelike with squared intervals above 0.01.
void dragTurnaround();

// Both legs from departure (0, 0) and to reunion (0, twinReunionTime) timelike
// with a squared interval above 0.01.
bool isCausalTurnaround(double x, double t);
