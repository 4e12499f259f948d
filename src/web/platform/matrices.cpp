// The matrix stacks of the fixed-function layer and the GL calls that change
// them: the mode, identity, push and pop, products with given matrices,
// translations, scales, rotations and the frustum, each a product on the
// right of the current stack's top, as OpenGL forms it.
#include "web/platform/matrices.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

namespace {
const Matrix identityMatrix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
const double pi = 3.14159265358979323846;

std::vector<Matrix> modelviewStack(1, identityMatrix);
std::vector<Matrix> projectionStack(1, identityMatrix);
GLenum matrixMode = GL_MODELVIEW;

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
} // namespace

const Matrix& modelviewMatrix() {
    return modelviewStack.back();
}

const Matrix& projectionMatrix() {
    return projectionStack.back();
}

void transform(const Matrix& m, const float in[4], float out[4]) {
    for (int row = 0; row < 4; ++row) {
        out[row] = m[row] * in[0] + m[4 + row] * in[1] + m[8 + row] * in[2] + m[12 + row] * in[3];
    }
}

extern "C" {

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

} // extern "C"
