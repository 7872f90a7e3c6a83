#pragma once
#include "image.h"

// kworble_refurnished1.bmp / kworble_refurnished2.bmp: the game's title
// picture in two frames (variant 1 or 2) that the title screen blinks
// between: the title changes colour, the chasers move and grin, the player
// takes a bite.
RgbImage make_kworble_title(int variant);
