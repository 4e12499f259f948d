// Accelerated observers against an independent construction and the closed
// forms: the rocket's world line from a numerical integration of a
// four-acceleration of size g at right angles to the four-velocity, one way
// and round trip; its lines of simultaneity at right angles to the
// four-velocity and through (-1/g, 0); home's pulses meeting the world line
// where t - x reaches their sending time, and never once sent at 1/g; and
// Bell's ships at worked values to four decimals.
#include "relativity/bell.h"
#include "relativity/rocket.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {
const double closedFormDigits = 5e-5; // the worked values have four decimals

// (x, t, u^x, u^t) integrated over proper time with classical Runge-Kutta:
// du^x/ds = a u^t, du^t/ds = a u^x keeps u.u = 1 and a.u = 0, with a.a = a^2.
struct Worldline {
    double x = 0, t = 0, ux = 0, ut = 1;
};
Worldline rk4(Worldline w, double a, double ds) {
    auto rate = [a](const Worldline& s) { return Worldline{s.ux, s.ut, a * s.ut, a * s.ux}; };
    auto plus = [](Worldline s, const Worldline& k, double h) {
        return Worldline{s.x + h * k.x, s.t + h * k.t, s.ux + h * k.ux, s.ut + h * k.ut};
    };
    const Worldline k1 = rate(w), k2 = rate(plus(w, k1, ds / 2)), k3 = rate(plus(w, k2, ds / 2)),
                    k4 = rate(plus(w, k3, ds));
    return {w.x + ds / 6 * (k1.x + 2 * k2.x + 2 * k3.x + k4.x),
            w.t + ds / 6 * (k1.t + 2 * k2.t + 2 * k3.t + k4.t),
            w.ux + ds / 6 * (k1.ux + 2 * k2.ux + 2 * k3.ux + k4.ux),
            w.ut + ds / 6 * (k1.ut + 2 * k2.ut + 2 * k3.ut + k4.ut)};
}
} // namespace

TEST(Rocket, TheWorldLineIsTheIntegratedConstantProperAcceleration) {
    const int stepsPerUnit = 4000;
    for (const RocketTrip trip :
         {RocketTrip{1.0, 0.0}, RocketTrip{0.5, 0.0}, RocketTrip{2.0, 0.0}, RocketTrip{1.0, 1.0},
          RocketTrip{0.5, 1.0}, RocketTrip{3.0, 0.4}}) {
        const double end = trip.leg > 0 ? 4 * trip.leg : 3.0 / trip.g;
        const int steps = static_cast<int>(end * stepsPerUnit);
        Worldline w;
        for (int i = 1; i <= steps; ++i) {
            const double s = (i - 0.5) * end / steps; // each leg's sign: +, -, -, +
            const int leg = trip.leg > 0 ? static_cast<int>(s / trip.leg) : 0;
            w = rk4(w, (leg == 1 || leg == 2) ? -trip.g : trip.g, end / steps);
            if (i % (steps / 8) == 0 || i == steps) {
                const RocketState r = rocketAt(trip, i * end / steps);
                EXPECT_NEAR(r.event.x, w.x, 1e-6) << trip.g << " " << trip.leg << " at " << s;
                EXPECT_NEAR(r.event.t, w.t, 1e-6) << trip.g << " " << trip.leg << " at " << s;
                EXPECT_NEAR(std::tanh(r.rapidity), w.ux / w.ut, 1e-6);
                // the line of simultaneity: through the pivot, at right angles to u
                const SpacetimePoint p = r.pivot;
                const double dx = r.event.x - p.x, dt = r.event.t - p.t;
                EXPECT_NEAR(dt * w.ut - dx * w.ux, 0.0, 1e-6);
                EXPECT_NEAR(dx * dx - dt * dt, 1.0 / (trip.g * trip.g), 1e-6);
                if (trip.leg == 0.0) {
                    EXPECT_NEAR(p.x, -1.0 / trip.g, 1e-12);
                    EXPECT_NEAR(p.t, 0.0, 1e-12);
                }
            }
        }
        if (trip.leg > 0) { // home again, at rest
            EXPECT_NEAR(w.x, 0.0, 1e-6);
            EXPECT_NEAR(w.ut, 1.0, 1e-6);
        }
    }
}

