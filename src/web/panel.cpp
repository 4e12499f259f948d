// The teaching panel's side of the program: the readouts of the selected
// demonstration from the state, an exact velocity set as if dragged there,
// and the demonstrations' titles. What the page calls:
//   webReadouts()        the numbers below, refreshed, in a fixed order
//   webSetVelocity(v)    demonstrations 1-3, |v| < 1; 0 when refused
//   webDemoTitle(n)      the title of function key n
#include "app/keyboard.h"
#include "app/state.h"
#include "relativity/readouts.h"

#include <GL/freeglut.h>
#include <cmath>
#include <emscripten/emscripten.h>

namespace {
const double clockProperTime = 2.0; // the clock runs from t = -1 to t = 1
const double rodProperLength = 2.0; // ends at x = -1 and x = 1
const int demoTwinParadox = 3;
const int demoSearchlight = 4;

// the page reads them by index, in this order
enum Quantity {
    demoNumber,
    velocity,
    gamma,
    coordinateTime,
    length,
    properTimeHome,
    properTimeTraveller,
    turnaroundEventX,
    turnaroundEventT,
    velocityX,
    velocityY,
    wignerAngle,
    quantityCount
};
double readouts[quantityCount];
} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const double* webReadouts() {
    for (double& q : readouts) {
        q = NAN;
    }
    readouts[demoNumber] = currentDemo;
    if (currentDemo == 1 || currentDemo == 2) {
        readouts[velocity] = drawnVelocityX(boostMatrix);
        readouts[gamma] = drawnGammaX(boostMatrix);
        if (currentDemo == 1) {
            readouts[coordinateTime] = clockProperTime * readouts[gamma];
        } else {
            readouts[length] = rodProperLength / readouts[gamma];
        }
    } else if (currentDemo == demoTwinParadox) {
        readouts[velocity] = frameVelocity;
        readouts[properTimeHome] = twinReunionTime;
        readouts[properTimeTraveller] =
            travellerProperTime(turnaroundX, turnaroundT, twinReunionTime);
        readouts[turnaroundEventX] = turnaroundX;
        readouts[turnaroundEventT] = turnaroundT;
    } else if (currentDemo == demoSearchlight) {
        const BoostParts parts = splitBoost(boostMatrix);
        readouts[velocityX] = parts.velocityX;
        readouts[velocityY] = parts.velocityY;
        readouts[velocity] = parts.speed;
        readouts[gamma] = parts.gamma;
        readouts[wignerAngle] = parts.rotationDegrees;
    }
    return readouts;
}

EMSCRIPTEN_KEEPALIVE int webSetVelocity(double v) {
    if (currentDemo < 1 || currentDemo > demoTwinParadox || !(std::fabs(v) < 1.0)) {
        return 0;
    }
    makeBoostX(v, lorentzFactor(v), boostMatrix);
    if (currentDemo == demoTwinParadox) {
        frameVelocity = v;
    }
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE const char* webDemoTitle(int n) {
    return (n >= 1 && n <= 12) ? demoNames[n] : "";
}

} // extern "C"
