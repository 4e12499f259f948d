// The teaching panel's side of the program: the readouts of the selected
// demonstration from the state, an exact velocity set as if dragged there, the
// velocity written for a link, and the demonstrations' titles. The page calls:
//   webReadoutCount(), webReadoutName(i)   the readouts' names, in order
//   webReadouts()        their values, refreshed; NaN where not shown
//   webSetVelocity(v)    the spacetime diagrams (1-3, 10, 11), |v| < 1; 0 when refused
//   webSetRapidity(w)    the same by rapidity, for links too close to c for v
//   webSetBoostParts(v, w, heading, turn)  demonstrations 4-9: the boost from rest,
//                        speed v (or rapidity w where v is NaN) towards heading
//                        degrees, times a turn of the space axes; 0 when refused
//   webLinkVelocity()    "v=0.6", "rapidity=7.3" or "" at rest; in 4-9 also
//                        "&heading=30&turn=12.68", digits enough to reopen the boost
//   webHoldBoostsToLinks()  once: a drag step that would take the boost past what
//                        a link holds (rapidity 50) is not taken
//   webSetTurnaround(x, t)  demonstration 3's turnaround where causality allows; 0 when refused
//   webAddBoost(vx, vy)  demonstration 4 and the 3D scenes: one more boost, as a drag
//                        adds it; 0 when refused
//   webDemoTitle(n)      the title of function key n
//   webSetPalette(p)     0 desktop, 1 high contrast, 2 dark: the picture redrawn in it
//   webPaletteEntry...(i)  the legend's colours in the palette in use
#include "app/keyboard.h"
#include "app/sceneSettings.h"
#include "app/state.h"
#include "input/mouse.h"
#include "input/navigation.h"
#include "relativity/readouts.h"
#include "web/platform/webgl.h"
#include "web/program/diagram.h"
#include "web/program/palette.h"
#include "web/program/rocket.h"
#include "web/program/scenes.h"
#include "web/program/trip.h"

#include <GL/freeglut.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <emscripten/emscripten.h>

namespace {
const double clockProperTime = 2.0; // the clock runs from t = -1 to t = 1
const double rodProperLength = 2.0; // ends at x = -1 and x = 1
const int demoTwinParadox = 3;
const double linkGammaTolerance = 1e-10; // relative: a link reopens its boost's elements
const double linkRestVelocity = 5e-5;    // below this a link leaves v out
const double maxRapidity = 50.0;         // gamma 2.6e21: far beyond any drag
const double linkBoostTolerance = 1e-10; // each element of the 3D scenes' boost, reopened
const double maxTurnDegrees = 180.0;
const double degreesPerRadian = 180.0 / 3.14159265358979323846;

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
    rapidity,
    pairInterval,
    pairKind,         // 1 timelike, -1 spacelike, 0 lightlike
    pairFirstDiagram, // -1 the first event happens first, 1 the second, 0 together
    pairFirstOwn,
    pairSimultaneousAt,
    pairSamePlaceAt,
    pairProperTime,
    travellerTime,
    tripProperTime,
    homeTimeSimultaneous,
    homeTimeSeen,
    dopplerOut,
    dopplerBack,
    signalsReceivedByTraveller,
    reunionHomeSent,
    reunionHomeReceived,
    reunionTravellerSent,
    reunionTravellerReceived,
    rideVelocity, // riding: the velocity of the traveller's leg in the home frame
    heading,      // demonstrations 4-9: the direction of motion, degrees from +x
    quantityCount
};
const char* const quantityNames[] = {
    "demo",
    "velocity",
    "gamma",
    "coordinateTime",
    "length",
    "properTimeHome",
    "properTimeTraveller",
    "turnaroundX",
    "turnaroundT",
    "velocityX",
    "velocityY",
    "wignerAngle",
    "rapidity",
    "pairInterval",
    "pairKind",
    "pairFirstDiagram",
    "pairFirstOwn",
    "pairSimultaneousAt",
    "pairSamePlaceAt",
    "pairProperTime",
    "travellerTime",
    "tripProperTime",
    "homeTimeSimultaneous",
    "homeTimeSeen",
    "dopplerOut",
    "dopplerBack",
    "signalsReceivedByTraveller",
    "reunionHomeSent",
    "reunionHomeReceived",
    "reunionTravellerSent",
    "reunionTravellerReceived",
    "rideVelocity",
    "heading",
};
static_assert(sizeof quantityNames / sizeof quantityNames[0] == quantityCount, "a name a quantity");
// the scenes' after the panel's own, then the accelerated observers'
const int rocketQuantitiesAt = quantityCount + sceneQuantityCount;
double readouts[rocketQuantitiesAt + rocketQuantityCount];
char linkText[160];

