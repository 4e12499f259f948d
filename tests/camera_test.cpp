// The camera's view of the moving cube and sphere, against closed forms and
// independent constructions: every point drawn on the observer's past light
// cone and on its own world line; Doppler factors from the photon's and the
// source's 4-vectors; the sphere's outline a circle on the sky (three points
// fix it, the rest must lie on it) of the closed-form sizes, squashed without
// light delay; faces hidden along rays cast in either frame as F8 says; and
// the colours of shifted light.
#include "relativity/camera.h"
#include "relativity/readouts.h"
#include "relativity/spectrum.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <utility>

namespace {
const double pi = 3.14159265358979323846;
const double degrees = 180.0 / pi;

Matrix4 boostAlong(double angle, double v) {
    Matrix4 b;
    makeBoost(std::cos(angle), std::sin(angle), v, preciseLorentzFactor(v), b);
    return b;
}

// own-frame (x, y, t) of a drawn event: the inverse boost, solved rather than transposed
SpacetimeVector ownOf(const Matrix4& b, const SpacetimeVector& drawn) {
    double m[3][4];
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            m[r][c] = b.m[c * 4 + r];
        }
    }
    m[0][3] = drawn.x;
    m[1][3] = drawn.y;
    m[2][3] = drawn.t;
    for (int c = 0; c < 3; ++c) { // Gauss-Jordan with partial pivoting
        int pivot = c;
        for (int r = c + 1; r < 3; ++r) {
            pivot = std::fabs(m[r][c]) > std::fabs(m[pivot][c]) ? r : pivot;
        }
        std::swap(m[c], m[pivot]);
        for (int r = 0; r < 3; ++r) {
            if (r != c) {
                const double f = m[r][c] / m[c][c];
                for (int k = c; k < 4; ++k) {
                    m[r][k] -= f * m[c][k];
                }
            }
        }
    }
    return {m[0][3] / m[0][0], m[1][3] / m[1][1], m[2][3] / m[2][2]};
}

double unitDot(const double a[3], const double b[3]) {
    return (a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) /
           std::sqrt((a[0] * a[0] + a[1] * a[1] + a[2] * a[2]) *
                     (b[0] * b[0] + b[1] * b[1] + b[2] * b[2]));
}

// the sphere's outline as the observer's own-frame place sees it: its tangent circle
void tangentPoint(const CameraLook& look, double angle, double p[3]) {
    const double qx = look.sky.observer.x, qy = look.sky.observer.y - objectCentreY;
    const double d = std::hypot(qx, qy), r = sphereRadius;
    const double along = r * r / d, round = r * std::sqrt(d * d - r * r) / d;
    p[0] = along * qx / d + round * std::cos(angle) * (qy / d);
    p[1] = objectCentreY + along * qy / d - round * std::cos(angle) * (qx / d);
    p[2] = round * std::sin(angle);
}
} // namespace

TEST(Camera, EveryPointIsDrawnOnThePastLightConeOfItsWorldLine) {
    std::mt19937 random(28);
    std::uniform_real_distribution<double> angle(0.0, 2.0 * pi), speed(0.0, 0.95), time(-5.0, 5.0),
        coordinate(-0.5, 0.5);
    for (int n = 0; n < 300; ++n) {
        const Matrix4 b = boostAlong(angle(random), speed(random));
        const double look = time(random);
        const double x = coordinate(random), y = objectCentreY + coordinate(random),
                     z = coordinate(random);
        for (bool delay : {true, false}) {
            const SeenPoint s = seenPoint(cameraLookAt(b, look, delay), x, y, z);
            if (delay) { // light from there reaches (0, 0, 0, look)
                EXPECT_NEAR(look - s.t, std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z), 1e-9);
            } else { // where the point is at the observer's time
                EXPECT_NEAR(s.t, look, 1e-9);
            }
            const SpacetimeVector own = ownOf(b, {s.x, s.y, s.t});
            EXPECT_NEAR(own.x, x, 1e-9);
            EXPECT_NEAR(own.y, y, 1e-9);
            EXPECT_EQ(s.z, z);
            if (delay) { // the photon k, emission to the observer, and the source's 4-velocity u =
                         // B (0, 0, 1)
                const double k[4] = {-s.x, -s.y, -s.z, look - s.t};
                const SpacetimeVector u = applyMatrix4(b, {0.0, 0.0, 1.0});
                const double atSource = u.t * k[3] - u.x * k[0] - u.y * k[1]; // k.u, u has no z
                EXPECT_NEAR(s.doppler, k[3] / atSource, 1e-9);
            }
        }
    }
}

