// The twins' clocks along the trip. The traveller's event is linear in tau on
// each leg. Light from home reaches it from t - |x|, which grows with tau at
// the Doppler rate of each leg, so the pulse counts and arrival times follow
// from inverting that line by line; light from the traveller reaches home at
// t + |x|.
#include "relativity/twins.h"

#include <cmath>

namespace {
// a pulse sent at the very event where it is counted (the reunion) counts:
// this much of an interval absorbs the rounding of k * interval
const double countingSlack = 1e-9;

int pulsesUpTo(double time, double interval) {
    if (!(interval > 0.0) || !(time >= 0.0)) {
        return 0;
    }
    return static_cast<int>(std::floor(time / interval + countingSlack));
}

double clampTau(const TwinTrip& trip, double tau) {
    const double total = tripProperTime(trip);
    return tau < 0.0 ? 0.0 : (tau > total ? total : tau);
}
} // namespace

bool isPlayableTrip(const TwinTrip& trip) {
    return trip.turnT > 0.0 && trip.turnT < trip.reunionT && std::fabs(trip.turnX) < trip.turnT &&
           std::fabs(trip.turnX) < trip.reunionT - trip.turnT;
}

double outboundProperTime(const TwinTrip& trip) {
    return std::sqrt(trip.turnT * trip.turnT - trip.turnX * trip.turnX);
}

double returnProperTime(const TwinTrip& trip) {
    const double back = trip.reunionT - trip.turnT;
    return std::sqrt(back * back - trip.turnX * trip.turnX);
}

double tripProperTime(const TwinTrip& trip) {
    return outboundProperTime(trip) + returnProperTime(trip);
}

double legVelocity(const TwinTrip& trip, double tau) {
    return tau < outboundProperTime(trip) ? trip.turnX / trip.turnT
                                          : -trip.turnX / (trip.reunionT - trip.turnT);
}

SpacetimePoint travellerAt(const TwinTrip& trip, double tau) {
    tau = clampTau(trip, tau);
    const double out = outboundProperTime(trip);
    if (tau <= out) {
        const double s = out > 0.0 ? tau / out : 0.0;
        return {s * trip.turnX, s * trip.turnT};
    }
    const double back = returnProperTime(trip);
    const double s = back > 0.0 ? (tau - out) / back : 1.0;
    return {trip.turnX * (1.0 - s), trip.turnT + s * (trip.reunionT - trip.turnT)};
}

double homeTimeSimultaneous(const TwinTrip& trip, double tau) {
    const SpacetimePoint e = travellerAt(trip, tau);
    return e.t - legVelocity(trip, tau) * e.x; // t - t_E = u (x - x_E) at x = 0
}

double homeTimeSeen(const TwinTrip& trip, double tau) {
    const SpacetimePoint e = travellerAt(trip, tau);
    return e.t - std::fabs(e.x);
}

double dopplerOut(const TwinTrip& trip) {
    const double v = std::fabs(trip.turnX) / trip.turnT;
    return std::sqrt((1.0 - v) / (1.0 + v));
}

double dopplerBack(const TwinTrip& trip) {
    const double v = std::fabs(trip.turnX) / (trip.reunionT - trip.turnT);
    return std::sqrt((1.0 + v) / (1.0 - v));
}

int pulsesSentBy(double properTime, double interval) {
    return pulsesUpTo(properTime, interval);
}

int homePulsesReceivedBy(const TwinTrip& trip, double tau, double interval) {
    return pulsesUpTo(homeTimeSeen(trip, tau), interval);
}

double homePulseArrival(const TwinTrip& trip, int k, double interval) {
    const double sent = k * interval;
    const double out = outboundProperTime(trip);
    const double seenAtTurn = out * dopplerOut(trip);
    return sent <= seenAtTurn ? sent / dopplerOut(trip)
                              : out + (sent - seenAtTurn) / dopplerBack(trip);
}

double travellerPulseArrival(const TwinTrip& trip, int j, double interval) {
    const SpacetimePoint e = travellerAt(trip, j * interval);
    return e.t + std::fabs(e.x);
}

int travellerPulsesReceivedBy(const TwinTrip& trip, double homeTime, double interval) {
    if (!(interval > 0.0)) {
        return 0;
    }
    const int sent = pulsesUpTo(tripProperTime(trip), interval);
    int received = 0;
    while (received < sent && travellerPulseArrival(trip, received + 1, interval) <=
                                  homeTime + countingSlack * interval) {
        ++received;
    }
    return received;
}
