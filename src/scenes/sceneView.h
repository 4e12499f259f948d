// What the 3D scenes of demonstrations 5 to 7 share: time tilted up the screen
// so that cones read as cones (x stays across, y runs away from the viewer),
// flat colours, and a spacetime vertex.
#pragma once

#include "relativity/matrix4.h"

const double sceneTiltDegrees = -60.0; // about x: t points up and towards the viewer

// After the view: move by (0, eyeDropY, 0) in eye units, then tilt time up.
void applySceneView(double eyeDropY);

void setSceneColour(const float colour[3]);
void sceneVertex(const SpacetimeVector& v);
