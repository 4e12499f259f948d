// The page's side of the overlays and events of demonstrations 1-3. What the
// page calls:
//   webSetOverlays(axes, simultaneity, cones)   each 0 or 1
//   webSetLabels(on)          the axes' names and tick numbers, 0 or 1
//   webSetLabelWords(on)      with them, the words the picture draws (English), 0 or 1
//   webAddEventOwn(x', t'), webAddEventDiagram(x, t)   1 when placed
//   webPlaceEventAt(x, y, snap)  an event under the pointer (CSS pixels from the top
//                             left), its x and t as drawn rounded to 0.05 when snap is 1
//   webEventAt(x, y)          the event whose mark is under the pointer, -1 none
//   webMoveEventTo(i, x, y, snap)  event i under the pointer, as placed
//   webRemoveEvent(i), webClearEvents(), webEventCount()
//   webEventLetter(i), webSetEventLetter(i, letter)   each event keeps its letter
//   webEventReadouts(i)       x, t (as drawn), x', t' (own frame), t^2 - x^2 from the origin
//   webSetPair(i, j)          the pair whose readouts the panel shows; -1 none
// Typed and tapped events are in the diagram's frame as drawn now; they are
// kept in the own frame, so they move with the objects under a boost.
#include "web/program/diagram.h"

#include "app/state.h"
#include "app/teaching.h"
#include "scenes/twin.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cmath>
#include <emscripten/emscripten.h>

namespace {
const int demoTwinParadox = 3;
const double snapStep = 0.05; // a tap's x and t, as drawn, to this much
const int markReachPx = 10;   // a press this close to an event's mark takes the event

int pairFirst = -1, pairSecond = -1;
double eventReadouts[5];

bool hasDiagram() {
    return currentDemo >= 1 && currentDemo <= demoTwinParadox;
}

bool addDiagramEvent(SpacetimePoint d) {
    if (!hasDiagram()) {
        return false;
    }
    const SpacetimePoint own = diagramToOwn(boostMatrix, d);
    if (!addEvent(own.x, own.t)) {
        return false;
    }
    glutPostRedisplay();
    return true;
}

// The diagram plane's point under a window pixel: projection times view,
// applied to (x, y, 0, 1), must land on the pixel's normalised coordinates.
bool pixelToDiagram(int px, int py, SpacetimePoint& out) {
    float view[16], projection[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, view);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    Matrix4 viewMatrix, projectionMatrix, product;
    std::copy(view, view + 16, viewMatrix.m);
    std::copy(projection, projection + 16, projectionMatrix.m);
    multiplyMatrix4(projectionMatrix, viewMatrix, product);
    const double* m = product.m;
    const double nx = 2.0 * (px + 0.5) / glutGet(GLUT_WINDOW_WIDTH) - 1.0;
    const double ny = 1.0 - 2.0 * (py + 0.5) / glutGet(GLUT_WINDOW_HEIGHT);
    // (row - n * row w) . (x, y, 0, 1) = 0 for the rows x and y
    const double a = m[0] - nx * m[3], b = m[4] - nx * m[7], e = nx * m[15] - m[12];
    const double c = m[1] - ny * m[3], d = m[5] - ny * m[7], f = ny * m[15] - m[13];
    const double det = a * d - b * c;
    if (!(std::fabs(det) > 1e-12)) {
        return false; // the plane seen edge on
    }
    out = {(e * d - b * f) / det, (a * f - c * e) / det};
    if (currentDemo == demoTwinParadox) {
        out.t -= twinSceneDrop;
    }
    return std::isfinite(out.x) && std::isfinite(out.t);
}
// The diagram point under a pixel, rounded as a tap is when snap is set.
bool tapToDiagram(int px, int py, bool snap, SpacetimePoint& out) {
    if (!hasDiagram() || !pixelToDiagram(px, py, out)) {
        return false;
    }
    if (snap) {
        out = {std::round(out.x / snapStep) * snapStep, std::round(out.t / snapStep) * snapStep};
    }
    return true;
}
} // namespace

