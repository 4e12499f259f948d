// The gyroscope on a circular orbit. In the rest frame reached from the drawn
// one by a pure boost, its spin turns at -(gamma - 1) w, the Thomas precession;
// a rest-frame direction s is drawn as the 4-vector (gamma u.s, s + (gamma - 1)
// (n.s) n), n the direction of motion, which is unit and orthogonal to gamma (1, u).
#include "relativity/thomas.h"

#include "relativity/readouts.h"

#include <cmath>

namespace {
const double pi = 3.14159265358979323846;
const double radiansPerDegree = pi / 180.0;

// rest-frame direction (cos a, sin a) seen from the frame where the gyroscope
// moves at speed u along (nx, ny)
SpacetimeVector boostedDirection(double a, double nx, double ny, double speed, double gamma) {
    const double sx = std::cos(a);
    const double sy = std::sin(a);
    const double along = nx * sx + ny * sy;
    return {sx + (gamma - 1.0) * along * nx, sy + (gamma - 1.0) * along * ny,
            gamma * speed * along};
}
} // namespace

double thomasAngle(double speed) {
    return 360.0 * (preciseLorentzFactor(speed) - 1.0);
}

double polygonAngle(int sides, double speed) {
    const double gamma = preciseLorentzFactor(speed);
    const double half = pi / sides; // half the turn at each corner
    return (sides - 2) * 180.0 -
           2.0 * sides * std::atan(1.0 / (gamma * std::tan(half))) / radiansPerDegree;
}

Gyroscope gyroscopeAt(double speed, double radius, double time) {
    const double gamma = preciseLorentzFactor(speed);
    const double phase = speed / radius * time; // radians round the orbit
    const double nx = -std::sin(phase);         // counter-clockwise
    const double ny = std::cos(phase);
    Gyroscope g;
    g.event = orbitEvent(speed, radius, time);
    g.velocity = {gamma * speed * nx, gamma * speed * ny, gamma};
    g.turnDegrees = -(gamma - 1.0) * phase / radiansPerDegree;
    g.spin = boostedDirection(g.turnDegrees * radiansPerDegree, nx, ny, speed, gamma);
    g.reference = boostedDirection(0.0, nx, ny, speed, gamma);
    return g;
}

SpacetimeVector orbitEvent(double speed, double radius, double time) {
    const double phase = speed / radius * time;
    return {radius * std::cos(phase), radius * std::sin(phase), time};
}
