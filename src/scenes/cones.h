// Demonstrations 5 and 6: the light cones of the origin event under the boost.
#pragma once

// Eye-space drop of each scene, so that its cone sits in the middle of the view.
const double upwardConeDrop = -0.9;
const double downwardConeDrop = 0.9;
const float coneSceneScale = 0.7f; // room for a cone stretched to gamma (1 + v)
const double coneOwnTime =
    1.0; // the rulings reach own time 1: a tip's height is its Doppler factor

// F5: the flash of a source at rest in the scene, 24 rulings evenly spaced in
// its frame, the rim, the source's world line and the probe ray, through
// boostMatrix; a faint unboosted cone of the same height and the direction of
// motion in the drawn frame.
void drawUpwardConeScene();

// F6: the same for the past cone, the light reaching an observer at rest in
// the scene, evenly spread in that observer's sky.
void drawDownwardConeScene();
