// GL primitives as WebGL draws them, computed as the desktop's GL does: each
// vertex through the matrix stacks and lit or coloured, then points as WebGL
// points and wide lines as screen-space rectangles about the segment clipped
// in homogeneous coordinates first (a fast boost swings a world line behind
// the eye), triangles, quads and polygons as triangles; all batched in the
// order drawn, a batch of one kind (and point size) at a time.
#include "web/platform/primitives.h"

#include "web/platform/fixedFunction.h"
#include "web/platform/lighting.h"
#include "web/platform/matrices.h"
#include "web/platform/webgl.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
const size_t floatsPerVertex = 8;     // clip x y z w, colour r g b a
const size_t batchVertices = 1 << 15; // a batch drawn at once at most
float currentColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};

struct Vertex {
    float clip[4];
    float colour[4];
};
GLenum primitiveMode = GL_POINTS;
std::vector<Vertex> primitiveVertices;
float batch[batchVertices *
            floatsPerVertex]; // primitives waiting for the next flush, all of one kind
size_t batchFloats = 0;
bool batchHoldsPoints = false;
float batchPointSize = 1.0f;

// Primitives keep their order: a change between points and triangles flushes.
void batchAs(bool points) {
    const float size = frameState().pointSize * frameState().pixelRatio;
    if (points != batchHoldsPoints || (points && size != batchPointSize)) {
        flushBatch();
        batchHoldsPoints = points;
        batchPointSize = size;
    }
}

// room in the batch for a whole primitive's vertices: a full batch is drawn first
void makeRoom(size_t vertices) {
    if (batchFloats + vertices * floatsPerVertex > sizeof batch / sizeof batch[0]) {
        flushBatch();
    }
}

void emit(const float position[4], const float colour[4]) {
    float* at = batch + batchFloats;
    std::copy(position, position + 4, at);
    std::copy(colour, colour + 4, at + 4);
    batchFloats += floatsPerVertex;
}

void emitTriangle(const Vertex& a, const Vertex& b, const Vertex& c) {
    batchAs(false);
    makeRoom(3);
    emit(a.clip, a.colour);
    emit(b.clip, b.colour);
    emit(c.clip, c.colour);
}

// Window pixels of a point already divided by w; z stays normalised (-1..1).
struct WindowPoint {
    float x, y, z;
};

WindowPoint toWindow(const float clip[4]) {
    const int* v = frameState().deviceViewport;
    return {v[0] + (clip[0] / clip[3] + 1.0f) * 0.5f * v[2],
            v[1] + (clip[1] / clip[3] + 1.0f) * 0.5f * v[3], clip[2] / clip[3]};
}

void emitWindowQuad(const WindowPoint corners[4], const float* colours[4]) {
    const int* deviceViewport = frameState().deviceViewport;
    float ndc[4][4];
    for (int i = 0; i < 4; ++i) {
        ndc[i][0] = (corners[i].x - deviceViewport[0]) * 2.0f / deviceViewport[2] - 1.0f;
        ndc[i][1] = (corners[i].y - deviceViewport[1]) * 2.0f / deviceViewport[3] - 1.0f;
        ndc[i][2] = corners[i].z;
        ndc[i][3] = 1.0f;
    }
    batchAs(false);
    makeRoom(6);
    const int order[6] = {0, 1, 2, 0, 2, 3};
    for (int i : order) {
        emit(ndc[i], colours[i]);
    }
}

// Clips the segment a-b to -w <= x, y, z <= w; false when nothing is left.
bool clipSegment(Vertex& a, Vertex& b) {
    float t0 = 0.0f, t1 = 1.0f;
    for (int axis = 0; axis < 3; ++axis) {
        for (float side : {1.0f, -1.0f}) {
            const float da = a.clip[3] - side * a.clip[axis];
            const float db = b.clip[3] - side * b.clip[axis];
            if (da < 0.0f && db < 0.0f) {
                return false;
            }
            if (da < 0.0f) {
                t0 = std::fmax(t0, da / (da - db));
            } else if (db < 0.0f) {
                t1 = std::fmin(t1, da / (da - db));
            }
        }
    }
    if (t0 >= t1) {
        return false;
    }
    const Vertex from = a, to = b;
    for (int i = 0; i < 4; ++i) {
        a.clip[i] = from.clip[i] + t0 * (to.clip[i] - from.clip[i]);
        b.clip[i] = from.clip[i] + t1 * (to.clip[i] - from.clip[i]);
        a.colour[i] = from.colour[i] + t0 * (to.colour[i] - from.colour[i]);
        b.colour[i] = from.colour[i] + t1 * (to.colour[i] - from.colour[i]);
    }
    return true;
}

