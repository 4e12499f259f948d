// The 3D scenes of demonstrations 5 to 9 and what they add to the state, and
// which demonstrations have a scene of their own. The desktop shows the
// scenes of 5 to 9 and the accelerated observers of 10 and 11 only when
// started with LORENTZ_SCENES=1 (otherwise 5 to 12 show the lit icosahedron);
// the page always does. The scenes read these values; the page's controls
// write them.
#pragma once

extern bool scenesShown;           // demonstrations 5-11 draw their scenes
extern double probeRayDegrees;     // F5, F6: the highlighted ray, own frame, from the motion
extern double orbitSpeed;          // F7: the gyroscope's speed on its orbit, units of c
extern int polygonSides;           // F7: the polygon of boosts compared with the circle
extern double gyroscopeOrbitShare; // F7: how far round the gyroscope is, 0 to 1
extern double lookTime;            // F8, F9: the observer's time, the apex of its light cones
// F8, F9: the camera's picture, beside the construction or filling the window,
// with the light travel time (off: the object as measured at the observer's
// time), Doppler colour and the searchlight's brightness each switchable, and
// aimed at the picture's middle or fixed along +y
extern bool cameraWhole;
extern bool cameraLightDelay;
extern bool cameraDoppler;
extern bool cameraBrightness;
extern bool cameraAimFixed;

const int demoUpwardCone = 5;
const int demoDownwardCone = 6;
const int demoThomasPrecession = 7;
const int demoSquareTube = 8;
const int demoRoundTube = 9;
const double defaultProbeRayDegrees = 90.0;
const double defaultOrbitSpeed = 0.6;
const int defaultPolygonSides = 4;

// scenesShown from the environment: LORENTZ_SCENES=1 turns the scenes on.
void readScenesSwitch();

// Whether demo draws a scene of its own; whether its left drag boosts along
// the drag in x-y with time on z (demonstration 4 and the 3D scenes), or
// along x with time up (the spacetime diagrams: 1-3, and 10 and 11 while the
// scenes are shown).
bool hasSceneOfItsOwn(int demo);
bool boostsInThreeDimensions(int demo);
bool boostsAlongX(int demo);

// The F5-F9 values back to their start (scenesShown stays).
void resetSceneSettings();
