#include "world/CurrentMaze.h"

#include "display/MyGraphics.h"
#include "world/MazeDatabaseManager.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char WALL = '#';
constexpr char FOOD = '@';
constexpr char EMPTY = ' ';

constexpr int GLYPH_SPACE = 32;
constexpr int GLYPH_UNKNOWN = 63;
constexpr int GLYPH_FOOD = 130;

} // namespace

CurrentMaze::CurrentMaze()
{
    for (int i = 0; i < MAX_LINES; ++i) {
        lines[i] = cells[i];
        for (int j = 0; j <= MAX_COLUMNS; ++j) {
            cell_paper[i][j] = bg_colour;
        }
    }
}

void CurrentMaze::setup_current_maze(MazeDatabaseManager const& db, int n)
{
    setup_from_text(db.get_maze_index(n), db.maze_fg_colour(), db.maze_bg_colour(), db.laser_colour());
}

void CurrentMaze::setup_from_text(const char* const* text, simple_colour_t fg, simple_colour_t bg,
                                  simple_colour_t laser)
{
    food_count = 0;
    fg_colour = fg;
    bg_colour = bg;
    laser_colour = laser;
    std::memset(cells, 0, sizeof(cells));
    for (int i = 0; i < MAX_LINES; ++i) {
        lines[i] = cells[i];
    }
    clear_lasers();

    int line = 0;
    while (line < MAX_LINES && text[line] != nullptr) {
        const char* source = text[line];
        int column = 0;
        // Anything past the row buffer is dropped rather than overrun it.
        while (column < MAX_COLUMNS && source[column] != '\0') {
            char c = source[column];
            if (c == EMPTY) {
                c = FOOD;
            }
            // The food code itself in a text is food too, so it must count:
            // otherwise eating it drives the count below zero and the maze
            // never empties.
            if (c == FOOD) {
                ++food_count;
            }
            cells[line][column] = c;
            ++column;
        }
        max_column = column - 1;
        ++line;
    }
    if (line < MAX_LINES) {
        lines[line] = nullptr;
    }
    max_line = line - 1;
    set_up = true;
}

simple_colour_t CurrentMaze::maze_monster_laser_colour() const
{
    // A chaser lasered on magenta paper would vanish into its own colour.
    return laser_colour == BRIGHT_MAGENTA ? BRIGHT_CYAN : laser_colour;
}

int CurrentMaze::graphic(int line, int column)
{
    if (!set_up) {
        return GLYPH_UNKNOWN;
    }
    check(line, column);
    switch (cells[line][column]) {
    case EMPTY:
    case WALL:
        return GLYPH_SPACE;
    case FOOD:
        return GLYPH_FOOD;
    default:
        return GLYPH_UNKNOWN;
    }
}

bool CurrentMaze::is_wall(int line, int column)
{
    if (!set_up) {
        return true;
    }
    check(line, column);
    return cells[line][column] == WALL;
}

bool CurrentMaze::maze_eat(int line, int column)
{
    if (!set_up) {
        return false;
    }
    check(line, column);
    if (cells[line][column] != FOOD) {
        return false;
    }
    cells[line][column] = EMPTY;
    --food_count;
    return true;
}

bool CurrentMaze::is_apple(int line, int column) const
{
    // Callers stay inside the maze; this only keeps a stray position from
    // reading outside the row buffers.
    if (line < 0 || line >= MAX_LINES || column < 0 || column > MAX_COLUMNS) {
        return false;
    }
    return cells[line][column] == FOOD;
}

void CurrentMaze::set_laser_background(int line, int column)
{
    if (line < 0 || line >= MAX_LINES || column < 0 || column > MAX_COLUMNS) {
        return;
    }
    cell_paper[line][column] = laser_colour;
}

void CurrentMaze::clear_lasers()
{
    for (auto& row : cell_paper) {
        for (auto& paper : row) {
            paper = bg_colour;
        }
    }
}

void CurrentMaze::print(MyGraphics& g)
{
    print(g, 0, 1000);
}

void CurrentMaze::print(MyGraphics& g, int count)
{
    // The bottom wall shows at once while the lines above are revealed.
    print(g, 0, count);
    print(g, max_line, count);
}

void CurrentMaze::print(MyGraphics& g, int first_line, int count)
{
    if (!set_up || count <= 0) {
        return;
    }
    if (first_line < 0 || first_line > max_line) {
        first_line = 0;
    }
    for (int line = first_line; line <= max_line && line < first_line + count; ++line) {
        g.go_to(screen_offset_line + line, screen_offset_column);
        for (int column = 0; column < MAX_COLUMNS && cells[line][column] != '\0'; ++column) {
            char c = cells[line][column];
            if (c == WALL) {
                g.print(fg_colour, fg_colour, GLYPH_SPACE);
                continue;
            }
            int glyph = GLYPH_UNKNOWN;
            if (c == FOOD) {
                glyph = GLYPH_FOOD;
            } else if (c == EMPTY) {
                glyph = GLYPH_SPACE;
            }
            g.print(fg_colour, cell_paper[line][column], glyph);
        }
    }
}

void CurrentMaze::check(int line, int column) const
{
    if (column < 0 || column > max_column) {
        printf("Column out of range - actual=%d max=%d", column, max_column);
        exit(1);
    }
    if (line < 0 || line > max_line) {
        printf("Line out of range - actual=%d max=%d", line, max_line);
        exit(1);
    }
}

void CurrentMaze::print_vacated_cell(MyGraphics& g, int line, int column)
{
    g.print(line + screen_offset_line, column + screen_offset_column, fg_colour, bg_colour, graphic(line, column));
}
