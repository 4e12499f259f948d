// What demonstrations 8 and 9 share between the scene and its two objects:
// the look at the observer's time, the samples, the colours, and where a sky
// angle lands on the photograph strip. For src/scenes/seen*.cpp only.
#pragma once

#include "relativity/terrell.h"
#include "scenes/seen.h"

#include <GL/gl.h>

namespace seen {
const double pi = 3.14159265358979323846;
const double tubeHalfTime = 3.0; // own time, each way
const int faceSamples = 16;      // points along a face, and along the disk's seen arc
const int rulingsEvery = 4;      // samples between rulings to the seen outline
const GLfloat tubeWidth = 1.0f;
const GLfloat curveWidth = 3.0f;
const GLfloat sliceWidth = 4.0f;
const GLfloat photographWidth = 6.0f;

const float tubeColour[3] = {0.5f, 0.5f, 0.5f};   // grey
const float sliceColour[3] = {1.0f, 0.0f, 0.0f};  // red: measured
const float unseenColour[3] = {0.8f, 0.8f, 0.8f}; // pale grey

// The event of the rest point (x, y), own frame, drawn at the observer's time.
SpacetimeVector sliceEvent(double x, double y);

// Within glBegin(GL_LINES): a piece of a photograph strip, between two sky angles.
void photographSegment(double fromDegrees, double toDegrees, double stripY);
// Within glBegin(GL_LINES): an upright mark at a sky angle.
void photographMark(double skyDegrees, double stripY, double halfHeight);
double photographX(double skyDegrees);

// The objects, each in its own file: the tube and where it meets the cones,
// through the boost; the photograph in eye space.
void drawSquareTube(const SkyView& view);
void drawSquarePhotograph(const SkyView& view);
void drawRoundTube(const SkyView& view);
void drawDiskPhotograph(const SkyView& view);
} // namespace seen
