// Aberration and Doppler factors of light under a boost, and the rulings of
// the light cones in the source's (or observer's) own frame. The boost along
// the motion takes a future ray (1, cos a', sin a') to gamma (1 + v cos a',
// cos a' + v, sin a' / gamma): its tip at own time 1 stands at the Doppler factor.
#include "relativity/lightCones.h"

#include "relativity/readouts.h"

#include <algorithm>
#include <cmath>

namespace {
const double pi = 3.14159265358979323846;
const double radiansPerDegree = pi / 180.0;
const double rulingSpacingDegrees = 360.0 / coneRulingCount;

double degrees(double radians) {
    return radians / radiansPerDegree;
}

// acos of a cosine that rounding may have pushed past +-1
double clampedAcosDegrees(double cosine) {
    return degrees(std::acos(std::clamp(cosine, -1.0, 1.0)));
}
} // namespace

double aberrationHalfAngle(double speed) {
    return clampedAcosDegrees(speed);
}

double emittedDrawnAngle(double ownDegrees, double speed) {
    const double c = std::cos(ownDegrees * radiansPerDegree);
    return clampedAcosDegrees((c + speed) / (1.0 + speed * c));
}

double emittedDoppler(double ownDegrees, double speed) {
    return preciseLorentzFactor(speed) * (1.0 + speed * std::cos(ownDegrees * radiansPerDegree));
}

double receivedDrawnAngle(double ownDegrees, double speed) {
    const double c = std::cos(ownDegrees * radiansPerDegree);
    return clampedAcosDegrees((c - speed) / (1.0 - speed * c));
}

double receivedDoppler(double ownDegrees, double speed) {
    return 1.0 /
           (preciseLorentzFactor(speed) * (1.0 - speed * std::cos(ownDegrees * radiansPerDegree)));
}

double ownMotionDegrees(const Matrix4& boost) {
    const BoostParts parts = splitBoost(boost);
    if (!(parts.speed > 0.0)) {
        return 0.0;
    }
    return degrees(std::atan2(parts.velocityY, parts.velocityX)) - parts.rotationDegrees;
}

double rulingDegrees(int k) {
    return (k + 0.5) * rulingSpacingDegrees;
}

SpacetimeVector futureRayTip(double motionDegrees, double rayDegrees, double ownTime) {
    const double a = (motionDegrees + rayDegrees) * radiansPerDegree;
    return {ownTime * std::cos(a), ownTime * std::sin(a), ownTime};
}

SpacetimeVector pastRayTip(double motionDegrees, double rayDegrees, double ownTime) {
    // the light was at distance ownTime in that direction, ownTime ago
    const double a = (motionDegrees + rayDegrees) * radiansPerDegree;
    return {ownTime * std::cos(a), ownTime * std::sin(a), -ownTime};
}
