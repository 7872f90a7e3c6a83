#pragma once
#include "image.h"

// BX_title_screen.bmp: the Braxmoor logo in black on the key colour; the
// game inks it in and reveals it cell by cell while "loading".
RgbImage make_bx_title_screen();

// BX_title1.bmp / BX_title2.bmp: the logo as a coloured Spectrum loading
// screen, in two colour schemes (variant 1 or 2).
RgbImage make_bx_title(int variant);
