// Window pixels of diagram points in the start view of a 512 x 512 window:
// the eye 10 units from the scene origin sees -2..2 on both axes.
#pragma once

#include <cmath>

const int startViewSide = 512; // pixels

// column from the left, row from the top
inline int column(double x) {
    return static_cast<int>(std::lround((x / 4.0 + 0.5) * startViewSide));
}
inline int row(double y) {
    return startViewSide - 1 - column(y);
}
