// Fixed-function OpenGL 1.x over WebGL, computed as the desktop's GL does it:
// float matrix stacks, per-vertex lighting with normals never renormalised
// (no GL_NORMALIZE: boosted faces brighten and dim as on the desktop), wide
// lines as screen-space rectangles clipped in homogeneous coordinates first
// (a fast boost swings a world line behind the eye), points as WebGL points.
// Sizes the program gives in pixels are CSS pixels: the layer scales them by
// the screen's pixel ratio, and each colour passes through the colour map the
// program sets (the page's palettes).
#include "web/platform/webgl.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
typedef std::array<float, 16> Matrix; // column-major, as OpenGL stores it

const Matrix identityMatrix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
const float modelAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f}; // OpenGL's default scene ambient
const size_t floatsPerVertex = 8;                       // clip x y z w, colour r g b a
const double pi = 3.14159265358979323846;

std::vector<Matrix> modelviewStack(1, identityMatrix);
std::vector<Matrix> projectionStack(1, identityMatrix);
GLenum matrixMode = GL_MODELVIEW;

bool lighting = false;
bool light0 = false;
float lineWidth = 1.0f;                          // pixels
float pointSize = 1.0f;                          // pixels
float pixelRatio = 1.0f;                         // device pixels per CSS pixel
int viewport[4] = {0, 0, 0, 0};                  // as the program set it, CSS pixels
int deviceViewport[4] = {0, 0, 0, 0};            // the same in device pixels
float clearColour[4] = {0.0f, 0.0f, 0.0f, 0.0f}; // as the program set it
ColourMap colourMap = nullptr;                   // the palette in use: each colour as drawn

// OpenGL's start values for LIGHT0 and the material
float lightAmbient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
float lightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
float lightDirection[3] = {0.0f, 0.0f, 1.0f}; // unit, eye coordinates, towards the light
float materialAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
float materialDiffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};

float currentColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
float currentNormal[3] = {0.0f, 0.0f, 1.0f};

struct Vertex {
    float clip[4];
    float colour[4];
};
GLenum primitiveMode = GL_POINTS;
std::vector<Vertex> primitiveVertices;
std::vector<float> batch; // primitives waiting for the next flush, all of one kind
bool batchHoldsPoints = false;
float batchPointSize = 1.0f;

std::vector<Matrix>& currentStack() {
    return matrixMode == GL_PROJECTION ? projectionStack : modelviewStack;
}

Matrix product(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a[k * 4 + row] * b[c * 4 + k];
            }
            r[c * 4 + row] = sum;
        }
    }
    return r;
}

void multiplyCurrent(const Matrix& m) {
    Matrix& top = currentStack().back();
    top = product(top, m);
}

void transform(const Matrix& m, const float in[4], float out[4]) {
    for (int row = 0; row < 4; ++row) {
        out[row] = m[row] * in[0] + m[4 + row] * in[1] + m[8 + row] * in[2] + m[12 + row] * in[3];
    }
}

// Normal into eye space: inverse transpose of the modelview's 3x3 block,
// which is its cofactor matrix over the determinant. No renormalisation.
void eyeNormal(const Matrix& m, const float n[3], float out[3]) {
    auto e = [&m](int row, int col) { return m[col * 4 + row]; };
    float cof[3][3];
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
            cof[r][c] = e(r1, c1) * e(r2, c2) - e(r1, c2) * e(r2, c1);
        }
    }
    const float det = e(0, 0) * cof[0][0] + e(0, 1) * cof[0][1] + e(0, 2) * cof[0][2];
    for (int r = 0; r < 3; ++r) {
        out[r] = (cof[r][0] * n[0] + cof[r][1] * n[1] + cof[r][2] * n[2]) / det;
    }
}

float clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

// One directional light, no specular (the material's is black), no emission.
void litColour(const Matrix& modelview, float out[4]) {
    float n[3];
    eyeNormal(modelview, currentNormal, n);
    const float diffuse =
        light0 ? std::fmax(0.0f, n[0] * lightDirection[0] + n[1] * lightDirection[1] +
                                     n[2] * lightDirection[2])
               : 0.0f;
    const float lit = light0 ? 1.0f : 0.0f;
    for (int i = 0; i < 3; ++i) {
        out[i] = clamp01(materialAmbient[i] * modelAmbient[i] +
                         lit * materialAmbient[i] * lightAmbient[i] +
                         diffuse * materialDiffuse[i] * lightDiffuse[i]);
    }
    out[3] = clamp01(materialDiffuse[3]);
}

