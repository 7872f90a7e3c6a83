#pragma once
#include "base/SdlOwners.h"

// Runs the game on the window's renderer until the player quits, then closes
// the window and shuts SDL down: the desktop's own loop, or the browser's
// animation frames (where it never returns). CMake builds one of
// LoopEntry_desktop.cpp and LoopEntry_web.cpp.
int run_game(RendererPtr renderer, int argc, char* argv[]);
