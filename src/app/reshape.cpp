// Reshape callback: records the height for the mouse's y flip, reports the
// size on stdout, holds the window at 200 x 200 or more and sets the fixed
// frustum (-1..1 at the near plane 5, far plane 25): at the scene origin,
// 10 units away, the window shows -2..2 on both axes, stretched if not square.
#include "app/reshape.h"

#include "app/state.h"

#include <GL/freeglut.h>
#include <cstdio>

namespace {
const int minWindowSide = 200; // pixels
const double frustumHalfSide = 1.0;
const double nearPlane = 5.0;
const double farPlane = 25.0;

int atLeastMinimum(int side) {
    return side < minWindowSide ? minWindowSide : side;
}
} // namespace

void onReshape(int width, int height) {
    windowHeight = height;
    const int queriedHeight = glutGet(GLUT_WINDOW_HEIGHT);
    const int queriedWidth = glutGet(GLUT_WINDOW_WIDTH);
    std::printf("\nEntered  Reshape with: %d %d; glutGet: %d %d\n", width, height, queriedWidth,
                queriedHeight);

    const int clampedWidth = atLeastMinimum(width);
    const int clampedHeight = atLeastMinimum(height);
    glutReshapeWindow(clampedWidth, clampedHeight);
    glViewport(0, 0, clampedWidth, clampedHeight);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-frustumHalfSide, frustumHalfSide, -frustumHalfSide, frustumHalfSide, nearPlane,
              farPlane);
    glMatrixMode(GL_MODELVIEW);
}
