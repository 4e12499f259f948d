// What the browser's WebGL does for the fixed-function layer (webgl.js, an
// emscripten JS library) and the frame's end.
#pragma once

extern "C" {
// Triangles of 8 floats a vertex: clip-space x y z w, colour r g b a.
void webglDrawTriangles(const float* vertices, int vertexCount);
// Points of size pixels, square, in the same vertex layout.
void webglDrawPoints(const float* vertices, int vertexCount, float size);
void webglClearColour(float r, float g, float b, float a);
void webglClear(int colour, int depth);
void webglDepthTest(int on);
void webglViewport(int x, int y, int width, int height);
// The page's canvas: created at the given size, later resized; CSS pixels,
// with its drawing buffer in device pixels.
void webglCreateCanvas(int width, int height, int deviceWidth, int deviceHeight);
void webglResizeCanvas(int width, int height, int deviceWidth, int deviceHeight);
void webglFrameDone();
}

// Sends what the frame's primitives left batched.
void finishFrame();

// Device pixels per CSS pixel: viewport, line widths and point sizes scale by it.
void setPixelRatio(float ratio);
int deviceSize(int cssPixels);

// Colours as drawn: each colour the program asks for (glColor3f, glClearColor)
// passes through this map on its way to WebGL; with none they stay as asked.
using ColourMap = void (*)(const float in[3], float out[3]);
void setColourMap(ColourMap map);
