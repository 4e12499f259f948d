// Fixed-function OpenGL 1.x over WebGL, computed as the desktop's GL does it:
// here the frame's state (viewport, clear colour, capabilities, line width and
// point size, queries); the matrix stacks are in matrices.cpp, lighting in
// lighting.cpp, the primitives in primitives.cpp. Sizes the program gives in
// pixels are CSS pixels: the layer scales them by the screen's pixel ratio,
// and each colour passes through the colour map the program sets (the page's
// palettes).
#include "web/platform/fixedFunction.h"

#include "web/platform/lighting.h"
#include "web/platform/matrices.h"
#include "web/platform/primitives.h"
#include "web/platform/webgl.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {
FrameState state;                                // what the primitives are drawn at
int viewport[4] = {0, 0, 0, 0};                  // as the program set it, CSS pixels
float clearColour[4] = {0.0f, 0.0f, 0.0f, 0.0f}; // as the program set it
ColourMap colourMap = nullptr;                   // the palette in use: each colour as drawn

void sendViewport() {
    for (int i = 0; i < 4; ++i) {
        state.deviceViewport[i] = deviceSize(viewport[i]);
    }
    const int* v = state.deviceViewport;
    webglViewport(v[0], v[1], v[2], v[3]);
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
    case GL_LIGHT0:
        setLightingCapability(cap, on);
        break;
    default: // smoothing: wide lines and points are drawn solid, as without blending
        break;
    }
}
} // namespace

void mapColour(const float in[3], float out[3]) {
    if (colourMap) {
        colourMap(in, out);
    } else {
        std::copy(in, in + 3, out);
    }
}

const FrameState& frameState() {
    return state;
}

void finishFrame() {
    flushBatch();
}

void setPixelRatio(float ratio) {
    flushBatch();
    state.pixelRatio = ratio;
    sendViewport();
}

int deviceSize(int cssPixels) {
    return static_cast<int>(std::lround(cssPixels * state.pixelRatio));
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
    state.lineWidth = width;
}

void glPointSize(GLfloat size) {
    state.pointSize = size;
}

void glGetFloatv(GLenum name, GLfloat* values) {
    switch (name) {
    case GL_MODELVIEW_MATRIX:
    case GL_PROJECTION_MATRIX: {
        const Matrix& m = name == GL_MODELVIEW_MATRIX ? modelviewMatrix() : projectionMatrix();
        for (int i = 0; i < 16; ++i) {
            values[i] = m[i];
        }
        break;
    }
    case GL_LINE_WIDTH:
        values[0] = state.lineWidth;
        break;
    case GL_POINT_SIZE:
        values[0] = state.pointSize;
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

} // extern "C"
