// Mouse buttons and drags.
#pragma once

// Button event: toggles the button's bit, records modifiers and position.
void onMouse(int button, int state, int x, int y);

// Drag: measures the movement and applies the gesture of the held buttons.
void onMotion(int x, int y);
