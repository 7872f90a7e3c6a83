#pragma once
#include "spectrum_screen.h"

// "KWORBLE" in the font at four times size (28 x 4 cells, 32 pixels a
// letter) at the given cell, each of its 4 character rows in its own ink
// colour (top to bottom), the letters extruded in 3D.
void draw_title_lettering(SpectrumScreen& screen, int column, int row, const Colour (&row_inks)[4]);
