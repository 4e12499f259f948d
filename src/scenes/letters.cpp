// A stroke font of the 26 capitals on a 4 x 6 grid: each letter is strokes
// separated by blanks, each stroke a run of grid points written as digit
// pairs "xy", drawn as one line strip.
#include "scenes/letters.h"

#include <GL/gl.h>

namespace {
const char* const strokes[26] = {
    "002640 1333",               // A
    "00063645443303 3342413000", // B
    "4536160501103041",          // C
    "00063645413000",            // D
    "46060040 0333",             // E
    "460600 0333",               // F
    "4536160501103041434323",    // G
    "0006 4046 0343",            // H
    "1636 2620 1030",            // I
    "464130100001",              // J
    "0006 4602 1340",            // K
    "060040",                    // L
    "0006234640",                // M
    "00064046",                  // N
    "100105163645413010",        // O
    "00063645443303",            // P
    "100105163645413010 2240",   // Q
    "00063645443303 2340",       // R
    "453616050413334241301001",  // S
    "0646 2620",                 // T
    "060110304146",              // U
    "062046",                    // V
    "0610233046",                // W
    "0046 0640",                 // X
    "062346 2320",               // Y
    "06460040",                  // Z
};
} // namespace

void drawLetter(char letter) {
    if (letter < 'A' || letter > 'Z') {
        return;
    }
    const char* p = strokes[letter - 'A'];
    while (*p) {
        glBegin(GL_LINE_STRIP);
        for (; p[0] >= '0' && p[0] <= '9' && p[1] >= '0' && p[1] <= '9'; p += 2) {
            glVertex2d(p[0] - '0', p[1] - '0');
        }
        glEnd();
        while (*p == ' ') {
            ++p;
        }
    }
}
