// The fixed-function layer's frame state that its parts share: the sizes the
// primitives are drawn at and the colour map every colour passes through.
#pragma once

struct FrameState {
    float lineWidth = 1.0f;               // pixels, as the program set it
    float pointSize = 1.0f;               // pixels
    float pixelRatio = 1.0f;              // device pixels per CSS pixel
    int deviceViewport[4] = {0, 0, 0, 0}; // device pixels
};
const FrameState& frameState();

// A colour the program asks for, as drawn (the colour map's, or as asked).
void mapColour(const float in[3], float out[3]);
