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
// The page's canvas: created at the given size, later resized.
void webglCreateCanvas(int width, int height);
void webglResizeCanvas(int width, int height);
void webglFrameDone();
}

// Sends what the frame's primitives left batched.
void finishFrame();
