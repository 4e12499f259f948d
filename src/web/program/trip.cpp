// The page's side of the twins in time. What the page calls:
//   webSetTau(tau)            the trip at the traveller's proper time tau (held to
//                             the trip), drawn from now on; 0 when refused
//   webSetSignalInterval(i)   light pulses every i of each twin's proper time,
//                             0 none or 0.02 to 10; 0 when refused
//   webSetRide(on)            the observer frame follows the traveller's leg, so
//                             its world line stands upright; 0 when refused
//   webHideTrip()             back to the still picture (a lesson's fresh start)
// Riding sets the boost to minus the leg's velocity each time tau moves; a
// drag, the velocity control or a function key changes the boost and so ends it.
#include "web/program/trip.h"

#include "app/state.h"
#include "app/teaching.h"
#include "relativity/readouts.h"
#include "relativity/twins.h"

#include <GL/freeglut.h>
#include <cmath>
#include <cstring>
#include <emscripten/emscripten.h>

namespace {
const int demoTwinParadox = 3;
const double minSignalInterval = 0.02; // at most a hundred pulses on a trip of 2
const double maxSignalInterval = 10.0;

bool riding = false;
Matrix4 rideBoost; // the boost the ride set last

TwinTrip trip() {
    return {twinReunionTime, turnaroundX, turnaroundT};
}

bool playable() {
    return currentDemo == demoTwinParadox && isPlayableTrip(trip());
}

// the picture seen from the traveller's leg: things at rest at home move at -u
void followTraveller() {
    const double u = legVelocity(trip(), tripTau);
    makeBoostX(-u, preciseLorentzFactor(u), boostMatrix);
    frameVelocity = addVelocities(0.0, -u);
    rideBoost = boostMatrix;
    glutPostRedisplay();
}
} // namespace

bool currentTrip(TripReadouts& out) {
    if (riding && (currentDemo != demoTwinParadox ||
                   std::memcmp(boostMatrix.m, rideBoost.m, sizeof rideBoost.m) != 0)) {
        riding = false;
    }
    if (!playable()) {
        return false;
    }
    const TwinTrip t = trip();
    out.shown = tripShown;
    out.total = tripProperTime(t);
    out.tau = tripTau < out.total ? tripTau : out.total;
    out.homeTimeSimultaneous = homeTimeSimultaneous(t, out.tau);
    out.homeTimeSeen = homeTimeSeen(t, out.tau);
    out.dopplerOut = dopplerOut(t);
    out.dopplerBack = dopplerBack(t);
    out.receivedByTraveller = homePulsesReceivedBy(t, out.tau, signalInterval);
    out.homeSent = pulsesSentBy(t.reunionT, signalInterval);
    out.homeReceived = travellerPulsesReceivedBy(t, t.reunionT, signalInterval);
    out.travellerSent = pulsesSentBy(out.total, signalInterval);
    out.travellerReceived = homePulsesReceivedBy(t, out.total, signalInterval);
    out.legVelocity = legVelocity(t, out.tau);
    out.riding = riding;
    return true;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE int webSetTau(double tau) {
    if (!playable() || !std::isfinite(tau)) {
        return 0;
    }
    const double total = tripProperTime(trip());
    tripTau = tau < 0.0 ? 0.0 : (tau > total ? total : tau);
    tripShown = true;
    if (riding) {
        followTraveller();
    }
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE int webSetSignalInterval(double interval) {
    if (!(interval == 0.0 || (interval >= minSignalInterval && interval <= maxSignalInterval))) {
        return 0;
    }
    signalInterval = interval;
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE void webHideTrip() {
    tripShown = false;
    tripTau = 0.0;
    riding = false;
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE int webSetRide(int on) {
    if (!on) {
        riding = false;
        return 1;
    }
    if (!playable()) {
        return 0;
    }
    riding = true;
    tripShown = true;
    followTraveller();
    return 1;
}

} // extern "C"
