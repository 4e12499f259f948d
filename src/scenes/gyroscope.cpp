// Thomas precession: a gyroscope carried counter-clockwise round a circle at
// orbitSpeed keeps its spin orthogonal to its 4-velocity (magenta arrows) and
// comes back turned against the orbit, by 360 (gamma - 1) degrees, beside the
// grey arrows of a spin that does not precess. The ball is the hyperboloid
// t^2 - x^2 - y^2 = 1 of 4-velocities, which boosts move along itself.
#include "scenes/gyroscope.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "relativity/thomas.h"
#include "scenes/sceneView.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {
const double pi = 3.14159265358979323846;
const int helixPoints = 97;
const int meshRings = 6;      // circles of equal rapidity
const int meshMeridians = 16; // lines of equal direction
const int meshSteps = 24;     // points along a meridian, and per quarter ring
const double leastMeshRapidity = 1.2;
const double meshRapidityBeyondOrbit = 0.3;
const GLfloat worldLineWidth = 3.0f;
const GLfloat arrowWidth = 2.0f;
const GLfloat nowArrowWidth = 5.0f;
const GLfloat ringWidth = 3.0f;
const GLfloat markSize = 10.0f;
const GLfloat arrowTipSize = 5.0f;

const float worldLineColour[3] = {0.0f, 0.45f, 0.0f}; // dark green
const float spinColour[3] = {1.0f, 0.0f, 1.0f};       // magenta
const float referenceColour[3] = {0.5f, 0.5f, 0.5f};  // grey
const float nowColour[3] = {0.0f, 0.0f, 0.0f};        // black
const float ballColour[3] = {0.3f, 0.6f, 1.0f};       // sky blue
const float ringColour[3] = {1.0f, 0.4f, 0.0f};       // orange

SpacetimeVector along(const SpacetimeVector& from, const SpacetimeVector& arrow) {
    return {from.x + spinArrowScale * arrow.x, from.y + spinArrowScale * arrow.y,
            from.t + spinArrowScale * arrow.t};
}

// the gyroscope `elapsed` after it set out from (radius, 0, orbitStartTime)
Gyroscope onHelix(double elapsed) {
    Gyroscope g = gyroscopeAt(orbitSpeed, orbitRadius(orbitSpeed), elapsed);
    g.event.t += orbitStartTime;
    return g;
}

void drawArrow(const SpacetimeVector& from, const SpacetimeVector& arrow) {
    glBegin(GL_LINES);
    {
        sceneVertex(from);
        sceneVertex(along(from, arrow));
    }
    glEnd();
    glBegin(GL_POINTS);
    sceneVertex(along(from, arrow));
    glEnd();
}

void drawHelix() {
    glLineWidth(worldLineWidth);
    setSceneColour(worldLineColour);
    glBegin(GL_LINE_STRIP);
    {
        for (int i = 0; i < helixPoints; ++i) {
            sceneVertex(onHelix(orbitPeriod * i / (helixPoints - 1)).event);
        }
    }
    glEnd();
    glLineWidth(arrowWidth);
    glPointSize(arrowTipSize);
    for (int i = 0; i < spinArrowCount; ++i) {
        const Gyroscope g = onHelix(orbitPeriod * i / (spinArrowCount - 1));
        setSceneColour(referenceColour);
        drawArrow(g.event, g.reference);
        setSceneColour(spinColour);
        drawArrow(g.event, g.spin);
    }
    const Gyroscope now = onHelix(orbitPeriod * gyroscopeOrbitShare);
    glLineWidth(nowArrowWidth);
    setSceneColour(nowColour);
    drawArrow(now.event, now.spin);
    glPointSize(markSize);
    glBegin(GL_POINTS);
    sceneVertex(now.event);
    glEnd();
}

SpacetimeVector onHyperboloid(double rapidity, double radians) {
    const double r = std::sinh(rapidity);
    return {r * std::cos(radians), r * std::sin(radians), std::cosh(rapidity)};
}

void drawBall() {
    const double orbitRapidity = std::atanh(orbitSpeed);
    const double top = std::max(leastMeshRapidity, orbitRapidity + meshRapidityBeyondOrbit);
    glLineWidth(1.0f);
    setSceneColour(ballColour);
    for (int ring = 1; ring <= meshRings; ++ring) {
        glBegin(GL_LINE_LOOP);
        {
            for (int i = 0; i < 4 * meshSteps; ++i) {
                sceneVertex(onHyperboloid(top * ring / meshRings, pi * i / (2 * meshSteps)));
            }
        }
        glEnd();
    }
    for (int m = 0; m < meshMeridians; ++m) {
        glBegin(GL_LINE_STRIP);
        {
            for (int i = 0; i <= meshSteps; ++i) {
                sceneVertex(onHyperboloid(top * i / meshSteps, 2.0 * pi * m / meshMeridians));
            }
        }
        glEnd();
    }
    // the orbit's 4-velocities, and the gyroscope's now
    glLineWidth(ringWidth);
    setSceneColour(ringColour);
    glBegin(GL_LINE_LOOP);
    {
        for (int i = 0; i < 4 * meshSteps; ++i) {
            sceneVertex(onHyperboloid(orbitRapidity, pi * i / (2 * meshSteps)));
        }
    }
    glEnd();
    const Gyroscope now = onHelix(orbitPeriod * gyroscopeOrbitShare);
    setSceneColour(nowColour);
    glPointSize(markSize);
    glBegin(GL_POINTS);
    sceneVertex(now.velocity);
    glEnd();
}
} // namespace

double orbitRadius(double speed) {
    return speed * orbitPeriod / (2.0 * pi);
}

// Lines and points painted in order (no depth test): the gyroscope now on top.
void drawThomasPrecessionScene() {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    {
        glTranslated(helixEyeX, 0.0, 0.0);
        applySceneView(helixEyeDropY);
        glMultMatrixd(boostMatrix.m);
        drawHelix();
    }
    glPopMatrix();
    glPushMatrix();
    {
        glTranslated(ballEyeX, 0.0, 0.0);
        applySceneView(ballEyeDropY);
        glScalef(ballScale, ballScale, ballScale);
        glTranslated(0.0, 0.0, -1.0); // the hyperboloid's apex (rest) at the pivot
        glMultMatrixd(boostMatrix.m);
        drawBall();
    }
    glPopMatrix();
    glPointSize(1.0f);
    glLineWidth(1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
