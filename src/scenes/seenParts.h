// What demonstrations 8 and 9 share between the scene and its two objects:
// the look at the observer's time, how far the tube and the cones reach, the
// samples, the colours, and where a sky angle lands on the photograph strip.
// For src/scenes/seen*.cpp only.
#pragma once

#include "relativity/terrell.h"
#include "scenes/seen.h"

#include <GL/gl.h>

namespace seen {
const double pi = 3.14159265358979323846;
const int faceSamples = 16; // points along a face, and along the disk's seen arc
const int rulingsEvery = 4; // samples between rulings to the seen outline
const GLfloat tubeWidth = 1.0f;
const GLfloat curveWidth = 3.0f;
const GLfloat sliceWidth = 4.0f;
const GLfloat photographWidth = 6.0f;

const int rimTicks = 12; // the disk's coloured ticks, and the sphere's equator in the camera
const float tubeColour[3] = {0.5f, 0.5f, 0.5f};   // grey
const float sliceColour[3] = {1.0f, 0.0f, 0.0f};  // red: measured
const float unseenColour[3] = {0.8f, 0.8f, 0.8f}; // pale grey

// One frame's look: the sky at the observer's time, the own times the world
// tube is drawn between (a little beyond where it meets both cones), and how
// far the past and the future cone's rulings reach, in drawn time (beyond
// those meetings).
struct SeenFrame {
    SkyView view;
    double tubeFrom, tubeTo;
    double pastReach, futureReach;
};

// The colour of rim tick k, at own angle 30 k degrees.
void tickColour(int k, float out[3]);
extern const float faceColours[squareFaceCount][3]; // near, far, leading, trailing

// The event of the rest point (x, y), own frame, drawn at the observer's time.
SpacetimeVector sliceEvent(double x, double y);

// Within glBegin(GL_LINES): a piece of a photograph strip between two nearby
// sky angles, in one piece across the strip's ends (split where it crosses one).
void photographSegment(double fromDegrees, double toDegrees, double stripY);
// Within glBegin(GL_LINES): an upright mark at a sky angle.
void photographMark(double skyDegrees, double stripY, double halfHeight);

// The objects, each in its own file: their outline in the own frame (the
// square's corners, points round the rim), the tube and where it meets the
// cones, through the boost; the photograph in eye space.
int squareOutline(double points[][2]);
int diskOutline(double points[][2]);
const int maxOutlinePoints = 36;
void drawSquareTube(const SeenFrame& frame);
void drawSquarePhotograph(const SkyView& view);
void drawRoundTube(const SeenFrame& frame);
void drawDiskPhotograph(const SkyView& view);
} // namespace seen
