// Plays a gesture script on the built desktop program through XTest and writes
// its window as a binary PPM: the desktop half of the cross-check that holds
// the web page to the same picture. Steps, one argument each:
//   key:NAME                       a keysym name (F1, r, q, ...)
//   drag:B[+B]:x0,y0:x1,y1:steps   X buttons held (1 left, 2 middle, 3 right);
//                                  "shift+" first holds Shift from before the presses
// Usage: lorentz-play PROGRAM OUT.ppm STEP...
#include "xdriver.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {
int fail(DemoSession& s, const std::string& why) {
    std::fprintf(stderr, "lorentz-play: %s\n", why.c_str());
    stopDemo(s);
    return 1;
}

bool playDrag(DemoSession& s, const std::string& gesture) {
    std::vector<int> buttons;
    int x0, y0, x1, y1, steps;
    std::istringstream in(gesture);
    std::string held;
    char sep;
    if (!std::getline(in, held, ':') ||
        !(in >> x0 >> sep >> y0 >> sep >> x1 >> sep >> y1 >> sep >> steps)) {
        return false;
    }
    KeySym modifier = 0;
    std::istringstream names(held);
    for (std::string b; std::getline(names, b, '+');) {
        if (b == "shift") {
            modifier = XK_Shift_L;
        } else {
            buttons.push_back(std::stoi(b));
        }
    }
    drag(s, buttons, x0, y0, x1, y1, steps, modifier);
    return true;
}

bool writePpm(const std::string& path, const Image& image) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        return false;
    }
    std::fprintf(f, "P6\n%d %d\n255\n", image.width, image.height);
    for (const Pixel& p : image.pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(p.r),
                                      static_cast<unsigned char>(p.g),
                                      static_cast<unsigned char>(p.b)};
        std::fwrite(rgb, 1, 3, f);
    }
    return std::fclose(f) == 0;
}
} // namespace

int main(int argc, char** argv) {
    DemoSession s;
    if (argc < 3) {
        return fail(s, "usage: lorentz-play PROGRAM OUT.ppm STEP...");
    }
    std::string error;
    if (!startDemo(s, argv[1], {}, error)) {
        return fail(s, error);
    }
    for (int i = 3; i < argc; ++i) {
        const std::string step = argv[i];
        if (step.rfind("key:", 0) == 0) {
            const KeySym key = XStringToKeysym(step.c_str() + 4);
            if (key == NoSymbol) {
                return fail(s, "no such key: " + step);
            }
            tapKey(s, key);
        } else if (step.rfind("drag:", 0) != 0 || !playDrag(s, step.substr(5))) {
            return fail(s, "cannot read step " + step);
        }
    }
    settle(s);
    if (!writePpm(argv[2], grabSettled(s))) {
        return fail(s, std::string("cannot write ") + argv[2]);
    }
    stopDemo(s);
    return 0;
}
