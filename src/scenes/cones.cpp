// The light cones of demonstrations 5 and 6, drawn through boostMatrix: the
// rulings are evenly spaced in the own frame (of the source, F5, or of the
// observer, F6); the boost crowds them towards the direction of motion (F5)
// or towards straight behind (F6) and stretches each by its Doppler factor.
// Orange marks the half that lies within acos v of that direction.
#include "scenes/cones.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "relativity/lightCones.h"
#include "relativity/readouts.h"
#include "scenes/sceneView.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const int rimPoints = 96;
const double worldLineFrom = -1.5; // own time along the world line
const double worldLineTo = 1.5;
const double motionArrowLength = 1.4; // the direction of motion, drawn frame
const double pi = 3.14159265358979323846;
const GLfloat rulingWidth = 2.0f;
const GLfloat probeWidth = 5.0f;
const GLfloat worldLineWidth = 3.0f;
const GLfloat probeTipSize = 10.0f;

const float halfColour[3] = {1.0f, 0.4f, 0.0f};       // orange: the half within acos v
const float otherHalfColour[3] = {0.3f, 0.6f, 1.0f};  // sky blue
const float rimColour[3] = {0.2f, 0.2f, 0.2f};        // dark grey
const float worldLineColour[3] = {0.0f, 0.45f, 0.0f}; // dark green
const float restConeColour[3] = {0.8f, 0.8f, 0.8f};   // pale grey: the cone unboosted
const float probeColour[3] = {1.0f, 0.0f, 1.0f};      // magenta
const float motionColour[3] = {1.0f, 0.0f, 0.0f};     // red

SpacetimeVector tip(bool future, double motion, double rayDegrees) {
    return future ? futureRayTip(motion, rayDegrees, coneOwnTime)
                  : pastRayTip(motion, rayDegrees, coneOwnTime);
}

// the cone as it is in any frame: the rest frame's rulings, unboosted
void drawRestCone(bool future) {
    setSceneColour(restConeColour);
    glBegin(GL_LINES);
    {
        for (int k = 0; k < coneRulingCount; ++k) {
            sceneVertex({0.0, 0.0, 0.0});
            sceneVertex(tip(future, 0.0, rulingDegrees(k)));
        }
    }
    glEnd();
    glBegin(GL_LINE_LOOP);
    {
        for (int i = 0; i < rimPoints; ++i) {
            sceneVertex(tip(future, 0.0, 360.0 * i / rimPoints));
        }
    }
    glEnd();
}

// the drawn velocity of things at rest, in the plane t = 0
void drawMotionArrow() {
    const BoostParts parts = splitBoost(boostMatrix);
    if (!(parts.speed > 0.0)) {
        return;
    }
    const double ux = parts.velocityX / parts.speed;
    const double uy = parts.velocityY / parts.speed;
    setSceneColour(motionColour);
    glBegin(GL_LINES);
    {
        sceneVertex({0.0, 0.0, 0.0});
        sceneVertex({motionArrowLength * ux, motionArrowLength * uy, 0.0});
    }
    glEnd();
}

// own frame, drawn through the boost by the caller
void drawBoostedCone(bool future) {
    const double motion = ownMotionDegrees(boostMatrix);
    glLineWidth(rulingWidth);
    glBegin(GL_LINES);
    {
        for (int k = 0; k < coneRulingCount; ++k) {
            const double ray = rulingDegrees(k);
            // future: sent within 90 of the motion; past: arriving from behind
            const bool counted = future == (std::cos(ray * pi / 180.0) > 0.0);
            setSceneColour(counted ? halfColour : otherHalfColour);
            sceneVertex({0.0, 0.0, 0.0});
            sceneVertex(tip(future, motion, ray));
        }
    }
    glEnd();
    setSceneColour(rimColour);
    glBegin(GL_LINE_LOOP);
    {
        for (int i = 0; i < rimPoints; ++i) {
            sceneVertex(tip(future, motion, 360.0 * i / rimPoints));
        }
    }
    glEnd();

    glLineWidth(worldLineWidth);
    setSceneColour(worldLineColour);
    glBegin(GL_LINES);
    {
        sceneVertex({0.0, 0.0, worldLineFrom});
        sceneVertex({0.0, 0.0, worldLineTo});
    }
    glEnd();

    const SpacetimeVector probe = tip(future, motion, probeRayDegrees);
    setSceneColour(probeColour);
    glLineWidth(probeWidth);
    glBegin(GL_LINES);
    {
        sceneVertex({0.0, 0.0, 0.0});
        sceneVertex(probe);
    }
    glEnd();
    glPointSize(probeTipSize);
    glBegin(GL_POINTS);
    sceneVertex(probe);
    glEnd();
    glPointSize(1.0f);
}

// Lines only, painted in order (no depth test): what is drawn later lies on
// top, the same on every rasteriser, and the probe over everything.
void drawConeScene(bool future) {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    {
        applySceneView(future ? upwardConeDrop : downwardConeDrop);
        glScalef(coneSceneScale, coneSceneScale, coneSceneScale);
        glLineWidth(1.0f);
        drawRestCone(future);
        glLineWidth(worldLineWidth);
        drawMotionArrow();
        glPushMatrix();
        {
            glMultMatrixd(boostMatrix.m);
            drawBoostedCone(future);
        }
        glPopMatrix();
    }
    glPopMatrix();
    glLineWidth(1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
} // namespace

void drawUpwardConeScene() {
    drawConeScene(true);
}

void drawDownwardConeScene() {
    drawConeScene(false);
}