// A line lineWidth pixels wide: the rectangle about the clipped segment.
void emitLine(Vertex a, Vertex b) {
    if (!clipSegment(a, b)) {
        return;
    }
    const WindowPoint p = toWindow(a.clip), q = toWindow(b.clip);
    const float dx = q.x - p.x, dy = q.y - p.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length < 1e-6f) {
        return;
    }
    const float halfWidth = 0.5f * frameState().lineWidth * frameState().pixelRatio;
    const float ox = -dy / length * halfWidth, oy = dx / length * halfWidth;
    const WindowPoint corners[4] = {{p.x + ox, p.y + oy, p.z},
                                    {p.x - ox, p.y - oy, p.z},
                                    {q.x - ox, q.y - oy, q.z},
                                    {q.x + ox, q.y + oy, q.z}};
    const float* colours[4] = {a.colour, a.colour, b.colour, b.colour};
    emitWindowQuad(corners, colours);
}

// A point pointSize pixels square about its vertex, as WebGL draws points.
void emitPoint(const Vertex& v) {
    batchAs(true);
    makeRoom(1);
    emit(v.clip, v.colour);
}

void assemblePrimitive() {
    const std::vector<Vertex>& v = primitiveVertices;
    const size_t n = v.size();
    switch (primitiveMode) {
    case GL_POINTS:
        for (const Vertex& p : v) {
            emitPoint(p);
        }
        break;
    case GL_LINES:
        for (size_t i = 0; i + 1 < n; i += 2) {
            emitLine(v[i], v[i + 1]);
        }
        break;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        for (size_t i = 0; i + 1 < n; ++i) {
            emitLine(v[i], v[i + 1]);
        }
        if (primitiveMode == GL_LINE_LOOP && n > 2) {
            emitLine(v[n - 1], v[0]);
        }
        break;
    case GL_TRIANGLES:
        for (size_t i = 0; i + 2 < n; i += 3) {
            emitTriangle(v[i], v[i + 1], v[i + 2]);
        }
        break;
    case GL_QUADS:
        for (size_t i = 0; i + 3 < n; i += 4) {
            emitTriangle(v[i], v[i + 1], v[i + 2]);
            emitTriangle(v[i], v[i + 2], v[i + 3]);
        }
        break;
    case GL_POLYGON:
        for (size_t i = 1; i + 1 < n; ++i) {
            emitTriangle(v[0], v[i], v[i + 1]);
        }
        break;
    default:
        break;
    }
}
} // namespace

void flushBatch() {
    if (batchFloats == 0) {
        return;
    }
    const int count = static_cast<int>(batchFloats / floatsPerVertex);
    if (batchHoldsPoints) {
        webglDrawPoints(batch, count, batchPointSize);
    } else {
        webglDrawTriangles(batch, count);
    }
    batchFloats = 0;
}

extern "C" {

void glBegin(GLenum mode) {
    primitiveMode = mode;
    primitiveVertices.clear();
}

void glEnd(void) {
    assemblePrimitive();
    primitiveVertices.clear();
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    const float asked[3] = {r, g, b};
    mapColour(asked, currentColour);
    currentColour[3] = 1.0f;
}

void glVertex2d(GLdouble x, GLdouble y) {
    glVertex3d(x, y, 0.0);
}

void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    const Matrix& modelview = modelviewMatrix();
    const float object[4] = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z),
                             1.0f};
    float eye[4];
    transform(modelview, object, eye);
    Vertex v;
    transform(projectionMatrix(), eye, v.clip);
    if (lightingOn()) {
        litColour(modelview, v.colour);
    } else {
        std::copy(currentColour, currentColour + 4, v.colour);
    }
    primitiveVertices.push_back(v);
}

} // extern "C"
