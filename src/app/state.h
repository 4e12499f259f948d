// The demo's process-wide state: the selected demonstration, the accumulated
// Lorentz boost, the view pivot, the twin-paradox events and the mouse record.
// Input callbacks write it; the scenes only read it.
#pragma once

#include "relativity/matrix4.h"

extern int currentDemo;     // 1..12, the function key that selected it
extern Matrix4 boostMatrix; // applied by the scenes after the view transform
extern float viewPanX;      // scene origin in eye coordinates: the pivot
extern float viewPanY;      //   of view rotations, moved by view pans
extern float viewPanZ;
extern double frameVelocity;   // observer frame of demonstration 3, in units of c
extern double twinReunionTime; // the twins meet again at (0, twinReunionTime)
extern double turnaroundX;     // the traveller turns round at (turnaroundX, turnaroundT)
extern double turnaroundT;
extern int windowHeight;   // height passed to the latest reshape, pixels
extern int buttonMask;     // bit b toggled by every event of button b
extern int mouseModifiers; // glutGetModifiers() at the latest button event
extern int lastMouseX;     // pixels from the left edge
extern int lastMouseY;     // pixels from the bottom edge
extern int mouseDeltaX;    // movement of the current motion event, y up
extern int mouseDeltaY;

// Start values of the demonstration and the twin events.
void initState();

// Back to the start view: pans (0, 0, -10), identity boost, observer at rest.
// Leaves the modelview matrix current; requests no redisplay.
void resetView();
