#pragma once
#include "support/TestApp.h"
#include "support/TestSupport.h"
#include "world/CurrentMaze.h"
#include "world/MonsterManager.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A 21 by 32 maze text, solid wall until a test opens its cells.
class MazeText {
public:
    MazeText() : rows(21, std::string(32, '#')) {}
    // Opens (or with '#' walls up) the cells from (line, column) to (last_line, last_column).
    MazeText& open(int line, int column, int last_line, int last_column, char c = ' ')
    {
        for (int l = line; l <= last_line; ++l) {
            for (int k = column; k <= last_column; ++k) {
                rows[l][k] = c;
            }
        }
        return *this;
    }
    MazeText& wall(int line, int column) { return open(line, column, line, column, '#'); }
    const char* const* text()
    {
        pointers.clear();
        for (const std::string& row : rows) {
            pointers.push_back(row.c_str());
        }
        pointers.push_back(nullptr);
        return pointers.data();
    }

private:
    std::vector<std::string> rows;
    std::vector<const char*> pointers;
};

// The real game objects of a TestApp, stepped by explicit ticks.
class WorldTest : public ::testing::Test {
protected:
    GameApplication& app() { return game.app(); }
    Player& player() { return app().get_player(); }
    MonsterManager& monsters() { return app().get_monsters(); }
    Monster& chaser(int k) { return monsters().monster(k); }
    CurrentMaze& maze() { return app().get_maze(); }
    MySoundManager& sounds() { return app().get_sound_manager(); }

    // A new game on this maze: the player at (10, 16), the chasers in their corners. A silent player's catches are
    // heard out at once.
    void begin(MazeText& text, bool silent = false)
    {
        maze().setup_from_text(text.text(), BRIGHT_BLUE, BRIGHT_CYAN, BRIGHT_MAGENTA);
        player().init(&maze(), silent ? nullptr : &sounds());
        monsters().init(&maze(), &player());
    }
    // Chaser k chasing from (line, column), which becomes its home.
    void place(int k, int line, int column) { chaser(k).init(line, column, &maze(), &player(), &monsters()); }
    template <typename State> bool state_is() { return dynamic_cast<State*>(app().get_current_state()) != nullptr; }

    TestApp game{false, 1234};
};
