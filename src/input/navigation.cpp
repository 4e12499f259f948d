// View drags act in eye space: the saved modelview is multiplied back after a
// transform T issued on the identity, so the view becomes T * view. The pivot
// viewPanX/Y/Z follows every pan, so rotations turn the scene about its own
// origin. The turnaround drag keeps both legs of the journey timelike.
#include "input/navigation.h"

#include "app/state.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const double panPerPixel = 0.01; // eye units
const double degreesPerPixel = 1.0;
const double minRotationLength = 1e-7;   // pixels
const double turnaroundPerPixel = 0.005; // diagram units
const double minSquaredInterval = 0.01;  // proper time of each leg above 0.1
const int demoTwinParadox = 3;

float savedView[16];

void beginEyeSpace() {
    glGetFloatv(GL_MODELVIEW_MATRIX, savedView);
    glLoadIdentity();
}

void endEyeSpace() {
    glMultMatrixf(savedView);
}

void translateView(double tx, double ty, double tz) {
    beginEyeSpace();
    glTranslated(tx, ty, tz);
    endEyeSpace();
}

void rotateAboutPivot(double angleDegrees, double ax, double ay, double az) {
    beginEyeSpace();
    glTranslatef(viewPanX, viewPanY, viewPanZ);
    glRotated(angleDegrees, ax, ay, az);
    glTranslatef(-viewPanX, -viewPanY, -viewPanZ);
    endEyeSpace();
}
} // namespace

void panScreenPlane() {
    const double tx = panPerPixel * mouseDeltaX;
    const double ty = panPerPixel * mouseDeltaY;
    viewPanX = static_cast<float>(viewPanX + tx);
    viewPanY = static_cast<float>(viewPanY + ty);
    translateView(tx, ty, 0.0);
}

void panSidewaysAndDepth() {
    const double tx = panPerPixel * mouseDeltaX;
    const double ty = panPerPixel * mouseDeltaY;
    viewPanX = static_cast<float>(viewPanX + tx);
    viewPanZ = static_cast<float>(viewPanZ - ty);
    translateView(tx, 0.0, -ty);
}

bool rotateAboutScreenAxis() {
    // axis perpendicular to the movement: the near side follows the pointer
    const double ax = -static_cast<double>(mouseDeltaY);
    const double ay = static_cast<double>(mouseDeltaX);
    const double length = std::sqrt(ax * ax + ay * ay);
    if (length < minRotationLength) {
        return false;
    }
    rotateAboutPivot(degreesPerPixel * length, ax / length, ay / length, 0.0);
    return true;
}

void rotateAboutViewAxis() {
    rotateAboutPivot(degreesPerPixel * mouseDeltaX, 0.0, 0.0, 1.0);
}

bool isCausalTurnaround(double x, double t) {
    const double toReunion = t - twinReunionTime;
    return x * x < t * t - minSquaredInterval && x * x < toReunion * toReunion - minSquaredInterval;
}

void dragTurnaround() {
    if (currentDemo != demoTwinParadox) {
        return;
    }
    const double x = turnaroundX + turnaroundPerPixel * mouseDeltaX;
    const double t = turnaroundT + turnaroundPerPixel * mouseDeltaY;
    if (isCausalTurnaround(x, t)) {
        turnaroundX = x;
        turnaroundT = t;
    }
}
