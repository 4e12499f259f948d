// Colours for the room: the page may show the program's colours from another
// palette (high contrast on white, or on a dark background for projectors).
// The program draws with its own colours; the GL layer swaps each for the
// palette's before it reaches WebGL, so the desktop palette is the picture as is.
#pragma once

enum Palette { desktopPalette, highContrastPalette, darkPalette, paletteCount };

// The palette in use; the page sets it.
void setPalette(int palette);
int currentPalette();

// The palette's colour for a colour the program draws with; others pass unchanged.
void paletteColour(const float in[3], float out[3]);

// Entries, for the page's legend: the desktop's colour, its name in the palette
// in use, and the colour shown. Index 0 is the background.
int paletteEntryCount();
const char* paletteEntryKey(int entry);  // "red", "teal", ...: the desktop's name
const char* paletteEntryName(int entry); // the name in the palette in use
const float* paletteEntryShown(int entry);
