// The 3D scenes' own view and drawing helpers.
#include "scenes/sceneView.h"

#include <GL/gl.h>

void applySceneView(double eyeDropY) {
    glTranslated(0.0, eyeDropY, 0.0);
    glRotated(sceneTiltDegrees, 1.0, 0.0, 0.0);
}

void setSceneColour(const float colour[3]) {
    glColor3f(colour[0], colour[1], colour[2]);
}

void sceneVertex(const SpacetimeVector& v) {
    glVertex3d(v.x, v.y, v.t);
}
