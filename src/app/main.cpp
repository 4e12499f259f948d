// Entry point of the Lorentz transformation demo: open the window, print the
// help, set up state and OpenGL, then hand over to the GLUT main loop.
#include "app/keyboard.h"
#include "app/startup.h"
#include "app/state.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    openWindow(&argc, argv);
    printHelp();
    initState();
    initGraphics();
    registerCallbacks();
    glutMainLoop();
    return 0;
}
