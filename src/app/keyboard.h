// Keyboard and function keys of the demo, and its help text.
#pragma once

extern const char* const demoNames[13]; // titles by function-key number 1..12

// ESC/q quit, h help, r view reset; upper case acts like lower case.
void onKeyboard(unsigned char key, int x, int y);

// F1..F12 select a demonstration and reset the boost.
void onSpecialKey(int key, int x, int y);

// The help text, on standard error.
void printHelp();
