// Picture tour: runs the real demo on the current X display and drives it with
// XTest as a user would, saving a PNG of every demonstration (at rest, boosted,
// rotated, with the turnaround moved), an index.md that names the gestures and
// the physics numbers of each picture, and the desktop icon; then the 3D scenes
// of F5 to F9 and the accelerated observers of F10 and F11, from a second run
// with LORENTZ_SCENES=1.
//   usage: lorentz-tour PROGRAM OUTPUT_DIRECTORY
#include "xdriver.h"

#include <X11/keysym.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {
const int windowSide = 512;
const int exitTimeoutMs = 2000;
const char* const iconName = "lorentz-demo.png";

// the velocity after n boost steps of beta each: rapidities add
double composed(int n, double beta) {
    return std::tanh(n * std::atanh(beta));
}

double gammaOf(double v) {
    return 1.0 / std::sqrt(1.0 - v * v);
}

std::string fixed(double value, int digits = 3) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    return text;
}

struct Shot {
    std::string file;
    std::string demo;
    std::string gestures;
    std::function<std::string()> physics; // evaluated when the picture is taken
    std::function<void(DemoSession&)> act;
};

// a drag of n motion events of (dx, dy) pixels each, starting at the centre
void dragSteps(DemoSession& s, const std::vector<int>& buttons, int n, int dx, int dy) {
    const int x0 = windowSide / 2 - n * dx / 2, y0 = windowSide / 2 - n * dy / 2;
    drag(s, buttons, x0, y0, x0 + n * dx, y0 + n * dy, n);
}

std::vector<Shot> tour() {
    const double v1 = composed(50, 0.01), v2 = -composed(60, 0.01), v3 = composed(40, 0.01);
    const double v4 = composed(5, 0.1), v4d = composed(5, 0.01 * std::hypot(7.0, 7.0));
    return {
        {"f1-time-dilation-rest.png", "F1: 2D time dilation", "F1",
         [] { return std::string("v = 0, γ = 1: the clock ticks from t = −1 to t = 1"); },
         [](DemoSession& s) { tapKey(s, XK_F1); }},
        {"f1-time-dilation-v0.46.png", "F1: 2D time dilation",
         "left drag to the right, 50 motion events of 4 px",
         [=] {
             return "v = " + fixed(v1) + ", γ = " + fixed(gammaOf(v1)) +
                    ": the same ticks now span t = ±" + fixed(gammaOf(v1));
         },
         [](DemoSession& s) { dragSteps(s, {1}, 50, 4, 0); }},
        {"f2-length-contraction-rest.png", "F2: 2D Lorentz contraction", "F2",
         [] { return std::string("v = 0: the rod's ends at x = ±1"); },
         [](DemoSession& s) { tapKey(s, XK_F2); }},
        {"f2-length-contraction-v-0.54.png", "F2: 2D Lorentz contraction",
         "left drag to the left, 60 motion events of 4 px",
         [=] {
             return "v = " + fixed(v2) + ", γ = " + fixed(gammaOf(v2)) +
                    ": the ends cross t = 0 at x = ±" + fixed(1.0 / gammaOf(v2));
         },
         [](DemoSession& s) { dragSteps(s, {1}, 60, -4, 0); }},
        {"f3-twin-paradox-rest.png", "F3: Twin paradox", "F3",
         [] {
             return "turnaround (0.1, 1.0): home twin ages 2.000, traveller " +
                    fixed(2.0 * std::sqrt(0.99));
         },
         [](DemoSession& s) {
             tapKey(s, XK_F3);
             tapKey(s, XK_r);
         }},
        {"f3-twin-paradox-turnaround.png", "F3: Twin paradox",
         "middle drag to the right, 10 motion events of 10 px",
         [] { return std::string("turnaround (0.6, 1.0): home twin 2.000, traveller 1.600"); },
         [](DemoSession& s) { dragSteps(s, {2}, 10, 10, 0); }},
        {"f3-twin-paradox-boosted-v0.38.png", "F3: Twin paradox",
         "left drag to the right, 40 motion events of 4 px",
         [=] {
             return "seen from the frame moving at v = " + fixed(v3) +
                    " (orange bar); proper times unchanged: 2.000 and 1.600";
         },
         [](DemoSession& s) { dragSteps(s, {1}, 40, 4, 0); }},
        {"f4-searchlight-rest.png", "F4: 3D: spatial searchlight ray warp", "F4",
         [] { return std::string("v = 0: the rod along the time axis, seen end-on"); },
         [](DemoSession& s) { tapKey(s, XK_F4); }},
        {"f4-searchlight-horizontal-v0.46.png", "F4: 3D: spatial searchlight ray warp",
         "left drag to the right, 5 motion events of 10 px",
         [=] { return "v = " + fixed(v4) + " along +x, γ = " + fixed(gammaOf(v4)); },
         [](DemoSession& s) { dragSteps(s, {1}, 5, 10, 0); }},
        {"f4-searchlight-diagonal.png", "F4: 3D: spatial searchlight ray warp",
         "F4, then left drag up and to the right, 5 motion events of (7, 7) px",
         [=] { return "v = " + fixed(v4d) + " along (1, 1)/√2, γ = " + fixed(gammaOf(v4d)); },
         [](DemoSession& s) {
             tapKey(s, XK_F4);
             dragSteps(s, {1}, 5, 7, -7);
         }},
        {"f4-searchlight-rotated.png", "F4: 3D: spatial searchlight ray warp",
         "F4, then right drag of 10 motion events of (3, −4) px",
         [] { return std::string("v = 0, the view turned 50° about a screen-plane axis"); },
         [](DemoSession& s) {
             tapKey(s, XK_F4);
             dragSteps(s, {3}, 10, 3, -4);
         }},
        {"f5-default-object.png", "F5: 3D: Upward Cone warp", "r, then F5",
         [] { return std::string("the lit icosahedron that demonstrations 5 to 12 show"); },
         [](DemoSession& s) {
             tapKey(s, XK_r);
             tapKey(s, XK_F5);
         }},
    };
}

