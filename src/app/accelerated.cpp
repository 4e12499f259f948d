// The accelerated observers' settings and their start values.
#include "app/accelerated.h"

double properAcceleration = defaultProperAcceleration;
double rocketTau = defaultRocketTau;
bool roundTrip = false;
double roundTripLeg = defaultRoundTripLeg;
double shipSeparation = defaultShipSeparation;
double stringStrain = defaultStringStrain;

RocketTrip currentRocketTrip() {
    return {properAcceleration, roundTrip ? roundTripLeg : 0.0};
}

BellShips currentBellShips() {
    return {properAcceleration, shipSeparation};
}

void resetAcceleratedSettings() {
    properAcceleration = defaultProperAcceleration;
    rocketTau = defaultRocketTau;
    roundTrip = false;
    roundTripLeg = defaultRoundTripLeg;
    shipSeparation = defaultShipSeparation;
    stringStrain = defaultStringStrain;
}
