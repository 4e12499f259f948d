// What is seen of a moving square and disk, against closed forms and
// independent constructions: every intersection lies on its cone; the image
// extents, turns and seen faces of the worked cases; the intersection solved
// directly on the boosted tube; visibility by casting rays in the own frame;
// and the disk's seen arc kept while the observer's own-frame place is kept.
#include "relativity/readouts.h"
#include "relativity/terrell.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {
const double pi = 3.14159265358979323846;

Matrix4 boostX(double v) {
    Matrix4 b;
    makeBoost(1.0, 0.0, v, preciseLorentzFactor(v), b);
    return b;
}

std::string facesOf(const SeenImage& image) {
    std::string text;
    for (int i = 0; i < image.faceCount; ++i) {
        text += (i ? ", " : "") + std::string(squareFaceNames[image.faces[i]]);
    }
    return text;
}

// true when the segment from o to p crosses the segment a-b before p
bool blocked(double ox, double oy, double px, double py, const double a[2], const double b[2]) {
    const double rx = px - ox, ry = py - oy, sx = b[0] - a[0], sy = b[1] - a[1];
    const double d = rx * sy - ry * sx;
    if (std::fabs(d) < 1e-12) {
        return false;
    }
    const double t = ((a[0] - ox) * sy - (a[1] - oy) * sx) / d; // along the ray
    const double u = ((a[0] - ox) * ry - (a[1] - oy) * rx) / d; // along the face
    return t > 1e-9 && t < 1.0 - 1e-9 && u >= 0.0 && u <= 1.0;
}
} // namespace

TEST(Seen, EveryIntersectionLiesOnItsConeAndMatchesTheBoostedTube) {
    std::mt19937 random(8);
    std::uniform_real_distribution<double> angle(0.0, 2.0 * pi), speed(0.0, 0.95), time(-3, 3);
    for (int n = 0; n < 200; ++n) {
        const double a = angle(random), v = speed(random), look = time(random);
        Matrix4 b;
        makeBoost(std::cos(a), std::sin(a), v, preciseLorentzFactor(v), b);
        const SpacetimeVector o = observerInOwnFrame(b, look);
        const double x = std::cos(a + 1) * 0.5, y = objectCentreY + std::sin(a + 2) * 0.5;
        const SpacetimeVector past = applyMatrix4(b, pastConeEvent(o, x, y));
        const SpacetimeVector future = applyMatrix4(b, futureConeEvent(o, x, y));
        EXPECT_NEAR(look - past.t, std::hypot(past.x, past.y), 1e-9);
        EXPECT_NEAR(future.t - look, std::hypot(future.x, future.y), 1e-9);
        // solved on the drawn world line B (x, y, s): (look - t(s))^2 = x(s)^2 + y(s)^2, t < look
        const SpacetimeVector p0 = applyMatrix4(b, {x, y, 0.0}),
                              u = applyMatrix4(b, {0.0, 0.0, 1.0});
        const double dt = p0.t - look; // quadratic in s: |p0 + s u|^2 - (dt + s u.t)^2 = 0
        const double qa = u.x * u.x + u.y * u.y - u.t * u.t; // -1
        const double qb = 2.0 * (p0.x * u.x + p0.y * u.y - dt * u.t);
        const double qc = p0.x * p0.x + p0.y * p0.y - dt * dt;
        const double s =
            (-qb + std::sqrt(qb * qb - 4.0 * qa * qc)) / (2.0 * qa); // the earlier root
        EXPECT_NEAR(p0.x + s * u.x, past.x, 1e-9);
        EXPECT_NEAR(p0.y + s * u.y, past.y, 1e-9);
        EXPECT_NEAR(p0.t + s * u.t, past.t, 1e-9);
    }
}