void flushBatch() {
    if (batch.empty()) {
        return;
    }
    const int count = static_cast<int>(batch.size() / floatsPerVertex);
    if (batchHoldsPoints) {
        webglDrawPoints(batch.data(), count, batchPointSize);
    } else {
        webglDrawTriangles(batch.data(), count);
    }
    batch.clear();
}

// Primitives keep their order: a change between points and triangles flushes.
void batchAs(bool points) {
    const float size = pointSize * pixelRatio;
    if (points != batchHoldsPoints || (points && size != batchPointSize)) {
        flushBatch();
        batchHoldsPoints = points;
        batchPointSize = size;
    }
}

void emit(const float position[4], const float colour[4]) {
    batch.insert(batch.end(), position, position + 4);
    batch.insert(batch.end(), colour, colour + 4);
}

void emitTriangle(const Vertex& a, const Vertex& b, const Vertex& c) {
    batchAs(false);
    emit(a.clip, a.colour);
    emit(b.clip, b.colour);
    emit(c.clip, c.colour);
}

// Window pixels of a point already divided by w; z stays normalised (-1..1).
struct WindowPoint {
    float x, y, z;
};

WindowPoint toWindow(const float clip[4]) {
    const int* v = deviceViewport;
    return {v[0] + (clip[0] / clip[3] + 1.0f) * 0.5f * v[2],
            v[1] + (clip[1] / clip[3] + 1.0f) * 0.5f * v[3], clip[2] / clip[3]};
}

void emitWindowQuad(const WindowPoint corners[4], const float* colours[4]) {
    float ndc[4][4];
    for (int i = 0; i < 4; ++i) {
        ndc[i][0] = (corners[i].x - deviceViewport[0]) * 2.0f / deviceViewport[2] - 1.0f;
        ndc[i][1] = (corners[i].y - deviceViewport[1]) * 2.0f / deviceViewport[3] - 1.0f;
        ndc[i][2] = corners[i].z;
        ndc[i][3] = 1.0f;
    }
    batchAs(false);
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
    const float halfWidth = 0.5f * lineWidth * pixelRatio;
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

void sendViewport() {
    for (int i = 0; i < 4; ++i) {
        deviceViewport[i] = deviceSize(viewport[i]);
    }
    webglViewport(deviceViewport[0], deviceViewport[1], deviceViewport[2], deviceViewport[3]);
}

void mapColour(const float in[3], float out[3]) {
    if (colourMap) {
        colourMap(in, out);
    } else {
        std::copy(in, in + 3, out);
    }
}

void sendClearColour() {
    float shown[3];
    mapColour(clearColour, shown);
    webglClearColour(shown[0], shown[1], shown[2], clearColour[3]);
}

void setCapability(GLenum cap, bool on) {
    switch (cap) {
    case GL_DEPTH_TEST:
        flushBatch();
        webglDepthTest(on ? 1 : 0);
        break;
    case GL_LIGHTING:
        lighting = on;
        break;
    case GL_LIGHT0:
        light0 = on;
        break;
    default: // smoothing: wide lines and points are drawn solid, as without blending
        break;
    }
}
} // namespace

void finishFrame() {
    flushBatch();
}

void setPixelRatio(float ratio) {
    flushBatch();
    pixelRatio = ratio;
    sendViewport();
}

int deviceSize(int cssPixels) {
    return static_cast<int>(std::lround(cssPixels * pixelRatio));
}

void setColourMap(ColourMap map) {
    colourMap = map;
    sendClearColour();
}

extern "C" {

void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    clearColour[0] = r;
    clearColour[1] = g;
    clearColour[2] = b;
    clearColour[3] = a;
    sendClearColour();
}

void glClear(GLbitfield mask) {
    flushBatch();
    webglClear((mask & GL_COLOR_BUFFER_BIT) ? 1 : 0, (mask & GL_DEPTH_BUFFER_BIT) ? 1 : 0);
}

void glEnable(GLenum cap) {
    setCapability(cap, true);
}

void glDisable(GLenum cap) {
    setCapability(cap, false);
}

void glHint(GLenum, GLenum) {}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    flushBatch();
    viewport[0] = x;
    viewport[1] = y;
    viewport[2] = width;
    viewport[3] = height;
    sendViewport();
}

void glLineWidth(GLfloat width) {
    lineWidth = width;
}

void glPointSize(GLfloat size) {
    pointSize = size;
}

void glMatrixMode(GLenum mode) {
    matrixMode = mode;
}

void glLoadIdentity(void) {
    currentStack().back() = identityMatrix;
}

void glPushMatrix(void) {
    std::vector<Matrix>& stack = currentStack();
    stack.push_back(stack.back());
}

void glPopMatrix(void) {
    std::vector<Matrix>& stack = currentStack();
    if (stack.size() > 1) {
        stack.pop_back();
    }
}

