// The page's side of the accelerated observers, which the page always shows.
// What the page calls:
//   webSetAccelerated(setting, value)  one setting (the enum below, in order):
//       the proper acceleration g, 0.1 to 10; the rocket's (rear ship's) proper
//       time, 0 up to where g tau reaches its cap, held to a round trip's end;
//       F10's round trip, 1 or 0 (one way); each leg's proper time, 0.05 to 5;
//       F11's separation L, 0.01 to 4; the strain the string bears, 0.1 to
//       100 per cent. 0 and nothing changed when refused.
//   webResetAccelerated()   all of them back to their start values
// The readouts are worked out here too, for the panel.
#include "web/program/rocket.h"

#include "app/accelerated.h"
#include "app/sceneSettings.h"
#include "app/state.h"

#include <GL/freeglut.h>
#include <cmath>
#include <emscripten/emscripten.h>

namespace {
enum Setting { setG, setTau, setTrip, setLeg, setSeparation, setStrain, settingCount };
double roundTripOn = 0.0;                           // the page's 1 or 0 for roundTrip
double strainPercent = defaultStringStrain * 100.0; // the page's per cent for stringStrain
double* const settingValue[settingCount] = {&properAcceleration, &rocketTau,      &roundTripOn,
                                            &roundTripLeg,       &shipSeparation, &strainPercent};
const double lowest[settingCount] = {0.1, 0.0, 0.0, 0.05, 0.01, 0.1};
const double highest[settingCount] = {10.0, maxRocketRapidity, 1.0, 5.0, 4.0, 100.0};

enum RocketQuantity {
    rocketTime,      // tau
    launchTime,      // the rocket's event in the launch frame
    launchPlace,     //
    horizonDistance, // one way: proper distance to the horizon along the line of simultaneity
    rocketTotal,     // a round trip's proper time,
    homeTotal,       // home's,
    farthest,        // and how far out it turns
    gapLaunch,       // F11: L
    gapRearNow,      // proper distance to the front along the rear's line of simultaneity
    frontTimeNow,    // the front's clock there
    stretchNow,      // gapRear / L - 1
    stringBreaks,    // the rear's tau at which the stretch reaches the strain
};
const char* const rocketQuantityNames[rocketQuantityCount] = {
    "rocketTime", "launchTime", "launchPlace", "horizonDistance", "rocketTotal", "homeTotal",
    "farthest",   "gapLaunch",  "gapRear",     "frontTime",       "stretch",     "breakTime",
};
static_assert(stringBreaks + 1 == rocketQuantityCount, "a name a quantity");

bool accepted(int setting, double x) {
    if (setting < 0 || setting >= settingCount || !(x >= lowest[setting])) {
        return false;
    }
    return setting == setTau    ? properAcceleration * x <= highest[setTau] // the cap is on g tau
           : setting == setTrip ? (x == 0.0 || x == 1.0)
                                : x <= highest[setting];
}

// tau kept where the numbers stay finite, and within a round trip
void holdTau() {
    rocketTau = std::fmin(rocketTau, maxRocketRapidity / properAcceleration);
    rocketTau = std::fmin(rocketTau, tripEnd(currentRocketTrip()));
}

void readRocket(double out[rocketQuantityCount], RocketMotion& motion) {
    const RocketTrip trip = currentRocketTrip();
    const RocketState now = rocketAt(trip, rocketTau);
    motion.homeTimeSimultaneous = homeClockSimultaneous(now);
    motion.homeTimeSeen = homeClockSeen(now);
    if (roundTrip) {
        out[rocketTotal] = tripEnd(trip);
        out[homeTotal] = rocketAt(trip, tripEnd(trip)).event.t;
        out[farthest] = rocketAt(trip, tripEnd(trip) / 2.0).event.x;
    } else { // the line of simultaneity meets the horizon at the pivot, 1/g behind the rocket
        out[horizonDistance] = 1.0 / now.acceleration;
    }
}

void readShips(double out[rocketQuantityCount]) {
    const BellShips ships = currentBellShips();
    out[gapLaunch] = ships.separation;
    out[gapRearNow] = gapRear(ships, rocketTau);
    out[frontTimeNow] = frontTime(ships, rocketTau);
    out[stretchNow] = stretch(ships, rocketTau);
    out[stringBreaks] = breakTime(ships, stringStrain);
}
} // namespace

const char* rocketQuantityName(int i) {
    return (i >= 0 && i < rocketQuantityCount) ? rocketQuantityNames[i] : "";
}

bool readRocketQuantities(double drawnRapidity, RocketMotion& motion,
                          double out[rocketQuantityCount]) {
    if ((currentDemo != demoRocket && currentDemo != demoBellShips) ||
        !hasSceneOfItsOwn(currentDemo)) {
        return false;
    }
    motion = {NAN, NAN, NAN, NAN, NAN};
    const RocketTrip trip =
        currentDemo == demoRocket ? currentRocketTrip() : RocketTrip{properAcceleration, 0.0};
    const RocketState now = rocketAt(trip, rocketTau);
    out[rocketTime] = rocketTau;
    out[launchTime] = now.event.t;
    out[launchPlace] = now.event.x;
    motion.rapidity = now.rapidity + drawnRapidity;
    motion.velocity = std::tanh(motion.rapidity);
    motion.gamma = std::cosh(motion.rapidity);
    if (currentDemo == demoRocket) {
        readRocket(out, motion);
    } else {
        readShips(out);
    }
    return true;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE int webSetAccelerated(int setting, double value) {
    if (!accepted(setting, value)) {
        return 0;
    }
    *settingValue[setting] = value;
    roundTrip = roundTripOn != 0.0;
    stringStrain = strainPercent / 100.0;
    holdTau();
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE void webResetAccelerated() {
    resetAcceleratedSettings();
    roundTripOn = roundTrip ? 1.0 : 0.0;
    strainPercent = stringStrain * 100.0;
    glutPostRedisplay();
}

} // extern "C"
