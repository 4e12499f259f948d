// Drives the built demo through the real X input path: starts it with its
// console captured to files, finds and moves its window, sends XTest keys,
// buttons and pointer motion, resizes the window and reads its pixels back.
// Shared by the end-to-end tests and the picture tour.
#pragma once

#include "image.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

struct _XDisplay; // Xlib's Display, kept out of this header (its macros clash)

struct DemoSession {
    _XDisplay* display = nullptr;
    unsigned long window = 0; // X window id
    pid_t pid = -1;
    std::string stdoutPath;
    std::string stderrPath;
    int exitStatus = -1; // set once the program has ended
};

// Starts program (with extra arguments) on $DISPLAY, waits for its window,
// moves it to the top-left corner and waits for the first frame.
// Returns false with a reason in error when any of that fails.
bool startDemo(DemoSession& s, const std::string& program, const std::vector<std::string>& args,
               std::string& error);

// Kills the program if it still runs and closes the X connection.
void stopDemo(DemoSession& s);

// Waits for the program to exit; true with s.exitStatus set when it did.
bool waitForExit(DemoSession& s, int timeoutMs);

// Keys by keysym (XK_q, XK_F1, ...), optionally with a modifier keysym held.
void tapKey(DemoSession& s, unsigned long keysym, unsigned long modifierKeysym = 0);
void holdKey(DemoSession& s, unsigned long keysym, bool down);

// Pointer in window coordinates (x from the left, y from the top).
void movePointer(DemoSession& s, int x, int y);
void setButton(DemoSession& s, int xButton, bool down);

// A drag from (x0, y0) to (x1, y1) in the given number of motion events with
// the X buttons held (1 left, 2 middle, 3 right, 6 the fifth GLUT button) and
// an optional modifier key held from before the presses.
void drag(DemoSession& s, const std::vector<int>& xButtons, int x0, int y0, int x1, int y1,
          int steps, unsigned long modifierKeysym = 0);

// Asks the X server for a new window size, as a window manager would.
void resizeWindow(DemoSession& s, int width, int height);
void windowSize(DemoSession& s, int& width, int& height);
bool waitForWindowSize(DemoSession& s, int width, int height); // false after a timeout

// The window's picture, and one pixel of it (x from the left, y from the top).
Image grabWindow(DemoSession& s);
Pixel pixelAt(DemoSession& s, int x, int y);

// The picture once two grabs in a row agree: the program has finished drawing.
Image grabSettled(DemoSession& s);

// Waits until colour c shows within radius of (x, y); false after a timeout.
bool waitForColour(DemoSession& s, int x, int y, const Pixel& c, int radius);

// Polls until condition holds or timeoutMs passes; true if it held.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);

// Lets the program catch up with the events sent so far.
void settle(DemoSession& s, int ms = 150);

std::string readWholeFile(const std::string& path);
