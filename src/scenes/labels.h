// The diagram's axis names and tick numbers (demonstrations 1-3, 10 and 11), drawn when
// the page turns them on (showAxisLabels).
#pragma once

void drawAxisLabels();
