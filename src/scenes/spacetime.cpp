// Spacetime diagrams for time dilation and length contraction. The diagram
// (axes, light lines, unit hyperbolas) stays in the viewer's frame; the
// objects are drawn through boostMatrix, so a boost slides them along the
// hyperbolas, which every boost along x maps onto themselves.
#include "scenes/spacetime.h"

#include "app/state.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const double diagramHalfExtent = 4.0; // axes and hyperbola parameter run -4..4
const double hyperbolaStep = 0.25;    // exact in binary: 33 vertices per strip
const GLfloat diagramLineWidth = 3.0f;
const double unitInterval = 1.0; // hyperbola constant, also the clock's half-length
const int latticeHalfCount = 10; // events at indices -10..10 each way
const double latticeSpacing = 0.2;
const GLfloat latticePointSize = 3.0f;
const double clockDepth = 0.01; // just in front of the diagram plane

void drawLine(double x0, double y0, double x1, double y1) {
    glBegin(GL_LINES);
    {
        glVertex2d(x0, y0);
        glVertex2d(x1, y1);
    }
    glEnd();
}

enum class Branch { Future, Past, Right, Left };

void drawHyperbolaBranch(Branch branch, double intervalSquared) {
    glBegin(GL_LINE_STRIP);
    for (double s = -diagramHalfExtent; s <= diagramHalfExtent; s += hyperbolaStep) {
        const double r = std::sqrt(s * s + intervalSquared);
        switch (branch) {
        case Branch::Future:
            glVertex2d(s, r);
            break;
        case Branch::Past:
            glVertex2d(s, -r);
            break;
        case Branch::Right:
            glVertex2d(r, s);
            break;
        case Branch::Left:
            glVertex2d(-r, s);
            break;
        }
    }
    glEnd();
}
} // namespace

void drawSpacetimeAxes(double intervalSquared) {
    drawAxesAndLightLines();

    // timelike branches (future, past), then spacelike (right, left)
    glColor3f(1.0f, 1.0f, 0.0f);
    glLineWidth(diagramLineWidth);
    drawHyperbolaBranch(Branch::Future, intervalSquared);
    drawHyperbolaBranch(Branch::Past, intervalSquared);
    drawHyperbolaBranch(Branch::Right, intervalSquared);
    drawHyperbolaBranch(Branch::Left, intervalSquared);
}

void drawAxesAndLightLines() {
    const double e = diagramHalfExtent;

    // space and time axes
    glColor3f(1.0f, 0.0f, 0.0f);
    glLineWidth(diagramLineWidth);
    drawLine(-e, 0.0, e, 0.0);
    glColor3f(1.0f, 0.0f, 0.0f);
    glLineWidth(diagramLineWidth);
    drawLine(0.0, -e, 0.0, e);

    // light lines x = t and x = -t
    glColor3f(0.0f, 0.0f, 1.0f);
    glLineWidth(diagramLineWidth);
    drawLine(-e, -e, e, e);
    glColor3f(0.0f, 0.0f, 1.0f);
    glLineWidth(diagramLineWidth);
    drawLine(-e, e, e, -e);
}

void drawTimeDilationScene() {
    glDisable(GL_LIGHTING);
    drawSpacetimeAxes(unitInterval);
    glPushMatrix();
    {
        glMultMatrixd(boostMatrix.m);

        // lattice of events at rest in the boosted frame, column by column in x
        glColor3f(0.0f, 0.0f, 0.0f);
        glPointSize(latticePointSize);
        glBegin(GL_POINTS);
        for (int i = -latticeHalfCount; i <= latticeHalfCount; ++i) {
            for (int j = -latticeHalfCount; j <= latticeHalfCount; ++j) {
                glVertex2d(latticeSpacing * i, latticeSpacing * j);
            }
        }
        glEnd();

        // clock at rest at x = 0 from t = -1 to t = 1
        glLineWidth(diagramLineWidth);
        glColor3f(0.0f, 1.0f, 1.0f);
        glBegin(GL_LINES);
        {
            glVertex3d(0.0, unitInterval, clockDepth);
            glVertex3d(0.0, -unitInterval, clockDepth);
        }
        glEnd();
    }
    glPopMatrix();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
}

void drawLengthContractionScene(double halfLength) {
    glDisable(GL_LIGHTING);
    drawSpacetimeAxes(unitInterval);
    glPushMatrix();
    {
        glMultMatrixd(boostMatrix.m);

        // world lines of the rod's ends, between the timelike hyperbola branches
        // (line width 3 left by the diagram)
        const double h = std::sqrt(halfLength * halfLength + 1.0);
        glColor3f(0.0f, 0.0f, 0.0f);
        glBegin(GL_LINES);
        {
            glVertex2d(halfLength, h);
            glVertex2d(halfLength, -h);
            glVertex2d(-halfLength, h);
            glVertex2d(-halfLength, -h);
        }
        glEnd();
    }
    glPopMatrix();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
}
