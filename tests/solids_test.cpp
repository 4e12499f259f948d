// The browser build's own icosahedron and wire cube against freeglut's, both
// drawn lit into GL feedback on the real GL: the same triangles and lines at
// the same places, every vertex lit alike, under turns that light every face,
// so a face normal off in the page's solids shows as a face of another shade.
#include "glHarness.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// the page's solids, compiled here under these names
extern "C" void webSolidIcosahedron(void);
extern "C" void webWireCube(GLdouble size);

namespace {
const double positionTolerance = 1e-4; // scene units
const float colourTolerance = 1.0f / 255.0f;

FeedbackVertex centroid(const FeedbackPrimitive& p) {
    FeedbackVertex c{};
    for (const auto& v : p.vertices) {
        c.x += v.x / p.vertices.size();
        c.y += v.y / p.vertices.size();
        c.z += v.z / p.vertices.size();
    }
    return c;
}

bool samePlace(const FeedbackVertex& a, const FeedbackVertex& b) {
    return std::fabs(a.x - b.x) < positionTolerance && std::fabs(a.y - b.y) < positionTolerance &&
           std::fabs(a.z - b.z) < positionTolerance;
}

bool sameColour(const FeedbackVertex& a, const FeedbackVertex& b) {
    return std::fabs(a.r - b.r) <= colourTolerance && std::fabs(a.g - b.g) <= colourTolerance &&
           std::fabs(a.b - b.b) <= colourTolerance;
}

// the same vertices, each lit alike (edges shared by two faces are drawn twice,
// once in each face's light)
bool sameLitPrimitive(const FeedbackPrimitive& f, const FeedbackPrimitive& p) {
    if (f.vertices.size() != p.vertices.size() || !samePlace(centroid(f), centroid(p))) {
        return false;
    }
    return std::all_of(p.vertices.begin(), p.vertices.end(), [&](const FeedbackVertex& v) {
        return std::any_of(f.vertices.begin(), f.vertices.end(), [&](const FeedbackVertex& w) {
            return samePlace(v, w) && sameColour(v, w);
        });
    });
}

void expectSameSolid(const std::vector<FeedbackPrimitive>& freeglut,
                     const std::vector<FeedbackPrimitive>& page, const char* what) {
    ASSERT_EQ(freeglut.size(), page.size()) << what;
    for (const auto& p : page) {
        const bool found = std::any_of(freeglut.begin(), freeglut.end(),
                                       [&](const auto& f) { return sameLitPrimitive(f, p); });
        const FeedbackVertex c = centroid(p);
        EXPECT_TRUE(found) << what << ": the primitive about (" << c.x << ", " << c.y << ", " << c.z
                           << "), shade " << p.vertices[0].r << ", is not freeglut's";
    }
}
} // namespace

TEST(Solids, ThePagesSolidsAreFreeglutsLitAlike) {
    restoreStartState();
    const double turns[][4] = {
        {0, 1, 0, 0}, {90, 1, 0, 0}, {180, 0, 1, 0}, {120, 1, 1, 1}, {45, 0, 0, 1}};
    for (const auto& turn : turns) {
        auto drawn = [&turn](void (*solid)()) {
            return captureFeedback([&] {
                glRotated(turn[0], turn[1], turn[2], turn[3]);
                solid();
            });
        };
        expectSameSolid(drawn(glutSolidIcosahedron), drawn(webSolidIcosahedron), "icosahedron");
        expectSameSolid(drawn([] { glutWireCube(1.5); }), drawn([] { webWireCube(1.5); }),
                        "wire cube");
    }
}
