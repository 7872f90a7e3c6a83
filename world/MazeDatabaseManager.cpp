#include "world/MazeDatabaseManager.h"

#include "world/MazeData.h"

#include <cstdlib>

const char* const* MazeDatabaseManager::get_maze_index(int n) const
{
    // A negative n would otherwise index before the table.
    int index = n % MAZE_COUNT;
    if (index < 0) {
        index += MAZE_COUNT;
    }
    return maze_list[index];
}

simple_colour_t MazeDatabaseManager::maze_fg_colour() const
{
    return maze_colour_list[colour_index][0];
}

simple_colour_t MazeDatabaseManager::maze_bg_colour() const
{
    return maze_colour_list[colour_index][1];
}

simple_colour_t MazeDatabaseManager::laser_colour() const
{
    return maze_colour_list[colour_index][2];
}

void MazeDatabaseManager::new_maze_colour()
{
    // Draw among the seven others and step over the current one, so each
    // of them is equally likely and the scheme always changes.
    int r = rand() % 7;
    colour_index = r < colour_index ? r : r + 1;
}
