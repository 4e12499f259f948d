// A stroke font of the 26 capitals, the axes' x and t, the digits, a minus
// and a prime, on a 4 x 6 grid: each glyph is strokes separated by blanks,
// each stroke a run of grid points written as digit pairs "xy", drawn as one
// line strip.
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
const char* const digitStrokes[10] = {
    "100105163645413010",                  // 0
    "1526 2620 1030",                      // 1
    "05163645440040",                      // 2
    "05163645443323 334241301001",         // 3
    "30360242",                            // 4
    "460603334241301001",                  // 5
    "36160501103041423303",                // 6
    "064610",                              // 7
    "130405163645443313 1302011030414233", // 8
    "10304145361605041343",                // 9
};
const double glyphAdvance = 5.0; // grid units from one glyph to the next
const double primeAdvance = 2.0;

const char* strokesOf(char c) {
    if (c >= 'A' && c <= 'Z') {
        return strokes[c - 'A'];
    }
    if (c >= '0' && c <= '9') {
        return digitStrokes[c - '0'];
    }
    switch (c) {
    case 'x':
        return "0044 0440";
    case 't':
        return "16112030 0434";
    case '-':
        return "0333";
    case '\'':
        return "3624";
    default:
        return "";
    }
}
} // namespace

void drawLetter(char letter) {
    const char* p = strokesOf(letter);
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

double textWidth(const char* text) {
    double width = 0.0;
    for (const char* c = text; *c; ++c) {
        width += *c == '\'' ? primeAdvance : glyphAdvance;
    }
    return width > 0.0 ? width - 1.0 : 0.0; // no gap after the last glyph
}

void drawText(const char* text) {
    glPushMatrix();
    for (const char* c = text; *c; ++c) {
        drawLetter(*c);
        glTranslated(*c == '\'' ? primeAdvance : glyphAdvance, 0.0, 0.0);
    }
    glPopMatrix();
}
