// A stroke font of the 26 capitals, the small letters the labels use, the
// digits, a minus, a prime, a comma, a point and a degree sign, on a 4 x 6 grid: each
// glyph is strokes separated by blanks, each stroke a run of grid points
// written as digit pairs "xy", drawn as one line strip. Small letters stand 4
// tall; p, y and the comma are written 2 up and drawn 2 down, below the baseline.
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
const double glyphAdvance = 5.0;  // grid units from one glyph to the next
const double narrowAdvance = 2.0; // a prime, a comma, a point
const double descent = 2.0;       // grid units p and the comma reach below the baseline
const double letterHeight = 6.0;  // a capital's, grid units

// the small letters a-z the labels use; "" where none is drawn yet
const char* smallStrokes(char c) {
    switch (c) {
    case 'a':
        return "4440 4334140301103041";
    case 'c':
        return "4334140301103041";
    case 'e':
        return "02424334140301103041";
    case 'l':
        return "16262130";
    case 'm':
        return "0004 03142320 23344340";
    case 'n':
        return "0004 0314344340";
    case 'p':
        return "0600 0516364543321203";
    case 'r':
        return "0004 03143443";
    case 's':
        return "43341403123241301001";
    case 't':
        return "16112030 0434";
    case 'x':
        return "0044 0440";
    case 'y':
        return "0623 4610";
    default:
        return "";
    }
}

bool descends(char c) {
    return c == 'p' || c == 'y' || c == ',';
}

double advanceOf(char c) {
    return (c == '\'' || c == ',' || c == '.') ? narrowAdvance : glyphAdvance;
}

const char* strokesOf(char c) {
    if (c >= 'A' && c <= 'Z') {
        return strokes[c - 'A'];
    }
    if (c >= '0' && c <= '9') {
        return digitStrokes[c - '0'];
    }
    if (c >= 'a' && c <= 'z') {
        return smallStrokes(c);
    }
    switch (c) {
    case '-':
        return "0333";
    case '\'':
        return "3624";
    case ',':
        return "131201";
    case '.':
        return "1011";
    case degreeSign:
        return "1526352415";
    default:
        return "";
    }
}
} // namespace

void drawLetter(char letter) {
    const char* p = strokesOf(letter);
    const double drop = descends(letter) ? descent : 0.0;
    while (*p) {
        glBegin(GL_LINE_STRIP);
        for (; p[0] >= '0' && p[0] <= '9' && p[1] >= '0' && p[1] <= '9'; p += 2) {
            glVertex2d(p[0] - '0', p[1] - '0' - drop);
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
        width += advanceOf(*c);
    }
    return width > 0.0 ? width - 1.0 : 0.0; // no gap after the last glyph
}

void drawText(const char* text) {
    glPushMatrix();
    for (const char* c = text; *c; ++c) {
        drawLetter(*c);
        glTranslated(advanceOf(*c), 0.0, 0.0);
    }
    glPopMatrix();
}

void drawTextAt(const char* text, double x, double y, double z, double height, double alignment) {
    const double scale = height / letterHeight;
    glPushMatrix();
    {
        glTranslated(x - alignment * textWidth(text) * scale, y, z);
        const GLfloat s = static_cast<GLfloat>(scale);
        glScalef(s, s, s);
        drawText(text);
    }
    glPopMatrix();
}
