// Definitions of the demo's shared state, its start values and the view reset.
// The view itself lives in the OpenGL modelview matrix, not in a variable.
#include "app/state.h"

#include <GL/gl.h>

int currentDemo = 0;
Matrix4 boostMatrix = {};
float viewPanX = 0.0f;
float viewPanY = 0.0f;
float viewPanZ = 0.0f;
double frameVelocity = 0.0;
double twinReunionTime = 0.0;
double turnaroundX = 0.0;
double turnaroundT = 0.0;
int windowHeight = 0;
int buttonMask = 0;
int mouseModifiers = 0;
int lastMouseX = 0;
int lastMouseY = 0;
int mouseDeltaX = 0;
int mouseDeltaY = 0;

namespace {
const float startViewDistance = 10.0f; // eye to scene origin, between near 5 and far 25
}

void initState() {
    currentDemo = 1;
    turnaroundX = 0.1;
    twinReunionTime = 2.0;
    turnaroundT = 0.5 * twinReunionTime;
    frameVelocity = 0.0;
}

void resetView() {
    viewPanX = 0.0f;
    viewPanY = 0.0f;
    viewPanZ = -startViewDistance;
    frameVelocity = 0.0;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glGetDoublev(GL_MODELVIEW_MATRIX, boostMatrix.m); // the identity
    glTranslatef(viewPanX, viewPanY, viewPanZ);
}
