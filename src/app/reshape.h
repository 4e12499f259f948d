// Window reshape: viewport, the fixed perspective projection, 200 px minimum.
#pragma once

void onReshape(int width, int height);
