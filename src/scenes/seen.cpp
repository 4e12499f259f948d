// Seen, not measured. The observer sits at x = y = 0 of the frame drawn; its
// event at lookTime is the apex of a past cone (the light it sees then) and a
// future cone (where a flash sent then goes). The object's world tube is drawn
// through boostMatrix from its own frame, where the cones' intersections are
// t' = T' -+ |p - O'|. The photograph below maps sky angles 0..360 across: the
// seen image above, the object at rest at the same own-frame place beneath.
// The square and the disk are in seenSquare.cpp and seenDisk.cpp.
#include "scenes/seen.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "scenes/sceneView.h"
#include "scenes/seenParts.h"

#include <cmath>
#include <initializer_list>

using namespace seen;

namespace {
const double coneLength = 2.2; // the hemicones' rulings
const int coneRulings = 12;
const double photographDepth = -10.0;
const double photographTick = 0.04;
const GLfloat apexSize = 10.0f;

const float observerColour[3] = {0.0f, 0.0f, 0.0f}; // black
const float coneColour[3] = {0.8f, 0.8f, 0.8f};     // pale grey

// drawn frame: the observer's world line, its apex and both hemicones
void drawObserverCones() {
    glLineWidth(tubeWidth);
    setSceneColour(coneColour);
    glBegin(GL_LINES);
    {
        for (int k = 0; k < coneRulings; ++k) {
            const double a = 2.0 * pi * k / coneRulings;
            const double x = coneLength * std::cos(a), y = coneLength * std::sin(a);
            for (double side : {-1.0, 1.0}) {
                sceneVertex({0.0, 0.0, lookTime});
                sceneVertex({x, y, lookTime + side * coneLength});
            }
        }
    }
    glEnd();
    glLineWidth(curveWidth);
    setSceneColour(observerColour);
    glBegin(GL_LINES);
    {
        sceneVertex({0.0, 0.0, -tubeHalfTime});
        sceneVertex({0.0, 0.0, tubeHalfTime});
    }
    glEnd();
    glPointSize(apexSize);
    glBegin(GL_POINTS);
    sceneVertex({0.0, 0.0, lookTime});
    glEnd();
}

// a strip's axis with ticks every 90 degrees
void drawPhotographAxis(double y) {
    setSceneColour(tubeColour);
    glLineWidth(tubeWidth);
    glBegin(GL_LINES);
    {
        glVertex3d(photographLeft, y, photographDepth);
        glVertex3d(photographRight, y, photographDepth);
        for (int k = 0; k <= 4; ++k) {
            photographMark(90.0 * k, y, photographTick);
        }
    }
    glEnd();
}

// The whole scene, painted in order (no depth test), the photograph in eye space.
void drawSeenScene(void (*tube)(const SkyView&), void (*photograph)(const SkyView&)) {
    const SkyView l = skyViewAt(boostMatrix, lookTime);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    {
        applySceneView(seenSceneDrop);
        glRotated(seenTurnAboutTime, 0.0, 0.0, 1.0);
        glScalef(seenSceneScale, seenSceneScale, seenSceneScale);
        drawObserverCones();
        glPushMatrix();
        {
            glMultMatrixd(boostMatrix.m);
            tube(l);
        }
        glPopMatrix();
    }
    glPopMatrix();
    glPushMatrix();
    {
        glLoadIdentity();
        drawPhotographAxis(photographSeenY);
        drawPhotographAxis(photographRestY);
        photograph(l);
    }
    glPopMatrix();
    glPointSize(1.0f);
    glLineWidth(1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
} // namespace

namespace seen {
SpacetimeVector sliceEvent(double x, double y) {
    const Matrix4& b = boostMatrix;
    return {x, y, (lookTime - b.m[2] * x - b.m[6] * y) / b.m[10]};
}

double photographX(double skyDegrees) {
    return photographLeft + (photographRight - photographLeft) * skyDegrees / 360.0;
}

void photographMark(double skyDegrees, double stripY, double halfHeight) {
    glVertex3d(photographX(skyDegrees), stripY - halfHeight, photographDepth);
    glVertex3d(photographX(skyDegrees), stripY + halfHeight, photographDepth);
}

void photographSegment(double fromDegrees, double toDegrees, double stripY) {
    glVertex3d(photographX(fromDegrees), stripY, photographDepth);
    glVertex3d(photographX(toDegrees), stripY, photographDepth);
}
} // namespace seen

void drawSquareTubeScene() {
    drawSeenScene(drawSquareTube, drawSquarePhotograph);
}

void drawRoundTubeScene() {
    drawSeenScene(drawRoundTube, drawDiskPhotograph);
}
