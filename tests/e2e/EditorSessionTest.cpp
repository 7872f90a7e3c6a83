// The maze editor as a designer uses it: keys, a click, a drag, and the
// SAVE field, which writes maze.txt into the working folder.
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A private working folder with copies of the game's files, so the saved
// maze lands there and not in the build folder.
struct ScratchFolder {
    ScratchFolder()
    {
        fs::remove_all(path);
        fs::create_directories(path);
        for (const fs::directory_entry& file : fs::directory_iterator(getenv("KWORBLE_BUILD_DIR"))) {
            const std::string ext = file.path().extension().string();
            if (ext == ".bmp" || ext == ".wav") {
                fs::copy_file(file.path(), path / file.path().filename());
            }
        }
        fs::current_path(path);
    }
    ~ScratchFolder()
    {
        fs::current_path(previous);
        fs::remove_all(path);
    }
    fs::path path = fs::temp_directory_path() / ("kworble-e2e-editor-" + std::to_string(getpid()));
    fs::path previous = fs::current_path();
};

class EditorSessionTest : public ::testing::Test {
protected:
    // The cursor cell blinks magenta; any other wall is a black block, any open cell a dot.
    bool wall_shown(int line, int column)
    {
        return game.screen().shows(line, column, ' ', WHITE, BLACK) ||
               game.screen().shows(line, column, ' ', WHITE, MAGENTA);
    }
    bool open_shown(int line, int column)
    {
        return game.screen().shows(line, column, 130, BLACK, WHITE) ||
               game.screen().shows(line, column, 130, MAGENTA, WHITE);
    }
    bool text_shown(int line, int column, const char* text, simple_colour_t paper = WHITE)
    {
        return game.screen().shows_text(line, column, text, BLACK, paper);
    }

    ScratchFolder folder; // first in, last out: the game lives inside it
    TestApp game;
    void SetUp() override { game.compare_every_frame(); }
};

TEST_F(EditorSessionTest, DrawsWallsWithKeysClicksAndDragsThenSavesThem)
{
    game.frame();
    game.tap(SDLK_F2);
    // A fresh bordered grid on lines 1 to 21, with the help and position lines.
    for (auto [line, column] : {std::pair{1, 0}, {1, 31}, {21, 0}, {21, 31}, {11, 0}}) {
        EXPECT_TRUE(wall_shown(line, column)) << line << "," << column;
    }
    EXPECT_TRUE(open_shown(2, 1) && open_shown(11, 15) && open_shown(20, 30));
    EXPECT_TRUE(text_shown(22, 0, "WASD+Space") && text_shown(22, 28, "SAVE"));
    EXPECT_TRUE(text_shown(23, 0, "line = 1  Column = 1"));

    // Cursor keys to grid (2, 3), space raises a wall there, D moves on.
    for (SDL_Keycode key : {SDLK_DOWN, SDLK_DOWN, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT}) {
        game.tap(key);
    }
    EXPECT_TRUE(text_shown(23, 0, "line = 3  Column = 4"));
    EXPECT_TRUE(open_shown(3, 3));
    game.tap(SDLK_SPACE);
    game.tap(SDLK_d);
    EXPECT_TRUE(wall_shown(3, 3));
    EXPECT_TRUE(open_shown(3, 4)) << "the cursor moved on without drawing";

    // A click raises a wall, dragging on paints more, a click on the border opens it.
    game.mouse_down_at_cell(8, 20);
    game.drag_to_cell(8, 21);
    game.drag_to_cell(8, 22);
    game.drag_to_cell(9, 22);
    game.mouse_up_at_cell(9, 22);
    EXPECT_TRUE(wall_shown(8, 20) && wall_shown(8, 21) && wall_shown(8, 22) && wall_shown(9, 22));
    EXPECT_TRUE(text_shown(23, 0, "line = 9  Column = 23"));
    game.click_cell(21, 5);
    EXPECT_TRUE(open_shown(21, 5));

    ASSERT_FALSE(fs::exists(folder.path / "maze.txt"));
    game.click_cell(22, 29);
    EXPECT_TRUE(text_shown(22, 28, "SAVE", BRIGHT_GREEN) && text_shown(23, 28, "SAVE", BRIGHT_GREEN));
    std::vector<std::string> grid(21, "#" + std::string(30, ' ') + "#");
    grid.front() = grid.back() = std::string(32, '#');
    grid[2][3] = grid[7][20] = grid[7][21] = grid[7][22] = grid[8][22] = '#';
    grid[20][5] = ' ';
    std::string expected = "const char* maze[] =\n{\n";
    for (const std::string& line : grid) {
        expected += "\t\"" + line + "\",\n";
    }
    std::ostringstream saved;
    saved << std::ifstream(folder.path / "maze.txt", std::ios::binary).rdbuf();
    EXPECT_EQ(saved.str(), expected + "\t0,\n};\n");

    // The highlight fades after six blinks of the cursor.
    ASSERT_TRUE(game.wait_for([&] { return text_shown(22, 28, "SAVE"); }));

    // P refuses the grid with its open border; once closed, it is saved and played.
    game.tap(SDLK_p);
    EXPECT_TRUE(game.screen().shows_text(23, 0, "Border line 21, column 6 open", BRIGHT_WHITE, RED));
    EXPECT_FALSE(game.app().is_game_running());
    game.click_cell(21, 5);
    game.click_cell(23, 30);
    saved.str("");
    saved << std::ifstream(folder.path / "maze.txt", std::ios::binary).rdbuf();
    const std::string before = saved.str();
    game.tap(SDLK_p);
    ASSERT_TRUE(game.app().is_game_running());
    CurrentMaze& maze = game.app().get_maze();
    // 570 inner cells, less five walls, the player's start and four corners.
    EXPECT_EQ(maze.get_food_count(), 560);
    game.press(SDLK_RIGHT);
    ASSERT_TRUE(game.wait_for([&] { return game.score_shown() == "00040"; }));
    game.release(SDLK_RIGHT);
    EXPECT_EQ(maze.get_food_count(), 556);
    // A cleared level refills this grid, start cell included.
    game.app().refill_maze();
    EXPECT_EQ(maze.get_food_count(), 565);

    // X ends the trial: the editor is back with its grid and cursor, no best score kept.
    game.tap(SDLK_x);
    EXPECT_FALSE(game.app().is_game_running());
    EXPECT_EQ(game.app().get_best_score(), 0);
    EXPECT_TRUE(text_shown(23, 0, "line = 21  Column = 6"));
    EXPECT_TRUE(wall_shown(3, 3) && wall_shown(9, 22) && wall_shown(21, 5) && open_shown(11, 16));
    fs::remove(folder.path / "maze.txt");
    game.click_cell(22, 29);
    saved.str("");
    saved << std::ifstream(folder.path / "maze.txt", std::ios::binary).rdbuf();
    EXPECT_EQ(saved.str(), before);
}

} // namespace
