#include "screens/MazeEditor.h"

#include "display/Window.h"
#include "world/CurrentMaze.h"

#include <SDL.h>
#include <algorithm>
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int CELL = 16;

// Game pixel inside the given screen cell, away from its corner.
int px(int column) { return column * CELL + CELL / 2; }
int py(int line) { return line * CELL + CELL / 2; }

std::string quoted_line(const std::string& cells) { return "\t\"" + cells + "\",\n"; }

std::string bordered_export()
{
    std::string wall(32, '#');
    std::string text = "const char* maze[] =\n{\n" + quoted_line(wall);
    for (int line = 1; line < 20; ++line) {
        text += quoted_line("#" + std::string(30, ' ') + "#");
    }
    return text + quoted_line(wall) + "\t0,\n};\n";
}

// The quoted lines of an export, as a maze text the game can load.
std::vector<std::string> parse_maze_text(const std::string& text)
{
    std::vector<std::string> lines;
    size_t pos = 0;
    while ((pos = text.find("\t\"", pos)) != std::string::npos) {
        size_t end = text.find("\",\n", pos + 2);
        lines.push_back(text.substr(pos + 2, end - pos - 2));
        pos = end;
    }
    return lines;
}

class MazeEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0);
        glyph_size = CELL;
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_TIMER); }
};

TEST_F(MazeEditorTest, NewGridExportsTheEmptyBorderedMaze)
{
    MazeEditor editor;
    std::string text = editor.export_text();
    EXPECT_EQ(text, bordered_export());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25);
    EXPECT_EQ(editor.get_cursor_line(), 0);
    EXPECT_EQ(editor.get_cursor_column(), 0);
    EXPECT_EQ(editor.get_save_countdown(), 0);
}

TEST_F(MazeEditorTest, KeysMoveTheCursorWithWrapAndSpaceToggles)
{
    MazeEditor editor;
    EXPECT_TRUE(editor.key_down(key_down_event(SDLK_w)));
    EXPECT_EQ(editor.get_cursor_line(), 20);
    EXPECT_TRUE(editor.key_down(key_down_event(SDLK_DOWN)));
    EXPECT_EQ(editor.get_cursor_line(), 0);
    EXPECT_TRUE(editor.key_down(key_down_event(SDLK_a)));
    EXPECT_EQ(editor.get_cursor_column(), 31);
    EXPECT_TRUE(editor.key_down(key_down_event(SDLK_d)));
    EXPECT_EQ(editor.get_cursor_column(), 0);
    for (SDL_Keycode sym : {SDLK_RIGHT, SDLK_s, SDLK_UP, SDLK_s, SDLK_LEFT, SDLK_RIGHT}) {
        EXPECT_TRUE(editor.key_down(key_down_event(sym)));
    }
    EXPECT_EQ(editor.get_cursor_line(), 1);
    EXPECT_EQ(editor.get_cursor_column(), 1);

    EXPECT_TRUE(editor.key_down(key_down_event(SDLK_SPACE)));
    EXPECT_EQ(editor.cell(1, 1), '#');
    EXPECT_TRUE(editor.key_down(key_down_event(SDLK_SPACE)));
    EXPECT_EQ(editor.cell(1, 1), ' ');

    // Keys the editor does not use go on to the game's own handling.
    for (SDL_Keycode sym : {SDLK_x, SDLK_ESCAPE, SDLK_RETURN}) {
        EXPECT_FALSE(editor.key_down(key_down_event(sym)));
    }
    EXPECT_EQ(editor.get_cursor_line(), 1);
    EXPECT_EQ(editor.get_cursor_column(), 1);
}