bool hasVelocityControl() {
    return boostsAlongX(currentDemo);
}

// The boost along x that the velocity control and links set.
void setBoostX(double beta, double gammaFactor) {
    makeBoostX(beta, gammaFactor, boostMatrix);
    if (currentDemo == demoTwinParadox) {
        frameVelocity = addVelocities(0.0, beta); // held strictly inside (-1, 1)
    }
    glutPostRedisplay();
}

// How far the boost drawn is from rest, as a rapidity.
double boostRapidity() {
    const Matrix4& m = boostMatrix;
    return std::asinh(boostsInThreeDimensions(currentDemo) ? std::hypot(m.m[8], m.m[9])
                                                           : std::fabs(m.m[4]));
}

// The page's motion callback: the program's, undone where it took the boost
// past what a link can hold.
void onMotionHeldToLinks(int x, int y) {
    const Matrix4 before = boostMatrix;
    const double velocityBefore = frameVelocity;
    onMotion(x, y);
    if (!(boostRapidity() <= maxRapidity)) {
        boostMatrix = before;
        frameVelocity = velocityBefore;
    }
}

// "0.600000" as "0.6"
void trimZeros(char* text) {
    char* end = text + std::strlen(text);
    while (end > text && end[-1] == '0') {
        *--end = '\0';
    }
    if (end > text && end[-1] == '.') {
        end[-1] = '\0';
    }
}
} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int webReadoutCount() {
    return rocketQuantitiesAt + rocketQuantityCount;
}

EMSCRIPTEN_KEEPALIVE const char* webReadoutName(int i) {
    return (i >= 0 && i < quantityCount) ? quantityNames[i]
           : i < rocketQuantitiesAt      ? sceneQuantityName(i - quantityCount)
                                         : rocketQuantityName(i - rocketQuantitiesAt);
}

EMSCRIPTEN_KEEPALIVE const double* webReadouts() {
    for (double& q : readouts) {
        q = NAN;
    }
    readouts[demoNumber] = currentDemo;
    if (currentDemo == 1 || currentDemo == 2) {
        readouts[velocity] = drawnVelocityX(boostMatrix);
        readouts[gamma] = drawnGammaX(boostMatrix);
        readouts[rapidity] = std::asinh(boostMatrix.m[4]);
        if (currentDemo == 1) {
            readouts[coordinateTime] = clockProperTime * readouts[gamma];
        } else {
            readouts[length] = rodProperLength / readouts[gamma];
        }
    } else if (currentDemo == demoTwinParadox) {
        readouts[velocity] = frameVelocity;
        readouts[rapidity] = std::asinh(boostMatrix.m[4]);
        readouts[properTimeHome] = twinReunionTime;
        readouts[properTimeTraveller] =
            travellerProperTime(turnaroundX, turnaroundT, twinReunionTime);
        readouts[turnaroundEventX] = turnaroundX;
        readouts[turnaroundEventT] = turnaroundT;
    } else if (boostsInThreeDimensions(currentDemo)) {
        const BoostParts parts = splitBoost(boostMatrix);
        readouts[velocityX] = parts.velocityX;
        readouts[velocityY] = parts.velocityY;
        readouts[velocity] = parts.speed;
        readouts[gamma] = parts.gamma;
        readouts[wignerAngle] = parts.rotationDegrees;
        readouts[heading] = parts.speed > 0.0
                                ? std::atan2(parts.velocityY, parts.velocityX) * degreesPerRadian
                                : 0.0;
        readSceneQuantities(parts.speed, readouts + quantityCount);
    }
    RocketMotion motion;
    if (readRocketQuantities(std::asinh(boostMatrix.m[4]), motion, readouts + rocketQuantitiesAt)) {
        readouts[velocity] = motion.velocity;
        readouts[gamma] = motion.gamma;
        readouts[rapidity] = motion.rapidity;
        readouts[homeTimeSimultaneous] = motion.homeTimeSimultaneous;
        readouts[homeTimeSeen] = motion.homeTimeSeen;
    }
    TripReadouts trip;
    if (currentTrip(trip)) {
        if (trip.shown) {
            readouts[travellerTime] = trip.tau;
            readouts[homeTimeSimultaneous] = trip.homeTimeSimultaneous;
            readouts[homeTimeSeen] = trip.homeTimeSeen;
            readouts[signalsReceivedByTraveller] = trip.receivedByTraveller;
        }
        readouts[tripProperTime] = trip.total;
        readouts[dopplerOut] = trip.dopplerOut;
        readouts[dopplerBack] = trip.dopplerBack;
        readouts[reunionHomeSent] = trip.homeSent;
        readouts[reunionHomeReceived] = trip.homeReceived;
        readouts[reunionTravellerSent] = trip.travellerSent;
        readouts[reunionTravellerReceived] = trip.travellerReceived;
        readouts[rideVelocity] = trip.riding ? trip.legVelocity : NAN;
    }
    PairRelation pair;
    if (chosenPair(pair)) {
        readouts[pairInterval] = pair.interval;
        readouts[pairKind] = pair.kind == Separation::timelike    ? 1
                             : pair.kind == Separation::spacelike ? -1
                                                                  : 0;
        readouts[pairFirstDiagram] = pair.orderDiagram;
        readouts[pairFirstOwn] = pair.orderOwn;
        readouts[pairSimultaneousAt] = pair.simultaneousAt;
        readouts[pairSamePlaceAt] = pair.samePlaceAt;
        readouts[pairProperTime] = pair.properTime;
    }
    return readouts;
}

