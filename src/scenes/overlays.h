// Teaching overlays on demonstrations 1-3: the objects' own frame beside the
// diagram's, and the user's events.
#pragma once

// After the scene: the own frame's axes with unit ticks, each event's lines
// of simultaneity (own frame and diagram's frame) and future light cone, the
// twins' trip at the traveller's proper time (demonstration 3), and the
// events marked and labelled A to Z. Nothing at all while every overlay is
// off, there are no events and the trip is not shown.
void drawTeachingOverlays();