// the scenes of F5 to F9, at rest and boosted along +x by 5 motion events of 10 px; then
// the accelerated observers of F10 and F11
std::vector<Shot> sceneTour() {
    const double v = composed(5, 0.1), g = gammaOf(v);
    const double degrees = 180.0 / std::acos(-1.0);
    const std::string boost = "left drag to the right, 5 motion events of 10 px";
    return {
        {"f5-upward-cone-rest.png", "F5: 3D: Upward Cone warp", "F5",
         [] { return std::string("the flash's 24 rulings evenly spread; all tips at height 1"); },
         [](DemoSession& s) { tapKey(s, XK_F5); }},
        {"f5-upward-cone-v0.46.png", "F5: 3D: Upward Cone warp", boost,
         [=] {
             return "v = " + fixed(v) + ": half the light within " +
                    fixed(std::acos(v) * degrees, 1) +
                    "°; the sideways ray's tip at γ = " + fixed(g);
         },
         [](DemoSession& s) { dragSteps(s, {1}, 5, 10, 0); }},
        {"f6-downward-cone-rest.png", "F6: 3D: Downward Cone warp", "F6",
         [] { return std::string("the light reaching the observer, evenly spread in its sky"); },
         [](DemoSession& s) { tapKey(s, XK_F6); }},
        {"f6-downward-cone-v0.46.png", "F6: 3D: Downward Cone warp", boost,
         [=] {
             return "v = " + fixed(v) + ": the ray seen sideways came from " +
                    fixed(180.0 - std::acos(v) * degrees, 1) + "°, seen at 1/γ = " + fixed(1.0 / g);
         },
         [](DemoSession& s) { dragSteps(s, {1}, 5, 10, 0); }},
        {"f7-thomas-precession-rest.png", "F7: 3D: Thomas precession/rolling ball", "F7",
         [] {
             return std::string("orbit at 0.6: the spin comes back turned by 360 (γ − 1) = 90°");
         },
         [](DemoSession& s) { tapKey(s, XK_F7); }},
        {"f7-thomas-precession-v0.46.png", "F7: 3D: Thomas precession/rolling ball", boost,
         [=] { return "v = " + fixed(v) + ": the world line leans, the ball rolls along itself"; },
         [](DemoSession& s) { dragSteps(s, {1}, 5, 10, 0); }},
        {"f8-square-seen-rest.png", "F8: 3D: +- up/down Hemicones on square tube = Terrell", "F8",
         [] { return std::string("at rest: the near face seen from 63.4° to 116.6°"); },
         [](DemoSession& s) { tapKey(s, XK_F8); }},
        {"f8-square-seen-v0.46.png", "F8: 3D: +- up/down Hemicones on square tube = Terrell", boost,
         [=] {
             return "v = " + fixed(v) +
                    ": the centre seen turned by asin v = " + fixed(std::asin(v) * degrees, 1) +
                    "°, the measured square contracted";
         },
         [](DemoSession& s) { dragSteps(s, {1}, 5, 10, 0); }},
        {"f9-disk-seen-v0.46.png", "F9: 3D: +- up/down Hemicones on round tube  = Penrose",
         "F9, then " + boost,
         [=] { return "v = " + fixed(v) + ": measured an ellipse, seen a circle turned round"; },
         [](DemoSession& s) {
             tapKey(s, XK_F9);
             dragSteps(s, {1}, 5, 10, 0);
         }},
        {"f10-rocket.png", "F10 (the rocket at constant proper acceleration)", "F10",
         [] {
             return "g = 1, τ = 1: t = " + fixed(std::sinh(1.0)) +
                    ", x = " + fixed(std::cosh(1.0) - 1.0) + ", v = " + fixed(std::tanh(1.0)) +
                    "; home's clock on its line of simultaneity " + fixed(std::tanh(1.0)) +
                    " (never past 1/g = 1), seen by light " + fixed(1.0 - std::exp(-1.0));
         },
         [](DemoSession& s) { tapKey(s, XK_F10); }},
        {"f10-rocket-boosted.png", "F10 (the rocket at constant proper acceleration)",
         "left drag to the right, 30 motion events of 3 px",
         [] {
             const double w = std::atanh(composed(30, 0.01));
             return "the launch frame drawn at v = " + fixed(std::tanh(w)) +
                    ": the same hyperbola, the rocket drawn at tanh(1 + " + fixed(w) +
                    ") = " + fixed(std::tanh(1.0 + w));
         },
         [](DemoSession& s) { dragSteps(s, {1}, 30, 3, 0); }},
        {"f11-bell-ships.png", "F11 (Bell's spaceships)", "F11",
         [] {
             return std::string("L = 0.5, τ = 1: the gap in the rear's frame 0.931, the string "
                                "stretched by 0.863 broke at τ = 0.362; the front's clock 1.558");
         },
         [](DemoSession& s) { tapKey(s, XK_F11); }},
    };
}

