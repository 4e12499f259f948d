// Entry point of the Lorentz transformation demo: open the window, print the
// help, set up state and OpenGL, then hand over to the GLUT main loop.
// LORENTZ_SCENES=1 in the environment shows the scenes of F5 to F11.
#include "app/keyboard.h"
#include "app/sceneSettings.h"
#include "app/startup.h"
#include "app/state.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    openWindow(&argc, argv);
    printHelp();
    initState();
    readScenesSwitch();
    initGraphics();
    registerCallbacks();
    glutMainLoop();
    return 0;
}
