// The rocket leg by leg. On a leg of proper acceleration a that starts at
// (x0, t0) with rapidity r0, the rapidity is r = r0 + a s after proper time s,
// and dt/ds = cosh r, dx/ds = sinh r give t = t0 + (sinh r - sinh r0)/a and
// x = x0 + (cosh r - cosh r0)/a, written as products of half-angle terms so
// that short steps lose no digits. Light from home reaching the rocket left
// at u = t - x, which grows as (exp(-r0) - exp(-r))/a along a leg, so a
// pulse's arrival follows from a logarithm.
#include "relativity/rocket.h"

#include <cmath>
#include <limits>

namespace {
const double infinity = std::numeric_limits<double>::infinity();
const int roundTripLegs = 4;
const double roundTripSigns[roundTripLegs] = {1.0, -1.0, -1.0, 1.0}; // out, brake, back, brake
const double boundarySlack =
    1e-12; // proper time: a pulse arriving where two legs meet belongs to one

int legCount(const RocketTrip& trip) {
    return trip.leg > 0.0 ? roundTripLegs : 1;
}

double legAcceleration(const RocketTrip& trip, int k) {
    return trip.leg > 0.0 ? trip.g * roundTripSigns[k] : trip.g;
}

double legLength(const RocketTrip& trip) {
    return trip.leg > 0.0 ? trip.leg : infinity;
}

// s of proper time along a leg of acceleration a from `start`; the leg's
// pivot is 1/a behind its start, (x0 - cosh r0 / a, t0 - sinh r0 / a)
RocketState along(const RocketState& start, double a, double s) {
    const double r0 = start.rapidity, r = r0 + a * s;
    const double half = std::sinh(a * s / 2.0) * 2.0 / a;
    return {{start.event.x + half * std::sinh((r + r0) / 2.0),
             start.event.t + half * std::cosh((r + r0) / 2.0)},
            r,
            a,
            {start.event.x - std::cosh(r0) / a, start.event.t - std::sinh(r0) / a}};
}

// at rest at home, at the launch
RocketState launch(const RocketTrip& trip) {
    return {{0.0, 0.0}, 0.0, trip.g, {-1.0 / trip.g, 0.0}};
}
} // namespace

double tripEnd(const RocketTrip& trip) {
    return legCount(trip) * legLength(trip);
}

RocketState rocketAt(const RocketTrip& trip, double tau) {
    tau = std::fmax(0.0, std::fmin(tau, tripEnd(trip)));
    RocketState s = launch(trip);
    for (int k = 0;; ++k) {
        const double start = k * trip.leg; // one way: a single leg from 0
        if (tau <= start + legLength(trip) || k + 1 == legCount(trip)) {
            return along(s, legAcceleration(trip, k), tau - start);
        }
        s = along(s, legAcceleration(trip, k), legLength(trip));
    }
}

// Both from the pivot, which stays near home, rather than from the event,
// whose t and x grow alike and cancel: the line of simultaneity is
// t = pivot.t + v (x - pivot.x), and t - x = pivot.t - pivot.x - exp(-r)/a.
double homeClockSimultaneous(const RocketState& s) {
    return s.pivot.t - std::tanh(s.rapidity) * s.pivot.x;
}

double homeClockSeen(const RocketState& s) {
    return s.pivot.t - s.pivot.x - std::exp(-s.rapidity) / s.acceleration;
}

double homePulseArrival(const RocketTrip& trip, double sent) {
    RocketState s = launch(trip);
    for (int k = 0; k < legCount(trip); ++k) {
        const double a = legAcceleration(trip, k);
        // exp(-r) where the light meeting the leg left home at `sent`
        const double e = std::exp(-s.rapidity) - a * (sent - homeClockSeen(s));
        const double s1 = e > 0.0 ? (-std::log(e) - s.rapidity) / a : infinity;
        if (s1 > -boundarySlack && s1 <= legLength(trip)) {
            return k * trip.leg + std::fmax(s1, 0.0);
        }
        if (k + 1 < legCount(trip)) {
            s = along(s, a, legLength(trip));
        }
    }
    return infinity;
}
