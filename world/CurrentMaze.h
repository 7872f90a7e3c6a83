#pragma once
#include "display/Colours.h"

class MyGraphics;
class MazeDatabaseManager;

// The maze being played: a writable copy of a built-in maze with its food,
// colour scheme and the per-cell paper that laser beams paint.
class CurrentMaze {
public:
    static constexpr int MAX_LINES = 30;
    static constexpr int MAX_COLUMNS = 40;

    CurrentMaze();
    void setup_current_maze(MazeDatabaseManager const& db, int n);
    // Loads a maze text (null-terminated array of lines) with the given colours.
    void setup_from_text(const char* const* text, simple_colour_t fg, simple_colour_t bg, simple_colour_t laser);

    int get_screen_offset_line() const { return screen_offset_line; }
    int get_screen_offset_column() const { return screen_offset_column; }
    simple_colour_t maze_bg() const { return bg_colour; }
    simple_colour_t maze_fg() const { return fg_colour; }
    simple_colour_t maze_monster_laser_colour() const;

    int graphic(int line, int column);
    bool is_wall(int line, int column);
    bool maze_eat(int line, int column);
    bool is_apple(int line, int column) const;
    bool maze_empty() const { return food_count == 0; }
    int get_food_count() const { return food_count; }
    int get_max_line() const { return max_line; }
    int get_max_column() const { return max_column; }
    bool is_set_up() const { return set_up; }
    char cell(int line, int column) const { return cells[line][column]; }
    simple_colour_t paper(int line, int column) const { return cell_paper[line][column]; }

    void set_laser_background(int line, int column);
    void clear_lasers();

    void print(MyGraphics& g);
    void print(MyGraphics& g, int count);
    void print(MyGraphics& g, int first_line, int count);
    // Redraws one cell as the maze shows it without its papers: what a
    // moving piece leaves behind.
    void print_vacated_cell(MyGraphics& g, int line, int column);

    // Exits with status 1 for a position outside the maze.
    void check(int line, int column) const;

private:
    int screen_offset_line = 2;
    int screen_offset_column = 0;
    simple_colour_t bg_colour = BRIGHT_CYAN;
    simple_colour_t fg_colour = BRIGHT_BLUE;
    simple_colour_t laser_colour = BRIGHT_MAGENTA;
    char* lines[MAX_LINES];
    char cells[MAX_LINES][MAX_COLUMNS + 1] = {};
    simple_colour_t cell_paper[MAX_LINES][MAX_COLUMNS + 1];
    int max_line = -1;
    int max_column = -1;
    bool set_up = false;
    int food_count = 0;
};
