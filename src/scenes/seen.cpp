// Seen, not measured. The observer sits at x = y = 0 of the frame drawn; its
// event at lookTime is the apex of a past cone (the light it sees then) and a
// future cone (where a flash sent then goes). The object's world tube is drawn
// through boostMatrix from its own frame, where the cones' intersections are
// t' = T' -+ |p - O'|. The photograph below maps sky angles 0..360 across: the
// seen image above, the object at rest at the same own-frame place beneath.
#include "scenes/seen.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "relativity/lightCones.h"
#include "relativity/terrell.h"
#include "scenes/sceneView.h"

#include <GL/gl.h>
#include <cmath>
#include <initializer_list>

namespace {
const double pi = 3.14159265358979323846;
const double tubeHalfTime = 3.0; // own time, each way
const double coneLength = 2.2;   // the hemicones' rulings
const int coneRulings = 12;
const int faceSamples = 16;
const int rimSamples = 36;
const int rimTicks = 12;
const int rulingsEvery = 4; // samples between rulings to the seen outline
const double photographDepth = -10.0;
const double photographTick = 0.04;
const double photographMark = 0.07; // half the height of a rim tick's mark
const GLfloat tickWidth = 3.0f;
const GLfloat tubeWidth = 1.0f;
const GLfloat curveWidth = 3.0f;
const GLfloat sliceWidth = 4.0f;
const GLfloat photographWidth = 6.0f;
const GLfloat apexSize = 10.0f;
const GLfloat tickSize = 8.0f;

const float observerColour[3] = {0.0f, 0.0f, 0.0f}; // black
const float coneColour[3] = {0.8f, 0.8f, 0.8f};     // pale grey
const float tubeColour[3] = {0.5f, 0.5f, 0.5f};     // grey
const float sliceColour[3] = {1.0f, 0.0f, 0.0f};    // red: measured
const float unseenColour[3] = {0.8f, 0.8f, 0.8f};   // pale grey
const float seenRimColour[3] = {0.2f, 0.2f, 0.2f};  // dark grey
const float faceColours[squareFaceCount][3] = {
    {1.0f, 0.4f, 0.0f},  // near: orange
    {0.3f, 0.6f, 1.0f},  // far: sky blue
    {1.0f, 0.0f, 1.0f},  // leading: magenta
    {0.0f, 0.45f, 0.0f}, // trailing: dark green
};

// 12 rim ticks round the colour wheel (half a step off pure yellow, which the
// lit material looks like), at own angles 0, 30, ... 330
void tickColour(int k, float out[3]) {
    const double h = 6.0 * (k + 0.5) / rimTicks;
    for (int c = 0; c < 3; ++c) {
        const double d = std::fabs(std::fmod(h + 6.0 - 2.0 * c, 6.0) - 3.0); // 0..3
        out[c] = static_cast<float>(std::fmin(1.0, std::fmax(0.0, d - 1.0)) * 0.85);
    }
}

// What a frame works out once: the observer's own-frame event, the directions
// of motion (drawn and own) and the disk's seen arc.
struct Look {
    SpacetimeVector observer;
    double drawnMotion, ownMotion; // degrees from +x
    bool rimVisible;
    double rimCentre, rimHalfCosine; // the seen arc: cos(a - centre) >= rimHalfCosine
    double rimCentreDegrees, rimHalfDegrees;
};

Look look() {
    Look l;
    l.observer = observerInOwnFrame(boostMatrix, lookTime);
    l.drawnMotion = drawnMotionDegrees(boostMatrix);
    l.ownMotion = ownMotionDegrees(boostMatrix);
    l.rimVisible = seenRimArc(l.observer, l.rimCentreDegrees, l.rimHalfDegrees);
    l.rimCentre = l.rimCentreDegrees * pi / 180.0;
    l.rimHalfCosine = std::cos(l.rimHalfDegrees * pi / 180.0);
    return l;
}

double seenSky(const Look& l, double x, double y) {
    return skyDegreesFrom(l.drawnMotion,
                          applyMatrix4(boostMatrix, pastConeEvent(l.observer, x, y)));
}

double restSky(const Look& l, double x, double y) {
    return restSkyDegreesFrom(l.ownMotion, l.observer, x, y);
}

double photographX(double skyDegrees) {
    return photographLeft + (photographRight - photographLeft) * skyDegrees / 360.0;
}

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

// own frame: the event of rest point (x, y) at the own time that is drawn at lookTime
SpacetimeVector sliceEvent(double x, double y) {
    const Matrix4& b = boostMatrix;
    return {x, y, (lookTime - b.m[2] * x - b.m[6] * y) / b.m[10]};
}

// --- the square ---

void facePoint(SquareFace face, int i, double& x, double& y) {
    double ends[2][2];
    squareFaceEnds(face, ends);
    const double s = static_cast<double>(i) / faceSamples;
    x = ends[0][0] + s * (ends[1][0] - ends[0][0]);
    y = ends[0][1] + s * (ends[1][1] - ends[0][1]);
}

void drawSquareTube(const Look& l) {
    glLineWidth(tubeWidth);
    setSceneColour(tubeColour);
    glBegin(GL_LINES);
    {
        for (int f = 0; f < squareFaceCount; ++f) {
            double ends[2][2];
            squareFaceEnds(static_cast<SquareFace>(f), ends);
            sceneVertex({ends[0][0], ends[0][1], -tubeHalfTime});
            sceneVertex({ends[0][0], ends[0][1], tubeHalfTime});
            for (double t : {-tubeHalfTime, tubeHalfTime}) {
                sceneVertex({ends[0][0], ends[0][1], t});
                sceneVertex({ends[1][0], ends[1][1], t});
            }
        }
    }
    glEnd();
    // where the tube meets the cones, face by face
    glLineWidth(curveWidth);
    for (int f = 0; f < squareFaceCount; ++f) {
        const SquareFace face = static_cast<SquareFace>(f);
        setSceneColour(faceSeen(l.observer, face) ? faceColours[f] : unseenColour);
        for (bool past : {true, false}) {
            glBegin(GL_LINE_STRIP);
            {
                for (int i = 0; i <= faceSamples; ++i) {
                    double x, y;
                    facePoint(face, i, x, y);
                    sceneVertex(past ? pastConeEvent(l.observer, x, y)
                                     : futureConeEvent(l.observer, x, y));
                }
            }
            glEnd();
        }
    }
    // the rulings from the apex to the seen outline
    glLineWidth(tubeWidth);
    glBegin(GL_LINES);
    {
        for (int f = 0; f < squareFaceCount; ++f) {
            if (!faceSeen(l.observer, static_cast<SquareFace>(f))) {
                continue;
            }
            setSceneColour(faceColours[f]);
            for (int i = 0; i <= faceSamples; i += rulingsEvery) {
                double x, y;
                facePoint(static_cast<SquareFace>(f), i, x, y);
                sceneVertex(l.observer);
                sceneVertex(pastConeEvent(l.observer, x, y));
            }
        }
    }
    glEnd();
    // measured: the square at the observer's time
    glLineWidth(sliceWidth);
    setSceneColour(sliceColour);
    glBegin(GL_LINE_LOOP);
    {
        for (SquareFace f : {nearFace, leadingFace, farFace, trailingFace}) { // round the square
            double ends[2][2];
            squareFaceEnds(f, ends);
            sceneVertex(sliceEvent(ends[0][0], ends[0][1]));
        }
    }
    glEnd();
}

// --- the disk ---

double rimX(double degrees) {
    return diskRadius * std::cos(degrees * pi / 180.0);
}

double rimY(double degrees) {
    return objectCentreY + diskRadius * std::sin(degrees * pi / 180.0);
}

bool rimSeen(const Look& l, double degrees) {
    return l.rimVisible && std::cos(degrees * pi / 180.0 - l.rimCentre) >= l.rimHalfCosine;
}

void drawRoundTube(const Look& l) {
    glLineWidth(tubeWidth);
    setSceneColour(tubeColour);
    for (double t : {-tubeHalfTime, tubeHalfTime}) {
        glBegin(GL_LINE_LOOP);
        {
            for (int i = 0; i < rimSamples; ++i) {
                const double a = 360.0 * i / rimSamples;
                sceneVertex({rimX(a), rimY(a), t});
            }
        }
        glEnd();
    }
    glBegin(GL_LINES);
    {
        for (int k = 0; k < rimTicks; ++k) {
            const double a = 360.0 * k / rimTicks;
            sceneVertex({rimX(a), rimY(a), -tubeHalfTime});
            sceneVertex({rimX(a), rimY(a), tubeHalfTime});
        }
    }
    glEnd();
    // where the rim meets the cones: seen dark, unseen pale; the seen ticks in colour
    glLineWidth(curveWidth);
    glBegin(GL_LINES);
    {
        for (bool past : {true, false}) {
            for (int i = 0; i < rimSamples; ++i) {
                const double a = 360.0 * i / rimSamples, b = 360.0 * (i + 1) / rimSamples;
                setSceneColour(rimSeen(l, 0.5 * (a + b)) ? seenRimColour : unseenColour);
                for (double c : {a, b}) {
                    sceneVertex(past ? pastConeEvent(l.observer, rimX(c), rimY(c))
                                     : futureConeEvent(l.observer, rimX(c), rimY(c)));
                }
            }
        }
        // rulings from the apex to the seen ticks
        for (int k = 0; k < rimTicks; ++k) {
            const double a = 360.0 * k / rimTicks;
            if (rimSeen(l, a)) {
                float colour[3];
                tickColour(k, colour);
                setSceneColour(colour);
                sceneVertex(l.observer);
                sceneVertex(pastConeEvent(l.observer, rimX(a), rimY(a)));
            }
        }
    }
    glEnd();
    glPointSize(tickSize);
    glBegin(GL_POINTS);
    {
        for (int k = 0; k < rimTicks; ++k) {
            const double a = 360.0 * k / rimTicks;
            float colour[3];
            tickColour(k, colour);
            setSceneColour(colour);
            sceneVertex(sliceEvent(rimX(a), rimY(a)));
            if (rimSeen(l, a)) {
                sceneVertex(pastConeEvent(l.observer, rimX(a), rimY(a)));
            }
        }
    }
    glEnd();
    glLineWidth(sliceWidth);
    setSceneColour(sliceColour);
    glBegin(GL_LINE_LOOP);
    {
        for (int i = 0; i < rimSamples; ++i) {
            const double a = 360.0 * i / rimSamples;
            sceneVertex(sliceEvent(rimX(a), rimY(a)));
        }
    }
    glEnd();
}

// --- the photograph ---

// a strip's axis with ticks every 90 degrees
void drawPhotographAxis(double y) {
    setSceneColour(tubeColour);
    glLineWidth(tubeWidth);
    glBegin(GL_LINES);
    {
        glVertex3d(photographLeft, y, photographDepth);
        glVertex3d(photographRight, y, photographDepth);
        for (int k = 0; k <= 4; ++k) {
            const double x = photographX(90.0 * k);
            glVertex3d(x, y - photographTick, photographDepth);
            glVertex3d(x, y + photographTick, photographDepth);
        }
    }
    glEnd();
}

void photographSegment(double fromDegrees, double toDegrees, double y) {
    glVertex3d(photographX(fromDegrees), y, photographDepth);
    glVertex3d(photographX(toDegrees), y, photographDepth);
}

void drawSquarePhotograph(const Look& l) {
    glLineWidth(photographWidth);
    glBegin(GL_LINES);
    {
        for (int f = 0; f < squareFaceCount; ++f) {
            const SquareFace face = static_cast<SquareFace>(f);
            if (!faceSeen(l.observer, face)) {
                continue;
            }
            setSceneColour(faceColours[f]);
            for (int i = 0; i < faceSamples; ++i) {
                double x0, y0, x1, y1;
                facePoint(face, i, x0, y0);
                facePoint(face, i + 1, x1, y1);
                photographSegment(seenSky(l, x0, y0), seenSky(l, x1, y1), photographSeenY);
                photographSegment(restSky(l, x0, y0), restSky(l, x1, y1), photographRestY);
            }
        }
    }
    glEnd();
}

void drawDiskPhotograph(const Look& l) {
    if (!l.rimVisible) {
        return;
    }
    const double centre = l.rimCentreDegrees, half = l.rimHalfDegrees;
    auto seenAt = [&](double a) { return seenSky(l, rimX(a), rimY(a)); };
    auto restAt = [&](double a) { return restSky(l, rimX(a), rimY(a)); };
    glLineWidth(photographWidth);
    setSceneColour(seenRimColour);
    glBegin(GL_LINES);
    {
        const int steps = faceSamples;
        for (int i = 0; i < steps; ++i) {
            const double a = centre - half + 2.0 * half * i / steps;
            const double b = centre - half + 2.0 * half * (i + 1) / steps;
            photographSegment(seenAt(a), seenAt(b), photographSeenY);
            photographSegment(restAt(a), restAt(b), photographRestY);
        }
    }
    glEnd();
    // the seen ticks as short upright marks on both strips
    glLineWidth(tickWidth);
    glBegin(GL_LINES);
    {
        for (int k = 0; k < rimTicks; ++k) {
            const double a = 360.0 * k / rimTicks;
            if (!rimSeen(l, a)) {
                continue;
            }
            float colour[3];
            tickColour(k, colour);
            setSceneColour(colour);
            const double seenX = photographX(seenAt(a));
            const double restX = photographX(restAt(a));
            glVertex3d(seenX, photographSeenY - photographMark, photographDepth);
            glVertex3d(seenX, photographSeenY + photographMark, photographDepth);
            glVertex3d(restX, photographRestY - photographMark, photographDepth);
            glVertex3d(restX, photographRestY + photographMark, photographDepth);
        }
    }
    glEnd();
}

// The whole scene, painted in order (no depth test), the photograph in eye space.
void drawSeenScene(void (*tube)(const Look&), void (*photograph)(const Look&)) {
    const Look l = look();
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

void drawSquareTubeScene() {
    drawSeenScene(drawSquareTube, drawSquarePhotograph);
}

void drawRoundTubeScene() {
    drawSeenScene(drawRoundTube, drawDiskPhotograph);
}
