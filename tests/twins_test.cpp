// The twins in time against the closed forms, for a few turnarounds: the
// traveller's event at tau, the home clock on its line of simultaneity just
// before and after the turnaround (T1 - v1 X, then T1 + v2 X), the home clock
// seen by light (tau times the Doppler factor on the way out), and the light
// pulses: counts are the floor of the seen time over the interval, and at the
// reunion what each twin sent the other has received, the counts giving the
// proper times.
#include "relativity/twins.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {
const TwinTrip trips[] = {{2.0, 0.1, 1.0}, {2.0, 0.6, 1.0}, {2.0, 0.3, 0.5}, {2.0, -0.4, 1.4}};
const double interval = 0.2;
} // namespace

TEST(Twins, TheTravellersEventAndClocksFollowTheClosedForms) {
    for (const TwinTrip& trip : trips) {
        const double X = trip.turnX, T1 = trip.turnT, T = trip.reunionT;
        ASSERT_TRUE(isPlayableTrip(trip));
        const double tau1 = std::sqrt(T1 * T1 - X * X),
                     tau2 = std::sqrt((T - T1) * (T - T1) - X * X);
        EXPECT_NEAR(tripProperTime(trip), tau1 + tau2, 1e-15);
        for (double f : {0.0, 0.25, 0.5, 1.0}) {
            const SpacetimePoint out = travellerAt(trip, f * tau1);
            EXPECT_NEAR(out.x, f * X, 1e-15);
            EXPECT_NEAR(out.t, f * T1, 1e-15);
            const SpacetimePoint back = travellerAt(trip, tau1 + f * tau2);
            EXPECT_NEAR(back.x, (1 - f) * X, 1e-15);
            EXPECT_NEAR(back.t, T1 + f * (T - T1), 1e-15);
        }
        const double v1 = X / T1, v2 = X / (T - T1);
        EXPECT_NEAR(homeTimeSimultaneous(trip, tau1 - 1e-12), T1 - v1 * X, 1e-9);
        EXPECT_NEAR(homeTimeSimultaneous(trip, tau1), T1 + v2 * X, 1e-12);
        EXPECT_NEAR(legVelocity(trip, 0.0), v1, 1e-15);
        EXPECT_NEAR(legVelocity(trip, tau1), -v2, 1e-15);

        const double a1 = std::fabs(v1), a2 = std::fabs(v2);
        EXPECT_NEAR(dopplerOut(trip), std::sqrt((1 - a1) / (1 + a1)), 1e-15);
        EXPECT_NEAR(dopplerBack(trip), std::sqrt((1 + a2) / (1 - a2)), 1e-15);
        for (double f : {0.1, 0.5, 0.9}) {
            EXPECT_NEAR(homeTimeSeen(trip, f * tau1), f * tau1 * dopplerOut(trip), 1e-12);
            EXPECT_NEAR(homeTimeSeen(trip, tau1 + f * tau2) - homeTimeSeen(trip, tau1),
                        f * tau2 * dopplerBack(trip), 1e-12);
        }
        EXPECT_NEAR(homeTimeSeen(trip, tau1 + tau2), T, 1e-12); // together again
    }
}

TEST(Twins, PulsesCountWhatEachTwinSeesAndAgreeAtTheReunion) {
    for (const TwinTrip& trip : trips) {
        const double total = tripProperTime(trip);
        // home's pulse k leaves x = 0 at t = k interval; it meets the traveller where
        // t - |x| reaches k interval, found by bisection along the world line
        std::vector<double> arrivals;
        for (int k = 1; k * interval <= trip.reunionT + 1e-9; ++k) {
            double lo = 0.0, hi = total;
            for (int i = 0; i < 80; ++i) {
                const double mid = 0.5 * (lo + hi);
                const SpacetimePoint at = travellerAt(trip, mid);
                (at.t - std::fabs(at.x) < k * interval ? lo : hi) = mid;
            }
            arrivals.push_back(hi);
        }
        for (int step = 0; step <= 200; ++step) {
            const double tau = total * step / 200;
            int arrived = 0;
            for (double arrival : arrivals) {
                arrived += arrival <= tau + 1e-9;
            }
            EXPECT_EQ(homePulsesReceivedBy(trip, tau, interval), arrived) << "at tau " << tau;
        }
        for (int k = 1; k <= pulsesSentBy(trip.reunionT, interval); ++k) {
            // pulse k reaches the traveller when it sees home's clock at k interval
            EXPECT_NEAR(homeTimeSeen(trip, homePulseArrival(trip, k, interval)), k * interval,
                        1e-12);
        }
        const int homeSent = pulsesSentBy(trip.reunionT, interval);
        const int travellerSent = pulsesSentBy(total, interval);
        EXPECT_EQ(homePulsesReceivedBy(trip, total, interval), homeSent);
        EXPECT_EQ(travellerPulsesReceivedBy(trip, trip.reunionT, interval), travellerSent);
        EXPECT_EQ(homeSent, 10); // T = 2: a pulse every 0.2, the last at the reunion
        EXPECT_LE(travellerSent * interval, total + 1e-9);
        EXPECT_GT((travellerSent + 1) * interval, total);
        EXPECT_LT(travellerSent, homeSent) << "the traveller comes back younger";
        // none of the traveller's pulses arrives home before it was sent, or after the reunion
        for (int j = 1; j <= travellerSent; ++j) {
            EXPECT_GE(travellerPulseArrival(trip, j, interval), travellerAt(trip, j * interval).t);
            EXPECT_LE(travellerPulseArrival(trip, j, interval), trip.reunionT + 1e-12);
        }
    }
    EXPECT_FALSE(isPlayableTrip({2.0, 0.1, -0.2})); // a turnaround before the departure
    EXPECT_EQ(pulsesSentBy(5.0, 0.0), 0);
}