// Along the motion (+x) at 0.6 c: the sphere seen from the observer's own-frame
// place, then aberrated, cos a = (cos a' - v) / (1 - v cos a'); without light
// delay, the contracted sphere's tangents from the origin. Worked values
// to four decimals pin the sizes of the aberrated circles.
TEST(Camera, TheSpheresPictureHasTheClosedFormSizes) {
    const double rest = 2.0 * std::asin(sphereRadius / objectCentreY) * degrees; // 38.9424
    const double aberrate = [] {
        const double c = std::cos(std::asin(1.0 / 3.0) + pi / 2.0), v = 0.6; // the trailing tangent
        return std::acos((c - v) / (1.0 - v * c)) * degrees;
    }();
    struct Case {
        double v, look;
        bool delay;
        double along, across;
    };
    const double squashed = [](double v) {
        const double a = sphereRadius * std::sqrt(1.0 - v * v); // the contracted half-width
        return 2.0 * std::atan(a / std::sqrt(objectCentreY * objectCentreY - 0.25)) * degrees;
    }(0.6);
    const Case cases[] = {
        {0.6, 0.0, true, 31.5863, 31.5863},  {0.6, 1.5, true, 38.9191, 38.9191},
        {0.6, -1.5, true, 18.3094, 18.3094}, {0.8, 0.0, true, 23.9535, 23.9535},
        {0.0, 0.0, true, rest, rest},        {0.6, 0.0, false, squashed, rest},
        {0.8, 0.0, false, 23.9535, rest},
    };
    for (const Case& c : cases) {
        const PictureSize size = spherePicture(cameraLookAt(boostAlong(0.0, c.v), c.look, c.delay));
        EXPECT_NEAR(size.along, c.along, 1e-4) << c.v << " " << c.look << " " << c.delay;
        EXPECT_NEAR(size.across, c.across, 1e-4) << c.v << " " << c.look << " " << c.delay;
    }
    const PictureSize now = spherePicture(cameraLookAt(boostAlong(0.0, 0.6), 0.0, true));
    EXPECT_NEAR(now.to, aberrate, 1e-9);
    EXPECT_NEAR(spherePicture(cameraLookAt(boostAlong(0.0, 0.6), 0.0, false)).along / rest, 0.8111,
                1e-4);
    // the observer inside the object: nothing
    EXPECT_TRUE(std::isnan(spherePicture(cameraLookAt(boostAlong(pi / 2, 0.6), -2.0, true)).along));
}

