#pragma once
#include "canvas.h"

// The logo as the tape-loading animation paints it: a neon outline running
// through exactly the cells the animation reveals, one 8x8 cell at a time,
// so that every painted cell joins its neighbours into one clean stroke.
void draw_tape_logo(Canvas& canvas);
