#pragma once
#include <SDL.h>

#include <vector>

// What the X server shows of the window, 0xRRGGBB row after row: the picture a player sees, where read_window gives
// what the game drew. False when the window is not an X window fully on its screen.
bool read_x_window(SDL_Window* window, int width, int height, std::vector<Uint32>& pixels);
