// Accelerated observers on spacetime diagrams drawn like demonstrations 1-3
// (x across, t up, c = 1; the launch frame's objects boosted by the drag, the
// axes and light lines not): the rocket at constant proper acceleration
// (demonstration 10) and Bell's spaceships (11).
#pragma once

// The diagram is drawn this far down: the start view shows t = -0.5 .. 3.5.
const double acceleratedSceneDrop = -1.5;

// Home's world line and its light pulses (those sent at t >= 1/g dim: they
// never arrive), the rocket's world line with ticks of its proper time, its
// event at rocketTau with its own axes (the line of simultaneity through the
// pivot, and its time axis), the home clock on that line, the light from home
// reaching it now, and one way the horizon; a round trip's return in teal.
void drawRocketScene();

// Both ships' world lines with ticks, the rear's line of simultaneity at
// rocketTau, both ships on it, the string between them coloured by its
// stretch (broken past the strain), and the front at the rear's launch time,
// L away.
void drawBellShipsScene();
