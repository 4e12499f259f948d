// Spacetime diagrams of demonstrations 1 and 2: x is space, y is time, c = 1.
#pragma once

// Fixed diagram: axes, light lines and the hyperbolas t^2 - x^2 = +-intervalSquared.
// Leaves line width 3 and the colour yellow; the caller turns lighting off.
void drawSpacetimeAxes(double intervalSquared);

// The same without the hyperbolas: axes and light lines, 4 units each way.
// Leaves line width 3 and the colour blue.
void drawAxesAndLightLines();

// Demonstration 1: lattice of events and a clock's world line, boosted.
void drawTimeDilationScene();

// Demonstration 2: world lines of the ends of a rod from -halfLength to +halfLength.
void drawLengthContractionScene(double halfLength);
