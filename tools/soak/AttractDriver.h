#pragma once
#include <SDL.h>

class GameApplication;

// Plays the part of a user who asks the menu for one demo and then leaves
// the attract loop alone, except for pressing X to cut every other demo
// short, so that both ways a demo ends come round and the mazes change
// often. It only pushes key events and reads the application's state.
class AttractDriver {
public:
    // Call before each frame.
    void before_frame(GameApplication& app);

    int demos_started() const { return demos; }
    int maze_changes() const { return mazes; }
    int demos_cut_short() const { return cuts; }
    int mazes_cleared() const { return clears; }

private:
    static void push_key(SDL_Keycode key);

    bool demo_was_running = false;
    int demos = 0;
    int mazes = 0;
    int cuts = 0;
    int clears = 0;
    char maze_letter = 0;
    Uint32 demo_start = 0;
    Uint32 last_push = 0;
    bool x_pressed = false;
};