// Takes every shot into out and its row into index; "" or what went wrong.
std::string takeShots(DemoSession& s, const std::vector<Shot>& shots, const std::string& out,
                      std::ofstream& index, Image& iconSource) {
    for (const Shot& shot : shots) {
        shot.act(s);
        settle(s, 200);
        const Image picture = grabSettled(s);
        if (picture.width != windowSide || picture.height != windowSide) {
            return shot.file + ": the window is " + std::to_string(picture.width) + "x" +
                   std::to_string(picture.height);
        }
        if (isBlank(picture)) {
            return shot.file + " came out blank";
        }
        if (!writePng(out + "/" + shot.file, picture)) {
            return "cannot write " + out + "/" + shot.file;
        }
        index << "| ![" << shot.file << "](" << shot.file << ") | " << shot.demo << " | "
              << shot.gestures << " | " << shot.physics() << " |\n";
        std::printf("%s\n", shot.file.c_str());
        if (shot.file == "f3-twin-paradox-turnaround.png") {
            iconSource = picture;
        }
    }
    return "";
}

// The program started, its shots taken, then q: it must exit with status 0.
std::string runTour(const std::string& program, const std::vector<Shot>& shots,
                    const std::string& out, std::ofstream& index, Image& iconSource) {
    DemoSession s;
    std::string error;
    if (!startDemo(s, program, {}, error) ||
        !(error = takeShots(s, shots, out, index, iconSource)).empty()) {
        stopDemo(s);
        return error;
    }
    tapKey(s, XK_q);
    if (!waitForExit(s, exitTimeoutMs)) {
        error = "the demo did not exit after q";
    } else if (s.exitStatus != 0) {
        error = "the demo exited with status " + std::to_string(s.exitStatus);
    }
    stopDemo(s);
    return error;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lorentz-tour PROGRAM OUTPUT_DIRECTORY\n");
        return 2;
    }
    const std::string program = argv[1];
    const std::string out = argv[2];
    mkdir(out.c_str(), 0755);

    std::ofstream index(out + "/index.md");
    index << "# Gallery of the Lorentz transformation demo\n\n"
          << "| Picture | Demonstration | Gestures | Physics |\n|---|---|---|---|\n";
    Image iconSource;
    unsetenv("LORENTZ_SCENES");
    std::string error = runTour(program, tour(), out, index, iconSource);
    if (error.empty() && !writePng(out + "/" + iconName, halved(iconSource))) {
        error = "cannot write the icon";
    }
    if (error.empty()) {
        setenv("LORENTZ_SCENES", "1", 1);
        error = runTour(program, sceneTour(), out, index, iconSource);
    }
    if (!error.empty()) {
        std::fprintf(stderr, "lorentz-tour: %s\n", error.c_str());
        return 1;
    }
    return index.good() ? 0 : 1;
}
