// Bell's spaceships (demonstration 11), in the launch frame through the boost.
// The front's world line is the rear's moved by L. The string joins the two
// ships along the rear's line of simultaneity: dark green while its stretch
// is under half the strain it bears, orange up to the strain, and past it
// broken, two loose ends in dark grey.
#include "scenes/accelerated.h"
#include "scenes/acceleratedParts.h"

#include "app/accelerated.h"

#include <cmath>

using namespace accelerated;

namespace {
const GLfloat stringWidth = 6.0f;
const double looseEnd = 0.3; // a broken string's ends, each this share of the gap
const double lineMargin = 1.5;
const float midGrey[3] = {0.5f, 0.5f, 0.5f}; // the ships at one launch-frame time
const float darkGrey[3] = {0.2f, 0.2f, 0.2f};

void piece(SpacetimePoint a, SpacetimePoint b, double from, double to) {
    glVertex3d(a.x + (b.x - a.x) * from, a.t + (b.t - a.t) * from, stringDepth);
    glVertex3d(a.x + (b.x - a.x) * to, a.t + (b.t - a.t) * to, stringDepth);
}

void drawString(SpacetimePoint rear, SpacetimePoint front, double stretch) {
    const bool broken = stretch > stringStrain;
    setColour(broken ? darkGrey : stretch < stringStrain / 2.0 ? darkGreen : orange);
    glLineWidth(stringWidth);
    glBegin(GL_LINES);
    if (broken) {
        piece(rear, front, 0.0, looseEnd);
        piece(rear, front, 1.0 - looseEnd, 1.0);
    } else {
        piece(rear, front, 0.0, 1.0);
    }
    glEnd();
}
} // namespace

void drawBellShipsScene() {
    const RocketTrip rear{properAcceleration, 0.0};
    const BellShips ships = currentBellShips();
    const double L = ships.separation;
    const RocketState now = rocketAt(rear, rocketTau);
    const double tauFront = frontTime(ships, rocketTau);
    const SpacetimePoint front = rocketAt(rear, tauFront).event;
    const SpacetimePoint frontNow{front.x + L, front.t};
    const double end = drawnTauEnd(rear);
    beginDiagram();
    {
        glLineWidth(worldLineWidth);
        glBegin(GL_LINES); // at rest before the launch
        {
            setColour(green);
            glVertex3d(0.0, drawnBelow, worldLineDepth);
            glVertex3d(0.0, 0.0, worldLineDepth);
            setColour(teal);
            glVertex3d(L, drawnBelow, worldLineDepth);
            glVertex3d(L, 0.0, worldLineDepth);
        }
        glEnd();
        drawWorldLine(rear, 0.0, end, 0.0, green);
        drawWorldLine(rear, 0.0, end, L, teal);
        drawTicks(rear, end, 0.0);
        drawTicks(rear, end, L);

        glLineWidth(lineWidth);
        glBegin(GL_LINES);
        {
            setColour(magenta);
            const double reach = std::fmin(frontNow.x, drawnFar);
            lineThrough(now.pivot, std::tanh(now.rapidity), now.pivot.x - lineMargin,
                        reach + lineMargin, frameDepth);
            if (withinReach(now.event)) {
                setColour(midGrey);
                glVertex3d(now.event.x, now.event.t, frameDepth);
                glVertex3d(now.event.x + L, now.event.t, frameDepth);
            }
        }
        glEnd();
        if (withinReach(frontNow)) {
            drawString(now.event, frontNow, stretch(ships, rocketTau));
        }
        const SpacetimePoint marks[] = {now.event, frontNow};
        drawMarks(marks, 2);
    }
    endDiagram();
}
