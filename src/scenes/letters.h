// Capital letters, the axes' names and numbers as GL line strips, for labels
// drawn in the scene.
#pragma once

// The glyph of A-Z, x, t, 0-9, '-' or a prime (') in the box 0..4 wide and
// 0..6 tall of the current transform, its baseline on y = 0. Anything else
// draws nothing.
void drawLetter(char letter);

// A line of glyphs from the origin along +x, and its width in grid units.
void drawText(const char* text);
double textWidth(const char* text);
