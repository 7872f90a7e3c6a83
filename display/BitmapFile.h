#pragma once
#include <SDL.h>

// Loads a BMP file with SDL, or returns null with SDL's error set. A header
// that claims a picture wider or higher than max_bitmap_side is refused
// before SDL sees it: SDL would allocate and clear the whole picture before
// noticing that the file holds nothing like that many pixels.
SDL_Surface* load_bitmap_file(const char* filename);

// Far beyond any picture of the game (the largest is 512 pixels wide).
constexpr int max_bitmap_side = 4096;
