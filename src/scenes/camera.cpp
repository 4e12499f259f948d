// The camera's picture. Each visible face of the cube, and the cap of the
// sphere that faces the observer's own-frame place, is cut into small pieces;
// each corner is drawn in the direction where the camera sees it, so that
// straight edges bend as the light's travel times differ along them. The
// picture is a pinhole's: a direction d is drawn at (d.r, d.z) / (d.f) across
// the region, f the aim and r to its right, which the modelview matrix does
// for GL (the window's own perspective divides by d.f); pieces are cut at the
// picture's four sides before they are drawn, as planes through the pinhole.
#include "scenes/camera.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "app/teaching.h"
#include "relativity/camera.h"
#include "relativity/spectrum.h"
#include "scenes/letters.h"
#include "scenes/seenParts.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

const SeenRegion cameraInset = {0.40, 1.95, 0.37, 1.92};
const SeenRegion cameraWindow = {-2.0, 2.0, -2.0, 2.0};

namespace {
const double pi = 3.14159265358979323846;
const double eyeDistance = 10.0; // the picture at the scene's distance in the start view
const int capRings = 6;          // the sphere's visible cap, pole to rim
const int capSectors = 36;       // and round it
const int shaded = 2;            // pieces as many again each way where colours change across them
const int faceSteps = 8;         // a face's pieces along each side
const int faceGridEvery = 2;     // a face's grid lines every 2 pieces (4 x 4 squares)
const double gridDegrees = 30.0; // the sphere's meridians and parallels
const double lineStepDegrees =
    7.5;                     // the sphere's lines in the whole canvas, twice that in the corner
const double barLeast = 0.5; // the colour bar's Doppler factor at its left end
const int barSteps = 48;     // to 2 at its right
const double barStep = 1.0293022366434921;   // 4^(1 / barSteps): equal steps of log D
const double barHeight = 0.1, barGap = 0.06; // eye units
const double labelHeight = 0.08, labelGap = 0.04;
const GLfloat edgeWidth = 2.0f, gridWidth = 1.0f, equatorWidth = 5.0f, frameWidth = 1.0f;
const GLfloat labelWidth = 1.5f;

const float skyColour[3] = {0.06f, 0.06f, 0.1f};     // night: no palette changes it
const float sphereColour[3] = {0.9f, 0.9f, 0.9f};    // near white
const float lineColour[3] = {0.25f, 0.25f, 0.3f};    // the sphere's grid, the cube's edges
const float frameColour[3] = {0.5f, 0.5f, 0.5f};     // mid grey
const float textColour[3] = {0.0f, 0.0f, 0.0f};      // black: each palette's text colour
const float skyTextColour[3] = {0.85f, 0.85f, 0.9f}; // on the night sky
// the cube's top and bottom: in the plane of the motion the camera never sees them, edge-on at best
const float topColour[3] = {0.95f, 0.85f, 0.2f}, bottomColour[3] = {0.6f, 0.4f, 0.8f};

// the square's faces in F8's colours
const float* faceColour(int face) {
    return face < squareFaceCount ? seen::faceColours[face]
           : face == topFace      ? topColour
                                  : bottomColour;
}

double dot(const double a[3], const double b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// a direction the camera sees, its colour there and the Doppler factor of its light
struct Vertex {
    double d[3];
    float c[3];
    double doppler;
};

struct Camera {
    CameraLook look;
    double f[3], r[3]; // aim and right, drawn frame; up is z
    double tangent;    // of half the field of view
    bool whole;        // the picture fills the canvas
};

// The colour as shown: shifted by the point's Doppler factor and scaled by
// D^4 where those are switched on.
void shown(const float base[3], double doppler, float out[3]) {
    std::copy(base, base + 3, out);
    if (cameraDoppler) {
        dopplerColour(out, doppler, out);
    }
    if (cameraBrightness) {
        searchlightColour(out, doppler, out);
    }
}

Vertex vertexAt(const Camera& cam, const double p[3], const float base[3]) {
    const SeenPoint s = seenPoint(cam.look, p[0], p[1], p[2]);
    const double length = std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z);
    Vertex v = {{s.x / length, s.y / length, s.z / length}, {0.0f, 0.0f, 0.0f}, s.doppler};
    shown(base, s.doppler, v.c);
    return v;
}

// the same direction in a line's colour
Vertex inLineColour(const Vertex& v) {
    Vertex w = v;
    shown(lineColour, v.doppler, w.c);
    return w;
}

// >= 0 inside side k of the picture (right, left, top, bottom)
double inside(const Camera& cam, const Vertex& v, int k) {
    const double ahead = cam.tangent * dot(cam.f, v.d);
    const double across = k < 2 ? dot(cam.r, v.d) : v.d[2];
    return k % 2 == 0 ? ahead - across : ahead + across;
}

Vertex between(const Vertex& a, const Vertex& b, double s) {
    Vertex v;
    for (int i = 0; i < 3; ++i) {
        v.d[i] = a.d[i] + s * (b.d[i] - a.d[i]);
        v.c[i] = static_cast<float>(a.c[i] + s * (b.c[i] - a.c[i]));
    }
    v.doppler = a.doppler + s * (b.doppler - a.doppler);
    return v;
}

void emit(const Vertex& v) {
    glColor3f(v.c[0], v.c[1], v.c[2]);
    glVertex3d(v.d[0], v.d[1], v.d[2]);
}

// Within glBegin(GL_TRIANGLES): a convex piece, cut at the picture's sides
// (most are wholly inside, and go as they are).
void piece(const Camera& cam, const Vertex* corners, int count) {
    bool whole = true;
    for (int i = 0; i < count && whole; ++i) {
        for (int k = 0; k < 4 && whole; ++k) {
            whole = inside(cam, corners[i], k) >= 0.0;
        }
    }
    if (whole) {
        for (int i = 1; i + 1 < count; ++i) {
            emit(corners[0]);
            emit(corners[i]);
            emit(corners[i + 1]);
        }
        return;
    }
    const int most = 12;
    Vertex polygon[most], cut[most];
    std::copy(corners, corners + count, polygon);
    for (int k = 0; k < 4 && count > 0; ++k) {
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            const Vertex &a = polygon[i], &b = polygon[(i + 1) % count];
            const double sa = inside(cam, a, k), sb = inside(cam, b, k);
            if (sa >= 0.0) {
                cut[kept++] = a;
            }
            if ((sa >= 0.0) != (sb >= 0.0) && kept < most) {
                cut[kept++] = between(a, b, sa / (sa - sb));
            }
        }
        count = kept;
        std::copy(cut, cut + count, polygon);
    }
    for (int i = 1; i + 1 < count; ++i) {
        emit(polygon[0]);
        emit(polygon[i]);
        emit(polygon[i + 1]);
    }
}

