// Twin paradox: departure (0, 0), turnaround (turnaroundX, turnaroundT) and
// reunion (0, twinReunionTime), x space and y time. The world lines are drawn
// in the boosted frame; the proper-time bars at x = -1.5 (home) and x = 1.5
// (traveller, two legs stacked) and the velocity scale below are not boosted.
#include "scenes/twin.h"

#include "app/state.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const GLfloat twinLineWidth = 5.0f;
const double homeBarX = -1.5;
const double travellerBarX = 1.5;
const double scaleY = -0.25;        // velocity scale -1..+1
const double velocityY = -0.2;      // observer velocity bar, just above the scale
const double homeLineDepth = -0.01; // behind the legs

void segment(double x0, double y0, double x1, double y1) {
    glVertex2d(x0, y0);
    glVertex2d(x1, y1);
}
} // namespace

void drawTwinParadoxScene() {
    const double reunionT = twinReunionTime;
    const double outboundTau = std::sqrt(turnaroundT * turnaroundT - turnaroundX * turnaroundX);
    const double returnDt = reunionT - turnaroundT;
    const double returnTau = std::sqrt(returnDt * returnDt - turnaroundX * turnaroundX);

    glDisable(GL_LIGHTING);
    glPushMatrix();
    {
        glTranslated(0.0, twinSceneDrop, 0.0);

        // proper-time bars and velocity scale, unboosted
        glLineWidth(twinLineWidth);
        glBegin(GL_LINES);
        {
            glColor3f(1.0f, 0.0f, 0.0f); // home twin: T
            segment(homeBarX, 0.0, homeBarX, reunionT);
            glColor3f(0.0f, 1.0f, 0.0f); // outbound leg
            segment(travellerBarX, 0.0, travellerBarX, outboundTau);
            glColor3f(0.0f, 0.8f, 0.8f); // return leg, stacked
            segment(travellerBarX, outboundTau, travellerBarX, outboundTau + returnTau);
            glColor3f(0.2f, 0.2f, 1.0f); // scale 0..+1
            segment(0.0, scaleY, 1.0, scaleY);
            glColor3f(0.2f, 0.2f, 0.2f); // scale 0..-1
            segment(0.0, scaleY, -1.0, scaleY);
            glColor3f(1.0f, 0.4f, 0.0f); // observer frame velocity
            segment(0.0, velocityY, frameVelocity, velocityY);
        }
        glEnd();

        // world lines, boosted about the departure event
        glMultMatrixd(boostMatrix.m);
        glLineWidth(twinLineWidth);
        glBegin(GL_LINES);
        {
            glColor3f(1.0f, 0.0f, 0.0f); // home twin
            glVertex3d(0.0, 0.0, homeLineDepth);
            glVertex3d(0.0, reunionT, homeLineDepth);
            glColor3f(0.0f, 1.0f, 0.0f); // outbound
            segment(0.0, 0.0, turnaroundX, turnaroundT);
            glColor3f(0.0f, 0.8f, 0.8f); // return
            segment(turnaroundX, turnaroundT, 0.0, reunionT);
        }
        glEnd();
    }
    glPopMatrix();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
}
