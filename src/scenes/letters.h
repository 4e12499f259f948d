// Capital letters as GL line strips, for labels drawn in the scene.
#pragma once

// The letter A-Z in the box 0..4 wide and 0..6 tall of the current transform,
// its baseline on y = 0. Anything else draws nothing.
void drawLetter(char letter);
