// The fixed-function layer's lighting: one directional light (GL_LIGHT0) on
// the material's ambient and diffuse colours, no specular and no emission,
// per vertex with the current normal; lighting.cpp holds glLightfv,
// glMaterialfv and glNormal3d.
#pragma once

#include "web/platform/matrices.h"

#include <GL/gl.h>

// GL_LIGHTING or GL_LIGHT0 turned on or off.
void setLightingCapability(GLenum cap, bool on);
bool lightingOn();

// The colour of a vertex drawn now under modelview, lit.
void litColour(const Matrix& modelview, float out[4]);
