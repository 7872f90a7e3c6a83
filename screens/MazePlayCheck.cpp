#include "screens/MazeEditor.h"

#include "world/MonsterManager.h"
#include "world/Player.h"

#include <string>
#include <vector>

namespace {

// As the position line counts: from 1.
std::string place(const char* what, int line, int column)
{
    return std::string(what) + " line " + std::to_string(line + 1) + ", column " + std::to_string(column + 1);
}

} // namespace

// Every fault the game would trip on: a way off the grid, a piece placed in
// a wall, or food the player can never reach, so the level never clears.
std::string MazeEditor::play_problem() const
{
    for (int line = 0; line < LINES; ++line) {
        for (int column = 0; column < COLUMNS; ++column) {
            bool border = line == 0 || line == LINES - 1 || column == 0 || column == COLUMNS - 1;
            if (border && grid[column][line] != '#') {
                return place("Border", line, column) + " open";
            }
        }
    }
    if (grid[Player::START_COLUMN][Player::START_LINE] == '#') {
        return place("Start", Player::START_LINE, Player::START_COLUMN) + " walled";
    }
    for (int k = 0; k < MonsterManager::COUNT; ++k) {
        if (grid[MonsterManager::CORNER_COLUMN[k]][MonsterManager::CORNER_LINE[k]] == '#') {
            return place("Corner", MonsterManager::CORNER_LINE[k], MonsterManager::CORNER_COLUMN[k]) + " walled";
        }
    }
    std::vector<bool> reached(LINES * COLUMNS, false);
    std::vector<int> todo{Player::START_LINE * COLUMNS + Player::START_COLUMN};
    reached[todo.back()] = true;
    while (!todo.empty()) {
        int cell = todo.back();
        todo.pop_back();
        // The border is closed, so a neighbour of an open cell is in the grid.
        for (int next : {cell - COLUMNS, cell + COLUMNS, cell - 1, cell + 1}) {
            if (!reached[next] && grid[next % COLUMNS][next / COLUMNS] != '#') {
                reached[next] = true;
                todo.push_back(next);
            }
        }
    }
    for (int line = 0; line < LINES; ++line) {
        for (int column = 0; column < COLUMNS; ++column) {
            if (grid[column][line] != '#' && !reached[line * COLUMNS + column]) {
                return place("No way to", line, column);
            }
        }
    }
    return "";
}
