// The twin paradox in time, in the home twin's frame (x, t), c = 1: the
// traveller leaves home (0, 0), turns round at (X, T1) and meets home again
// at (0, T). Its proper time tau runs from 0 to the sum of the legs' proper
// times. What each twin's line of simultaneity says of the other's clock,
// what each sees of it by light (Doppler), and the light pulses each sends
// every interval of its own proper time. Pure functions.
#pragma once

#include "relativity/events.h"

struct TwinTrip {
    double reunionT; // T
    double turnX;    // X
    double turnT;    // T1
};

// Both legs run forward in time: 0 < T1 < T (and, as the drag keeps them, slower than light).
bool isPlayableTrip(const TwinTrip& trip);

double outboundProperTime(const TwinTrip& trip); // sqrt(T1^2 - X^2)
double returnProperTime(const TwinTrip& trip);   // sqrt((T - T1)^2 - X^2)
double tripProperTime(const TwinTrip& trip);

// dx/dt of the leg the traveller is on at tau: X / T1 out, -X / (T - T1) back
// (it has turned round from tau = the outbound proper time on).
double legVelocity(const TwinTrip& trip, double tau);

// The traveller's event at proper time tau (held to 0 .. the trip's proper time).
SpacetimePoint travellerAt(const TwinTrip& trip, double tau);

// The home clock on the traveller's line of simultaneity through its event at
// tau, in the frame of its leg: T1 - v1 X just before the turnaround, T1 + v2 X after.
double homeTimeSimultaneous(const TwinTrip& trip, double tau);

// The home clock the traveller sees at tau: the light reaching its event
// (x, t) left home at t - |x|.
double homeTimeSeen(const TwinTrip& trip, double tau);

// Rates at which each twin sees the other's clock run, out and back:
// sqrt((1 - v1) / (1 + v1)) receding, sqrt((1 + v2) / (1 - v2)) approaching.
double dopplerOut(const TwinTrip& trip);
double dopplerBack(const TwinTrip& trip);

// Light pulses every interval of proper time (a pulse sent at the reunion counts).
int pulsesSentBy(double properTime, double interval); // by either twin, on its own clock
// home pulses the traveller has received by tau
int homePulsesReceivedBy(const TwinTrip& trip, double tau, double interval);
// the traveller's proper time when home pulse k (sent at k interval) reaches it
double homePulseArrival(const TwinTrip& trip, int k, double interval);
// the home time when the traveller's pulse j (sent at tau = j interval) reaches home
double travellerPulseArrival(const TwinTrip& trip, int j, double interval);
// the traveller's pulses home has received by home time t
int travellerPulsesReceivedBy(const TwinTrip& trip, double homeTime, double interval);
