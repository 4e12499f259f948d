// GLUT's solids for the browser, as freeglut draws them: the unit icosahedron
// with one normal a face (its vertices (+-1, 0, 0) and two rings at x = +-1/sqrt 5),
// and the wire cube as six lit face outlines, each with its face's normal.
// freeglut's icosahedron normals are not of unit length; without GL_NORMALIZE
// their length scales the diffuse light, so these have it too.
#include <GL/freeglut.h>
#include <cmath>

namespace {
const double pi = 3.14159265358979323846;
const int faceCount = 20;
const double icosahedronNormalLength = 0.957454; // freeglut's, measured through GL lighting

// vertex 0 at +x, 1-5 the ring at x = 1/sqrt 5 (angle 72 k in the y-z plane),
// 6-10 the ring at x = -1/sqrt 5 (angle 180 - 72 k), 11 at -x
void icosahedronVertex(int index, double v[3]) {
    const double ringX = 1.0 / std::sqrt(5.0), ringRadius = 2.0 / std::sqrt(5.0);
    if (index == 0 || index == 11) {
        v[0] = index == 0 ? 1.0 : -1.0;
        v[1] = v[2] = 0.0;
        return;
    }
    const bool upper = index <= 5;
    const int k = upper ? index - 1 : index - 6;
    const double angle = (upper ? 72.0 * k : 180.0 - 72.0 * k) * pi / 180.0;
    v[0] = upper ? ringX : -ringX;
    v[1] = ringRadius * std::cos(angle);
    v[2] = ringRadius * std::sin(angle);
}

const int icosahedronFaces[faceCount][3] = {
    {0, 1, 2},  {0, 2, 3},   {0, 3, 4},  {0, 4, 5},  {0, 5, 1},  {1, 8, 2},   {2, 7, 3},
    {3, 6, 4},  {4, 10, 5},  {5, 9, 1},  {1, 9, 8},  {2, 8, 7},  {3, 7, 6},   {4, 6, 10},
    {5, 10, 9}, {11, 9, 10}, {11, 8, 9}, {11, 7, 8}, {11, 6, 7}, {11, 10, 6},
};

// faces of the cube by outward normal, corners counter-clockwise seen from outside
const double cubeNormals[6][3] = {{0, 0, 1},  {1, 0, 0},  {0, 1, 0},
                                  {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
const double cubeFaces[6][4][3] = {
    {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}},
    {{1, 1, 1}, {1, -1, 1}, {1, -1, -1}, {1, 1, -1}},
    {{1, 1, 1}, {1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}},
    {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}},
    {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}},
    {{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}},
};
} // namespace

extern "C" {

void glutSolidIcosahedron(void) {
    glBegin(GL_TRIANGLES);
    for (const auto& face : icosahedronFaces) {
        double v[3][3];
        double centre[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < 3; ++i) {
            icosahedronVertex(face[i], v[i]);
            for (int axis = 0; axis < 3; ++axis) {
                centre[axis] += v[i][axis];
            }
        }
        // a regular solid's face normal points through the face's centre
        const double length =
            std::sqrt(centre[0] * centre[0] + centre[1] * centre[1] + centre[2] * centre[2]) /
            icosahedronNormalLength;
        for (int i = 0; i < 3; ++i) {
            glNormal3d(centre[0] / length, centre[1] / length, centre[2] / length);
            glVertex3d(v[i][0], v[i][1], v[i][2]);
        }
    }
    glEnd();
}

void glutWireCube(GLdouble size) {
    const double h = 0.5 * size;
    for (int f = 0; f < 6; ++f) {
        glNormal3d(cubeNormals[f][0], cubeNormals[f][1], cubeNormals[f][2]);
        glBegin(GL_LINE_LOOP);
        for (const auto& corner : cubeFaces[f]) {
            glVertex3d(h * corner[0], h * corner[1], h * corner[2]);
        }
        glEnd();
    }
}

} // extern "C"