// Three points of the tangent circle fix a circle on the sky; every other point
// lies on it with light delay (Penrose), and its angular diameter is the
// picture's size both ways. Without, the outline is no circle.
TEST(Camera, TheSpheresOutlineIsACircleOnTheSky) {
    std::mt19937 random(9);
    std::uniform_real_distribution<double> angle(0.0, 2.0 * pi), speed(0.1, 0.9), time(-3.0, 3.0);
    for (int n = 0; n < 40; ++n) {
        const Matrix4 b = n == 0 ? boostAlong(0.0, 0.6) : boostAlong(angle(random), speed(random));
        const double look = n == 0 ? 0.0 : time(random);
        for (bool delay : {true, false}) {
            const CameraLook l = cameraLookAt(b, look, delay);
            if (std::hypot(l.sky.observer.x, l.sky.observer.y - objectCentreY) < 0.6) {
                continue; // no outline from inside, and none to speak of at its surface
            }
            double seen[3][3];
            for (int k = 0; k < 3; ++k) {
                double p[3];
                tangentPoint(l, 2.0 * pi * k / 3.0 + 0.3, p);
                const SeenPoint s = seenPoint(l, p[0], p[1], p[2]);
                seen[k][0] = s.x, seen[k][1] = s.y, seen[k][2] = s.z;
            }
            // the circle's axis: at the same angle from all three
            double e1[3], e2[3], axis[3];
            for (int i = 0; i < 3; ++i) {
                const double n0 = std::sqrt(seen[0][0] * seen[0][0] + seen[0][1] * seen[0][1] +
                                            seen[0][2] * seen[0][2]);
                const double n1 = std::sqrt(seen[1][0] * seen[1][0] + seen[1][1] * seen[1][1] +
                                            seen[1][2] * seen[1][2]);
                const double n2 = std::sqrt(seen[2][0] * seen[2][0] + seen[2][1] * seen[2][1] +
                                            seen[2][2] * seen[2][2]);
                e1[i] = seen[1][i] / n1 - seen[0][i] / n0;
                e2[i] = seen[2][i] / n2 - seen[0][i] / n0;
            }
            axis[0] = e1[1] * e2[2] - e1[2] * e2[1];
            axis[1] = e1[2] * e2[0] - e1[0] * e2[2];
            axis[2] = e1[0] * e2[1] - e1[1] * e2[0];
            if (unitDot(axis, seen[0]) < 0.0) {
                for (double& a : axis) {
                    a = -a;
                }
            }
            const double radius = std::acos(unitDot(axis, seen[0]));
            double worst = 0.0;
            for (int k = 0; k < 72; ++k) {
                double p[3];
                tangentPoint(l, 2.0 * pi * k / 72.0, p);
                const SeenPoint s = seenPoint(l, p[0], p[1], p[2]);
                const double d[3] = {s.x, s.y, s.z};
                worst = std::max(worst, std::fabs(std::acos(unitDot(axis, d)) - radius) / radius);
            }
            const PictureSize size = spherePicture(l);
            if (delay) {
                EXPECT_LT(worst, 1e-9) << n;
                EXPECT_NEAR(size.along, 2.0 * radius * degrees, 1e-6) << n;
                EXPECT_NEAR(size.across, 2.0 * radius * degrees, 1e-6) << n;
            } else if (n == 0) { // squashed along the motion, seen across it
                EXPECT_GT(worst, 0.05);
            }
        }
    }
}

// F8's worked extents, with the cube's picture along the plane of motion the
// square's; the Doppler factor from the middle of the image, bluer while the
// object approaches, redder as it recedes.
TEST(Camera, ThePictureAlongTheMotionIsF8sAndF9sImage) {
    for (double look : {-1.5, 0.0, 1.5, 3.0}) {
        for (double angle : {0.0, 2.0, 4.0}) {
            const Matrix4 b = boostAlong(angle, 0.6);
            const CameraLook l = cameraLookAt(b, look, true);
            const SeenImage square = seeSquare(b, look), disk = seeDisk(b, look);
            const PictureSize cube = cubePicture(l), sphere = spherePicture(l);
            // both nothing where the observer passes through the object
            for (const auto& [picture, image] : {std::pair{cube.from, square.from},
                                                 {cube.to, square.to},
                                                 {sphere.from, disk.from},
                                                 {sphere.to, disk.to}}) {
                EXPECT_TRUE(std::isnan(picture) ? std::isnan(image)
                                                : std::fabs(picture - image) < 1e-6)
                    << look << ", " << angle << ": " << picture << " against " << image;
            }
        }
    }
    struct Case {
        double v, look, doppler;
    };
    // 1 / (gamma (1 + v cos m)), m the middle of F9's image: 125.2644, 88.0557 and 141.4979
    const Case cases[] = {{0.6, 0.0, 1.2240}, {0.6, 1.5, 0.7840}, {0.8, 0.0, 1.6046}};
    for (const Case& c : cases) {
        const SeenImage disk = seeDisk(boostAlong(0.0, c.v), c.look);
        const double middle = 0.5 * (disk.from + disk.to);
        EXPECT_NEAR(skyDoppler(c.v, middle, 0.0), c.doppler, 1e-4);
        // the same from the light's own 4-vector: a photon arriving from the middle direction
        const double k[3] = {-std::cos(middle / degrees), -std::sin(middle / degrees), 1.0};
        const double g = preciseLorentzFactor(c.v);
        EXPECT_NEAR(skyDoppler(c.v, middle, 0.0), k[2] / (g * (k[2] - c.v * k[0])), 1e-12);
    }
}

