#pragma once
#include "app/GameApplication.h"
#include "support/TestSupport.h"
#include "world/CurrentMaze.h"
#include "world/MonsterManager.h"
#include "world/Player.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// A 21 by 32 maze text that starts as solid wall; tests carve the open cells.
class MazeText {
public:
    MazeText() : rows(21, std::string(32, '#')) {}

    MazeText& open(int line, int first_column, int last_column)
    {
        for (int c = first_column; c <= last_column; ++c) {
            rows[line][c] = ' ';
        }
        return *this;
    }

    MazeText& open_column(int column, int first_line, int last_line)
    {
        for (int l = first_line; l <= last_line; ++l) {
            rows[l][column] = ' ';
        }
        return *this;
    }

    MazeText& wall(int line, int column)
    {
        rows[line][column] = '#';
        return *this;
    }

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

// A real application on a headless renderer, with the dummy audio device.
class WorldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The dummy drivers unless the environment names others.
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        if ((SDL_WasInit(SDL_INIT_AUDIO) & SDL_INIT_AUDIO) == 0) {
            ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        }
        screen = std::make_unique<HeadlessScreen>(16, load_glyphs);
        app = std::make_unique<GameApplication>(screen->renderer());
        srand(1234);
    }

    void TearDown() override
    {
        app.reset();
        screen.reset();
        // The audio device stays open until SDL shuts down.
        SDL_Quit();
    }

    Player& player() { return app->get_player(); }
    MonsterManager& monsters() { return app->get_monsters(); }
    CurrentMaze& maze() { return app->get_maze(); }
    MySoundManager& sounds() { return app->get_sound_manager(); }

    void load(MazeText& text) { maze().setup_from_text(text.text(), BRIGHT_BLUE, BRIGHT_CYAN, BRIGHT_MAGENTA); }

    // Empties every food cell but the ones the test wants to keep.
    void eat_all_food()
    {
        for (int l = 0; l <= maze().get_max_line(); ++l) {
            for (int c = 0; c <= maze().get_max_column(); ++c) {
                maze().maze_eat(l, c);
            }
        }
    }

    // Places chaser k at (line, column) in chase mode with that cell as its home.
    void place_chaser(int k, int line, int column)
    {
        monsters().monster(k).init(line, column, &maze(), &player(), &monsters());
    }

    bool wait_for_silence() { return wait_until([this] { return sounds().are_all_sounds_finished(); }, 10000); }

    bool load_glyphs = false;
    std::unique_ptr<HeadlessScreen> screen;
    std::unique_ptr<GameApplication> app;
};
