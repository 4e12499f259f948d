// Seen, not measured. The observer sits at x = y = 0 of the frame drawn; its
// event at lookTime is the apex of a past cone (the light it sees then) and a
// future cone (where a flash sent then goes). The object's world tube is drawn
// through boostMatrix from its own frame, where the cones' intersections are
// t' = T' -+ |p - O'|; the tube and the cones reach a little beyond them, and
// the whole is scaled and placed to fit its part of the view at every
// observer's time. The photograph below maps sky angles across, 0..360, or
// -180..180 when the image crosses the direction of motion: the seen image
// above, the object at rest at the same own-frame place beneath. Beside them
// the camera's picture (camera.cpp), which may fill the window instead. The
// square and the disk are in seenSquare.cpp and seenDisk.cpp.
#include "scenes/seen.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "app/teaching.h"
#include "scenes/camera.h"
#include "scenes/letters.h"
#include "scenes/sceneView.h"
#include "scenes/seenParts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

using namespace seen;

const SeenRegion constructionRegion = {-1.92, 0.30, -1.36, 1.92}; // beside the camera's picture

namespace {
const int coneRulings = 12;
const double leastConeReach = 1.2; // drawn time: the cones' rulings at least this long
const double reachBeyond = 1.15;   // the rulings run this much further than the farthest meeting
const double tubeBeyond = 0.6;     // own time the tube runs past its meetings with the cones
const double eyeDistance = 10.0;   // the start view: the scene's origin this far ahead
const double fitMargin = 0.05;     // eye units kept free inside the region: wide lines, points
const int fitRounds = 8;
const double photographDepth = -eyeDistance;
const double photographTick = 0.04;
const double labelHeight = 0.08; // eye units: the strips' numbers and names
const double labelGap = 0.045;
const GLfloat apexSize = 10.0f;
const GLfloat labelWidth = 1.5f;

const float observerColour[3] = {0.0f, 0.0f, 0.0f}; // black
const float coneColour[3] = {0.8f, 0.8f, 0.8f};     // pale grey
const float labelColour[3] = {0.0f, 0.0f, 0.0f};    // black: each palette's text colour

bool signedStrips = false; // this frame's strips run -180..180

double wrapped(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

// whether the arc counter-clockwise from `from` to `to` holds 0 degrees
bool crossesMotion(double from, double to) {
    return std::isfinite(from) && std::isfinite(to) && wrapped(-from) <= wrapped(to - from);
}

// The world tube from a little before its meeting with the past cone to a
// little after the future cone, and rulings that reach past both meetings.
SeenFrame frameOf(const SkyView& view, const double outline[][2], int count) {
    const SpacetimeVector& o = view.observer;
    double farthest = 0.0, past = leastConeReach, future = leastConeReach;
    for (int i = 0; i < count; ++i) {
        const double x = outline[i][0], y = outline[i][1];
        farthest = std::max(farthest, std::hypot(x - o.x, y - o.y));
        const double seen = applyMatrix4(view.boost, pastConeEvent(o, x, y)).t;
        const double reached = applyMatrix4(view.boost, futureConeEvent(o, x, y)).t;
        past = std::max(past, reachBeyond * (lookTime - seen));
        future = std::max(future, reachBeyond * (reached - lookTime));
    }
    return {view, o.t - farthest - tubeBeyond, o.t + farthest + tubeBeyond, past, future};
}

// Eye-space direction of a drawn event under the scene's turn and tilt.
SpacetimeVector turnedAndTilted(const SpacetimeVector& p) {
    const double turn = seenTurnAboutTime * pi / 180.0, tilt = sceneTiltDegrees * pi / 180.0;
    const double x = p.x * std::cos(turn) - p.y * std::sin(turn);
    const double y = p.x * std::sin(turn) + p.y * std::cos(turn);
    return {x, y * std::cos(tilt) - p.t * std::sin(tilt),
            y * std::sin(tilt) + p.t * std::cos(tilt)};
}

struct Placement {
    double x, y, scale; // eye units: the shift after the view, and scene units to eye units
};

// The largest scale (up to seenLargestScale) and the shift that put every
// point inside the region in the start view, perspective included.
Placement fitted(const SpacetimeVector* points, int count) {
    const SeenRegion& r = constructionRegion;
    const double width = r.right - r.left - 2.0 * fitMargin,
                 height = r.top - r.bottom - 2.0 * fitMargin;
    Placement p = {0.0, 0.0, seenLargestScale};
    for (int round = 0; round < fitRounds; ++round) {
        double left = HUGE_VAL, right = -HUGE_VAL, bottom = HUGE_VAL, top = -HUGE_VAL;
        for (int i = 0; i < count; ++i) {
            const SpacetimeVector e = turnedAndTilted(points[i]);
            const double w = eyeDistance / (eyeDistance - p.scale * e.t);
            left = std::min(left, (p.x + p.scale * e.x) * w);
            right = std::max(right, (p.x + p.scale * e.x) * w);
            bottom = std::min(bottom, (p.y + p.scale * e.y) * w);
            top = std::max(top, (p.y + p.scale * e.y) * w);
        }
        // centred, then scaled about the region's centre
        const double cx = 0.5 * (r.left + r.right), cy = 0.5 * (r.bottom + r.top);
        p.x += cx - 0.5 * (left + right);
        p.y += cy - 0.5 * (bottom + top);
        const double scale = std::min(
            seenLargestScale, p.scale * std::min(width / (right - left), height / (top - bottom)));
        p.x = cx - (cx - p.x) * scale / p.scale;
        p.y = cy - (cy - p.y) * scale / p.scale;
        p.scale = scale;
    }
    return p;
}

// what is drawn at its farthest: the cones' rulings, the tube's ends, the apex
Placement placementOf(const SeenFrame& f, const double outline[][2], int count) {
    SpacetimeVector points[2 * coneRulings + 2 * maxOutlinePoints + 1];
    int n = 0;
    points[n++] = {0.0, 0.0, lookTime};
    for (int k = 0; k < coneRulings; ++k) {
        const double a = 2.0 * pi * k / coneRulings;
        for (double reach : {-f.pastReach, f.futureReach}) {
            points[n++] = {std::fabs(reach) * std::cos(a), std::fabs(reach) * std::sin(a),
                           lookTime + reach};
        }
    }
    for (int i = 0; i < count; ++i) {
        for (double t : {f.tubeFrom, f.tubeTo}) {
            points[n++] = applyMatrix4(f.view.boost, {outline[i][0], outline[i][1], t});
        }
    }
    return fitted(points, n);
}

// drawn frame: the observer's world line, its apex and both hemicones
void drawObserverCones(const SeenFrame& f) {
    glLineWidth(tubeWidth);
    setSceneColour(coneColour);
    glBegin(GL_LINES);
    {
        for (int k = 0; k < coneRulings; ++k) {
            const double a = 2.0 * pi * k / coneRulings;
            for (double reach :
                 {-f.pastReach, f.futureReach}) { // down the past cone, up the future
                const double r = std::fabs(reach);
                sceneVertex({0.0, 0.0, lookTime});
                sceneVertex({r * std::cos(a), r * std::sin(a), lookTime + reach});
            }
        }
    }
    glEnd();
    glLineWidth(curveWidth);
    setSceneColour(observerColour);
    glBegin(GL_LINES);
    {
        sceneVertex({0.0, 0.0, lookTime - f.pastReach});
        sceneVertex({0.0, 0.0, lookTime + f.futureReach});
    }
    glEnd();
    glPointSize(apexSize);
    glBegin(GL_POINTS);
    sceneVertex({0.0, 0.0, lookTime});
    glEnd();
}

double stripStart() {
    return signedStrips ? -180.0 : 0.0;
}

double photographX(double skyDegrees) {
    const double along = wrapped(skyDegrees - stripStart()); // 0..360 from the strip's start
    return photographLeft + (photographRight - photographLeft) * along / 360.0;
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
            const double x = photographLeft + (photographRight - photographLeft) * k / 4.0;
            glVertex3d(x, y - photographTick, photographDepth);
            glVertex3d(x, y + photographTick, photographDepth);
        }
    }
    glEnd();
}

