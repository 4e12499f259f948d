// What demonstrations 10 and 11 share: the diagram's frame, world lines with
// ticks of proper time, lines of simultaneity, marks and the colours. For
// src/scenes/rocket.cpp and bellShips.cpp only.
#pragma once

#include "relativity/rocket.h"

#include <GL/gl.h>

namespace accelerated {
const double drawnTop = 8.0;    // launch-frame time the world lines are drawn to
const double drawnBelow = -2.0; // and from, for what stays at rest before the launch
const double drawnFar = 100.0;  // diagram units: nothing further is drawn, out of any view
const double tickEvery = 0.5;   // proper time between ticks
const GLfloat worldLineWidth = 5.0f;
const GLfloat lineWidth = 2.0f;
const GLfloat markSize = 10.0f;
// depths over the diagram's plane: light, then world lines, then frames, then marks
const double lightDepth = 0.002, worldLineDepth = 0.005, frameDepth = 0.008, stringDepth = 0.012,
             markDepth = 0.02;

const float black[3] = {0.0f, 0.0f, 0.0f};
const float green[3] = {0.0f, 1.0f, 0.0f};      // the rocket, the rear ship
const float teal[3] = {0.0f, 0.8f, 0.8f};       // coming home, the front ship
const float magenta[3] = {1.0f, 0.0f, 1.0f};    // the line of simultaneity
const float violet[3] = {0.6f, 0.0f, 0.8f};     // the rocket's own time axis
const float sky[3] = {0.3f, 0.6f, 1.0f};        // light reaching the rocket now
const float orange[3] = {1.0f, 0.4f, 0.0f};     // the horizon; a string near its strain
const float darkGreen[3] = {0.0f, 0.45f, 0.0f}; // home; a string well within its strain

void setColour(const float c[3]);

// Lighting off, the diagram dropped, its axes and light lines; then the
// boost, under which the caller draws. endDiagram undoes it all.
void beginDiagram();
void endDiagram();

// Where the world line is drawn to: a round trip's end, or one way the proper
// time at which it reaches launch-frame time drawnTop.
double drawnTauEnd(const RocketTrip& trip);

// Within nothing: the world line from proper time `from` to `to`, moved by
// shiftX, in the colour given; its ticks every tickEvery in black.
void drawWorldLine(const RocketTrip& trip, double from, double to, double shiftX,
                   const float colour[3]);
void drawTicks(const RocketTrip& trip, double to, double shiftX);

// Within glBegin(GL_LINES): the line through p with slope dt/dx = v, from x = fromX to toX.
void lineThrough(SpacetimePoint p, double v, double fromX, double toX, double depth);

bool withinReach(SpacetimePoint p);

// Black marks at the points within reach.
void drawMarks(const SpacetimePoint* points, int count);
} // namespace accelerated