void glMultMatrixd(const GLdouble* m) {
    Matrix f;
    for (int i = 0; i < 16; ++i) {
        f[i] = static_cast<float>(m[i]);
    }
    multiplyCurrent(f);
}

void glMultMatrixf(const GLfloat* m) {
    Matrix f;
    for (int i = 0; i < 16; ++i) {
        f[i] = m[i];
    }
    multiplyCurrent(f);
}

void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
    glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    Matrix t = identityMatrix;
    t[12] = x;
    t[13] = y;
    t[14] = z;
    multiplyCurrent(t);
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    Matrix s = identityMatrix;
    s[0] = x;
    s[5] = y;
    s[10] = z;
    multiplyCurrent(s);
}

void glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0) {
        return;
    }
    x /= length;
    y /= length;
    z /= length;
    const double radians = angle * pi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians), k = 1.0 - c;
    const double r[16] = {x * x * k + c,
                          y * x * k + z * s,
                          z * x * k - y * s,
                          0,
                          x * y * k - z * s,
                          y * y * k + c,
                          z * y * k + x * s,
                          0,
                          x * z * k + y * s,
                          y * z * k - x * s,
                          z * z * k + c,
                          0,
                          0,
                          0,
                          0,
                          1};
    glMultMatrixd(r);
}

void glFrustum(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    const double m[16] = {2 * n / (r - l),
                          0,
                          0,
                          0,
                          0,
                          2 * n / (t - b),
                          0,
                          0,
                          (r + l) / (r - l),
                          (t + b) / (t - b),
                          -(f + n) / (f - n),
                          -1,
                          0,
                          0,
                          -2 * f * n / (f - n),
                          0};
    glMultMatrixd(m);
}

void glGetFloatv(GLenum name, GLfloat* values) {
    switch (name) {
    case GL_MODELVIEW_MATRIX:
    case GL_PROJECTION_MATRIX: {
        const Matrix& m = (name == GL_MODELVIEW_MATRIX ? modelviewStack : projectionStack).back();
        for (int i = 0; i < 16; ++i) {
            values[i] = m[i];
        }
        break;
    }
    case GL_LINE_WIDTH:
        values[0] = lineWidth;
        break;
    case GL_POINT_SIZE:
        values[0] = pointSize;
        break;
    default:
        break;
    }
}

void glGetDoublev(GLenum name, GLdouble* values) {
    GLfloat f[16];
    glGetFloatv(name, f);
    const int count = (name == GL_MODELVIEW_MATRIX || name == GL_PROJECTION_MATRIX) ? 16 : 1;
    for (int i = 0; i < count; ++i) {
        values[i] = f[i];
    }
}

void glLightfv(GLenum light, GLenum name, const GLfloat* values) {
    if (light != GL_LIGHT0) {
        return;
    }
    if (name == GL_AMBIENT) {
        std::copy(values, values + 4, lightAmbient);
    } else if (name == GL_DIFFUSE) {
        std::copy(values, values + 4, lightDiffuse);
    } else if (name == GL_POSITION) {
        // into eye coordinates by the current modelview; w = 0: a direction
        float eye[4];
        transform(modelviewStack.back(), values, eye);
        const float length = std::sqrt(eye[0] * eye[0] + eye[1] * eye[1] + eye[2] * eye[2]);
        for (int i = 0; i < 3; ++i) {
            lightDirection[i] = length > 0.0f ? eye[i] / length : 0.0f;
        }
    }
}

void glMaterialfv(GLenum, GLenum name, const GLfloat* values) {
    if (name == GL_AMBIENT || name == GL_AMBIENT_AND_DIFFUSE) {
        std::copy(values, values + 4, materialAmbient);
    }
    if (name == GL_DIFFUSE || name == GL_AMBIENT_AND_DIFFUSE) {
        std::copy(values, values + 4, materialDiffuse);
    }
}

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

void glNormal3d(GLdouble x, GLdouble y, GLdouble z) {
    currentNormal[0] = static_cast<float>(x);
    currentNormal[1] = static_cast<float>(y);
    currentNormal[2] = static_cast<float>(z);
}

void glVertex2d(GLdouble x, GLdouble y) {
    glVertex3d(x, y, 0.0);
}

void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    const Matrix& modelview = modelviewStack.back();
    const float object[4] = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z),
                             1.0f};
    float eye[4];
    transform(modelview, object, eye);
    Vertex v;
    transform(projectionStack.back(), eye, v.clip);
    if (lighting) {
        litColour(modelview, v.colour);
    } else {
        std::copy(currentColour, currentColour + 4, v.colour);
    }
    primitiveVertices.push_back(v);
}

} // extern "C"
