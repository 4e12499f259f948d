// The frame: clear, draw the selected demonstration, swap.
#pragma once

void onDisplay();

// Demonstration 4: green rod along the time axis z, lit icosahedron and wire
// cube, all through boostMatrix.
void drawSearchlightScene();
