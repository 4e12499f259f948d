// The camera's view of the moving cube and sphere. With light delay a point
// is drawn at its past-cone event, t' = T' - |p - O'| in the own frame (in 3D:
// z counts in the distance), carried to the frame drawn by the boost. Rays
// from the observer are cast back into the own frame to size the picture: a
// photon arriving from direction d has the 3-momentum (-d, 1) drawn, whose
// own-frame direction the inverse boost gives (aberration); without light
// delay the drawn ray meets the slice at the observer's time, which is the own
// frame under an affine map, so the own-frame ray is that map's inverse of it.
#include "relativity/camera.h"

#include "relativity/readouts.h"

#include <algorithm>
#include <cmath>

const char* const cubeFaceNames[cubeFaceCount] = {"near",     "far", "leading",
                                                  "trailing", "top", "bottom"};

namespace {
const double pi = 3.14159265358979323846;
const double degreesPerRadian = 180.0 / pi;
const double firstRay = 0.25;  // degrees from inside the picture, then twice as far each time
const int bisections = 48;     // then halving the last step: below 1e-12 degrees
const double farthest = 180.0; // degrees from inside a ray is cast, either way

// (-180, 180]
double signedDegrees(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    const double w = d < 0.0 ? d + 360.0 : d;
    return w > 180.0 ? w - 360.0 : w;
}

// Element (row, column) of the boost's inverse, eta B^T eta, over x, y, t.
double inverseElement(const Matrix4& b, int row, int column) {
    const double sign = ((row == 2) != (column == 2)) ? -1.0 : 1.0;
    return sign * b.m[row * 4 + column];
}

// the observer's own-frame place, and whether a ray from it along d hits the object
struct Caster {
    const CameraLook& look;
    bool cube;
    double q[3];
};

bool sphereHit(const double q[3], const double d[3]) {
    const double w[3] = {-q[0], objectCentreY - q[1], -q[2]};
    const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    const double along = (w[0] * d[0] + w[1] * d[1] + w[2] * d[2]) / dd;
    double miss = 0.0;
    for (int i = 0; i < 3; ++i) {
        miss += (w[i] - along * d[i]) * (w[i] - along * d[i]);
    }
    return along > 0.0 && miss <= sphereRadius * sphereRadius;
}

bool cubeHit(const double q[3], const double d[3]) {
    const double low[3] = {-squareHalfSide, objectCentreY - squareHalfSide, -squareHalfSide};
    const double high[3] = {squareHalfSide, objectCentreY + squareHalfSide, squareHalfSide};
    double enter = 0.0, leave = HUGE_VAL;
    for (int i = 0; i < 3; ++i) {
        if (d[i] == 0.0) {
            if (q[i] < low[i] || q[i] > high[i]) {
                return false;
            }
            continue;
        }
        const double a = (low[i] - q[i]) / d[i], b = (high[i] - q[i]) / d[i];
        enter = std::max(enter, std::min(a, b));
        leave = std::min(leave, std::max(a, b));
    }
    return enter <= leave;
}

bool inside(const Caster& c) {
    if (!c.cube) {
        return std::hypot(c.q[0], c.q[1] - objectCentreY) <= sphereRadius;
    }
    return std::fabs(c.q[0]) <= squareHalfSide &&
           std::fabs(c.q[1] - objectCentreY) <= squareHalfSide;
}

// the own-frame direction of the ray seen from sky direction (longitude, latitude)
void ownRay(const CameraLook& look, double longitude, double latitude, double d[3]) {
    const double a = (longitude + look.sky.drawnMotion) / degreesPerRadian;
    const double b = latitude / degreesPerRadian;
    const double drawn[3] = {std::cos(b) * std::cos(a), std::cos(b) * std::sin(a), std::sin(b)};
    const Matrix4& m = look.sky.boost;
    if (look.lightDelay) { // towards the source: minus the photon's own-frame 3-momentum
        const double k[3] = {-drawn[0], -drawn[1], 1.0};
        for (int row = 0; row < 2; ++row) {
            d[row] = -(inverseElement(m, row, 0) * k[0] + inverseElement(m, row, 1) * k[1] +
                       inverseElement(m, row, 2) * k[2]);
        }
        d[2] = drawn[2];
        return;
    }
    // the slice at the observer's time: drawn (x, y) = A (own x, y) + const
    const double a00 = m.m[0] - m.m[8] * m.m[2] / m.m[10], a01 = m.m[4] - m.m[8] * m.m[6] / m.m[10];
    const double a10 = m.m[1] - m.m[9] * m.m[2] / m.m[10], a11 = m.m[5] - m.m[9] * m.m[6] / m.m[10];
    const double det = a00 * a11 - a01 * a10;
    d[0] = (a11 * drawn[0] - a01 * drawn[1]) / det;
    d[1] = (-a10 * drawn[0] + a00 * drawn[1]) / det;
    d[2] = drawn[2];
}

bool hit(const Caster& c, double longitude, double latitude) {
    double d[3];
    ownRay(c.look, longitude, latitude, d);
    return c.cube ? cubeHit(c.q, d) : sphereHit(c.q, d);
}

// How far the picture reaches from the inside direction (longitude,
// latitude) along the equator (across = false) or a meridian, the sign giving
// the way: rays twice as far each time until one misses (the picture is one
// piece along the circle), then the last step halved.
double reach(const Caster& c, double longitude, double latitude, bool across, double sign) {
    auto ray = [&](double s) {
        return across ? hit(c, longitude, latitude + sign * s)
                      : hit(c, longitude + sign * s, latitude);
    };
    double in = 0.0, out = firstRay;
    while (out < farthest && ray(out)) {
        in = out;
        out = std::min(2.0 * out, farthest);
    }
    for (int i = 0; i < bisections; ++i) {
        const double middle = 0.5 * (in + out);
        (ray(middle) ? in : out) = middle;
    }
    return in;
}

PictureSize pictureOf(const CameraLook& look, bool cube) {
    const Caster c{look, cube, {look.sky.observer.x, look.sky.observer.y, 0.0}};
    if (inside(c)) {
        return {NAN, NAN, NAN, NAN, NAN};
    }
    double centre, latitude;
    const SeenPoint p = seenPoint(look, 0.0, objectCentreY, 0.0);
    skyAngles(look, p.x, p.y, p.z, centre, latitude);
    const double ahead = reach(c, centre, 0.0, false, 1.0);
    const double behind = reach(c, centre, 0.0, false, -1.0);
    PictureSize size;
    size.from = signedDegrees(centre - behind);
    size.to = signedDegrees(centre + ahead);
    size.along = ahead + behind;
    size.middle = signedDegrees(centre + 0.5 * (ahead - behind));
    const double up = reach(c, size.middle, 0.0, true, 1.0);
    const double down = reach(c, size.middle, 0.0, true, -1.0);
    size.across = up + down;
    return size;
}
} // namespace

