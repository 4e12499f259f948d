// GLUT for the browser: the page's canvas is the window, requestAnimationFrame
// runs the main loop, and the page hands its events to the entry points below.
// What the page sends:
//   webMouse(button, state, x, y, modifiers)   GLUT buttons 0 left, 1 middle, 2 right
//   webMotion(x, y)                            one call per pointer move, none lost
//   webKeyboard(key, modifiers), webSpecial(key, modifiers)
//   webResize(width, height)                   full screen and back, CSS pixels
//   webSetPixelRatio(ratio)                    device pixels per CSS pixel, 1 to 3
//   webRedraw()                                one frame now (the benchmark times it)
//   webPostRedisplay()                         a frame at the next chance
// Sizes and positions are CSS pixels: the program never sees the pixel ratio.
// 'q' and Esc only redraw: a page has nothing to exit to.
#include "web/platform/webgl.h"

#include <GL/freeglut.h>
#include <emscripten/emscripten.h>

namespace {
const unsigned char escapeKey = 27;
const double minPixelRatio = 1.0;
const double maxPixelRatio = 3.0; // sharper is no longer visible, only slower

int windowWidth = 300; // pixels, GLUT's default until glutInitWindowSize
int windowHeight = 300;
bool reshapePending = false;
bool redisplayPending = false;
int eventModifiers = 0;
int pointerX = 0; // position of the latest event, from the top-left corner
int pointerY = 0;

void (*displayCallback)() = nullptr;
void (*reshapeCallback)(int, int) = nullptr;
void (*keyboardCallback)(unsigned char, int, int) = nullptr;
void (*specialCallback)(int, int, int) = nullptr;
void (*mouseCallback)(int, int, int, int) = nullptr;
void (*motionCallback)(int, int) = nullptr;

// A size change is reported before the next frame, which then redraws.
void runFrame() {
    if (reshapePending) {
        reshapePending = false;
        redisplayPending = true;
        if (reshapeCallback) {
            reshapeCallback(windowWidth, windowHeight);
        }
    }
    if (redisplayPending && displayCallback) {
        redisplayPending = false;
        displayCallback();
    }
}

void setWindowSize(int width, int height) {
    if (width == windowWidth && height == windowHeight) {
        return;
    }
    windowWidth = width;
    windowHeight = height;
    webglResizeCanvas(width, height, deviceSize(width), deviceSize(height));
    reshapePending = true;
}
} // namespace

extern "C" {

void glutInit(int*, char**) {}

void glutInitWindowSize(int width, int height) {
    windowWidth = width;
    windowHeight = height;
}

void glutInitDisplayMode(unsigned int) {}

int glutCreateWindow(const char*) {
    webglCreateCanvas(windowWidth, windowHeight, deviceSize(windowWidth), deviceSize(windowHeight));
    reshapePending = true;
    return 1;
}

void glutMainLoop(void) {
    emscripten_set_main_loop(runFrame, 0, 1);
}

void glutDisplayFunc(void (*callback)(void)) {
    displayCallback = callback;
}
void glutReshapeFunc(void (*callback)(int, int)) {
    reshapeCallback = callback;
}
void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    keyboardCallback = callback;
}
void glutSpecialFunc(void (*callback)(int, int, int)) {
    specialCallback = callback;
}
void glutMouseFunc(void (*callback)(int, int, int, int)) {
    mouseCallback = callback;
}
void glutMotionFunc(void (*callback)(int, int)) {
    motionCallback = callback;
}
void glutPassiveMotionFunc(void (*)(int, int)) {}

void glutPostRedisplay(void) {
    redisplayPending = true;
}

void glutSwapBuffers(void) {
    finishFrame();
    webglFrameDone();
}

int glutGet(GLenum what) {
    switch (what) {
    case GLUT_WINDOW_WIDTH:
        return windowWidth;
    case GLUT_WINDOW_HEIGHT:
        return windowHeight;
    default:
        return 0;
    }
}

int glutGetModifiers(void) {
    return eventModifiers;
}

void glutReshapeWindow(int width, int height) {
    setWindowSize(width, height);
}

EMSCRIPTEN_KEEPALIVE void webMouse(int button, int state, int x, int y, int modifiers) {
    eventModifiers = modifiers;
    pointerX = x;
    pointerY = y;
    if (mouseCallback) {
        mouseCallback(button, state, x, y);
    }
}

EMSCRIPTEN_KEEPALIVE void webMotion(int x, int y) {
    pointerX = x;
    pointerY = y;
    if (motionCallback) {
        motionCallback(x, y);
    }
}

EMSCRIPTEN_KEEPALIVE void webKeyboard(int key, int modifiers) {
    eventModifiers = modifiers;
    if (key == 'q' || key == 'Q' || key == escapeKey) {
        glutPostRedisplay();
        return;
    }
    if (keyboardCallback) {
        keyboardCallback(static_cast<unsigned char>(key), pointerX, pointerY);
    }
}

EMSCRIPTEN_KEEPALIVE void webSpecial(int key, int modifiers) {
    eventModifiers = modifiers;
    if (specialCallback) {
        specialCallback(key, pointerX, pointerY);
    }
}

EMSCRIPTEN_KEEPALIVE void webResize(int width, int height) {
    setWindowSize(width, height);
}

EMSCRIPTEN_KEEPALIVE void webSetPixelRatio(double ratio) {
    if (!(ratio >= minPixelRatio)) {
        ratio = minPixelRatio;
    }
    setPixelRatio(static_cast<float>(ratio < maxPixelRatio ? ratio : maxPixelRatio));
    webglResizeCanvas(windowWidth, windowHeight, deviceSize(windowWidth), deviceSize(windowHeight));
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE void webPostRedisplay() {
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE void webRedraw() {
    redisplayPending = true;
    runFrame();
}

} // extern "C"
