// X-side driver of the demo: fork/exec with stdout and stderr in files (read
// them after the program exits: stdout is fully buffered there), XTest for
// input, XGetImage for pixels. Without a window manager the window opens at
// (-1, -1), so it is moved fully on screen before anything is read.
#include "xdriver.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
const char* const windowTitle = "Lorentz Transformation demo";
const int startTimeoutMs = 20000;
const int settleTimeoutMs = 3000; // for a picture or a size to follow input

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Window findWindow(Display* d, Window parent) {
    Window root = 0, par = 0, *children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (!XQueryTree(d, parent, &root, &par, &children, &n)) {
        return 0;
    }
    for (unsigned int i = 0; i < n && found == 0; ++i) {
        char* name = nullptr;
        if (XFetchName(d, children[i], &name) && name != nullptr) {
            if (std::string(name) == windowTitle) {
                found = children[i];
            }
            XFree(name);
        }
        if (found == 0) {
            found = findWindow(d, children[i]);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

bool isViewable(Display* d, Window w) {
    XWindowAttributes a;
    return XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable;
}

bool hasDrawn(DemoSession& s) {
    const Image image = grabWindow(s);
    return !image.pixels.empty() && !isBlank(image);
}

int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) {
        ++shift;
    }
    const unsigned long max = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

std::string tempPath(const char* stem) {
    std::string pattern = std::string("/tmp/") + stem + "-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd >= 0) {
        close(fd);
    }
    return pattern;
}
} // namespace

bool startDemo(DemoSession& s, const std::string& program, const std::vector<std::string>& args,
               std::string& error) {
    // a busy server may turn a connection away for a moment: try again
    waitUntil([&] { return (s.display = XOpenDisplay(nullptr)) != nullptr; }, startTimeoutMs);
    if (s.display == nullptr) {
        error = "cannot open the X display (is DISPLAY set?)";
        return false;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(s.display, &eventBase, &errorBase, &major, &minor)) {
        error = "the X server has no XTEST extension";
        return false;
    }
    // the window of a program that just ended may linger until the server
    // has seen its connection close
    const bool clear = waitUntil(
        [&] { return findWindow(s.display, DefaultRootWindow(s.display)) == 0; }, startTimeoutMs);
    if (!clear) {
        error = "another demo window is already open on this display";
        return false;
    }
    s.stdoutPath = tempPath("lorentz-stdout");
    s.stderrPath = tempPath("lorentz-stderr");

    std::vector<std::string> argvStrings{program};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    s.pid = fork();
    if (s.pid == 0) {
        const int out = open(s.stdoutPath.c_str(), O_WRONLY | O_TRUNC);
        const int err = open(s.stderrPath.c_str(), O_WRONLY | O_TRUNC);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        std::vector<char*> argv;
        for (auto& a : argvStrings) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }

    const bool mapped = waitUntil(
        [&] {
            s.window = findWindow(s.display, DefaultRootWindow(s.display));
            return s.window != 0 && isViewable(s.display, s.window);
        },
        startTimeoutMs);
    if (!mapped) {
        error = "the demo window did not appear";
        return false;
    }
    XMoveWindow(s.display, s.window, 0, 0);
    XSync(s.display, False);
    movePointer(s, 256, 256);
    if (!waitUntil([&] { return hasDrawn(s); }, startTimeoutMs)) {
        error = "the demo drew no frame";
        return false;
    }
    settle(s);
    return true;
}

void stopDemo(DemoSession& s) {
    if (s.pid > 0 && s.exitStatus < 0) {
        kill(s.pid, SIGKILL);
        int status = 0;
        waitpid(s.pid, &status, 0);
    }
    if (s.display != nullptr) {
        XCloseDisplay(s.display);
        s.display = nullptr;
    }
    unlink(s.stdoutPath.c_str());
    unlink(s.stderrPath.c_str());
}

bool waitForExit(DemoSession& s, int timeoutMs) {
    return waitUntil(
        [&] {
            int status = 0;
            if (waitpid(s.pid, &status, WNOHANG) != s.pid) {
                return false;
            }
            s.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return true;
        },
        timeoutMs);
}

void holdKey(DemoSession& s, unsigned long keysym, bool down) {
    const KeyCode code = XKeysymToKeycode(s.display, keysym);
    XTestFakeKeyEvent(s.display, code, down ? True : False, CurrentTime);
    XFlush(s.display);
}

