// The diagram's labels, which the page turns on: the axes' names x and t with
// ticks and numbers at -2, -1, 1 and 2 (space and time in units where c = 1),
// and, with the own frame's axes, their names x' and t' where those axes
// reach 1.8 across or up the view, so that they stay in view under a boost. Text stands upright in
// eye space at its point, as the events' letters do, so it reads the same whatever the boost and
// the view. The 3D scenes have no axes of their own: short axes x, y and t in
// the top left corner, turned as the scene is drawn (the view's turn, then the
// scene's tilt and turn), name the directions of the frame drawn (not over
// the camera's picture alone, which has none).
#include "scenes/labels.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "app/teaching.h"
#include "scenes/accelerated.h"
#include "scenes/letters.h"
#include "scenes/sceneView.h"
#include "scenes/seen.h"
#include "scenes/twin.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const double labelDepth = 0.02;     // over everything of the diagram
const double textHeight = 0.09;     // eye units: about 12 pixels in the start view
const double nameHeight = 0.12;     // the axes' names, a little larger
const double textGap = 0.04;        // eye units between an axis and its numbers
const double tickHalfLength = 0.04; // diagram units
const double nameAt = 1.8;          // the names sit this far along their axes
const double edge = 2.0;            // the start view shows -2..2 both ways
const double letterGridHeight = 6.0;
const GLfloat labelLineWidth = 1.5f; // pixels, as the page's ratio scales them
const int ticks[] = {-2, -1, 1, 2};
const double sceneAxesDepth = -10.0; // eye units: the scene's distance in the start view
const double foreshortened = 0.55; // an axis drawn shorter than this share is named beside its tip
const double pointsAtViewer = 0.2; // and one shorter than this is ringed: it points at the viewer
const double ringRadius = 0.035;   // eye units
const int ringPoints = 16;
const GLfloat textColour[3] = {0.0f, 0.0f, 0.0f}; // black: each palette's text colour
const GLfloat ownColour[3] = {0.6f, 0.0f, 0.8f};  // violet, as the own axes

enum class Anchor { left, centre, right };

// Text of the given height at the eye-space point of (x, t), moved by (dx, dy)
// eye units, its start, middle or end there.
void textAt(const char* text, double x, double t, double height, Anchor anchor, double dx,
            double dy) {
    double m[16];
    glPushMatrix();
    {
        glTranslated(x, t, labelDepth);
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        glLoadIdentity();
        const double scale = height / letterGridHeight;
        const double width = textWidth(text) * scale;
        const double shift = anchor == Anchor::left     ? 0.0
                             : anchor == Anchor::centre ? -width / 2
                                                        : -width;
        glTranslated(m[12] + dx + shift, m[13] + dy, m[14]);
        const GLfloat s = static_cast<GLfloat>(scale);
        glScalef(s, s, s);
        drawText(text);
    }
    glPopMatrix();
}

void drawTicks() {
    glBegin(GL_LINES);
    for (int n : ticks) {
        glVertex3d(n, -tickHalfLength, labelDepth);
        glVertex3d(n, tickHalfLength, labelDepth);
        glVertex3d(-tickHalfLength, n, labelDepth);
        glVertex3d(tickHalfLength, n, labelDepth);
    }
    glEnd();
}

// numbers below the x axis and left of the t axis; at the view's edge, inside it
void drawNumbers() {
    for (int n : ticks) {
        const char text[3] = {n < 0 ? '-' : static_cast<char>('0' + n),
                              n < 0 ? static_cast<char>('0' - n) : '\0', '\0'};
        const Anchor along = n == edge ? Anchor::right : n == -edge ? Anchor::left : Anchor::centre;
        textAt(text, n, 0.0, textHeight, along, 0.0, -textGap - textHeight);
        textAt(text, 0.0, n, textHeight, Anchor::right, -textGap, n == edge ? -textHeight : 0.0);
    }
}

// The scene's turn after the view, as each 3D scene applies it: F4 has time
// towards the viewer, F5 to F9 tilt time up, F8 and F9 turn about it too.
void orientLikeScene(int demo) {
    if (demo >= demoUpwardCone) {
        glRotated(sceneTiltDegrees, 1.0, 0.0, 0.0);
    }
    if (demo == demoSquareTube || demo == demoRoundTube) {
        glRotated(seenTurnAboutTime, 0.0, 0.0, 1.0);
    }
}

