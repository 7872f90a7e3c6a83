// Any text as a maze: loading stays inside the row buffers, and every cell of
// the loaded maze answers, eats, draws and takes laser paper.
#include "display/MyGraphics_record.h"
#include "fuzz/FuzzTarget.h"
#include "world/CurrentMaze.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto expect = [](bool holds) { holds ? void() : std::abort(); };
    // One string per line, as the built-in mazes hold them; no text, no lines.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string strings(input);
    std::replace(strings.begin(), strings.end(), '\n', '\0');
    std::vector<const char*> text;
    for (size_t start = 0; size > 0 && start <= size; start = std::min(input.find('\n', start), size) + 1) {
        text.push_back(strings.c_str() + start);
    }
    text.push_back(nullptr);
    const simple_colour_t* scheme = maze_colour_list[size % 8];
    CurrentMaze maze;
    maze.setup_from_text(text.data(), scheme[0], scheme[1], scheme[2]);
    expect(maze.get_max_line() < CurrentMaze::MAX_LINES && maze.get_max_column() < CurrentMaze::MAX_COLUMNS);
    int food = 0; // counted the slow way
    for (int line = 0; line <= maze.get_max_line(); ++line) {
        for (int column = 0; column < CurrentMaze::MAX_COLUMNS; ++column) {
            food += maze.cell(line, column) == '@' ? 1 : 0;
        }
    }
    expect(food == maze.get_food_count());
    // check() ends the process outside the maze, so only in-range cells.
    for (int line = 0; line <= maze.get_max_line(); ++line) {
        for (int column = 0; column <= maze.get_max_column(); ++column) {
            const bool apple = maze.is_apple(line, column);
            expect(apple == (maze.graphic(line, column) == 130) && !(apple && maze.is_wall(line, column)));
            food -= maze.maze_eat(line, column) ? 1 : 0;
            expect(!maze.is_apple(line, column) && !maze.maze_eat(line, column));
            maze.set_laser_background(line, column);
        }
    }
    expect(food == maze.get_food_count() && maze.maze_empty() == (food == 0));
    MyGraphics_record g;
    for (int count = -1; count <= maze.get_max_line() + 2; ++count) {
        maze.print(g, count); // the reveal, bottom wall first
        maze.print(g, count - 2, count);
    }
    return 0;
}
