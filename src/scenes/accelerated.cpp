// The accelerated observers' shared parts. World lines are sampled evenly in
// proper time through rocketAt; the ticks lie along the line of simultaneity
// at their event (slope v), so that they show how the rocket's "now" turns.
#include "scenes/accelerated.h"
#include "scenes/acceleratedParts.h"

#include "app/state.h"
#include "scenes/spacetime.h"

#include <cmath>

namespace accelerated {
namespace {
const int worldLineSegments = 96;
const double tickHalfLength = 0.06; // diagram units
} // namespace

void setColour(const float c[3]) {
    glColor3f(c[0], c[1], c[2]);
}

void beginDiagram() {
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glTranslated(0.0, acceleratedSceneDrop, 0.0);
    drawAxesAndLightLines();
    glMultMatrixd(boostMatrix.m);
}

void endDiagram() {
    glPopMatrix();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
}

double drawnTauEnd(const RocketTrip& trip) {
    return trip.leg > 0.0 ? tripEnd(trip) : std::asinh(trip.g * drawnTop) / trip.g;
}

void drawWorldLine(const RocketTrip& trip, double from, double to, double shiftX,
                   const float colour[3]) {
    setColour(colour);
    glLineWidth(worldLineWidth);
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i <= worldLineSegments; ++i) {
        const SpacetimePoint e = rocketAt(trip, from + (to - from) * i / worldLineSegments).event;
        glVertex3d(e.x + shiftX, e.t, worldLineDepth);
    }
    glEnd();
}

void drawTicks(const RocketTrip& trip, double to, double shiftX) {
    setColour(black);
    glLineWidth(lineWidth);
    glBegin(GL_LINES);
    for (int k = 1; k * tickEvery <= to; ++k) {
        const RocketState s = rocketAt(trip, k * tickEvery);
        const double v = std::tanh(s.rapidity), h = tickHalfLength / std::sqrt(1.0 + v * v);
        glVertex3d(s.event.x + shiftX - h, s.event.t - v * h, frameDepth);
        glVertex3d(s.event.x + shiftX + h, s.event.t + v * h, frameDepth);
    }
    glEnd();
}

void lineThrough(SpacetimePoint p, double v, double fromX, double toX, double depth) {
    glVertex3d(fromX, p.t + v * (fromX - p.x), depth);
    glVertex3d(toX, p.t + v * (toX - p.x), depth);
}

bool withinReach(SpacetimePoint p) {
    return std::fabs(p.x) <= drawnFar && std::fabs(p.t) <= drawnFar;
}

void drawMarks(const SpacetimePoint* points, int count) {
    GLfloat pointSize;
    glGetFloatv(GL_POINT_SIZE, &pointSize);
    setColour(black);
    glPointSize(markSize);
    glBegin(GL_POINTS);
    for (int i = 0; i < count; ++i) {
        if (withinReach(points[i])) {
            glVertex3d(points[i].x, points[i].t, markDepth);
        }
    }
    glEnd();
    glPointSize(pointSize);
}
} // namespace accelerated
