// Two frames on one diagram. The own frame's axes and lines of simultaneity
// are drawn through boostMatrix, like the objects; the diagram's lines of
// simultaneity (horizontal) and the light cones (at 45 degrees, the same in
// every frame) are drawn in the diagram's coordinates. Labels stand upright
// in eye space beside their events, whatever the boost and the view.
#include "scenes/overlays.h"

#include "app/state.h"
#include "app/teaching.h"
#include "relativity/events.h"
#include "scenes/letters.h"

#include <GL/gl.h>

namespace {
const double extent = 4.0;         // lines run 4 units each way, as the diagram's axes
const double lineDepth = 0.005;    // just over the diagram's own lines
const double markDepth = 0.02;     // over everything of the diagram
const double twinSceneDrop = -1.0; // demonstration 3 is drawn one unit down
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
                drawLabel(static_cast<char>('A' + i));
            }
            glPopMatrix();
        }
    }
    glPopMatrix();
    glPointSize(pointSize);
}
} // namespace

void drawTeachingOverlays() {
    if (currentDemo < 1 || currentDemo > 3 || (!showOwnAxes && eventCount == 0)) {
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
        drawEvents();
    }
    glPopMatrix();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
}
