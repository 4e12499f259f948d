// The fixed-function layer's primitives, glBegin to glEnd, as WebGL triangles
// and points, batched in the order drawn.
#pragma once

// Sends what is batched (before a state change that WebGL must see in order).
void flushBatch();