TEST(Rocket, ReadoutsAtTheClosedForms) {
    struct Case {
        double g, tau, t, x, v, gamma, horizon, simultaneous, seen;
    };
    const double unset = NAN;
    for (const Case& c : {Case{1, 1, 1.1752, 0.5431, 0.7616, 1.5431, 1, 0.7616, 0.6321},
                          Case{1, 2, 3.6269, 2.7622, 0.9640, 3.7622, 1, unset, 0.8647},
                          Case{0.5, 1, 1.0422, 0.2553, 0.4621, unset, 2, 0.9242, unset},
                          Case{2, 0.5, 0.5876, 0.2715, unset, unset, 0.5, unset, unset}}) {
        const RocketState r = rocketAt({c.g, 0.0}, c.tau);
        // the line of simultaneity meets the horizon where both pass through the pivot
        const SpacetimePoint p = r.pivot;
        const double dx = r.event.x - p.x, dt = r.event.t - p.t;
        const double values[] = {r.event.t,
                                 r.event.x,
                                 std::tanh(r.rapidity),
                                 std::cosh(r.rapidity),
                                 std::sqrt(dx * dx - dt * dt),
                                 homeClockSimultaneous(r),
                                 homeClockSeen(r)};
        const double expected[] = {c.t, c.x, c.v, c.gamma, c.horizon, c.simultaneous, c.seen};
        for (int i = 0; i < 7; ++i) {
            if (!std::isnan(expected[i])) {
                EXPECT_NEAR(values[i], expected[i], closedFormDigits)
                    << "g " << c.g << ", tau " << c.tau << ", value " << i;
            }
        }
    }
    // the home clock on the line of simultaneity stalls below 1/g; what is seen too
    const RocketState late = rocketAt({1.0, 0.0}, 15.0); // gamma 1.6e6
    EXPECT_LT(homeClockSimultaneous(late), 1.0);
    EXPECT_NEAR(homeClockSimultaneous(late), 1.0, 1e-12);
    EXPECT_LT(homeClockSeen(late), 1.0);
    EXPECT_NEAR(homeClockSeen(late), 1.0, 1e-6);

    // round trips: 4 tau1, home 4 sinh(g tau1)/g, farthest 2 (cosh(g tau1) - 1)/g
    for (const auto& [g, homeTotal, farthest] :
         {std::array<double, 3>{1, 4.7008, 1.0862}, std::array<double, 3>{0.5, 4.1688, 0.5105}}) {
        const RocketTrip trip{g, 1.0};
        EXPECT_EQ(tripEnd(trip), 4.0);
        EXPECT_NEAR(rocketAt(trip, 4.0).event.t, homeTotal, closedFormDigits);
        EXPECT_NEAR(rocketAt(trip, 2.0).event.x, farthest, closedFormDigits);
        EXPECT_NEAR(rocketAt(trip, 9.0).event.t, homeTotal, closedFormDigits); // held to the end
    }
}

TEST(Rocket, HomesPulsesMeetTheWorldLineOnlyIfSentBeforeOneOverG) {
    // sent at 0.5 (g = 1): arrives at tau = ln 2, at (t, x) = (0.75, 0.25)
    const RocketTrip oneWay{1.0, 0.0};
    EXPECT_NEAR(homePulseArrival(oneWay, 0.5), std::log(2.0), 1e-12);
    const RocketState at = rocketAt(oneWay, homePulseArrival(oneWay, 0.5));
    EXPECT_NEAR(at.event.t, 0.75, 1e-12);
    EXPECT_NEAR(at.event.x, 0.25, 1e-12);
    for (double g : {0.5, 1.0, 4.0}) {
        for (double sent : {0.0, 0.3 / g, 0.9 / g, 0.999 / g}) {
            const double tau = homePulseArrival({g, 0.0}, sent);
            EXPECT_NEAR(tau, -std::log(1 - g * sent) / g, 1e-9);
            const RocketState r = rocketAt({g, 0.0}, tau); // on the light line x = t - sent
            EXPECT_NEAR(r.event.x, r.event.t - sent, 1e-9 * std::cosh(g * tau));
        }
        // from 1/g on, the light line x = t - sent lies beyond the horizon x = t - 1/g:
        // t - x = (1 - exp(-g tau))/g along the world line never reaches it
        for (double sent : {1.0 / g, 1.2 / g, 5.0 / g}) {
            EXPECT_TRUE(std::isinf(homePulseArrival({g, 0.0}, sent))) << g << " " << sent;
            for (double tau = 0; tau <= 15.0 / g; tau += 0.25 / g) { // t - x resolved
                const RocketState r = rocketAt({g, 0.0}, tau);
                ASSERT_LT(r.event.t - r.event.x, sent) << g << " " << tau;
            }
        }
    }
    // a round trip receives every pulse sent before it is home, each where t - x is its time
    const RocketTrip round{1.0, 1.0};
    const double homeTotal = rocketAt(round, 4.0).event.t;
    for (double sent = 0.0; sent < homeTotal; sent += 0.25) {
        const double tau = homePulseArrival(round, sent);
        ASSERT_TRUE(tau >= 0 && tau <= 4.0) << sent;
        EXPECT_NEAR(homeClockSeen(rocketAt(round, tau)), sent, 1e-9) << sent;
    }
    EXPECT_TRUE(std::isinf(homePulseArrival(round, homeTotal + 0.1)));
}

TEST(Bell, GapFrontClockAndBreakAtTheClosedForms) {
    struct Case {
        double g, L, tau, gap, front;
    };
    for (const Case& c :
         {Case{1, 1, 1, 2.0862, 2.0}, Case{1, 0.5, 1, 0.9314, 1.5582}, Case{1, 0.5, 2, 2.9520, NAN},
          Case{1, 0.01, 1, 0.0155, NAN}, Case{0.5, 1, 1, 1.1944, NAN}}) {
        const BellShips ships{c.g, c.L};
        EXPECT_NEAR(gapRear(ships, c.tau), c.gap, closedFormDigits) << c.L << " " << c.tau;
        EXPECT_NEAR(stretch(ships, c.tau), c.gap / c.L - 1, closedFormDigits / c.L);
        if (!std::isnan(c.front)) {
            EXPECT_NEAR(frontTime(ships, c.tau), c.front, closedFormDigits);
        }
        EXPECT_NEAR(gapRear(ships, 0.0), c.L, 1e-12); // together at launch: L apart
    }
    EXPECT_NEAR(breakTime({1.0, 0.5}, 0.10), 0.3617, closedFormDigits);
    for (double strain : {0.01, 0.1, 1.0}) { // the stretch reaches the strain there
        const BellShips ships{2.0, 0.3};
        EXPECT_NEAR(stretch(ships, breakTime(ships, strain)), strain, 1e-9);
    }
    // at the cap of g tau the numbers stay finite
    const BellShips far{10.0, 4.0};
    EXPECT_TRUE(std::isfinite(gapRear(far, maxRocketRapidity / 10.0)));
    EXPECT_TRUE(std::isfinite(frontTime(far, maxRocketRapidity / 10.0)));
}
