// The fixed-function layer's matrix stacks, modelview and projection, in
// floats as the desktop's GL keeps them; matrices.cpp holds the GL calls that
// change them (glMatrixMode to glFrustum).
#pragma once

#include <array>

typedef std::array<float, 16> Matrix; // column-major, as OpenGL stores it

// The tops of the stacks.
const Matrix& modelviewMatrix();
const Matrix& projectionMatrix();

// out = m in, for column vectors of 4.
void transform(const Matrix& m, const float in[4], float out[4]);
