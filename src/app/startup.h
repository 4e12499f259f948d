// Opening the window and the fixed OpenGL set-up of the demo.
#pragma once

// glutInit with the command line, then a 512 x 512 RGBA double-buffered window
// with a depth buffer, titled "Lorentz Transformation demo".
void openWindow(int* argc, char** argv);

// White background, depth test, one light fixed in eye coordinates, one
// material, point and line smoothing; ends with resetView().
void initGraphics();

// Reshape, display, keyboard, special keys, mouse and motion, in that order;
// pointer motion with no button held is ignored.
void registerCallbacks();
