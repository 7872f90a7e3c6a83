#pragma once
#include <SDL.h>

// Between the shared window rules and the desktop's or the browser's own
// file; not for the rest of the game.

// The window CreateGameWindow made; owned from here on.
void AdoptGameWindow(SDL_Window* window);
