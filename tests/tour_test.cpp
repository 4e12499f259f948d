// The picture tour end to end: it runs the real program into a temporary
// folder; every picture must exist at the window's size, not be blank, and
// show the colours the physics predicts where it predicts them.
#include "image.h"
#include "startView.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {
const int side = 512;
const Pixel red{255, 0, 0}, cyan{0, 255, 255}, black{0, 0, 0}, green{0, 255, 0}, teal{0, 204, 204},
    orange{255, 102, 0}, white{255, 255, 255}, darkGreen{0, 115, 0};

double composed(int n, double beta) {
    return std::tanh(n * std::atanh(beta));
}

struct Probe {
    double x, y; // diagram coordinates in the start view
    Pixel colour;
    int radius;
};

struct Expected {
    const char* file;
    std::vector<Probe> probes;
};

class Tour : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "the tour needs an X display";
        char pattern[] = "/tmp/lorentz-tour-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        const std::string command = std::string(LORENTZ_TOUR_PATH) + " " + LORENTZ_DEMO_PATH + " " +
                                    dir + " > " + dir + "/tour.log 2>&1";
        status = std::system(command.c_str());
    }
    static void TearDownTestSuite() {
        std::system(("rm -rf " + dir).c_str());
    }
    static std::string dir;
    static int status;
};
std::string Tour::dir;
int Tour::status = -1;
} // namespace

