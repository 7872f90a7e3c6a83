#pragma once
#include "image.h"

// Spectrum.bmp: the font as 16x16 cells (each 8x8 glyph doubled), 32 cells
// a row starting at code 33, black ink on the key colour, codes 33..160.
RgbImage make_font_sheet();
