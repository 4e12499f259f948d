// Letters, the axes' names, numbers and degrees as GL line strips, for labels
// drawn in the scene.
#pragma once

const char degreeSign = '\xb0'; // as Latin-1 has it: "90\xb0"

// The glyph of A-Z, the small letters a c e l m n p r s t x y, 0-9, '-', a
// prime ('), ',', '.' or the degree sign in the box 0..4 wide and 0..6 tall of
// the current transform, its baseline on y = 0 (p, y and ',' reach 2 below).
// Anything else, a blank among them, draws nothing.
void drawLetter(char letter);

// A line of glyphs from the origin along +x, and its width in grid units.
void drawText(const char* text);
double textWidth(const char* text);

// Text `height` tall (a capital's) with its baseline at (x, y, z) of the
// current transform, its start (alignment 0), middle (0.5) or end (1) there.
void drawTextAt(const char* text, double x, double y, double z, double height, double alignment);
