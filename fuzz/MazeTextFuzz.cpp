// Any text as a maze: loading must stay inside the row buffers, and every
// cell of the loaded maze must answer, eat, draw and take laser paper.
#include "display/Colours.h"
#include "display/MyGraphics_record.h"
#include "display/Window.h"
#include "fuzz/FuzzTarget.h"
#include "world/CurrentMaze.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The food the cells hold, counted the slow way.
int count_food(const CurrentMaze& maze)
{
    int food = 0;
    for (int line = 0; line <= maze.get_max_line(); ++line) {
        for (int column = 0; column < CurrentMaze::MAX_COLUMNS; ++column) {
            if (maze.cell(line, column) == '@') {
                ++food;
            }
        }
    }
    return food;
}

void expect(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void draw_all_ways(CurrentMaze& maze)
{
    MyGraphics_record g;
    maze.print(g);
    for (int count = 0; count <= maze.get_max_line() + 2; ++count) {
        maze.print(g, count);
        maze.print(g, count - 1, count);
    }
    maze.print(g, -5, 3);
    maze.print(g, 1000, 1000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    glyph_size = 16;
    // One string per line, as the built-in mazes hold them.
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += static_cast<char>(data[i]);
        }
    }
    if (size == 0) {
        lines.clear();
    }
    std::vector<const char*> text;
    for (const std::string& line : lines) {
        text.push_back(line.c_str());
    }
    text.push_back(nullptr);

    const simple_colour_t* scheme = maze_colour_list[size % 8];
    CurrentMaze maze;
    maze.setup_from_text(text.data(), scheme[0], scheme[1], scheme[2]);
    expect(maze.is_set_up());
    expect(maze.get_max_line() < CurrentMaze::MAX_LINES);
    expect(maze.get_max_column() < CurrentMaze::MAX_COLUMNS);
    const int food = maze.get_food_count();
    expect(food == count_food(maze));
    draw_all_ways(maze);

    // check() ends the process outside the maze, so only in-range cells.
    for (int line = 0; line <= maze.get_max_line(); ++line) {
        for (int column = 0; column <= maze.get_max_column(); ++column) {
            const bool apple = maze.is_apple(line, column);
            const int glyph = maze.graphic(line, column);
            expect(glyph == 32 || glyph == 63 || glyph == 130);
            expect(apple == (glyph == 130));
            expect(!(apple && maze.is_wall(line, column)));
            expect(maze.maze_eat(line, column) == apple);
            expect(!maze.is_apple(line, column));
            expect(!maze.maze_eat(line, column));
            maze.set_laser_background(line, column);
        }
    }
    expect(maze.get_food_count() == count_food(maze));
    expect(maze.maze_empty() == (maze.get_food_count() == 0));
    maze.maze_monster_laser_colour();
    for (int line = -2; line <= CurrentMaze::MAX_LINES + 1; ++line) {
        maze.set_laser_background(line, -1);
        maze.set_laser_background(line, CurrentMaze::MAX_COLUMNS + 1);
        maze.is_apple(line, CurrentMaze::MAX_COLUMNS + 1);
    }
    draw_all_ways(maze);
    maze.clear_lasers();

    // Setting the same maze up again restores all its food.
    maze.setup_from_text(text.data(), scheme[0], scheme[1], scheme[2]);
    expect(maze.get_food_count() == food);
    draw_all_ways(maze);
    return 0;
}
