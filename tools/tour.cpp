// Picture tour: runs the real demo on the current X display and drives it with
// XTest as a user would, saving a PNG of every demonstration (at rest, boosted,
// rotated, with the turnaround moved), an index.md that names the gestures and
// the physics numbers of each picture, and the desktop icon.
//   usage: lorentz-tour PROGRAM OUTPUT_DIRECTORY
#include "xdriver.h"

#include <X11/keysym.h>
#include <cmath>
#include <cstdio>
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

int fail(DemoSession& s, const std::string& why) {
    std::fprintf(stderr, "lorentz-tour: %s\n", why.c_str());
    stopDemo(s);
    return 1;
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

    DemoSession s;
    std::string error;
    if (!startDemo(s, program, {}, error)) {
        return fail(s, error);
    }
    std::ofstream index(out + "/index.md");
    index << "# Gallery of the Lorentz transformation demo\n\n"
          << "| Picture | Demonstration | Gestures | Physics |\n|---|---|---|---|\n";
    Image iconSource;
    for (const Shot& shot : tour()) {
        shot.act(s);
        settle(s, 200);
        const Image picture = grabSettled(s);
        if (picture.width != windowSide || picture.height != windowSide) {
            return fail(s, shot.file + ": the window is " + std::to_string(picture.width) + "x" +
                               std::to_string(picture.height));
        }
        if (isBlank(picture)) {
            return fail(s, shot.file + " came out blank");
        }
        if (!writePng(out + "/" + shot.file, picture)) {
            return fail(s, "cannot write " + out + "/" + shot.file);
        }
        index << "| ![" << shot.file << "](" << shot.file << ") | " << shot.demo << " | "
              << shot.gestures << " | " << shot.physics() << " |\n";
        std::printf("%s\n", shot.file.c_str());
        if (shot.file == "f3-twin-paradox-turnaround.png") {
            iconSource = picture;
        }
    }
    if (!writePng(out + "/" + iconName, halved(iconSource))) {
        return fail(s, "cannot write the icon");
    }

    tapKey(s, XK_q);
    if (!waitForExit(s, exitTimeoutMs)) {
        return fail(s, "the demo did not exit after q");
    }
    if (s.exitStatus != 0) {
        return fail(s, "the demo exited with status " + std::to_string(s.exitStatus));
    }
    stopDemo(s);
    return index.good() ? 0 : 1;
}
