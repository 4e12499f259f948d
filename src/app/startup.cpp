// Window creation, fixed OpenGL state and callback registration. The light is
// positioned under the identity, so it stays put in eye coordinates whatever
// the view drags do to the modelview matrix.
#include "app/startup.h"

#include "app/keyboard.h"
#include "app/reshape.h"
#include "app/state.h"
#include "input/mouse.h"
#include "scenes/display.h"

#include <GL/freeglut.h>

namespace {
const int startWindowSize = 512; // pixels, both sides
const char* const windowTitle = "Lorentz Transformation demo";

const GLfloat lightAmbient[] = {0.5f, 0.5f, 0.5f, 1.0f};
const GLfloat lightDiffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat lightPosition[] = {10.0f, 10.0f, 10.0f, 0.0f}; // w = 0: from direction (1, 1, 1)
const GLfloat objectColor[] = {0.7f, 0.7f, 0.0f, 1.0f};
} // namespace

void openWindow(int* argc, char** argv) {
    glutInit(argc, argv);
    glutInitWindowSize(startWindowSize, startWindowSize);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow(windowTitle);
}

void initGraphics() {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, objectColor);
    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);

    // light fixed in eye coordinates
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    {
        glLoadIdentity();
        glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    }
    glPopMatrix();

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    resetView();
}

void registerCallbacks() {
    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutKeyboardFunc(onKeyboard);
    glutSpecialFunc(onSpecialKey);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutPassiveMotionFunc(nullptr);
}
