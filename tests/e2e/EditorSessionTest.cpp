// The maze editor as a designer uses it: keys, a click, a drag, and the
// SAVE field, which writes maze.txt into the working folder.
#include "GameSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A private working folder holding copies of the assets; the game runs in
// it, so the saved maze lands there and not in the build folder.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const char* build = getenv("KWORBLE_BUILD_DIR");
        const fs::path assets = build ? fs::path(build) : fs::current_path();
        path = fs::temp_directory_path() / ("kworble-e2e-editor-" + std::to_string(getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
        for (const char* asset : {"Spectrum.bmp", "BX_title_screen.bmp", "kworble_refurnished1.bmp",
                                  "kworble_refurnished2.bmp", "KworbleCover.bmp", "BX_title1.bmp",
                                  "BX_title2.bmp", "Explosion_Crunch.wav"}) {
            fs::copy_file(assets / asset, path / asset);
        }
        previous = fs::current_path();
        fs::current_path(path);
    }
    ~ScratchFolder()
    {
        fs::current_path(previous);
        fs::remove_all(path);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    fs::path path;

private:
    fs::path previous;
};

class EditorSessionTest : public ::testing::Test {
protected:
    bool wall_shown(int line, int column)
    {
        // The cursor cell blinks magenta; any other wall is a black block.
        return session.screen().shows(line, column, ' ', WHITE, BLACK) ||
               session.screen().shows(line, column, ' ', WHITE, MAGENTA);
    }
    bool open_shown(int line, int column)
    {
        return session.screen().shows(line, column, 130, BLACK, WHITE) ||
               session.screen().shows(line, column, 130, MAGENTA, WHITE);
    }

    ScratchFolder folder; // first in, last out: the game lives inside it
    GameSession session;
};

std::string expected_export(const std::vector<std::string>& grid)
{
    std::string text = "const char* maze[] =\n{\n";
    for (const std::string& line : grid) {
        text.append("\t\"").append(line).append("\",\n");
    }
    text.append("\t0,\n};\n");
    return text;
}

TEST_F(EditorSessionTest, DrawsWallsWithKeysClicksAndDragsThenSavesThem)
{
    session.frame();
    session.tap(SDLK_F2);

    // A fresh bordered grid on lines 1 to 21 with the help and position lines.
    EXPECT_TRUE(wall_shown(1, 0));
    EXPECT_TRUE(wall_shown(1, 31));
    EXPECT_TRUE(wall_shown(21, 0));
    EXPECT_TRUE(wall_shown(21, 31));
    EXPECT_TRUE(wall_shown(11, 0));
    EXPECT_TRUE(open_shown(2, 1));
    EXPECT_TRUE(open_shown(11, 15));
    EXPECT_TRUE(open_shown(20, 30));
    EXPECT_TRUE(session.screen().shows_text(22, 0, "WASD+Space", BLACK, WHITE));
    EXPECT_TRUE(session.screen().shows_text(23, 0, "line = 1  Column = 1", BLACK, WHITE));
    EXPECT_TRUE(session.screen().shows_text(22, 28, "SAVE", BLACK, WHITE));

    // Cursor keys to grid (2, 3), space raises a wall there.
    session.tap(SDLK_DOWN);
    session.tap(SDLK_DOWN);
    session.tap(SDLK_RIGHT);
    session.tap(SDLK_RIGHT);
    session.tap(SDLK_RIGHT);
    EXPECT_TRUE(session.screen().shows_text(23, 0, "line = 3  Column = 4", BLACK, WHITE));
    EXPECT_TRUE(open_shown(3, 3));
    session.tap(SDLK_SPACE);
    session.tap(SDLK_d);
    EXPECT_TRUE(wall_shown(3, 3));
    EXPECT_TRUE(open_shown(3, 4)) << "the cursor moved on without drawing";

    // A click raises another wall; dragging on paints walls.
    session.mouse_down_at_cell(8, 20);
    EXPECT_TRUE(wall_shown(8, 20));
    session.drag_to_cell(8, 21);
    session.drag_to_cell(8, 22);
    session.drag_to_cell(9, 22);
    session.mouse_up_at_cell(9, 22);
    EXPECT_TRUE(wall_shown(8, 21));
    EXPECT_TRUE(wall_shown(8, 22));
    EXPECT_TRUE(wall_shown(9, 22));
    EXPECT_TRUE(session.screen().shows_text(23, 0, "line = 9  Column = 23", BLACK, WHITE));

    // A click on a border wall opens it.
    session.click_cell(21, 5);
    EXPECT_TRUE(open_shown(21, 5));

    ASSERT_FALSE(fs::exists(folder.path / "maze.txt"));
    session.click_cell(22, 29);
    EXPECT_TRUE(session.screen().shows_text(22, 28, "SAVE", BLACK, BRIGHT_GREEN));
    EXPECT_TRUE(session.screen().shows_text(23, 28, "SAVE", BLACK, BRIGHT_GREEN));

    std::string open_line(32, ' ');
    open_line.front() = '#';
    open_line.back() = '#';
    std::vector<std::string> grid(21, open_line);
    grid.front() = std::string(32, '#');
    grid.back() = std::string(32, '#');
    grid[2][3] = '#';
    grid[7][20] = '#';
    grid[7][21] = '#';
    grid[7][22] = '#';
    grid[8][22] = '#';
    grid[20][5] = ' ';
    std::ifstream saved(folder.path / "maze.txt", std::ios::binary);
    ASSERT_TRUE(saved.is_open()) << "no maze.txt in the working folder";
    std::stringstream content;
    content << saved.rdbuf();
    EXPECT_EQ(content.str(), expected_export(grid));

    // The highlight fades after six blinks of the cursor.
    ASSERT_TRUE(session.wait_for([&] { return session.screen().shows_text(22, 28, "SAVE", BLACK, WHITE); }));
}

} // namespace