// Within glBegin(GL_LINES): a segment, cut at the picture's sides.
void segment(const Camera& cam, const Vertex& a, const Vertex& b) {
    double from = 0.0, to = 1.0;
    for (int k = 0; k < 4; ++k) {
        const double sa = inside(cam, a, k), sb = inside(cam, b, k);
        if (sa < 0.0 && sb < 0.0) {
            return;
        }
        if (sa < 0.0) {
            from = std::max(from, sa / (sa - sb));
        } else if (sb < 0.0) {
            to = std::min(to, sa / (sa - sb));
        }
    }
    if (from < to) {
        emit(between(a, b, from));
        emit(between(a, b, to));
    }
}

// the cube's visible faces in pieces, then their grid lines and edges
void drawCube(const Camera& cam) {
    const int fine = cameraDoppler || cameraBrightness ? shaded : 1;
    const int steps = fine * faceSteps, every = fine * faceGridEvery;
    static Vertex grid[shaded * faceSteps + 1][shaded * faceSteps + 1]; // too large for the stack
    for (int face = 0; face < cubeFaceCount; ++face) {
        if (!cubeFaceSeen(cam.look, face)) {
            continue;
        }
        double corners[4][3], normal[3];
        cubeFaceCorners(face, corners, normal);
        for (int i = 0; i <= steps; ++i) {
            for (int j = 0; j <= steps; ++j) {
                const double s = static_cast<double>(i) / steps, t = static_cast<double>(j) / steps;
                double p[3];
                for (int k = 0; k < 3; ++k) {
                    p[k] = corners[0][k] + s * (corners[1][k] - corners[0][k]) +
                           t * (corners[3][k] - corners[0][k]);
                }
                grid[i][j] = vertexAt(cam, p, faceColour(face));
            }
        }
        glBegin(GL_TRIANGLES);
        {
            for (int i = 0; i < steps; ++i) {
                for (int j = 0; j < steps; ++j) {
                    const Vertex quad[4] = {grid[i][j], grid[i + 1][j], grid[i + 1][j + 1],
                                            grid[i][j + 1]};
                    piece(cam, quad, 4);
                }
            }
        }
        glEnd();
        for (int apart : {every, steps}) { // the grid within, then the edges
            glLineWidth(apart == steps ? edgeWidth : gridWidth);
            glBegin(GL_LINES);
            {
                for (int line = apart == steps ? 0 : apart; line <= steps; line += apart) {
                    for (int k = 0; k < steps && (apart == steps || line < steps); k += fine) {
                        const int next = k + fine; // lines in the coarse steps
                        segment(cam, inLineColour(grid[line][k]), inLineColour(grid[line][next]));
                        segment(cam, inLineColour(grid[k][line]), inLineColour(grid[next][line]));
                    }
                }
            }
            glEnd();
        }
    }
}

