#pragma once
#include "canvas.h"

// The logo as the tape-loading animation paints it: one bold, rounded
// outline running through exactly the cells the animation reveals, one 8x8
// cell at a time, so that when the last cell is in it reads as a mark
// rather than a staircase of cells.
void draw_tape_logo(Canvas& canvas);

// Whether the loader ever paints the cell (row 0..20, column 0..31).
bool tape_cell_revealed(int row, int column);
