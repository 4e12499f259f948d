// In-process test harness: one real freeglut window on the X display (Xvfb with
// Mesa's llvmpipe in CI), the program's own callbacks registered on it, and
// helpers to read back what OpenGL holds and draws.
#pragma once

#include <GL/gl.h>
#include <functional>
#include <string>
#include <vector>

// Display callbacks run by freeglut since the window opened.
extern int displayCallCount;

// Start values of all state, a reset view and the 512 x 512 projection,
// as right after start-up.
void restoreStartState();

// Runs freeglut's event loop until the X server and the program are idle.
void pumpEvents();

// Display callbacks that freeglut runs for a redisplay requested by action.
int redisplaysCausedBy(const std::function<void()>& action);

// stdout / stderr written while action ran.
std::string stdoutOf(const std::function<void()>& action);
std::string stderrOf(const std::function<void()>& action);

// One vertex as GL feedback reports it, mapped back to the coordinates the
// scene drew in (modelview identity, orthographic -8..8 on every axis).
struct FeedbackVertex {
    double x, y, z;
    float r, g, b;
};

struct FeedbackPrimitive {
    GLenum token; // GL_POINT_TOKEN, GL_LINE_TOKEN (or _RESET), GL_POLYGON_TOKEN
    std::vector<FeedbackVertex> vertices;
};

// Everything draw() sends down the pipeline, under a test projection wide
// enough that nothing is clipped. GL state is restored afterwards.
std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw);

// Line segments of one colour (within 0.01) among the primitives.
std::vector<FeedbackPrimitive> linesOfColour(const std::vector<FeedbackPrimitive>& prims, float r,
                                             float g, float b);

struct Rgb {
    int r, g, b;
};
std::string describe(const Rgb& c);
bool isClose(const Rgb& a, const Rgb& b, int tolerance = 40);

// Draws a frame with the real display callback and reads it back.
void drawFrame();
Rgb pixelAt(int x, int y); // window pixels from the bottom-left corner

// Window pixel of a scene point in the start view (512 x 512, eye at distance
// 10, frustum -1..1 at 5: the window spans -2..2).
int sceneToPixel(double coordinate);

// Any pixel within radius of (x, y) close to colour c.
bool colourNear(int x, int y, int radius, const Rgb& c);