// a point of the sphere at own longitude and latitude (degrees), its normal n
void spherePoint(double longitude, double latitude, double n[3], double p[3]) {
    const double a = longitude * pi / 180.0, b = latitude * pi / 180.0;
    n[0] = std::cos(b) * std::cos(a);
    n[1] = std::cos(b) * std::sin(a);
    n[2] = std::sin(b);
    p[0] = sphereRadius * n[0];
    p[1] = objectCentreY + sphereRadius * n[1];
    p[2] = sphereRadius * n[2];
}

// Within glBegin(GL_LINES): a line on the sphere in steps, where both ends face the observer.
void sphereLine(const Camera& cam, double fromLongitude, double fromLatitude, double toLongitude,
                double toLatitude, const float base[3]) {
    const double span =
        std::max(std::fabs(toLongitude - fromLongitude), std::fabs(toLatitude - fromLatitude));
    const double step = cam.whole ? lineStepDegrees : 2.0 * lineStepDegrees;
    const int steps = std::max(1, static_cast<int>(std::ceil(span / step)));
    Vertex last;
    bool lastSeen = false;
    for (int i = 0; i <= steps; ++i) {
        const double s = static_cast<double>(i) / steps;
        double n[3], p[3];
        spherePoint(fromLongitude + s * (toLongitude - fromLongitude),
                    fromLatitude + s * (toLatitude - fromLatitude), n, p);
        const bool seen = sphereNormalSeen(cam.look, n);
        if (seen) { // only what is drawn is worked out
            const Vertex v = vertexAt(cam, p, base);
            if (lastSeen) {
                segment(cam, last, v);
            }
            last = v;
        }
        lastSeen = seen;
    }
}

