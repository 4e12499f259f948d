// The page's twins in time (demonstration 3): the trip at the traveller's
// proper time, with its readouts.
#pragma once

struct TripReadouts {
    bool shown;                  // tau was set: the trip is drawn
    double tau;                  // the traveller's proper time shown
    double total;                // the whole trip's proper time
    double homeTimeSimultaneous; // the home clock on the traveller's line of simultaneity
    double homeTimeSeen;         // the home clock the traveller sees by light
    double dopplerOut, dopplerBack;
    int receivedByTraveller; // home pulses the traveller has by tau
    int homeSent, homeReceived, travellerSent, travellerReceived; // at the reunion
    double legVelocity;                                           // dx/dt of the leg at tau
    bool riding; // the observer follows the traveller
};

// False outside demonstration 3 or when the turnaround is not between the
// departure and the reunion. Ends the ride once something else moved the boost.
bool currentTrip(TripReadouts& out);