// x, y and t as short black axes from one point, each named at its tip
void drawSceneAxes() {
    double turn[16];
    glPushMatrix();
    {
        glGetDoublev(GL_MODELVIEW_MATRIX, turn); // the view: its turn only
        turn[12] = turn[13] = turn[14] = 0.0;
        glLoadIdentity();
        glMultMatrixd(turn);
        orientLikeScene(currentDemo);
        glGetDoublev(GL_MODELVIEW_MATRIX, turn);
        glLoadIdentity();
        glColor3f(textColour[0], textColour[1], textColour[2]);
        const char* const names[3] = {"x", "y", "t"};
        for (int axis = 0; axis < 3; ++axis) {
            const double* d = turn + 4 * axis; // the axis in eye space: the matrix's column
            const double tipX = sceneAxesX + sceneAxisLength * d[0];
            const double tipY = sceneAxesY + sceneAxisLength * d[1];
            glBegin(GL_LINES);
            glVertex3d(sceneAxesX, sceneAxesY, sceneAxesDepth);
            glVertex3d(tipX, tipY, sceneAxesDepth + sceneAxisLength * d[2]);
            glEnd();
            // beyond its tip; an axis foreshortened by pointing away or at the viewer is
            // named left of its tip, and one pointing straight at the viewer ringed
            const double across = std::hypot(d[0], d[1]);
            if (across < pointsAtViewer) {
                glBegin(GL_LINE_LOOP);
                for (int k = 0; k < ringPoints; ++k) {
                    const double a = 2.0 * 3.14159265358979323846 * k / ringPoints;
                    glVertex3d(sceneAxesX + ringRadius * std::cos(a),
                               sceneAxesY + ringRadius * std::sin(a), sceneAxesDepth);
                }
                glEnd();
            }
            const bool beyond = across >= foreshortened;
            const double reach = sceneAxisLength * across + textGap + 0.5 * nameHeight;
            const double nameX =
                beyond ? sceneAxesX + reach * d[0] / across : tipX - textGap - ringRadius;
            const double nameY = beyond ? sceneAxesY + reach * d[1] / across : tipY;
            drawTextAt(names[axis], nameX, nameY - 0.5 * nameHeight, sceneAxesDepth, nameHeight,
                       beyond ? 0.5 : 1.0);
        }
    }
    glPopMatrix();
}

void drawDiagramLabels() {
    const bool ownAxes = showOwnAxes && currentDemo <= 3; // drawn over demonstrations 1-3 only
    // t's name near the top of the view, which the accelerated observers' drop moves up
    const double tNameAt = currentDemo > 3 ? nameAt - acceleratedSceneDrop : nameAt;
    glPushMatrix();
    {
        if (currentDemo == 3) {
            glTranslated(0.0, twinSceneDrop, 0.0);
        } else if (currentDemo > 3) {
            glTranslated(0.0, acceleratedSceneDrop, 0.0);
        }
        glColor3f(textColour[0], textColour[1], textColour[2]);
        drawTicks();
        drawNumbers();
        textAt("x", nameAt, 0.0, nameHeight, Anchor::centre, 0.0, textGap);
        textAt("t", 0.0, tNameAt, nameHeight, Anchor::left, textGap, 0.0);
        if (ownAxes) { // the boost's columns: x' and t' in the diagram
            const double* m = boostMatrix.m;
            const double across = nameAt / std::fmax(std::fabs(m[0]), std::fabs(m[1]));
            const double up = nameAt / std::fmax(std::fabs(m[4]), std::fabs(m[5]));
            glColor3f(ownColour[0], ownColour[1], ownColour[2]);
            // below and left of their axes, where x and t stand above and right: apart at rest
            textAt("x'", m[0] * across, m[1] * across, nameHeight, Anchor::right, 0.0,
                   -textGap - nameHeight);
            textAt("t'", m[4] * up, m[5] * up, nameHeight, Anchor::right, -textGap, 0.0);
        }
    }
    glPopMatrix();
}
} // namespace

void drawAxisLabels() {
    const bool diagram = boostsAlongX(currentDemo); // 1-3, and 10, 11 where shown
    const bool camera =
        cameraWhole && (currentDemo == demoSquareTube || currentDemo == demoRoundTube);
    const bool scene = !diagram && currentDemo >= 4 && hasSceneOfItsOwn(currentDemo) && !camera;
    if (!showAxisLabels || !(diagram || scene)) {
        return;
    }
    glDisable(GL_LIGHTING);
    glLineWidth(labelLineWidth);
    if (diagram) {
        drawDiagramLabels();
    } else {
        drawSceneAxes();
    }
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
}