TEST(Seen, TheWorkedCasesOfTheSquareAndTheDisk) {
    struct Case {
        bool square;
        double v, look, from, to, rotation;
        const char* faces;
    };
    const Case cases[] = {
        {true, 0.6, 0.0, 102.0531, 145.6559, 36.8699, "near"},
        {true, 0.8, 0.0, 123.3201, 156.7186, 53.1301, "near"},
        {true, 0.6, 1.5, 59.0270, 111.5611, 36.8699, "near, trailing"},
        {true, 0.6, -1.5, 139.6336, 163.8899, 25.0576, "leading, near"},
        {false, 0.6, 0.0, 109.4712, 141.0576, 36.8699, ""},
        {false, 0.6, 1.5, 68.5961, 107.5152, 36.8699, ""},
    };
    for (const Case& c : cases) {
        const SeenImage image =
            c.square ? seeSquare(boostX(c.v), c.look) : seeDisk(boostX(c.v), c.look);
        EXPECT_NEAR(image.from, c.from, 1e-4) << c.v << " " << c.look;
        EXPECT_NEAR(image.to, c.to, 1e-4) << c.v << " " << c.look;
        EXPECT_NEAR(image.apparentRotation, c.rotation, 1e-4) << c.v << " " << c.look;
        if (c.square) {
            EXPECT_EQ(facesOf(image), c.faces) << c.v << " " << c.look;
        }
    }
    // at 1.5 the near face reaches up to 95.8913, where the trailing face begins
    const Matrix4 b = boostX(0.6);
    EXPECT_NEAR(seenSkyDegrees(skyViewAt(b, 1.5), -0.5, 1.0), 95.8913, 1e-4);
    // the disk at rest: 70.5288 to 109.4712, and 38.9424 wide seen straight on
    const SeenImage rest = seeDisk(boostX(0.0), 0.0);
    EXPECT_NEAR(rest.from, 70.5288, 1e-4);
    EXPECT_NEAR(rest.to - rest.from, 38.9424, 1e-4);
    EXPECT_NEAR(seeDisk(b, 1.5).to - seeDisk(b, 1.5).from, 38.9191, 1e-4);
}

// Moving along +y the square is straight ahead; along -y straight behind: its
// image is one arc across 0 (or 180) degrees, edges at the near corners'
// aberrated directions, cos a = (cos a' - v) / (1 - v cos a'), cos a' = +-2 / sqrt 5.
TEST(Seen, AnImageAcrossTheDirectionOfMotionIsOneArc) {
    const double v = 0.6, c = 2.0 / std::sqrt(5.0);
    const double ahead = std::acos((c - v) / (1.0 - v * c)) * 180.0 / pi;
    const double behind = std::acos((-c - v) / (1.0 + v * c)) * 180.0 / pi;
    for (double sign : {1.0, -1.0}) {
        Matrix4 b;
        makeBoost(0.0, sign, v, preciseLorentzFactor(v), b);
        const SeenImage image = seeSquare(b, 0.0);
        const double edge = sign > 0 ? ahead : behind;
        EXPECT_NEAR(image.from, sign > 0 ? -edge : edge, 1e-9) << sign;
        EXPECT_NEAR(image.to, sign > 0 ? edge : -edge, 1e-9) << sign;
        EXPECT_EQ(facesOf(image), "near") << sign;
    }
}

TEST(Seen, FacesSeenAreTheFirstHitsAlongTheLightRays) {
    for (double look : {-1.5, 0.0, 1.5, 3.0}) {
        const SpacetimeVector o = observerInOwnFrame(boostX(0.6), look);
        for (int f = 0; f < squareFaceCount; ++f) {
            double ends[2][2];
            squareFaceEnds(static_cast<SquareFace>(f), ends);
            // the face's middle: is any other face in the way from the observer?
            const double px = 0.5 * (ends[0][0] + ends[1][0]), py = 0.5 * (ends[0][1] + ends[1][1]);
            bool hidden = false;
            for (int g = 0; g < squareFaceCount; ++g) {
                double other[2][2];
                squareFaceEnds(static_cast<SquareFace>(g), other);
                hidden = hidden || (g != f && blocked(o.x, o.y, px, py, other[0], other[1]));
            }
            // a face seen edge-on (observer in its plane) counts as hidden
            EXPECT_EQ(faceSeen(o, static_cast<SquareFace>(f)), !hidden)
                << squareFaceNames[f] << " at look " << look;
        }
    }
}

TEST(Seen, TheDisksSeenArcDependsOnlyOnTheObserversOwnPlace) {
    double centre0 = 0, half0 = 0;
    for (double v : {0.2, 0.6, 0.9}) {
        const double look = 1.2 / (preciseLorentzFactor(v) * v); // own-frame place x = -1.2
        const SpacetimeVector o = observerInOwnFrame(boostX(v), look);
        EXPECT_NEAR(o.x, -1.2, 1e-12);
        double centre = 0, half = 0;
        ASSERT_TRUE(seenRimArc(o, centre, half));
        if (v == 0.2) {
            centre0 = centre;
            half0 = half;
        }
        EXPECT_NEAR(centre, centre0, 1e-12);
        EXPECT_NEAR(half, half0, 1e-12);
        // the closed form: tangents from (-1.2, 0) to the circle about (0, 1.5)
        EXPECT_NEAR(half, std::acos(diskRadius / std::hypot(1.2, 1.5)) * 180.0 / pi, 1e-12);
    }
}
