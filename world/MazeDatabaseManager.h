#pragma once
#include "display/Colours.h"

// The read-only side of the mazes: built-in maze texts and the colour scheme in use.
class MazeDatabaseManager {
public:
    // Maze n modulo 16, as a null-terminated array of line strings.
    const char* const* get_maze_index(int n) const;
    simple_colour_t maze_fg_colour() const;
    simple_colour_t maze_bg_colour() const;
    simple_colour_t laser_colour() const;
    // Picks one of the seven other schemes at random.
    void new_maze_colour();
    int get_colour_index() const { return colour_index; }

private:
    int colour_index = 1;
};
