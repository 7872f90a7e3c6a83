#pragma once
#include "image.h"

// The game's icon, size x size pixels: the player in bright yellow on black
// inside a bright blue maze wall. kworble.png (desktop) and kworble_icon.bmp
// (the window) are drawn with it.
RgbImage make_icon(int size);
