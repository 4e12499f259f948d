// Two frames on one diagram. The own frame's axes and lines of simultaneity
// are drawn through boostMatrix, like the objects; the diagram's lines of
// simultaneity (horizontal) and the light cones (at 45 degrees, the same in
// every frame) are drawn in the diagram's coordinates. Labels stand upright
// in eye space beside their events, whatever the boost and the view. The
// twins' trip at the traveller's proper time tau is drawn in the home frame,
// through the boost like the world lines: the traveller's event, its line of
// simultaneity and the home clock it meets, the light arriving from home now,
// and the light pulses each twin has sent or received by then.
#include "scenes/overlays.h"

#include "app/state.h"
#include "app/teaching.h"
#include "relativity/events.h"
#include "relativity/twins.h"
#include "scenes/letters.h"
#include "scenes/twin.h"

#include <GL/gl.h>

namespace {
const double extent = 4.0;      // lines run 4 units each way, as the diagram's axes
const double lineDepth = 0.005; // just over the diagram's own lines
const double markDepth = 0.02;  // over everything of the diagram
const GLfloat overlayLineWidth = 2.0f;
const GLfloat eventPointSize = 8.0f;
const int tickCount = 3; // ticks at proper distance and time 1, 2, 3 each way
const double tickHalfLength = 0.06;
const double labelHeight = 0.12; // eye units: about 15 pixels in the start view
const double labelGap = 0.07;    // eye units right of and above the event
const double letterGridHeight = 6.0;

// colours (desktop palette): own frame violet, the diagram's simultaneity grey,
// light cones sky blue, events dark green
const GLfloat ownFrameColour[3] = {0.6f, 0.0f, 0.8f};
const GLfloat diagramLineColour[3] = {0.5f, 0.5f, 0.5f};
const GLfloat lightConeColour[3] = {0.3f, 0.6f, 1.0f};
const GLfloat eventColour[3] = {0.0f, 0.45f, 0.0f};
// the trip: the traveller's simultaneity magenta, pulses from home salmon and
// from the traveller light green, the light arriving now sky blue, marks black
const GLfloat travellerSimultaneityColour[3] = {1.0f, 0.0f, 1.0f};
const GLfloat homePulseColour[3] = {1.0f, 0.55f, 0.55f};
const GLfloat travellerPulseColour[3] = {0.35f, 0.75f, 0.35f};
const GLfloat nowMarkColour[3] = {0.0f, 0.0f, 0.0f};
const GLfloat nowPointSize = 10.0f;
const double simultaneityHalfSpan = 2.0; // in x, each side of the traveller

void setColour(const GLfloat c[3]) {
    glColor3f(c[0], c[1], c[2]);
}

void segment(double x0, double y0, double x1, double y1, double z) {
    glVertex3d(x0, y0, z);
    glVertex3d(x1, y1, z);
}

// x' and t' through the boost, ticks parallel to the other axis
void drawOwnAxes() {
    setColour(ownFrameColour);
    glBegin(GL_LINES);
    {
        segment(-extent, 0.0, extent, 0.0, lineDepth);
        segment(0.0, -extent, 0.0, extent, lineDepth);
        for (int k = -tickCount; k <= tickCount; ++k) {
            if (k != 0) {
                segment(k, -tickHalfLength, k, tickHalfLength, lineDepth);
                segment(-tickHalfLength, k, tickHalfLength, k, lineDepth);
            }
        }
    }
    glEnd();
}

void drawOwnSimultaneity(double ownX, double ownT) {
    setColour(ownFrameColour);
    glBegin(GL_LINES);
    segment(ownX - extent, ownT, ownX + extent, ownT, lineDepth);
    glEnd();
}

void drawDiagramSimultaneity(SpacetimePoint e) {
    setColour(diagramLineColour);
    glBegin(GL_LINES);
    segment(e.x - extent, e.t, e.x + extent, e.t, lineDepth);
    glEnd();
}

void drawFutureLightCone(SpacetimePoint e) {
    setColour(lightConeColour);
    glBegin(GL_LINES);
    {
        segment(e.x, e.t, e.x + extent, e.t + extent, lineDepth);
        segment(e.x, e.t, e.x - extent, e.t + extent, lineDepth);
    }
    glEnd();
}

// Upright beside the eye-space point of the current transform's origin.
void drawLabel(char letter) {
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    glPushMatrix();
    {
        glLoadIdentity();
        glTranslated(m[12] + labelGap, m[13] + labelGap, m[14]);
        const GLfloat scale = static_cast<GLfloat>(labelHeight / letterGridHeight);
        glScalef(scale, scale, scale);
        drawLetter(letter);
    }
    glPopMatrix();
}

void drawTrip() {
    const TwinTrip trip{twinReunionTime, turnaroundX, turnaroundT};
    if (!isPlayableTrip(trip)) {
        return;
    }
    const double tau = tripTau;
    const SpacetimePoint now = travellerAt(trip, tau);
    const double u = legVelocity(trip, tau);
    const double homeThen = homeTimeSimultaneous(trip, tau);
    GLfloat pointSize;
    glGetFloatv(GL_POINT_SIZE, &pointSize);
    glPushMatrix();
    {
        glMultMatrixd(boostMatrix.m);
        glBegin(GL_LINES);
        {
            if (signalInterval > 0.0) {
                setColour(homePulseColour);
                const int received = homePulsesReceivedBy(trip, tau, signalInterval);
                for (int k = 1; k <= received; ++k) {
                    const SpacetimePoint at =
                        travellerAt(trip, homePulseArrival(trip, k, signalInterval));
                    segment(0.0, k * signalInterval, at.x, at.t, lineDepth);
                }
                setColour(travellerPulseColour);
                const int sent = pulsesSentBy(tau, signalInterval);
                for (int j = 1; j <= sent; ++j) {
                    const SpacetimePoint from = travellerAt(trip, j * signalInterval);
                    segment(from.x, from.t, 0.0, travellerPulseArrival(trip, j, signalInterval),
                            lineDepth);
                }
            }
            setColour(lightConeColour); // what the traveller sees of home now
            segment(0.0, homeTimeSeen(trip, tau), now.x, now.t, lineDepth);
            setColour(travellerSimultaneityColour);
            segment(now.x - simultaneityHalfSpan, now.t - u * simultaneityHalfSpan,
                    now.x + simultaneityHalfSpan, now.t + u * simultaneityHalfSpan, lineDepth);
        }
        glEnd();
        setColour(nowMarkColour);
        glPointSize(nowPointSize);
        glBegin(GL_POINTS);
        {
            glVertex3d(now.x, now.t, markDepth);
            glVertex3d(0.0, homeThen, markDepth);
        }
        glEnd();
    }
    glPopMatrix();
    glPointSize(pointSize);
}

void drawEvents() {
    GLfloat pointSize;
    glGetFloatv(GL_POINT_SIZE, &pointSize);
    glPushMatrix();
    {
        glMultMatrixd(boostMatrix.m);
        setColour(eventColour);
        glPointSize(eventPointSize);
        glBegin(GL_POINTS);
        for (int i = 0; i < eventCount; ++i) {
            glVertex3d(eventOwnX[i], eventOwnT[i], markDepth);
        }
        glEnd();
        for (int i = 0; i < eventCount; ++i) {
            glPushMatrix();
            {
                glTranslated(eventOwnX[i], eventOwnT[i], markDepth);
                drawLabel(eventLetter[i]);
            }
            glPopMatrix();
        }
    }
    glPopMatrix();
    glPointSize(pointSize);
}
} // namespace

void drawTeachingOverlays() {
    const bool trip = currentDemo == 3 && tripShown;
    if (currentDemo < 1 || currentDemo > 3 || (!showOwnAxes && eventCount == 0 && !trip)) {
        return;
    }
    glDisable(GL_LIGHTING);
    glLineWidth(overlayLineWidth);
    glPushMatrix();
    {
        if (currentDemo == 3) {
            glTranslated(0.0, twinSceneDrop, 0.0);
        }
        for (int i = 0; i < eventCount; ++i) {
            const SpacetimePoint e = ownToDiagram(boostMatrix, {eventOwnX[i], eventOwnT[i]});
            if (showSimultaneity) {
                drawDiagramSimultaneity(e);
            }
            if (showLightCones) {
                drawFutureLightCone(e);
            }
        }
        glPushMatrix();
        {
            glMultMatrixd(boostMatrix.m);
            if (showOwnAxes) {
                drawOwnAxes();
            }
            for (int i = 0; showSimultaneity && i < eventCount; ++i) {
                drawOwnSimultaneity(eventOwnX[i], eventOwnT[i]);
            }
        }
        glPopMatrix();
        if (trip) {
            drawTrip();
        }
        drawEvents();
    }
    glPopMatrix();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
}
