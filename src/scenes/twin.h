// Twin paradox diagram (demonstration 3).
#pragma once

// World lines of the home and travelling twins through boostMatrix, with
// unboosted bars of their proper times and of the observer's frameVelocity.
void drawTwinParadoxScene();