TEST_F(Tour, EveryPictureShowsItsPhysics) {
    ASSERT_EQ(status, 0) << "tour failed; log in " << dir << "/tour.log";
    const double v1 = composed(50, 0.01), v2 = composed(60, 0.01), v3 = composed(40, 0.01);
    const double gamma2 = 1.0 / std::sqrt(1.0 - v2 * v2);
    const double travellerTop = 2.0 * std::sqrt(0.64) - 1.0; // turnaround at (0.6, 1.0)
    // F10 boosted by 30 motion events of 0.01: (x, t) drawn at gamma (x + v t, t + v x)
    const double vRocket = composed(30, 0.01), gRocket = 1.0 / std::sqrt(1.0 - vRocket * vRocket);
    auto drawnAt = [&](double x, double t) {
        return Probe{gRocket * (x + vRocket * t), gRocket * (t + vRocket * x), black, 0};
    };
    const std::vector<Expected> gallery = {
        {"f1-time-dilation-rest.png", {{0, 0.5, cyan, 0}, {0, 1.5, red, 1}}},
        {"f1-time-dilation-v0.46.png", {{v1 * 0.75, 0.75, cyan, 2}, {0, 1.5, red, 1}}},
        {"f2-length-contraction-rest.png", {{1, 0.6, black, 2}, {-1, -0.6, black, 2}}},
        {"f2-length-contraction-v-0.54.png",
         {{1 / gamma2, 0, black, 3}, {-1 / gamma2, 0, black, 3}}},
        {"f3-twin-paradox-rest.png", {{1.5, 0.5, teal, 1}, {-1.5, 0.9, red, 1}}},
        {"f3-twin-paradox-turnaround.png",
         {{0.6, 0.0, green, 3}, {1.5, travellerTop - 0.05, teal, 1}, {1.5, 0.95, white, 0}}},
        {"f3-twin-paradox-boosted-v0.38.png",
         {{v3 / 2, -1.2, orange, 2}, {1.5, travellerTop - 0.05, teal, 1}}},
        {"f4-searchlight-rest.png", {{0.05 * 10 / 8, 0, green, 1}}},
        {"f4-searchlight-horizontal-v0.46.png", {}},
        {"f4-searchlight-diagonal.png", {}},
        {"f4-searchlight-rotated.png", {}},
        {"f5-default-object.png", {{0, 0, Pixel{-1, -1, -1}, 0}}},
        // the scenes' run: the cones' apex on the source's (observer's) world line
        {"f5-upward-cone-rest.png", {{0, -0.9, darkGreen, 2}}},
        {"f5-upward-cone-v0.46.png", {{0, -0.9, darkGreen, 2}}},
        {"f6-downward-cone-rest.png", {{0, 0.9, darkGreen, 2}}},
        {"f6-downward-cone-v0.46.png", {{0, 0.9, darkGreen, 2}}},
        {"f7-thomas-precession-rest.png", {}},
        {"f7-thomas-precession-v0.46.png", {}},
        {"f8-square-seen-rest.png", {}},
        {"f8-square-seen-v0.46.png", {}},
        {"f9-disk-seen-v0.46.png", {}},
        // the accelerated observers, drawn 1.5 down: the rocket's event at tau = 1 and
        // its world line at tau = 0.75; the rear ship likewise, the front L = 0.5 further
        {"f10-rocket.png",
         {{std::cosh(1.0) - 1, std::sinh(1.0) - 1.5, black, 2},
          {std::cosh(0.75) - 1, std::sinh(0.75) - 1.5, green, 2}}},
        {"f10-rocket-boosted.png",
         {{drawnAt(std::cosh(1.0) - 1, std::sinh(1.0)).x,
           drawnAt(std::cosh(1.0) - 1, std::sinh(1.0)).y - 1.5, black, 2}}},
        {"f11-bell-ships.png",
         {{std::cosh(1.0) - 1, std::sinh(1.0) - 1.5, black, 2},
          {std::cosh(0.75) - 0.5, std::sinh(0.75) - 1.5, teal, 2}}},
    };
    for (const Expected& e : gallery) {
        Image image;
        ASSERT_TRUE(readPng(dir + "/" + e.file, image)) << e.file;
        EXPECT_EQ(image.width, side) << e.file;
        EXPECT_EQ(image.height, side) << e.file;
        EXPECT_FALSE(isBlank(image)) << e.file;
        for (const Probe& p : e.probes) {
            const int x = column(p.x), y = row(p.y);
            if (p.colour.r < 0) { // the lit icosahedron: shaded, yellowish, never green
                const Pixel c = image.at(x, y);
                EXPECT_FALSE(isClose(c, white)) << e.file;
                EXPECT_LT(std::abs(c.r - c.g), 30) << e.file << " " << describe(c);
                continue;
            }
            EXPECT_TRUE(colourNear(image, x, y, p.colour, p.radius))
                << e.file << ": expected " << describe(p.colour) << " near (" << x << ", " << y
                << "), observed " << describe(image.at(x, y));
        }
    }
    // boosting demonstration 4 moves the rod off its end-on picture
    Image boosted;
    ASSERT_TRUE(readPng(dir + "/f4-searchlight-horizontal-v0.46.png", boosted));
    EXPECT_FALSE(colourNear(boosted, column(0.0625), row(0), green, 1));

    Image icon;
    ASSERT_TRUE(readPng(dir + "/lorentz-demo.png", icon));
    EXPECT_EQ(icon.width, side / 2);
    EXPECT_FALSE(isBlank(icon));
}

TEST_F(Tour, IndexNamesEveryPictureWithItsNumbers) {
    ASSERT_EQ(status, 0);
    FILE* f = std::fopen((dir + "/index.md").c_str(), "r");
    ASSERT_NE(f, nullptr);
    std::string text;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        text.append(buffer, n);
    }
    std::fclose(f);
    EXPECT_NE(text.find("| ![f1-time-dilation-v0.46.png](f1-time-dilation-v0.46.png) | F1: 2D "
                        "time dilation | left drag to the right, 50 motion events of 4 px | v = "
                        "0.462, γ = 1.128"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("turnaround (0.6, 1.0): home twin 2.000, traveller 1.600"),
              std::string::npos);
    EXPECT_NE(text.find("ends cross t = 0 at x = ±0.844"), std::string::npos) << text;
    // the scenes' run: acos 0.4636 = 62.4 degrees, 1 / gamma = 0.886
    EXPECT_NE(text.find("half the light within 62.4°"), std::string::npos) << text;
    EXPECT_NE(text.find("came from 117.6°, seen at 1/γ = 0.886"), std::string::npos) << text;
    EXPECT_NE(text.find("the centre seen turned by asin v = 27.6°"), std::string::npos) << text;
}
