// The seen image of a moving square or disk. In the object's own frame nothing
// moves: light from a rest point reaches the observer's own-frame event after
// the distance between them, so the past cone there is t' = T' - |p - O'|; the
// boost carries that event to the frame drawn. What is seen is what faces the
// observer's own-frame place, and the seen directions are the own-frame ones
// aberrated: cos a = (cos a' - v) / (1 - v cos a').
#include "relativity/terrell.h"

#include "relativity/lightCones.h"
#include "relativity/readouts.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

const char* const squareFaceNames[squareFaceCount] = {"near", "far", "leading", "trailing"};

namespace {
const double pi = 3.14159265358979323846;
const double degreesPerRadian = 180.0 / pi;
const double nearY = objectCentreY - squareHalfSide;
const double farY = objectCentreY + squareHalfSide;

double wrapped(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

// (-180, 180]
double signedDegrees(double degrees) {
    const double d = wrapped(degrees);
    return d > 180.0 ? d - 360.0 : d;
}

// An image's extent as an arc of the sky, grown sample by sample: offsets from
// a reference direction (the centre's), so that an image across 0 degrees
// stays one piece.
struct Arc {
    double reference;
    double low, high; // offsets from reference, degrees
};

void widen(Arc& arc, double degrees) {
    const double offset = signedDegrees(degrees - arc.reference);
    arc.low = std::min(arc.low, offset);
    arc.high = std::max(arc.high, offset);
}

struct ImageArcs {
    Arc seen, rest;
};

ImageArcs emptyArcs(const SkyView& v) {
    const double seen = seenSkyDegrees(v, 0.0, objectCentreY);
    const double rest = restSkyDegrees(v, 0.0, objectCentreY);
    return {{seen, 360.0, -360.0}, {rest, 360.0, -360.0}};
}

void widen(ImageArcs& arcs, const SkyView& v, double x, double y) {
    widen(arcs.seen, seenSkyDegrees(v, x, y));
    widen(arcs.rest, restSkyDegrees(v, x, y));
}

// from and to in (-180, 180], counter-clockwise from one to the other
SeenImage imageOf(const ImageArcs& arcs) {
    SeenImage image;
    image.apparentRotation = signedDegrees(arcs.seen.reference - arcs.rest.reference);
    image.faceCount = 0;
    if (arcs.seen.low > arcs.seen.high) { // nothing seen
        image.from = image.to = image.restFrom = image.restTo = NAN;
        return image;
    }
    image.from = signedDegrees(arcs.seen.reference + arcs.seen.low);
    image.to = signedDegrees(arcs.seen.reference + arcs.seen.high);
    image.restFrom = signedDegrees(arcs.rest.reference + arcs.rest.low);
    image.restTo = signedDegrees(arcs.rest.reference + arcs.rest.high);
    return image;
}
} // namespace

void squareFaceEnds(SquareFace face, double ends[2][2]) {
    const double h = squareHalfSide;
    const double corners[4][2] = {{-h, nearY}, {h, nearY}, {h, farY}, {-h, farY}};
    const int first[squareFaceCount] = {0, 2, 1, 3}; // near, far, leading, trailing
    const int k = first[face];
    for (int i = 0; i < 2; ++i) {
        ends[0][i] = corners[k][i];
        ends[1][i] = corners[(k + 1) % 4][i];
    }
}

SpacetimeVector observerInOwnFrame(const Matrix4& boost, double lookTime) {
    // the inverse of a Lorentz transformation: eta B^T eta, eta = diag(-1, -1, 1)
    return {-boost.m[2] * lookTime, -boost.m[6] * lookTime, boost.m[10] * lookTime};
}

SpacetimeVector pastConeEvent(const SpacetimeVector& observerOwn, double x, double y) {
    return {x, y, observerOwn.t - std::hypot(x - observerOwn.x, y - observerOwn.y)};
}

SpacetimeVector futureConeEvent(const SpacetimeVector& observerOwn, double x, double y) {
    return {x, y, observerOwn.t + std::hypot(x - observerOwn.x, y - observerOwn.y)};
}

SkyView skyViewAt(const Matrix4& boost, double lookTime) {
    const BoostParts parts = splitBoost(boost);
    const double drawnMotion =
        parts.speed > 0.0 ? std::atan2(parts.velocityY, parts.velocityX) * degreesPerRadian : 0.0;
    return {boost, observerInOwnFrame(boost, lookTime), drawnMotion, ownMotionDegrees(boost)};
}

double seenSkyDegrees(const SkyView& v, double x, double y) {
    // the observer sits at x = y = 0 of the frame drawn
    const SpacetimeVector drawn = applyMatrix4(v.boost, pastConeEvent(v.observer, x, y));
    return wrapped(std::atan2(drawn.y, drawn.x) * degreesPerRadian - v.drawnMotion);
}

double restSkyDegrees(const SkyView& v, double x, double y) {
    const double own = std::atan2(y - v.observer.y, x - v.observer.x) * degreesPerRadian;
    return wrapped(own - v.ownMotion);
}

bool faceSeen(const SpacetimeVector& observerOwn, SquareFace face) {
    switch (face) {
    case nearFace:
        return observerOwn.y < nearY;
    case farFace:
        return observerOwn.y > farY;
    case leadingFace:
        return observerOwn.x > squareHalfSide;
    case trailingFace:
        return observerOwn.x < -squareHalfSide;
    default:
        return false;
    }
}

bool seenRimArc(const SpacetimeVector& observerOwn, double& centreAngle, double& halfWidth) {
    const double dx = observerOwn.x, dy = observerOwn.y - objectCentreY;
    const double distance = std::hypot(dx, dy);
    if (!(distance > diskRadius)) {
        return false;
    }
    centreAngle = std::atan2(dy, dx) * degreesPerRadian;
    halfWidth = std::acos(diskRadius / distance) * degreesPerRadian; // to the tangent points
    return true;
}

SeenImage seeSquare(const Matrix4& boost, double lookTime) {
    const SkyView v = skyViewAt(boost, lookTime);
    const SpacetimeVector& observer = v.observer;
    ImageArcs arcs = emptyArcs(v);
    int faces[squareFaceCount];
    double middle[squareFaceCount]; // of each face seen, from the centre's direction
    int count = 0;
    for (int f = 0; f < squareFaceCount; ++f) {
        if (!faceSeen(observer, static_cast<SquareFace>(f))) {
            continue;
        }
        double ends[2][2];
        squareFaceEnds(static_cast<SquareFace>(f), ends);
        double sum = 0.0;
        for (const auto& end : ends) {
            widen(arcs, v, end[0], end[1]);
            sum += signedDegrees(seenSkyDegrees(v, end[0], end[1]) - arcs.seen.reference);
        }
        // across the image, counter-clockwise: at most two faces, in place
        int at = count++;
        for (; at > 0 && middle[at - 1] > sum / 2.0; --at) {
            middle[at] = middle[at - 1];
            faces[at] = faces[at - 1];
        }
        middle[at] = sum / 2.0;
        faces[at] = f;
    }
    SeenImage image = imageOf(arcs);
    image.faceCount = count;
    std::copy(faces, faces + count, image.faces);
    return image;
}

SeenImage seeDisk(const Matrix4& boost, double lookTime) {
    const SkyView v = skyViewAt(boost, lookTime);
    ImageArcs arcs = emptyArcs(v);
    double centre = 0.0, half = 0.0;
    if (seenRimArc(v.observer, centre, half)) {
        // the image's edges are the tangent points; aberration keeps their order
        for (double side : {-1.0, 1.0}) {
            const double a = (centre + side * half) / degreesPerRadian;
            widen(arcs, v, diskRadius * std::cos(a), objectCentreY + diskRadius * std::sin(a));
        }
    }
    return imageOf(arcs);
}
