// Display callback and the 3D searchlight scene (demonstration 4). Each frame
// is drawn from scratch in immediate mode from currentDemo and boostMatrix;
// demonstrations 5..12 show the lit unit icosahedron, unboosted, except 5 to 11
// while the scenes are shown (the light cones, Thomas precession, what is
// seen of a moving square and disk, the accelerating rocket and Bell's ships).
#include "scenes/display.h"

#include "app/accelerated.h"
#include "app/sceneSettings.h"
#include "app/state.h"
#include "scenes/accelerated.h"
#include "scenes/cones.h"
#include "scenes/gyroscope.h"
#include "scenes/labels.h"
#include "scenes/overlays.h"
#include "scenes/seen.h"
#include "scenes/spacetime.h"
#include "scenes/twin.h"

#include <GL/freeglut.h>

namespace {
const double rodHalfLength = 1.0; // half-length passed to the contraction scene
const GLfloat searchlightLineWidth = 3.0f;
const GLfloat rodScaleX = 0.1f, rodScaleY = 0.1f, rodScaleZ = 4.0f; // rod 0.1 x 0.1 x 4
const double cubeEdge = 1.5;

// demonstrations 5 to 11 while the scenes are shown
void drawLaterScene(int demo) {
    switch (demo) {
    case demoUpwardCone:
        drawUpwardConeScene();
        break;
    case demoDownwardCone:
        drawDownwardConeScene();
        break;
    case demoThomasPrecession:
        drawThomasPrecessionScene();
        break;
    case demoSquareTube:
        drawSquareTubeScene();
        break;
    case demoRoundTube:
        drawRoundTubeScene();
        break;
    case demoRocket:
        drawRocketScene();
        break;
    case demoBellShips:
        drawBellShipsScene();
        break;
    default:
        break;
    }
}
} // namespace

void onDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    switch (currentDemo) {
    case 1:
        drawTimeDilationScene();
        break;
    case 2:
        drawLengthContractionScene(rodHalfLength);
        break;
    case 3:
        drawTwinParadoxScene();
        break;
    case 4:
        drawSearchlightScene();
        break;
    default:
        if (hasSceneOfItsOwn(currentDemo)) {
            drawLaterScene(currentDemo);
        } else {
            glutSolidIcosahedron();
        }
        break;
    }
    drawTeachingOverlays();
    drawAxisLabels();
    glutSwapBuffers();
}

void drawSearchlightScene() {
    glLineWidth(searchlightLineWidth);
    glPushMatrix();
    {
        glMultMatrixd(boostMatrix.m);

        // rod along the time axis, flat green
        glPushMatrix();
        {
            glScalef(rodScaleX, rodScaleY, rodScaleZ);
            glDisable(GL_LIGHTING);
            glColor3f(0.0f, 1.0f, 0.0f);
            glutWireCube(1.0);
            glEnable(GL_LIGHTING);
        }
        glPopMatrix();

        // lit objects in the material colour
        glutSolidIcosahedron();
        glutWireCube(cubeEdge);
    }
    glPopMatrix();
    glLineWidth(1.0f);
}