void tapKey(DemoSession& s, unsigned long keysym, unsigned long modifierKeysym) {
    if (modifierKeysym != 0) {
        holdKey(s, modifierKeysym, true);
    }
    holdKey(s, keysym, true);
    holdKey(s, keysym, false);
    if (modifierKeysym != 0) {
        holdKey(s, modifierKeysym, false);
    }
    XSync(s.display, False);
}

void movePointer(DemoSession& s, int x, int y) {
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(s.display, s.window, DefaultRootWindow(s.display), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(s.display, DefaultScreen(s.display), rootX, rootY, CurrentTime);
    XSync(s.display, False);
}

void setButton(DemoSession& s, int xButton, bool down) {
    XTestFakeButtonEvent(s.display, static_cast<unsigned int>(xButton), down ? True : False,
                         CurrentTime);
    XSync(s.display, False);
}

void drag(DemoSession& s, const std::vector<int>& xButtons, int x0, int y0, int x1, int y1,
          int steps, unsigned long modifierKeysym) {
    movePointer(s, x0, y0);
    if (modifierKeysym != 0) {
        holdKey(s, modifierKeysym, true);
    }
    for (int b : xButtons) {
        setButton(s, b, true);
    }
    settle(s, 30);
    for (int i = 1; i <= steps; ++i) {
        movePointer(s, x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
        sleepMs(4); // separate motion events, not one compressed jump
    }
    settle(s, 30);
    for (auto b = xButtons.rbegin(); b != xButtons.rend(); ++b) {
        setButton(s, *b, false);
    }
    if (modifierKeysym != 0) {
        holdKey(s, modifierKeysym, false);
    }
    settle(s);
}

void resizeWindow(DemoSession& s, int width, int height) {
    XResizeWindow(s.display, s.window, static_cast<unsigned int>(width),
                  static_cast<unsigned int>(height));
    XSync(s.display, False);
}

void windowSize(DemoSession& s, int& width, int& height) {
    XWindowAttributes a;
    XGetWindowAttributes(s.display, s.window, &a);
    width = a.width;
    height = a.height;
}

bool waitForWindowSize(DemoSession& s, int width, int height) {
    return waitUntil(
        [&] {
            int w = 0, h = 0;
            windowSize(s, w, h);
            return w == width && h == height;
        },
        settleTimeoutMs);
}

Image grabWindow(DemoSession& s) {
    Image out;
    windowSize(s, out.width, out.height);
    XImage* image = XGetImage(s.display, s.window, 0, 0, static_cast<unsigned int>(out.width),
                              static_cast<unsigned int>(out.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        out.width = out.height = 0;
        return out;
    }
    out.pixels.reserve(static_cast<size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            out.pixels.push_back(Pixel{channel(p, image->red_mask), channel(p, image->green_mask),
                                       channel(p, image->blue_mask)});
        }
    }
    XDestroyImage(image);
    return out;
}

Image grabSettled(DemoSession& s) {
    Image last = grabWindow(s);
    waitUntil(
        [&] {
            sleepMs(60);
            Image next = grabWindow(s);
            const bool same =
                next.width == last.width && next.height == last.height &&
                std::equal(next.pixels.begin(), next.pixels.end(), last.pixels.begin(),
                           [](const Pixel& a, const Pixel& b) { return isClose(a, b, 0); });
            last = std::move(next);
            return same;
        },
        settleTimeoutMs);
    return last;
}

bool waitForColour(DemoSession& s, int x, int y, const Pixel& c, int radius) {
    return waitUntil([&] { return colourNear(grabWindow(s), x, y, c, radius); }, settleTimeoutMs);
}

Pixel pixelAt(DemoSession& s, int x, int y) {
    XImage* image = XGetImage(s.display, s.window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return Pixel{-1, -1, -1};
    }
    const unsigned long p = XGetPixel(image, 0, 0);
    const Pixel px{channel(p, image->red_mask), channel(p, image->green_mask),
                   channel(p, image->blue_mask)};
    XDestroyImage(image);
    return px;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        sleepMs(10);
    }
}

void settle(DemoSession& s, int ms) {
    XSync(s.display, False);
    sleepMs(ms);
}

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