// the cap facing the observer's own-frame place in pieces, its grid, and the equator in 12 colours
void drawSphere(const Camera& cam) {
    const SpacetimeVector& o = cam.look.sky.observer;
    const double toward[3] = {o.x, o.y - objectCentreY, 0.0};
    const double distance = std::hypot(toward[0], toward[1]);
    if (!(distance > sphereRadius)) {
        return;
    }
    const double a[3] = {toward[0] / distance, toward[1] / distance, 0.0};
    // across the cap in the plane of motion; z the other way
    const double e[3] = {a[1], -a[0], 0.0};
    const double rim = std::acos(sphereRadius / distance);
    const int fine = cameraDoppler || cameraBrightness ? shaded : 1;
    const int rings = fine * capRings, sectors = fine * capSectors;
    static Vertex cap[shaded * capRings + 1][shaded * capSectors + 1]; // too large for the stack
    for (int i = 0; i <= rings; ++i) {
        const double from = rim * i / rings;
        for (int j = 0; j <= sectors; ++j) {
            const double round = 2.0 * pi * j / sectors;
            const double sideways = std::sin(from) * std::cos(round),
                         up = std::sin(from) * std::sin(round);
            const double p[3] = {sphereRadius * (std::cos(from) * a[0] + sideways * e[0]),
                                 objectCentreY +
                                     sphereRadius * (std::cos(from) * a[1] + sideways * e[1]),
                                 sphereRadius * up};
            cap[i][j] = vertexAt(cam, p, sphereColour);
        }
    }
    glBegin(GL_TRIANGLES);
    {
        for (int i = 0; i < rings; ++i) {
            for (int j = 0; j < sectors; ++j) {
                const Vertex quad[4] = {cap[i][j], cap[i + 1][j], cap[i + 1][j + 1], cap[i][j + 1]};
                piece(cam, quad, 4);
            }
        }
    }
    glEnd();
    glLineWidth(gridWidth);
    glBegin(GL_LINES);
    {
        for (double longitude = 0.0; longitude < 360.0; longitude += gridDegrees) {
            sphereLine(cam, longitude, -90.0, longitude, 90.0, lineColour);
        }
        for (double latitude = -90.0 + gridDegrees; latitude < 90.0; latitude += gridDegrees) {
            if (latitude != 0.0) {
                sphereLine(cam, 0.0, latitude, 360.0, latitude, lineColour);
            }
        }
    }
    glEnd();
    glLineWidth(equatorWidth);
    glBegin(GL_LINES);
    {
        for (int k = 0; k < seen::rimTicks;
             ++k) { // tick k's colour over its twelfth, centred on it
            float colour[3];
            seen::tickColour(k, colour);
            const double middle = 360.0 * k / seen::rimTicks, half = 180.0 / seen::rimTicks;
            sphereLine(cam, middle - half, 0.0, middle + half, 0.0, colour);
        }
    }
    glEnd();
}

// Doppler factors from 1/2 to 2 across, in equal steps of log D, each in the
// sphere's colour as shown there
void drawColourBar(const SeenRegion& region, bool whole) {
    const double left = region.left + 0.1 * (region.right - region.left);
    const double right = region.right - 0.1 * (region.right - region.left);
    const double bottom = whole ? region.bottom + 0.3 : region.bottom - barGap - barHeight;
    const double top = bottom + barHeight;
    const double z = -eyeDistance;
    auto x = [&](int step) { return left + (right - left) * step / barSteps; };
    glBegin(GL_TRIANGLES);
    {
        double doppler = barLeast;
        float from[3];
        shown(sphereColour, doppler, from);
        for (int i = 0; i < barSteps; ++i) {
            doppler *= barStep;
            float to[3];
            shown(sphereColour, doppler, to);
            const double corners[6][2] = {{x(i), bottom}, {x(i + 1), bottom}, {x(i + 1), top},
                                          {x(i), bottom}, {x(i + 1), top},    {x(i), top}};
            for (int k = 0; k < 6; ++k) {
                const float* c = (k == 1 || k == 2 || k == 4) ? to : from;
                glColor3f(c[0], c[1], c[2]);
                glVertex3d(corners[k][0], corners[k][1], z);
            }
            std::copy(to, to + 3, from);
        }
    }
    glEnd();
    if (!showAxisLabels) {
        return;
    }
    const float* text = whole ? skyTextColour : textColour;
    glColor3f(text[0], text[1], text[2]);
    glLineWidth(labelWidth);
    const char* const numbers[3] = {"0.5", "1", "2"};
    const double below = bottom - labelGap - labelHeight - 0.02;
    glBegin(GL_LINES);
    for (int k = 0; k < 3; ++k) {
        glVertex3d(x(k * barSteps / 2), bottom - labelGap, z);
        glVertex3d(x(k * barSteps / 2), top, z);
    }
    glEnd();
    for (int k = 0; k < 3; ++k) {
        drawTextAt(numbers[k], x(k * barSteps / 2), below, z, labelHeight, 0.5);
    }
    drawTextAt("D", left - labelGap, bottom, z, labelHeight, 1.0);
}

