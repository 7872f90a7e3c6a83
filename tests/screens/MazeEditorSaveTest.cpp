#include "screens/MazeEditor.h"

#include "display/Window.h"
#include "support/AppHarness.h"
#include "support/TestSupport.h"

#include <SDL.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdlib.h>
#include <string>

namespace fs = std::filesystem;

namespace {

// Runs a test inside a fresh temporary directory, so no export lands in the build folder.
class TempWorkingDir {
public:
    TempWorkingDir()
    {
        std::error_code ec;
        old_ = fs::current_path(ec);
        char pattern[] = "/tmp/kworble_editor_XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            ADD_FAILURE() << "mkdtemp failed";
            return;
        }
        dir_ = pattern;
        fs::current_path(dir_, ec);
        EXPECT_FALSE(ec) << ec.message();
    }
    ~TempWorkingDir()
    {
        std::error_code ec;
        fs::current_path(old_, ec);
        if (!dir_.empty()) {
            fs::remove_all(dir_, ec);
        }
    }

private:
    fs::path old_;
    fs::path dir_;
};

std::string read_file(const char* name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

int px(int column) { return column * glyph_size + glyph_size / 2; }
int py(int line) { return line * glyph_size + glyph_size / 2; }

class MazeEditorSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0);
        saved_glyph_size = glyph_size;
        glyph_size = 16;
    }
    void TearDown() override
    {
        glyph_size = saved_glyph_size;
        SDL_QuitSubSystem(SDL_INIT_TIMER);
    }
    int saved_glyph_size = 0;
};

TEST_F(MazeEditorSaveTest, OnlyTheSaveFieldSavesAndEachSaveOverwrites)
{
    TempWorkingDir temp;
    MazeEditor editor;

    // Line 21 is the grid's bottom line: the click toggles, it does not save.
    EXPECT_TRUE(editor.mouse_down(px(28), py(21)));
    EXPECT_EQ(editor.cell(20, 28), ' ');
    EXPECT_FALSE(fs::exists("maze.txt"));
    // Left of the field only the cursor moves.
    std::string before = editor.export_text();
    EXPECT_TRUE(editor.mouse_down(px(27), py(22)));
    EXPECT_EQ(editor.get_cursor_line(), 21);
    EXPECT_EQ(editor.get_cursor_column(), 27);
    EXPECT_EQ(editor.export_text(), before);
    EXPECT_FALSE(fs::exists("maze.txt"));
    EXPECT_EQ(editor.get_save_countdown(), 0);

    EXPECT_TRUE(editor.mouse_down(px(28), py(22)));
    EXPECT_EQ(editor.get_save_countdown(), 6);
    EXPECT_EQ(editor.get_cursor_line(), 21);
    EXPECT_EQ(editor.get_cursor_column(), 28);
    EXPECT_EQ(editor.export_text(), before);
    EXPECT_EQ(read_file("maze.txt"), before);

    // A later save of a changed grid replaces the file.
    EXPECT_TRUE(editor.mouse_down(px(1), py(2)));
    fs::remove("maze.txt");
    EXPECT_TRUE(editor.mouse_down(px(31), py(23)));
    EXPECT_EQ(editor.get_save_countdown(), 6);
    std::string changed = read_file("maze.txt");
    EXPECT_EQ(changed, editor.export_text());
    EXPECT_NE(changed, before);
    EXPECT_NE(changed.find("\t\"##" + std::string(29, ' ') + "#\",\n"), std::string::npos);
    EXPECT_TRUE(editor.save());
    EXPECT_EQ(read_file("maze.txt"), changed);
}

TEST_F(MazeEditorSaveTest, AnExportThatCannotBeWrittenIsReportedAndNotHighlighted)
{
    TempWorkingDir temp;
    MazeEditor editor;
    editor.mouse_down(px(3), py(3));
    fs::create_directory("maze.txt");
    std::string grid = editor.export_text();

    testing::internal::CaptureStdout();
    EXPECT_TRUE(editor.mouse_down(px(29), py(22)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not save maze.txt: Is a directory\n");
    EXPECT_EQ(editor.get_save_countdown(), 0);
    EXPECT_EQ(editor.export_text(), grid);
    EXPECT_EQ(editor.get_cursor_line(), 21);
    EXPECT_EQ(editor.get_cursor_column(), 29);
    EXPECT_TRUE(fs::is_directory("maze.txt"));

    // A failure straight after a good save must not leave the old highlight on.
    fs::remove("maze.txt");
    EXPECT_TRUE(editor.mouse_down(px(29), py(23)));
    EXPECT_EQ(editor.get_save_countdown(), 6);
    fs::remove("maze.txt");
    fs::create_directory("maze.txt");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(editor.save());
    EXPECT_TRUE(editor.mouse_down(px(29), py(23)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Could not save maze.txt: Is a directory\nCould not save maze.txt: Is a directory\n");
    EXPECT_EQ(editor.get_save_countdown(), 0);
}

// The editor as the running game shows it: F2 opens it, the cursor blinks and a
// click on SAVE lights the field for six blinks.
TEST(MazeEditorScreen, BlinkingCursorAndSaveHighlightOnScreen)
{
    AppHarness harness;
    push_key(SDLK_F2, true);
    harness.frame();
    auto* editor = dynamic_cast<MazeEditor*>(harness.app().get_current_state());
    ASSERT_NE(editor, nullptr);

    EXPECT_TRUE(harness.run_until([&] { return harness.cell_shows(1, 0, 32, WHITE, MAGENTA); }, 3000));
    EXPECT_TRUE(harness.cell_shows(2, 1, 130, BLACK, WHITE));
    EXPECT_TRUE(harness.cell_shows(2, 31, 32, WHITE, BLACK));
    EXPECT_TRUE(harness.run_until([&] { return harness.cell_shows(1, 0, 32, WHITE, BLACK); }, 3000));
    EXPECT_TRUE(harness.cell_shows(22, 28, 'S', BLACK, WHITE));
    EXPECT_TRUE(harness.cell_shows(23, 0, 'l', BLACK, WHITE));

    {
        // The game reads its assets from the build folder; only the save runs elsewhere.
        TempWorkingDir temp;
        push_mouse_button(game_offset_x + px(30), game_offset_y + py(23), true);
        push_mouse_button(game_offset_x + px(30), game_offset_y + py(23), false);
        harness.frame();
        EXPECT_TRUE(fs::exists("maze.txt"));
    }
    ASSERT_EQ(harness.app().get_current_state(), editor);
    // The same frame's update may already have taken one blink off.
    EXPECT_GE(editor->get_save_countdown(), 5);
    EXPECT_TRUE(harness.cell_shows(22, 28, 'S', BLACK, BRIGHT_GREEN));
    EXPECT_TRUE(harness.cell_shows(23, 31, 'E', BLACK, BRIGHT_GREEN));
    // "line = 23  Column = 31": the cursor sits on the field, below the grid.
    EXPECT_TRUE(harness.cell_shows(23, 7, '2', BLACK, WHITE));
    EXPECT_TRUE(harness.cell_shows(23, 8, '3', BLACK, WHITE));

    EXPECT_TRUE(harness.run_until([&] { return editor->get_save_countdown() == 0; }, 5000));
    EXPECT_TRUE(harness.cell_shows(22, 28, 'S', BLACK, WHITE));
}

} // namespace
