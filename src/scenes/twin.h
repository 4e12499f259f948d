// Twin paradox diagram (demonstration 3).
#pragma once

// The whole diagram is drawn this far down: t = 0..2 shows as -1..1.
const double twinSceneDrop = -1.0;

// World lines of the home and travelling twins through boostMatrix, with
// unboosted bars of their proper times and of the observer's frameVelocity.
void drawTwinParadoxScene();
