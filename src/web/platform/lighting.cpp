// Lighting as the desktop's GL computes it: the normal into eye space by the
// modelview's inverse transpose, never renormalised (no GL_NORMALIZE: boosted
// faces brighten and dim as on the desktop), and one directional light.
#include "web/platform/lighting.h"

#include <algorithm>
#include <cmath>

namespace {
const float modelAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f}; // OpenGL's default scene ambient

bool lighting = false;
bool light0 = false;

// OpenGL's start values for LIGHT0 and the material
float lightAmbient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
float lightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
float lightDirection[3] = {0.0f, 0.0f, 1.0f}; // unit, eye coordinates, towards the light
float materialAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
float materialDiffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};

float currentNormal[3] = {0.0f, 0.0f, 1.0f};

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

} // namespace

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

void setLightingCapability(GLenum cap, bool on) {
    if (cap == GL_LIGHTING) {
        lighting = on;
    } else if (cap == GL_LIGHT0) {
        light0 = on;
    }
}

bool lightingOn() {
    return lighting;
}

extern "C" {

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
        transform(modelviewMatrix(), values, eye);
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

void glNormal3d(GLdouble x, GLdouble y, GLdouble z) {
    currentNormal[0] = static_cast<float>(x);
    currentNormal[1] = static_cast<float>(y);
    currentNormal[2] = static_cast<float>(z);
}

} // extern "C"
