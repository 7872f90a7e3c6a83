// The maze editor behind F2: cursor keys that wrap round the grid, a click and
// a drag that open the border, the saved maze.txt, and a save that fails.
#include "support/TestApp.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A folder of its own that is the working folder only while a click saves:
// the game reads its assets from the build folder.
class SaveFolder {
public:
    SaveFolder() : path(fs::temp_directory_path() / ("kworble-screens-" + std::to_string(getpid())))
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~SaveFolder() { fs::remove_all(path); }
    void click(TestApp& game, int line, int column)
    {
        const fs::path home = fs::current_path();
        fs::current_path(path);
        game.click_cell(line, column);
        fs::current_path(home);
    }
    std::string saved() const
    {
        std::stringstream text;
        text << std::ifstream(path / "maze.txt", std::ios::binary).rdbuf();
        return text.str();
    }
    const fs::path path;
};

TEST(EditorTest, WrappingKeysAndADragOpenTheBorderAndTheSaveHoldsEveryLine)
{
    SaveFolder folder;
    TestApp game;
    ScreenReader& screen = game.screen();
    // A wall is a black block, an open cell food on white; the cursor's cell blinks magenta.
    auto shown = [&](int line, int column, bool wall) {
        return wall ? screen.shows(line, column, ' ', WHITE, BLACK) || screen.shows(line, column, ' ', WHITE, MAGENTA)
                    : screen.shows(line, column, 130, BLACK, WHITE) || screen.shows(line, column, 130, MAGENTA, WHITE);
    };
    auto text = [&](int line, int column, const std::string& words, simple_colour_t paper = WHITE) {
        return screen.shows_text(line, column, words, BLACK, paper);
    };
    game.frame();
    game.tap(SDLK_F2);
    // W on the top line and A in the first column go round to the far edges.
    game.tap(SDLK_w);
    game.tap(SDLK_a);
    EXPECT_TRUE(text(23, 0, "line = 21  Column = 32"));
    game.tap(SDLK_SPACE);
    EXPECT_TRUE(shown(21, 31, false));
    game.tap(SDLK_s);
    game.tap(SDLK_d);
    EXPECT_TRUE(text(23, 0, "line = 1  Column = 1 "));

    // A click opens a border wall, and the drag from it opens more.
    game.mouse_down_at_cell(21, 10);
    game.drag_to_cell(21, 11);
    game.drag_to_cell(21, 12);
    game.mouse_up_at_cell(21, 12);
    // A click on an open cell raises a wall, and the drag from it walls more.
    game.mouse_down_at_cell(5, 5);
    game.drag_to_cell(6, 5);
    game.mouse_up_at_cell(6, 5);
    std::vector<std::string> grid(21, std::string(32, '#'));
    for (int line = 1; line < 20; ++line) {
        grid[line].replace(1, 30, 30, ' ');
    }
    grid[20].replace(10, 3, "   ");
    grid[20][31] = ' ';
    grid[4][5] = grid[5][5] = '#';
    for (int line = 1; line <= 21; ++line) {
        for (int column = 0; column < 32; ++column) {
            EXPECT_TRUE(shown(line, column, grid[line - 1][column] == '#')) << line << "," << column;
        }
    }

    // Left of SAVE nothing is saved; SAVE writes the grid and lights up.
    folder.click(game, 22, 27);
    EXPECT_FALSE(fs::exists(folder.path / "maze.txt"));
    folder.click(game, 23, 30);
    EXPECT_TRUE(text(22, 28, "SAVE", BRIGHT_GREEN) && text(23, 28, "SAVE", BRIGHT_GREEN));
    std::string expected = "const char* maze[] =\n{\n";
    for (const std::string& line : grid) {
        expected.append("\t\"").append(line).append("\",\n");
    }
    EXPECT_EQ(folder.saved(), expected + "\t0,\n};\n");

    // A save that cannot be written says why and puts the light out at once.
    fs::remove(folder.path / "maze.txt");
    fs::create_directory(folder.path / "maze.txt");
    testing::internal::CaptureStdout();
    folder.click(game, 22, 31);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not save maze.txt: Is a directory\n");
    EXPECT_TRUE(text(22, 28, "SAVE") && text(23, 28, "SAVE"));
}

// P plays only a grid the game can run, and otherwise says why until the next
// key. A drag carried into a fresh editor paints '+': open, but without food.
TEST(EditorTest, PlayRefusesAGridItCannotRunAndSaysWhy)
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
    TestApp game;
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
        EXPECT_TRUE(game.screen().shows_text(23, 0, "line = ", BLACK, WHITE)) << c.problem;
    }
    game.tap(SDLK_F2);
    game.drag_to_cell(2, 5);
    game.tap(SDLK_p);
    ASSERT_TRUE(game.app().is_game_running());
    // 570 inner cells, less the '+', the player's start and four corners.
    EXPECT_EQ(game.app().get_maze().get_food_count(), 564);
}

} // namespace
