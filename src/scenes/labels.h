// The diagram's axis names and tick numbers (demonstrations 1-3, 10 and 11),
// and the 3D scenes' axes named in a corner (4 to 9, where the scene is shown),
// drawn when the page turns them on (showAxisLabels).
#pragma once

const double sceneAxesX = -1.65; // eye units: where the 3D scenes' named axes start, top left
const double sceneAxesY = 1.4;
const double sceneAxisLength = 0.28;

void drawAxisLabels();