// A face is in the picture when no other face lies between it and the
// observer: along the own-frame light ray from the observer's own-frame place
// (light delay), or along the drawn ray at the observer's time through the
// contracted cube (without): the same faces as F8's, never the top or bottom.
TEST(Camera, FacesHiddenAlongTheRaysAgreeWithF8) {
    for (double look : {-3.0, -1.5, 0.0, 1.5, 3.0}) {
        for (double angle : {0.0, 1.0, 3.0}) {
            const Matrix4 b = boostAlong(angle, 0.7);
            for (bool delay : {true, false}) {
                const CameraLook l = cameraLookAt(b, look, delay);
                for (int face = 0; face < cubeFaceCount; ++face) {
                    double corners[4][3], normal[3];
                    cubeFaceCorners(face, corners, normal);
                    double middle[3];
                    for (int i = 0; i < 3; ++i) {
                        middle[i] =
                            0.25 * (corners[0][i] + corners[1][i] + corners[2][i] + corners[3][i]);
                    }
                    // march from the face's middle (a hair outside it) towards the observer
                    const SeenPoint at = seenPoint(l, middle[0], middle[1], middle[2]);
                    bool blocked = false;
                    for (int k = 1; k < 400 && !blocked; ++k) {
                        const double s = 1e-6 + k / 400.0;
                        double p[3];
                        if (delay) { // straight in the own frame to the observer's place
                            const double o[3] = {l.sky.observer.x, l.sky.observer.y, 0.0};
                            for (int i = 0; i < 3; ++i) {
                                p[i] = middle[i] + s * (o[i] - middle[i]);
                            }
                        } else { // straight in the frame drawn to the origin: back to own
                                 // coordinates
                            const SpacetimeVector own =
                                ownOf(b, {(1.0 - s) * at.x, (1.0 - s) * at.y, look});
                            p[0] = own.x, p[1] = own.y, p[2] = (1.0 - s) * at.z;
                        }
                        blocked = std::fabs(p[0]) < 0.5 && std::fabs(p[1] - objectCentreY) < 0.5 &&
                                  std::fabs(p[2]) < 0.5;
                    }
                    const bool seen = cubeFaceSeen(l, face);
                    EXPECT_EQ(seen, !blocked)
                        << cubeFaceNames[face] << " at " << look << ", " << delay;
                    if (face < squareFaceCount) {
                        EXPECT_EQ(seen, faceSeen(l.sky.observer, static_cast<SquareFace>(face)));
                    } else {
                        EXPECT_FALSE(seen);
                    }
                }
            }
        }
    }
}

// Lines at 645, 510 and 440 nm show at rest as the primaries; shifted by 1/D
// they take the colours of the spectrum, redder for D < 1, bluer for D > 1,
// and black beyond the visible; brightness scales the light by D^4.
TEST(Camera, ShiftedLightTakesTheSpectrumsColours) {
    const float red[3] = {1, 0, 0}, green[3] = {0, 1, 0}, blue[3] = {0, 0, 1},
                white[3] = {0.9f, 0.9f, 0.9f};
    float out[3];
    for (const float* c : {red, green, blue, white}) {
        dopplerColour(c, 1.0, out);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(out[i], c[i], 1e-6);
        }
    }
    dopplerColour(white, 0.7, out); // lines at 921, 729 and 629 nm: the last orange
    EXPECT_GT(out[0], out[1]);
    EXPECT_EQ(out[2], 0.0f);
    dopplerColour(white, 1.4, out); // at 461, 364 and 314 nm: blue alone
    EXPECT_GT(out[2], 0.5f);
    EXPECT_EQ(out[0], 0.0f);
    dopplerColour(white, 0.4, out);
    EXPECT_EQ(out[0] + out[1] + out[2], 0.0f);
    dopplerColour(blue, 440.0 / 580.0, out); // blue light arriving at 580 nm: yellow
    EXPECT_NEAR(out[0], out[1], 1e-6);
    EXPECT_GT(out[0], 0.9f);
    wavelengthColour(visibleTo + 1.0, out);
    EXPECT_EQ(out[0], 0.0f);

    const float grey[3] = {0.5f, 0.5f, 0.5f};
    searchlightColour(grey, 0.5, out); // a sixteenth of the light: a quarter of the display value
    EXPECT_NEAR(out[0], 0.125f, 1e-6);
    const float orange[3] = {1.0f, 0.4f, 0.0f};
    searchlightColour(orange, 2.0, out); // capped at full, the hue kept
    EXPECT_NEAR(out[0], 1.0f, 1e-6);
    EXPECT_NEAR(out[1], 0.4f, 1e-6);
}
