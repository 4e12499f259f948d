// The rocket at constant proper acceleration (demonstration 10), in the launch
// frame through the boost. Its line of simultaneity at rocketTau runs through
// its leg's pivot ((-1/g, 0) one way) with slope v; home's clock where it
// meets x = 0 never reaches 1/g, and light sent from home at 1/g or later runs
// beside the horizon x = t - 1/g and never reaches the rocket.
#include "scenes/accelerated.h"
#include "scenes/acceleratedParts.h"

#include "app/accelerated.h"

#include <algorithm>
#include <cmath>

using namespace accelerated;

namespace {
const double pulseEvery = 0.25; // home's time between pulses
const double ownAxisHalf = 1.2; // launch-frame time each way along the rocket's own t' axis
const double lineMargin = 1.5;  // the line of simultaneity runs this far past what it joins
const float salmon[3] = {1.0f, 0.55f, 0.55f}; // home's pulses that arrive
const float paleGrey[3] = {0.8f, 0.8f, 0.8f}; // and those that never do
const GLfloat pulseWidth = 1.5f;

// Home's pulses: to the rocket where they meet it, beside the horizon where they never do.
void drawPulses(const RocketTrip& trip) {
    const double last = trip.leg > 0.0 ? rocketAt(trip, tripEnd(trip)).event.t : drawnTop;
    glLineWidth(pulseWidth);
    glBegin(GL_LINES);
    for (int k = 0; k * pulseEvery <= last; ++k) {
        const double sent = k * pulseEvery;
        const double tau = homePulseArrival(trip, sent);
        const SpacetimePoint to =
            std::isinf(tau) ? SpacetimePoint{drawnTop, sent + drawnTop} : rocketAt(trip, tau).event;
        setColour(std::isinf(tau) ? paleGrey : salmon);
        glVertex3d(0.0, sent, lightDepth);
        glVertex3d(to.x, to.t, lightDepth);
    }
    glEnd();
}

// The rocket's frame at its event: the line of simultaneity through the pivot
// and across home, its own time axis, and the light from home reaching it now.
void drawRocketFrame(const RocketState& now) {
    const SpacetimePoint e = now.event, p = now.pivot;
    const double v = std::tanh(now.rapidity);
    const double ex = std::clamp(e.x, -drawnFar, drawnFar);
    glLineWidth(lineWidth);
    glBegin(GL_LINES);
    {
        setColour(magenta);
        lineThrough(p, v, std::min({p.x, 0.0, ex}) - lineMargin,
                    std::max({p.x, 0.0, ex}) + lineMargin, frameDepth);
        setColour(sky);
        const double seen = homeClockSeen(now);
        glVertex3d(0.0, seen, frameDepth);
        glVertex3d(ex, seen + ex, frameDepth);
        if (withinReach(e)) {
            setColour(violet);
            glVertex3d(e.x - v * ownAxisHalf, e.t - ownAxisHalf, frameDepth);
            glVertex3d(e.x + v * ownAxisHalf, e.t + ownAxisHalf, frameDepth);
        }
    }
    glEnd();
}
} // namespace

void drawRocketScene() {
    const RocketTrip trip = currentRocketTrip();
    const RocketState now = rocketAt(trip, rocketTau);
    const double end = drawnTauEnd(trip);
    beginDiagram();
    {
        setColour(darkGreen); // home
        glLineWidth(worldLineWidth);
        glBegin(GL_LINES);
        {
            glVertex3d(0.0, drawnBelow, worldLineDepth);
            glVertex3d(0.0, drawnTop, worldLineDepth);
        }
        glEnd();
        if (trip.leg > 0.0) { // out and braking, then back and braking
            drawWorldLine(trip, 0.0, end / 2.0, 0.0, green);
            drawWorldLine(trip, end / 2.0, end, 0.0, teal);
        } else {
            drawWorldLine(trip, 0.0, end, 0.0, green);
            setColour(orange); // the horizon, x = t - 1/g, from the pivot
            glLineWidth(lineWidth);
            glBegin(GL_LINES);
            lineThrough(now.pivot, 1.0, now.pivot.x, drawnTop, lightDepth);
            glEnd();
        }
        drawTicks(trip, end, 0.0);
        drawPulses(trip);
        drawRocketFrame(now);
        const SpacetimePoint marks[] = {now.event, {0.0, homeClockSimultaneous(now)}};
        drawMarks(marks, 2);
    }
    endDiagram();
}