// the camera aimed at the picture's middle, or along +y
Camera cameraFor(bool cube) {
    Camera cam;
    cam.look = cameraLookAt(boostMatrix, lookTime, cameraLightDelay);
    cam.tangent = std::tan(0.5 * cameraFieldOfView * pi / 180.0);
    double aim = 90.0; // degrees from drawn +x
    if (!cameraAimFixed) {
        const PictureSize size = cube ? cubePicture(cam.look) : spherePicture(cam.look);
        if (std::isfinite(size.middle)) {
            aim = size.middle + cam.look.sky.drawnMotion;
        }
    }
    const double a = aim * pi / 180.0;
    cam.f[0] = std::cos(a);
    cam.f[1] = std::sin(a);
    cam.f[2] = 0.0;
    cam.r[0] = cam.f[1];
    cam.r[1] = -cam.f[0];
    cam.r[2] = 0.0;
    return cam;
}

// The modelview that puts direction d where the pinhole draws it in the region:
// the eye point ((h / tan) (d.r, d.z) + centre (d.f), -10 (d.f)), h the region's
// half side, which the window's projection shows at centre + (h / tan) (d.r, d.z) / (d.f).
void aimThrough(const Camera& cam, const SeenRegion& region) {
    const double half = 0.5 * (region.right - region.left) / cam.tangent;
    const double cx = 0.5 * (region.left + region.right), cy = 0.5 * (region.bottom + region.top);
    const double up[3] = {0.0, 0.0, 1.0};
    double m[16] = {0.0};
    for (int k = 0; k < 3; ++k) { // column k: where the drawn axis k goes
        m[4 * k + 0] = half * cam.r[k] + cx * cam.f[k];
        m[4 * k + 1] = half * up[k] + cy * cam.f[k];
        m[4 * k + 2] = -eyeDistance * cam.f[k];
    }
    m[15] = 1.0;
    glMultMatrixd(m);
}

// The region's four corners at the picture's depth, counter-clockwise.
void regionCorners(const SeenRegion& r, GLenum mode) {
    const double z = -eyeDistance;
    glBegin(mode);
    {
        glVertex3d(r.left, r.bottom, z);
        glVertex3d(r.right, r.bottom, z);
        glVertex3d(r.right, r.top, z);
        glVertex3d(r.left, r.top, z);
    }
    glEnd();
}

// The picture's sky: the whole canvas is cleared to it (far cheaper than filling it) and the
// clear colour put back to white; an inset is filled and framed.
void drawSky(const SeenRegion& r, bool framed) {
    if (!framed) {
        glClearColor(skyColour[0], skyColour[1], skyColour[2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        return;
    }
    glColor3f(skyColour[0], skyColour[1], skyColour[2]);
    regionCorners(r, GL_QUADS);
    glLineWidth(frameWidth);
    glColor3f(frameColour[0], frameColour[1], frameColour[2]);
    regionCorners(r, GL_LINE_LOOP);
}
} // namespace

void drawCameraPicture(bool cube, const SeenRegion& region) {
    const bool whole = region.left == cameraWindow.left;
    Camera cam = cameraFor(cube);
    cam.whole = whole;
    glPushMatrix();
    {
        glLoadIdentity();
        drawSky(region, !whole);
        glPushMatrix();
        {
            aimThrough(cam, region);
            if (cube) {
                drawCube(cam);
            } else {
                drawSphere(cam);
            }
        }
        glPopMatrix();
        if (cameraDoppler || cameraBrightness) {
            drawColourBar(region, whole);
        }
    }
    glPopMatrix();
    glLineWidth(1.0f);
}