TEST_F(MazeEditorTest, ClicksToggleAndDragsPaintWithTheLastToggle)
{
    MazeEditor editor;
    // Before any toggle a drag writes '+', which space then opens.
    EXPECT_TRUE(editor.mouse_down_moved(px(3), py(4)));
    EXPECT_TRUE(editor.mouse_down_moved(px(4), py(4)));
    EXPECT_EQ(editor.cell(3, 3), '+');
    EXPECT_EQ(editor.cell(3, 4), '+');
    EXPECT_TRUE(editor.key_down(key_down_event(SDLK_SPACE)));
    EXPECT_EQ(editor.cell(3, 4), ' ');

    // Screen line 3 is grid line 2.
    EXPECT_TRUE(editor.mouse_down(px(5), py(3)));
    EXPECT_EQ(editor.get_cursor_line(), 2);
    EXPECT_EQ(editor.get_cursor_column(), 5);
    EXPECT_EQ(editor.cell(2, 5), '#');

    // Moving within the same cell paints nothing new.
    EXPECT_TRUE(editor.mouse_down_moved(px(5) + 3, py(3) - 2));
    EXPECT_TRUE(editor.mouse_down_moved(px(6), py(3)));
    EXPECT_TRUE(editor.mouse_down_moved(px(7), py(3)));
    EXPECT_EQ(editor.cell(2, 6), '#');
    EXPECT_EQ(editor.cell(2, 7), '#');
    EXPECT_EQ(editor.get_cursor_column(), 7);

    // A click on a wall makes the drag paint open cells.
    EXPECT_TRUE(editor.mouse_down(px(0), py(5)));
    EXPECT_EQ(editor.cell(4, 0), ' ');
    EXPECT_TRUE(editor.mouse_down_moved(px(0), py(6)));
    EXPECT_EQ(editor.cell(5, 0), ' ');

    // Clicking the banner line puts the cursor above the grid and toggles nothing.
    std::string before = editor.export_text();
    EXPECT_TRUE(editor.mouse_down(px(10), py(0)));
    EXPECT_EQ(editor.get_cursor_line(), -1);
    EXPECT_EQ(editor.get_cursor_column(), 10);
    EXPECT_EQ(editor.export_text(), before);
    EXPECT_TRUE(editor.key_down(key_down_event(SDLK_SPACE)));
    EXPECT_EQ(editor.export_text(), before);
    EXPECT_TRUE(editor.mouse_down_moved(px(11), py(0)));
    EXPECT_EQ(editor.export_text(), before);
    // Entering the grid paints the last toggle's value.
    EXPECT_TRUE(editor.mouse_down_moved(px(11), py(1)));
    EXPECT_EQ(editor.cell(0, 11), ' ');
    EXPECT_EQ(editor.get_cursor_line(), 0);
}

TEST_F(MazeEditorTest, EditedExportLoadsAsAMazeWithTheSameWallsAndFood)
{
    MazeEditor editor;
    // A '+' cell (dragged before any toggle), two short walls and an opening in the border.
    editor.mouse_down_moved(px(10), py(15));
    editor.mouse_down(px(4), py(6));
    editor.mouse_down_moved(px(5), py(6));
    editor.mouse_down_moved(px(6), py(6));
    editor.mouse_down(px(20), py(3));
    editor.mouse_down_moved(px(20), py(4));
    editor.mouse_down_moved(px(20), py(5));
    editor.mouse_down(px(31), py(11));

    std::string text = editor.export_text();
    std::string expected = bordered_export();
    auto replace_line = [&expected](int line, const std::string& cells) {
        size_t pos = 0;
        for (int i = 0; i <= line; ++i) {
            pos = expected.find("\t\"", pos) + 2;
        }
        expected.replace(pos, 32, cells);
    };
    // Built by appending: GCC 12 warns falsely on "literal" + std::string.
    auto row = [](std::initializer_list<std::string> parts) {
        std::string cells;
        for (const std::string& part : parts) {
            cells.append(part);
        }
        return cells;
    };
    const std::string walled = row({"#", std::string(19, ' '), "#", std::string(10, ' '), "#"});
    replace_line(2, walled);
    replace_line(3, walled);
    replace_line(4, walled);
    replace_line(5, row({"#   ###", std::string(24, ' '), "#"}));
    replace_line(10, row({"#", std::string(31, ' ')}));
    replace_line(14, row({"#", std::string(9, ' '), "+", std::string(20, ' '), "#"}));
    EXPECT_EQ(text, expected);

    std::vector<std::string> lines = parse_maze_text(text);
    ASSERT_EQ(lines.size(), 21u);
    std::vector<const char*> maze_text;
    for (const std::string& line : lines) {
        maze_text.push_back(line.c_str());
    }
    maze_text.push_back(nullptr);
    CurrentMaze maze;
    maze.setup_from_text(maze_text.data(), BRIGHT_BLUE, BRIGHT_CYAN, BRIGHT_MAGENTA);
    EXPECT_EQ(maze.get_max_line(), 20);
    EXPECT_EQ(maze.get_max_column(), 31);
    int open = 0;
    for (int line = 0; line < MazeEditor::LINES; ++line) {
        for (int column = 0; column < MazeEditor::COLUMNS; ++column) {
            char c = editor.cell(line, column);
            open += c == ' ' ? 1 : 0;
            EXPECT_EQ(maze.is_wall(line, column), c == '#') << line << "," << column;
            EXPECT_EQ(maze.is_apple(line, column), c == ' ') << line << "," << column;
        }
    }
    EXPECT_EQ(maze.get_food_count(), open);
    EXPECT_EQ(open, 30 * 19 - 6 - 1 + 1);
}

} // namespace