bool chosenPair(PairRelation& relation) {
    if (!hasDiagram() || pairFirst < 0 || pairSecond < 0 || pairFirst >= eventCount ||
        pairSecond >= eventCount || pairFirst == pairSecond) {
        return false;
    }
    relation = relatePair(boostMatrix, {eventOwnX[pairFirst], eventOwnT[pairFirst]},
                          {eventOwnX[pairSecond], eventOwnT[pairSecond]});
    return true;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void webSetOverlays(int axes, int simultaneity, int cones) {
    showOwnAxes = axes != 0;
    showSimultaneity = simultaneity != 0;
    showLightCones = cones != 0;
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE void webSetLabels(int on) {
    showAxisLabels = on != 0;
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE void webSetLabelWords(int on) {
    labelWords = on != 0;
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE int webAddEventOwn(double x, double t) {
    if (!addEvent(x, t)) {
        return 0;
    }
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE int webAddEventDiagram(double x, double t) {
    return addDiagramEvent({x, t}) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int webPlaceEventAt(int x, int y, int snap) {
    SpacetimePoint d;
    return tapToDiagram(x, y, snap != 0, d) && addDiagramEvent(d) ? 1 : 0;
}

// The nearest event whose mark is within reach: distances in diagram units,
// the reach the diagram length of markReachPx pixels here.
EMSCRIPTEN_KEEPALIVE int webEventAt(int x, int y) {
    SpacetimePoint here, aside;
    if (!hasDiagram() || !pixelToDiagram(x, y, here) ||
        !pixelToDiagram(x + markReachPx, y, aside)) {
        return -1;
    }
    const double reach = std::hypot(aside.x - here.x, aside.t - here.t);
    int nearest = -1;
    double nearestDistance = reach;
    for (int i = 0; i < eventCount; ++i) {
        const SpacetimePoint e = ownToDiagram(boostMatrix, {eventOwnX[i], eventOwnT[i]});
        const double distance = std::hypot(e.x - here.x, e.t - here.t);
        if (distance <= nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

EMSCRIPTEN_KEEPALIVE int webMoveEventTo(int i, int x, int y, int snap) {
    SpacetimePoint d;
    if (!tapToDiagram(x, y, snap != 0, d)) {
        return 0;
    }
    const SpacetimePoint own = diagramToOwn(boostMatrix, d);
    if (!moveEvent(i, own.x, own.t)) {
        return 0;
    }
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE int webEventLetter(int i) {
    return (i >= 0 && i < eventCount) ? eventLetter[i] : 0;
}

EMSCRIPTEN_KEEPALIVE int webSetEventLetter(int i, int letter) {
    if (!setEventLetter(i, static_cast<char>(letter))) {
        return 0;
    }
    glutPostRedisplay();
    return 1;
}

EMSCRIPTEN_KEEPALIVE void webRemoveEvent(int i) {
    removeEvent(i);
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE void webClearEvents() {
    clearEvents();
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE int webEventCount() {
    return eventCount;
}

EMSCRIPTEN_KEEPALIVE const double* webEventReadouts(int i) {
    for (double& q : eventReadouts) {
        q = NAN;
    }
    if (i >= 0 && i < eventCount) {
        const SpacetimePoint own{eventOwnX[i], eventOwnT[i]};
        const SpacetimePoint seen = ownToDiagram(boostMatrix, own);
        eventReadouts[0] = seen.x;
        eventReadouts[1] = seen.t;
        eventReadouts[2] = own.x;
        eventReadouts[3] = own.t;
        eventReadouts[4] = intervalSquared({0.0, 0.0}, own);
    }
    return eventReadouts;
}

EMSCRIPTEN_KEEPALIVE void webSetPair(int first, int second) {
    pairFirst = first;
    pairSecond = second;
}

} // extern "C"
