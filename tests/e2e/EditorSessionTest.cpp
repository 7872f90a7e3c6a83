// The maze editor as a designer uses it: keys that wrap round the grid, clicks and drags, the SAVE field that writes
// maze.txt into the working folder, P that plays the grid, and a game left running behind the editor.
#include "screens/SpecialStates.h"
#include "support/TestApp.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A private working folder with copies of the game's files, so the saved maze lands there and not in the build folder.
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
    ~ScratchFolder() { fs::current_path(previous), fs::remove_all(path); }
    fs::path path = fs::temp_directory_path() / ("kworble-e2e-editor-" + std::to_string(getpid()));
    fs::path previous = fs::current_path();
};

class EditorSessionTest : public ::testing::Test {
protected:
    // The cursor cell blinks magenta; any other wall is a black block, any open cell a dot.
    bool shown(int line, int column, bool wall)
    {
        ScreenReader& s = game.screen();
        return wall ? s.shows(line, column, ' ', WHITE, BLACK) || s.shows(line, column, ' ', WHITE, MAGENTA)
                    : s.shows(line, column, 130, BLACK, WHITE) || s.shows(line, column, 130, MAGENTA, WHITE);
    }
    bool text_shown(int line, int column, const char* text, simple_colour_t paper = WHITE)
    {
        return game.screen().shows_text(line, column, text, BLACK, paper);
    }
    std::string saved()
    {
        std::ostringstream text;
        text << std::ifstream(folder.path / "maze.txt", std::ios::binary).rdbuf();
        return text.str();
    }

    ScratchFolder folder; // first in, last out: the game lives inside it
    TestApp game;
    void SetUp() override { game.compare_every_frame(); }
};

TEST_F(EditorSessionTest, DrawsWithKeysClicksAndDragsSavesThenPlaysTheGridAndComesBack)
{
    game.frame();
    game.tap(SDLK_F2);
    EXPECT_TRUE(text_shown(22, 0, "WASD+Space") && text_shown(23, 0, "line = 1  Column = 1"));
    // W on the top line and A in the first column go round to the far edges.
    game.tap(SDLK_w);
    game.tap(SDLK_a);
    EXPECT_TRUE(text_shown(23, 0, "line = 21  Column = 32"));
    // Cursor keys to grid (2, 3), space raises a wall there, D moves on.
    for (SDL_Keycode key : {SDLK_s, SDLK_d, SDLK_DOWN, SDLK_DOWN, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_SPACE}) {
        game.tap(key);
    }
    EXPECT_TRUE(text_shown(23, 0, "line = 3  Column = 4 ")) << "the longer text before left its tail";
    game.tap(SDLK_d);
    // A click on an open cell raises a wall and the drag from it walls more; a click on the border opens it and the
    // drag from it opens more.
    game.mouse_at_cell(8, 20, true);
    game.drag_to_cell(8, 21);
    game.drag_to_cell(8, 22);
    game.drag_to_cell(9, 22);
    game.mouse_at_cell(9, 22, false);
    game.click_cell(22, 27);
    EXPECT_FALSE(fs::exists(folder.path / "maze.txt")) << "saved left of SAVE";
    game.mouse_at_cell(21, 10, true);
    game.drag_to_cell(21, 11);
    game.drag_to_cell(21, 12);
    game.mouse_at_cell(21, 12, false);

    // A click on SAVE takes the cursor off the grid, so space there toggles nothing; the grid is written and SAVE
    // lights up.
    game.click_cell(23, 30);
    EXPECT_TRUE(text_shown(23, 0, "line = 23  Column = 31"));
    game.tap(SDLK_SPACE);
    EXPECT_TRUE(text_shown(22, 28, "SAVE", BRIGHT_GREEN) && text_shown(23, 28, "SAVE", BRIGHT_GREEN));
    std::vector<std::string> grid(21, "#" + std::string(30, ' ') + "#");
    grid.front() = grid.back() = std::string(32, '#');
    grid[2][3] = grid[7][20] = grid[7][21] = grid[7][22] = grid[8][22] = '#';
    grid[20].replace(10, 3, "   ");
    for (int line = 1; line <= 21; ++line) {
        for (int column = 0; column < 32; ++column) {
            EXPECT_TRUE(shown(line, column, grid[line - 1][column] == '#')) << line << "," << column;
        }
    }
    auto export_of = [](const std::vector<std::string>& lines) {
        std::string text = "const char* maze[] =\n{\n";
        for (const std::string& line : lines) {
            text += "\t\"" + line + "\",\n";
        }
        return text + "\t0,\n};\n";
    };
    EXPECT_EQ(saved(), export_of(grid));
    // The highlight fades after six blinks of the cursor.
    ASSERT_TRUE(game.wait_for([&] { return text_shown(22, 28, "SAVE"); }));

    // A save that cannot be written says why and leaves the light out.
    fs::remove(folder.path / "maze.txt");
    fs::create_directory(folder.path / "maze.txt");
    testing::internal::CaptureStdout();
    game.click_cell(22, 31);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not save maze.txt: Is a directory\n");
    EXPECT_TRUE(text_shown(22, 28, "SAVE") && text_shown(23, 28, "SAVE"));
    fs::remove(folder.path / "maze.txt");

    // The border closed again, P plays the grid: no maze letter of its own.
    for (int column : {10, 11, 12}) {
        game.click_cell(21, column);
    }
    grid[20] = grid[0];
    game.tap(SDLK_p);
    ASSERT_TRUE(game.app().is_game_running());
    EXPECT_TRUE(game.screen().shows(1, 5, '-', BLACK, BRIGHT_WHITE));
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
    EXPECT_TRUE(text_shown(23, 0, "line = 21  Column = 13"));
    game.click_cell(22, 29);
    EXPECT_EQ(saved(), export_of(grid));
}

