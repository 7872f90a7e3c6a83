#pragma once
#include "canvas.h"

// The logo of our fictional software house BRAXMOOR SYSTEMS on a 256x192
// canvas: a striped ribbon curving round a ringed 'B' emblem on the left
// and sweeping right underneath the lettering. Everything lies inside
// character rows 1..19, columns 1..29 (the cells the tape-loading
// animation reveals); the lettering fills rows 1..15, columns 16..29.
void draw_braxmoor_logo(Canvas& canvas);

// Cell regions of the logo, for pictures that colour it.
inline constexpr int kLogoTextColumn = 16;  // lettering: columns 16..29
inline constexpr int kLogoLastTextRow = 15; // lettering: rows 1..15
inline constexpr int kLogoSwooshRow = 18;   // ribbon tail: rows 18..19