// the strips' degrees under the lower strip and their names above each, as the page asks
void drawPhotographLabels() {
    if (!showAxisLabels) {
        return;
    }
    glLineWidth(labelWidth);
    setSceneColour(labelColour);
    const double numbersY = photographRestY - photographTick - labelGap - labelHeight;
    for (int k = 0; k <= 4; ++k) {
        char text[8];
        std::snprintf(text, sizeof text, "%d%c", static_cast<int>(stripStart()) + 90 * k,
                      degreeSign);
        const double x = photographLeft + (photographRight - photographLeft) * k / 4.0;
        drawTextAt(text, x, numbersY, photographDepth, labelHeight,
                   k == 0   ? 0.0
                   : k == 4 ? 1.0
                            : 0.5);
    }
    if (labelWords) { // a page in another language names the strips in its legend instead
        drawTextAt("seen", photographLeft, photographSeenY + labelGap, photographDepth, labelHeight,
                   0.0);
        drawTextAt("at rest, same place", photographLeft, photographRestY + labelGap,
                   photographDepth, labelHeight, 0.0);
    }
}

// The whole scene, painted in order (no depth test), the photograph and the
// camera's picture in eye space; or the camera's picture alone.
void drawSeenScene(SeenImage (*see)(const Matrix4&, double), int (*outline)(double[][2]),
                   void (*tube)(const SeenFrame&), void (*photograph)(const SkyView&)) {
    const bool cube = see == seeSquare;
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    if (cameraWhole) {
        drawCameraPicture(cube, cameraWindow);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        return;
    }
    double points[maxOutlinePoints][2];
    const int count = outline(points);
    const SeenFrame frame = frameOf(skyViewAt(boostMatrix, lookTime), points, count);
    const Placement place = placementOf(frame, points, count);
    const SeenImage image = see(boostMatrix, lookTime);
    signedStrips =
        crossesMotion(image.from, image.to) || crossesMotion(image.restFrom, image.restTo);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    {
        glTranslated(place.x, place.y, 0.0);
        glRotated(sceneTiltDegrees, 1.0, 0.0, 0.0);
        glRotated(seenTurnAboutTime, 0.0, 0.0, 1.0);
        const GLfloat s = static_cast<GLfloat>(place.scale);
        glScalef(s, s, s);
        drawObserverCones(frame);
        glPushMatrix();
        {
            glMultMatrixd(boostMatrix.m);
            tube(frame);
        }
        glPopMatrix();
    }
    glPopMatrix();
    glPushMatrix();
    {
        glLoadIdentity();
        drawPhotographAxis(photographSeenY);
        drawPhotographAxis(photographRestY);
        photograph(frame.view);
        drawPhotographLabels();
    }
    glPopMatrix();
    drawCameraPicture(cube, cameraInset);
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

void photographMark(double skyDegrees, double stripY, double halfHeight) {
    glVertex3d(photographX(skyDegrees), stripY - halfHeight, photographDepth);
    glVertex3d(photographX(skyDegrees), stripY + halfHeight, photographDepth);
}

void photographSegment(double fromDegrees, double toDegrees, double stripY) {
    const double perDegree = (photographRight - photographLeft) / 360.0;
    const double from = photographX(fromDegrees);
    const double turn = std::remainder(toDegrees - fromDegrees, 360.0); // the short way
    const double to = from + turn * perDegree;
    const double width = photographRight - photographLeft;
    // past an end, the rest comes in at the other
    const double over = to > photographRight ? -width : to < photographLeft ? width : 0.0;
    const double edge = over < 0.0 ? photographRight : photographLeft;
    glVertex3d(from, stripY, photographDepth);
    glVertex3d(over == 0.0 ? to : edge, stripY, photographDepth);
    if (over != 0.0) {
        glVertex3d(edge + over, stripY, photographDepth);
        glVertex3d(to + over, stripY, photographDepth);
    }
}
} // namespace seen

void drawSquareTubeScene() {
    drawSeenScene(seeSquare, squareOutline, drawSquareTube, drawSquarePhotograph);
}

void drawRoundTubeScene() {
    drawSeenScene(seeDisk, diskOutline, drawRoundTube, drawDiskPhotograph);
}
