// Mouse tracking and the boost drag. Gestures by buttons held:
//   left            boost along the drag (x only in the spacetime diagrams: 1-3, 10, 11)
//   middle          move the twin turnaround (demonstration 3)
//   left+middle     pan in the screen plane; Shift alone: sideways and in depth
//   right           rotate about an axis in the screen plane
//   button 5 (+left, +middle)  rotate about the viewing axis (pan, depth pan)
// y is stored flipped, from the bottom edge, using windowHeight.
#include "input/mouse.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "input/navigation.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
const double minDragLength = 1e-7;  // pixels; shorter means no movement
const double boostPerEvent = 0.01;  // beta per motion event, the spacetime diagrams
const double boostPerPixel = 0.01;  // beta per pixel, demonstration 4
const double maxBoostPixels = 99.0; // keeps one step's beta at 0.99, a proper boost
const int buttonBits = 32;

enum ButtonMask {
    leftDrag = 1,
    middleDrag = 2,
    leftMiddleDrag = 3,
    rightDrag = 4,
    fifthDrag = 32,
    fifthLeftDrag = 33,
    fifthMiddleDrag = 34,
};

int flipY(int y) {
    return windowHeight - 1 - y;
}

// Bit of a button number folded into 0..31, negative numbers included.
int buttonBit(int button) {
    const int folded = ((button % buttonBits) + buttonBits) % buttonBits;
    return static_cast<int>(1u << folded);
}

// One small boost per motion event, on the left of boostMatrix, so it acts
// relative to the frame shown. False when there was no movement.
bool boostDrag() {
    if (mouseModifiers != 0) {
        return true;
    }
    const double dx = mouseDeltaX;
    const double dy = mouseDeltaY;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length < minDragLength) {
        return false;
    }
    const double ux = dx / length;
    const double uy = dy / length;

    Matrix4 step;
    if (boostsAlongX(currentDemo)) {
        // along x, time on y
        const double beta = boostPerEvent * ux;
        if (currentDemo == 3) {
            frameVelocity = addVelocities(frameVelocity, beta);
        }
        makeBoostX(beta, lorentzFactor(beta), step);
    } else if (boostsInThreeDimensions(currentDemo)) {
        // along the drag in the x-y plane, time on z
        const double beta = boostPerPixel * std::min(length, maxBoostPixels);
        makeBoost(ux, uy, beta, lorentzFactor(beta), step);
    } else {
        return true;
    }
    multiplyMatrix4(step, boostMatrix, boostMatrix);
    return true;
}

// Applies the gesture of buttonMask; false means "no movement, no redraw".
bool applyDragGesture() {
    switch (buttonMask) {
    case leftDrag:
        return boostDrag();
    case middleDrag:
        dragTurnaround();
        return true;
    case leftMiddleDrag:
        if (mouseModifiers == GLUT_ACTIVE_SHIFT) {
            panSidewaysAndDepth();
        } else {
            panScreenPlane();
        }
        return true;
    case rightDrag:
        return rotateAboutScreenAxis();
    case fifthDrag:
        std::printf("22!!!\n");
        rotateAboutViewAxis();
        return true;
    case fifthLeftDrag:
        std::printf("21!!!\n");
        panScreenPlane();
        return true;
    case fifthMiddleDrag:
        std::printf("22!!!\n");
        panSidewaysAndDepth();
        return true;
    default:
        return true;
    }
}
} // namespace

void onMouse(int button, int /*state*/, int x, int y) {
    const int flippedY = flipY(y);
    buttonMask ^= buttonBit(button);
    mouseModifiers = glutGetModifiers();
    lastMouseX = x;
    lastMouseY = flippedY;
}

void onMotion(int x, int y) {
    const int flippedY = flipY(y);
    mouseDeltaX = x - lastMouseX;
    mouseDeltaY = flippedY - lastMouseY;
    lastMouseX = x;
    lastMouseY = flippedY;
    glMatrixMode(GL_MODELVIEW);
    if (applyDragGesture()) {
        glutPostRedisplay();
    }
}
