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
const int helixPoints = 49;
const int meshRings = 4;     // circles of equal rapidity, a divisor of meshSteps
const int meshMeridians = 8; // lines of equal direction, a divisor of 4 meshSteps
const int meshSteps = 12;    // points along a meridian, and per quarter ring
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

// an arrow as a segment, its tip as a point; within glBegin(GL_LINES) and
// glBegin(GL_POINTS) in turn, so that all arrows cost two draws
void arrowSegment(const SpacetimeVector& from, const SpacetimeVector& arrow) {
    sceneVertex(from);
    sceneVertex(along(from, arrow));
}

// the world line, the spin arrows beside the arrows that do not precess, and
// the spin now, as lines
void drawHelixLines() {
    glLineWidth(worldLineWidth);
    setSceneColour(worldLineColour);
    glBegin(GL_LINE_STRIP);
    {
        for (int i = 0; i < helixPoints; ++i) {
            SpacetimeVector event = orbitEvent(orbitSpeed, orbitRadius(orbitSpeed),
                                               orbitPeriod * i / (helixPoints - 1));
            event.t += orbitStartTime;
            sceneVertex(event);
        }
    }
    glEnd();
    glLineWidth(arrowWidth);
    glBegin(GL_LINES);
    {
        for (int i = 0; i < spinArrowCount; ++i) {
            const Gyroscope g = onHelix(orbitPeriod * i / (spinArrowCount - 1));
            setSceneColour(referenceColour);
            arrowSegment(g.event, g.reference);
            setSceneColour(spinColour);
            arrowSegment(g.event, g.spin);
        }
    }
    glEnd();
    const Gyroscope now = onHelix(orbitPeriod * gyroscopeOrbitShare);
    glLineWidth(nowArrowWidth);
    setSceneColour(nowColour);
    glBegin(GL_LINES);
    arrowSegment(now.event, now.spin);
    glEnd();
}

// the arrows' tips (points of one size make one draw)
void drawArrowTips() {
    glBegin(GL_POINTS);
    {
        for (int i = 0; i < spinArrowCount; ++i) {
            const Gyroscope g = onHelix(orbitPeriod * i / (spinArrowCount - 1));
            setSceneColour(referenceColour);
            sceneVertex(along(g.event, g.reference));
            setSceneColour(spinColour);
            sceneVertex(along(g.event, g.spin));
        }
    }
    glEnd();
}

void drawGyroscopeNow() {
    const Gyroscope now = onHelix(orbitPeriod * gyroscopeOrbitShare);
    setSceneColour(nowColour);
    glBegin(GL_POINTS);
    {
        sceneVertex(now.event);
        sceneVertex(along(now.event, now.spin));
    }
    glEnd();
}

void drawVelocityNow() {
    setSceneColour(nowColour);
    glBegin(GL_POINTS);
    sceneVertex(onHelix(orbitPeriod * gyroscopeOrbitShare).velocity);
    glEnd();
}

// The mesh's points, ring by ring (rapidity top k / meshSteps) and direction by
// direction, worked out once a frame: the trigonometry costs more than the drawing.
void drawBallLines() {
    const double orbitRapidity = std::atanh(orbitSpeed);
    const double top = std::max(leastMeshRapidity, orbitRapidity + meshRapidityBeyondOrbit);
    const int directions = 4 * meshSteps;
    double cosines[directions + 1], sines[directions + 1];
    for (int i = 0; i <= directions; ++i) {
        cosines[i] = std::cos(2.0 * pi * i / directions);
        sines[i] = std::sin(2.0 * pi * i / directions);
    }
    double radii[meshSteps + 1], heights[meshSteps + 1];
    for (int k = 0; k <= meshSteps; ++k) {
        radii[k] = std::sinh(top * k / meshSteps);
        heights[k] = std::cosh(top * k / meshSteps);
    }
    auto meshVertex = [&](int k, int i) {
        sceneVertex({radii[k] * cosines[i], radii[k] * sines[i], heights[k]});
    };
    const int ringEvery = meshSteps / meshRings;
    const int meridianEvery = directions / meshMeridians;
    glLineWidth(1.0f);
    setSceneColour(ballColour);
    for (int k = ringEvery; k <= meshSteps; k += ringEvery) {
        glBegin(GL_LINE_LOOP);
        {
            for (int i = 0; i < directions; ++i) {
                meshVertex(k, i);
            }
        }
        glEnd();
    }
    for (int i = 0; i < directions; i += meridianEvery) {
        glBegin(GL_LINE_STRIP);
        {
            for (int k = 0; k <= meshSteps; ++k) {
                meshVertex(k, i);
            }
        }
        glEnd();
    }
    // the orbit's 4-velocities, gamma (u cos, u sin, 1), and the gyroscope's now
    const double ringRadius = std::sinh(orbitRapidity), ringHeight = std::cosh(orbitRapidity);
    glLineWidth(ringWidth);
    setSceneColour(ringColour);
    glBegin(GL_LINE_LOOP);
    {
        for (int i = 0; i < directions; ++i) {
            sceneVertex({ringRadius * cosines[i], ringRadius * sines[i], ringHeight});
        }
    }
    glEnd();
}

// draw() in the world line's frame: left, tilted, through the boost
void inHelixFrame(void (*draw)()) {
    glPushMatrix();
    {
        glTranslated(helixEyeX, 0.0, 0.0);
        applySceneView(helixEyeDropY);
        glMultMatrixd(boostMatrix.m);
        draw();
    }
    glPopMatrix();
}

// draw() in the ball's frame: right, tilted, scaled, its apex (rest) at the
// pivot, through the boost
void inBallFrame(void (*draw)()) {
    glPushMatrix();
    {
        glTranslated(ballEyeX, 0.0, 0.0);
        applySceneView(ballEyeDropY);
        glScalef(ballScale, ballScale, ballScale);
        glTranslated(0.0, 0.0, -1.0);
        glMultMatrixd(boostMatrix.m);
        draw();
    }
    glPopMatrix();
}
} // namespace

double orbitRadius(double speed) {
    return speed * orbitPeriod / (2.0 * pi);
}

// Lines, then points, painted in order (no depth test): the gyroscope now on
// top. Grouped so that the page's GL layer sends few batches.
void drawThomasPrecessionScene() {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    inHelixFrame(drawHelixLines);
    inBallFrame(drawBallLines);
    glPointSize(arrowTipSize);
    inHelixFrame(drawArrowTips);
    glPointSize(markSize);
    inHelixFrame(drawGyroscopeNow);
    inBallFrame(drawVelocityNow);
    glPointSize(1.0f);
    glLineWidth(1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
