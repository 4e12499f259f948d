// Keys of the demo:
//   ESC, q   quit with status 0          h   print the help again
//   r        reset view and boost        any other key: redraw only
//   F1..F12  select demonstration 1..12 and reset the boost (the view stays)
// Help and key messages go to stderr, function-key messages to stdout.
#include "app/keyboard.h"

#include "app/state.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

const char* const demoNames[13] = {
    "",
    "F1: 2D time dilation",
    "F2: 2D Lorentz contraction",
    "F3: Twin paradox",
    "F4: 3D: spatial searchlight ray warp",
    "F5: 3D: Upward Cone warp",
    "F6: 3D: Downward Cone warp",
    "F7: 3D: Thomas precession/rolling ball",
    "F8: 3D: +- up/down Hemicones on square tube = Terrell",
    "F9: 3D: +- up/down Hemicones on round tube  = Penrose",
    "F10",
    "F11",
    "F12",
};

namespace {
const unsigned char escapeKey = 27;
const int firstDemoKey = GLUT_KEY_F1; // 1
const int lastDemoKey = GLUT_KEY_F12; // 12

const char* const helpLines[] = {
    "\n",
    "Help\n",
    "----\n",
    "\n",
    "[Mouse]\n",
    "  LEFT    : boost in mouse direction\n",
    "  MIDDLE  : special (move twin midpoint, etc.)\n",
    "  RIGHT   : world rotation\n",
    "  L+M     : world x-y translation\n",
    "   +SHIFT : world x-z translation\n",
    " \n",
    "[Keyboard]\n",
    "  'h'     : this help\n",
    "  'F1-F12' : Set of Lorentz xform demos\n",
    "  'q'/ESC : quit\n",
    "  'a'     : cycle supplementary data\n",
    "  'z'     : toggle ? axes\n",
    "  'r'     : reset\n",
    "  'c'     : clear keyframe/trail\n",
    "  '1'     : no object\n",
    "  '2'     : draw \n",
    "  '0'     : draw \n",
    " \n",
};

unsigned char foldCase(unsigned char key) {
    return (key >= 'A' && key <= 'Z') ? static_cast<unsigned char>(key + ('a' - 'A')) : key;
}

[[noreturn]] void quitDemo() {
    std::fputs("Normal exit.\n", stderr);
    std::exit(0);
}

// Identity read back from OpenGL inside a push/pop: the view is untouched.
void resetBoost() {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    {
        glLoadIdentity();
        glGetDoublev(GL_MODELVIEW_MATRIX, boostMatrix.m);
    }
    glPopMatrix();
}

void selectDemo(int key) {
    currentDemo = key;
    std::printf("Object %s selected.\n", demoNames[key]);
    resetBoost();
}
} // namespace

void printHelp() {
    for (const char* line : helpLines) {
        std::fputs(line, stderr);
    }
}

void onKeyboard(unsigned char key, int /*x*/, int /*y*/) {
    switch (foldCase(key)) {
    case escapeKey:
    case 'q':
        quitDemo();
    case 'h':
        printHelp();
        break;
    case 'r':
        std::fputs("Coord Reset.\n", stderr);
        resetView();
        break;
    default:
        break;
    }
    glutPostRedisplay();
}

void onSpecialKey(int key, int /*x*/, int /*y*/) {
    if (key < firstDemoKey || key > lastDemoKey) {
        std::printf("Unhandled Special Key (%d).\n", key);
        return;
    }
    selectDemo(key);
    glutPostRedisplay();
}