// P plays only a grid the game can run, and otherwise says why until the next key. A drag carried into a fresh editor
// paints '+': open, but without food.
TEST_F(EditorSessionTest, PlayRefusesAGridItCannotRunAndSaysWhy)
{
    struct Case {
        std::vector<std::pair<int, int>> clicks;
        const char* problem;
    };
    const Case cases[] = {
        {{{21, 10}, {21, 20}}, "Border line 21, column 11 open"},
        {{{11, 16}}, "Start line 11, column 17 walled"},
        {{{20, 30}}, "Corner line 20, column 31 walled"},
        {{{2, 4}, {2, 6}, {3, 5}}, "No way to line 2, column 6"},
    };
    game.frame();
    for (const Case& c : cases) {
        game.tap(SDLK_F2);
        game.drag_to_cell(2, 5);
        for (auto [line, column] : c.clicks) {
            game.click_cell(line, column);
        }
        game.tap(SDLK_p);
        EXPECT_TRUE(game.screen().shows_text(23, 0, c.problem, BRIGHT_WHITE, RED)) << c.problem;
        EXPECT_FALSE(game.app().is_game_running());
        game.tap(SDLK_s);
        EXPECT_TRUE(text_shown(23, 0, "line = ")) << c.problem;
    }
    game.tap(SDLK_F2);
    game.drag_to_cell(2, 5);
    game.tap(SDLK_p);
    ASSERT_TRUE(game.app().is_game_running());
    // 570 inner cells, less the '+', the player's start and four corners.
    EXPECT_EQ(game.app().get_maze().get_food_count(), 564);
}

// A game left running behind the editor waits there at the fastest tempo and grade, for longer than nine catches with
// their sound would take: nothing steps, so nothing unseen can end it and take the drawing with it. X does.
TEST_F(EditorSessionTest, AGameBehindTheEditorStandsStillUntilXEndsIt)
{
    GameApplication& app = game.app();
    while (app.get_tempo() < 9 || app.get_grade() < 9) {
        app.change_tempo(), app.change_grade();
    }
    app.change_game_state(new NullSpecialState(), false);
    app.start_game(false);
    game.press(SDLK_RIGHT);
    game.tap(SDLK_F2);
    game.tap(SDLK_SPACE);
    const Player& player = app.get_player();
    auto positions = [&] {
        std::vector<int> at{player.line(), player.column(), player.get_score(), player.get_lives()};
        for (int k = 0; k < MonsterManager::COUNT; ++k) {
            at.insert(at.end(), {app.get_monsters().monster(k).line(), app.get_monsters().monster(k).column()});
        }
        return at;
    };
    const std::vector<int> before = positions();
    EXPECT_FALSE(game.wait_for([&] { return positions() != before || !shown(1, 0, false); }, 9 * 500));
    EXPECT_TRUE(app.is_game_running());
    game.tap(SDLK_x);
    EXPECT_TRUE(game.game_over_shown());
}

} // namespace