EMSCRIPTEN_KEEPALIVE int webSetVelocity(double v) {
    if (!hasVelocityControl() || !(std::fabs(v) < 1.0)) {
        return 0;
    }
    setBoostX(v, preciseLorentzFactor(v));
    return 1;
}

EMSCRIPTEN_KEEPALIVE int webSetRapidity(double w) {
    if (!hasVelocityControl() || !(std::fabs(w) <= maxRapidity)) {
        return 0;
    }
    setBoostX(std::tanh(w), std::cosh(w));
    return 1;
}

// The boost of the spacetime diagrams as a link writes it: v with the decimals
// that reopen its Lorentz factor, or its rapidity where v has too few.
EMSCRIPTEN_KEEPALIVE const char* webLinkVelocity() {
    linkText[0] = '\0';
    if (boostsInThreeDimensions(currentDemo)) {
        writeBoostParts(boostMatrix, linkBoostTolerance, linkText, sizeof linkText);
        return linkText;
    }
    if (!hasVelocityControl()) {
        return linkText;
    }
    const double v = drawnVelocityX(boostMatrix);
    if (!(std::fabs(v) >= linkRestVelocity)) {
        return linkText;
    }
    const int decimals = velocityDecimals(v, drawnGammaX(boostMatrix), linkGammaTolerance);
    if (decimals > 0) {
        std::snprintf(linkText, sizeof linkText, "v=%.*f", decimals, v);
        trimZeros(linkText);
    } else {
        std::snprintf(linkText, sizeof linkText, "rapidity=%.12g", std::asinh(boostMatrix.m[4]));
    }
    return linkText;
}

EMSCRIPTEN_KEEPALIVE int webSetBoostParts(double v, double w, double headingDegrees,
                                          double turnDegrees) {
    const bool byRapidity = std::isnan(v);
    if (!boostsInThreeDimensions(currentDemo) || !std::isfinite(headingDegrees) ||
        !(std::fabs(turnDegrees) <= maxTurnDegrees) ||
        !(byRapidity ? std::fabs(w) <= maxRapidity : std::fabs(v) < 1.0)) {
        return 0;
    }
    boostMatrix = boostFromParts(v, w, headingDegrees, turnDegrees);
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE void webHoldBoostsToLinks() {
    glutMotionFunc(onMotionHeldToLinks);
}

EMSCRIPTEN_KEEPALIVE int webAddBoost(double vx, double vy) {
    const double speed = std::hypot(vx, vy);
    if (!boostsInThreeDimensions(currentDemo) || !(speed < 1.0) || !(speed > 0.0)) {
        return 0;
    }
    Matrix4 step;
    makeBoost(vx / speed, vy / speed, speed, preciseLorentzFactor(speed), step);
    multiplyMatrix4(step, boostMatrix, boostMatrix); // on the left: relative to the frame shown
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE int webSetTurnaround(double x, double t) {
    if (!std::isfinite(x) || !std::isfinite(t) || !isCausalTurnaround(x, t)) {
        return 0;
    }
    turnaroundX = x;
    turnaroundT = t;
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE const char* webDemoTitle(int n) {
    return (n >= 1 && n <= 12) ? demoNames[n] : "";
}

EMSCRIPTEN_KEEPALIVE void webSetPalette(int palette) {
    setPalette(palette);
    setColourMap(paletteColour);
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE int webPaletteEntryCount() {
    return paletteEntryCount();
}

EMSCRIPTEN_KEEPALIVE const char* webPaletteEntryKey(int entry) {
    return paletteEntryKey(entry);
}

EMSCRIPTEN_KEEPALIVE const char* webPaletteEntryName(int entry) {
    return paletteEntryName(entry);
}

EMSCRIPTEN_KEEPALIVE const float* webPaletteEntryShown(int entry) {
    return paletteEntryShown(entry);
}

} // extern "C"
