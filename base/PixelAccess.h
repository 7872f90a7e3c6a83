#pragma once
#include <SDL.h>

// Raw pixel access for 1 to 4 bytes per pixel. No locking, no bounds check:
// callers lock surfaces that need it and stay inside the surface.
Uint32 getpixel(const SDL_Surface* surface, int x, int y);
void putpixel(SDL_Surface* surface, int x, int y, Uint32 pixel);
