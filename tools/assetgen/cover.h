#pragma once
#include "image.h"

// KworbleCover.bmp: a 256x320 cassette-inlay style cover in Spectrum
// colours: rainbow stripes in the corner, a 48K badge, the title, a maze
// with the player and chasers, and the publisher's name.
RgbImage make_cover();