CameraLook cameraLookAt(const Matrix4& boost, double lookTime, bool lightDelay) {
    const BoostParts parts = splitBoost(boost);
    return {skyViewAt(boost, lookTime),
            lookTime,
            lightDelay,
            parts.velocityX,
            parts.velocityY,
            parts.gamma};
}

SeenPoint seenPoint(const CameraLook& look, double x, double y, double z) {
    const SpacetimeVector& o = look.sky.observer;
    const Matrix4& b = look.sky.boost;
    const double ownTime =
        look.lightDelay ? o.t - std::sqrt((x - o.x) * (x - o.x) + (y - o.y) * (y - o.y) + z * z)
                        : (look.lookTime - b.m[2] * x - b.m[6] * y) / b.m[10];
    const SpacetimeVector drawn = applyMatrix4(b, {x, y, ownTime});
    const double distance = std::sqrt(drawn.x * drawn.x + drawn.y * drawn.y + z * z);
    const double towards = (look.velocityX * drawn.x + look.velocityY * drawn.y) / distance;
    return {drawn.x, drawn.y, z, drawn.t, 1.0 / (look.gamma * (1.0 + towards))};
}

double skyDoppler(double speed, double longitude, double latitude) {
    const double towards =
        speed * std::cos(latitude / degreesPerRadian) * std::cos(longitude / degreesPerRadian);
    return 1.0 / (preciseLorentzFactor(speed) * (1.0 + towards));
}

void skyAngles(const CameraLook& look, double x, double y, double z, double& longitude,
               double& latitude) {
    longitude = signedDegrees(std::atan2(y, x) * degreesPerRadian - look.sky.drawnMotion);
    latitude = std::atan2(z, std::hypot(x, y)) * degreesPerRadian;
}

void cubeFaceCorners(int face, double corners[4][3], double normal[3]) {
    const double h = squareHalfSide;
    if (face < squareFaceCount) { // the square's face, from z = -h up to z = h
        double ends[2][2];
        squareFaceEnds(static_cast<SquareFace>(face), ends);
        const double* from = ends[0];
        const double* to = ends[1];
        const double c[4][3] = {
            {from[0], from[1], -h}, {to[0], to[1], -h}, {to[0], to[1], h}, {from[0], from[1], h}};
        std::copy(&c[0][0], &c[0][0] + 12, &corners[0][0]);
        // outward: the square's ends run counter-clockwise, so the outside is on their right
        const double dx = to[0] - from[0], dy = to[1] - from[1], length = std::hypot(dx, dy);
        normal[0] = dy / length;
        normal[1] = -dx / length;
        normal[2] = 0.0;
        return;
    }
    const double z = face == topFace ? h : -h;
    const double y0 = objectCentreY - h, y1 = objectCentreY + h;
    const double top[4][3] = {{-h, y0, z}, {h, y0, z}, {h, y1, z}, {-h, y1, z}};
    for (int i = 0; i < 4; ++i) { // the bottom's corners the other way round
        std::copy(top[face == topFace ? i : 3 - i], top[face == topFace ? i : 3 - i] + 3,
                  corners[i]);
    }
    normal[0] = normal[1] = 0.0;
    normal[2] = face == topFace ? 1.0 : -1.0;
}

bool cubeFaceSeen(const CameraLook& look, int face) {
    double corners[4][3], n[3];
    cubeFaceCorners(face, corners, n);
    const SpacetimeVector& o = look.sky.observer;
    const double toward[3] = {o.x - corners[0][0], o.y - corners[0][1], -corners[0][2]};
    return toward[0] * n[0] + toward[1] * n[1] + toward[2] * n[2] > 0.0;
}

bool sphereNormalSeen(const CameraLook& look, const double n[3]) {
    const SpacetimeVector& o = look.sky.observer;
    return o.x * n[0] + (o.y - objectCentreY) * n[1] > sphereRadius;
}

PictureSize cubePicture(const CameraLook& look) {
    return pictureOf(look, true);
}

PictureSize spherePicture(const CameraLook& look) {
    return pictureOf(look, false);
}
