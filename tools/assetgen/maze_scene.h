#pragma once
#include <string>
#include <vector>

#include "spectrum_screen.h"

// Something standing in the maze: a font glyph (player or chaser) drawn
// twice size to fill one tile, in its own colour.
struct MazeSprite {
    int glyph_code;
    int tile_x;
    int tile_y;
    Colour colour;
};

struct MazeScene {
    // One string per tile row: '#' wall, '.' food, ' ' empty corridor.
    std::vector<std::string> layout;
    std::vector<MazeSprite> sprites;
    Colour wall = Colour::Blue;
    Colour food = Colour::Red;
};

// Tiles are 16x16 pixels (2x2 cells), so every cell holds one thing and
// keeps to two colours. Walls are drawn as rounded outlines set in from the
// corridors; the maze fragment starts at the given cell.
void draw_maze_scene(SpectrumScreen& screen, int column, int row, const MazeScene& scene);
