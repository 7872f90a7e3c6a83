// The menu between games: letters and click areas change the maze, tempo and grade with a blip, round from the last
// value to the first; I opens the text pages and D hands the chosen settings to the computer player.
#include "ScreensTest.h"

#include "display/Window.h"
#include "screens/MazeEditor.h"

namespace {

TEST(MenuTest, LettersAndClickAreasChangeTheSettingsRoundAndRound)
{
    TestApp game;
    ASSERT_TRUE(game.open_menu());
    for (int i = 0; i < 13; ++i) {
        game.app().change_maze(); // to N: three commands before the wrap
    }
    // A key, or with no key a click on a cell of the panel or the field labels (the first cells of TEMPO and GRADE
    // touch the field before them); the maze, the S line and S itself do nothing, with no blip.
    const struct {
        SDL_Keycode key;
        Uint16 mod;
        int line;
        int column;
        const char* shown;
        bool blip = true;
    } commands[] = {
        {SDLK_t, KMOD_NONE, 0, 0, "N65"},     {0, KMOD_NONE, 6, 25, "N75"},
        {0, KMOD_NONE, 1, 7, "N85"},          {SDLK_t, KMOD_LSHIFT, 0, 0, "N95"},
        {SDLK_t, KMOD_NONE, 0, 0, "N15"},     {SDLK_g, KMOD_NONE, 0, 0, "N16"},
        {0, KMOD_NONE, 8, 25, "N17"},         {0, KMOD_NONE, 1, 15, "N18"},
        {SDLK_g, KMOD_NONE, 0, 0, "N19"},     {SDLK_g, KMOD_NONE, 0, 0, "N11"},
        {SDLK_m, KMOD_NONE, 0, 0, "O11"},     {0, KMOD_NONE, 4, 25, "P11"},
        {0, KMOD_NONE, 1, 3, "A11"},          {0, KMOD_NONE, 12, 10, "A11", false},
        {0, KMOD_NONE, 18, 25, "A11", false}, {SDLK_s, KMOD_NONE, 0, 0, "A11", false},
    };
    const auto maze_picture = [&] { // with the panel, still while the menu waits
        int w = 0, h = 0;
        const std::vector<Uint32> shown = game.read_window(w, h);
        return std::vector<Uint32>(shown.begin() + 4 * glyph_size * w, shown.begin() + 20 * glyph_size * w);
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(::testing::Message() << command.key << " " << command.line << "," << command.column);
        const std::vector<Uint32> maze = maze_picture();
        const char letter = game.maze_letter_shown();
        auto act = [&] {
            command.key != 0 ? game.tap(command.key, command.mod) : game.click_cell(command.line, command.column);
        };
        EXPECT_EQ(starts_sound(game, SOUND_MENU_BLIP, act, command.blip ? 1500 : 300), command.blip) << "the blip";
        ASSERT_TRUE(game.wait_for([&] { return game.menu_idle(); }));
        EXPECT_EQ(game.settings_shown(), command.shown);
        EXPECT_EQ(maze_picture() != maze, letter != command.shown[0]) << "the maze shown and its letter differ";
    }

    // A letter while another command animates is lost.
    game.tap(SDLK_t);
    game.tap(SDLK_g);
    ASSERT_TRUE(game.wait_for([&] { return game.menu_idle(); }));
    EXPECT_EQ(game.settings_shown(), "A21");

    // The Demo line: the computer plays with the settings chosen.
    game.click_cell(14, 25);
    ASSERT_TRUE(game.wait_for([&] { return game.key_legend_shown(); }));
    ASSERT_TRUE(game.wait_for([&] { return !game.menu_panel_shown() && game.scored(); })) << "the demo never scored";
    EXPECT_TRUE(game.app().is_demo_mode());
    EXPECT_EQ(game.settings_shown(), "A21");
}

TEST(MenuTest, InstructionsOpenFramedInTheWallColourAndClicksLeadBack)
{
    TestApp game;
    ASSERT_TRUE(game.open_menu());
    const simple_colour_t wall = game.app().get_maze().maze_fg();
    ASSERT_NE(wall, BLUE) << "the frame would look like the title's pages";
    const std::string bar(32, ' ');

    game.tap(SDLK_i);
    ASSERT_TRUE(game.wait_for([&] {
        return game.instructions_page_shown(1) && game.screen().shows_text(2, 0, bar, wall, wall) &&
               game.screen().shows_text(22, 0, bar, wall, wall);
    })) << "page 1 framed in the wall colour";

    // A click every frame: those during a page's reveal are lost, the next turns it. The next page is revealed over the
    // last: line 20, still unrevealed as page 2 shows, holds what it held on page 1.
    const auto line_20 = [&] {
        int w = 0, h = 0;
        const std::vector<Uint32> pixels = game.read_window(w, h);
        return std::vector<Uint32>(pixels.begin() + (game_offset_y + 20 * glyph_size) * w,
                                   pixels.begin() + (game_offset_y + 21 * glyph_size) * w);
    };
    std::vector<Uint32> page_1;
    for (int page = 2; page <= 4; ++page) {
        auto turned = [&] { return page < 4 ? game.instructions_page_shown(page) : game.menu_panel_shown(); };
        ASSERT_TRUE(game.wait_for([&] {
            page_1 = page == 2 && game.instructions_page_shown(1) ? line_20() : page_1;
            return turned() || (TestApp::queue_click(12, 16), false);
        })) << page;
        EXPECT_TRUE(page == 4 || game.screen().shows_text(2, 0, bar, wall, wall));
        EXPECT_TRUE(page != 2 || line_20() == page_1) << "page 2 was revealed over another picture";
    }
    ASSERT_TRUE(game.wait_for([&] { return game.menu_idle(); }));
    EXPECT_EQ(game.settings_shown(), "A55");
}

// After F4 the labels take clicks in their new places, and each frame in the new size is the whole frame.
TEST(MenuTest, ClicksFindTheLabelsAfterTheWindowChangesSize)
{
    TestApp game;
    game.compare_every_frame();
    ASSERT_TRUE(game.open_menu());
    for (const char* shown : {"A65", "A75"}) {
        game.tap(SDLK_F4);
        game.click_cell(1, 10); // TEMPO
        ASSERT_TRUE(game.wait_for([&] { return game.menu_idle(); }));
        EXPECT_EQ(game.settings_shown(), shown);
    }
}

// A key during the attract loop's Demo flash stops the loop on the same maze.
TEST(MenuTest, AKeyDuringTheAttractLoopsDemoFlashKeepsTheMenu)
{
    TestApp game;
    ASSERT_TRUE(game.open_menu());
    ASSERT_TRUE(game.tap_until(SDLK_d, [&] { return game.app().is_game_running(); }));
    game.tap(SDLK_x);
    ASSERT_TRUE(game.wait_for([&] { return game.menu_panel_shown(); }));
    // Enter means nothing to the menu: only the flash takes it.
    EXPECT_TRUE(game.tap_until(SDLK_RETURN, [&] { return game.menu_idle(); })) << "the loop went on";
    EXPECT_EQ(game.maze_letter_shown(), 'A');
    std::set<sound_t> heard;
    wait_hearing(game, heard, [] { return true; });
    EXPECT_EQ(heard.count(SOUND_ATTRACT), 0u) << "the flash's tune played on";
}

// The designer's grid played over a demo is the designer's game: no computer player steers it. A drag before any toggle
// writes '+' cells.
TEST(EditorTest, PlayOverADemoIsNotSteeredAndADragBeforeAToggleWritesPlus)
{
    TestApp game;
    game.app().change_game_state(new NullSpecialState(), false);
    game.app().start_game(true);
    game.frame();
    game.tap(SDLK_F2);
    game.click_cell(0, 3); // above the grid: no toggle
    game.drag_to_cell(2, 3);
    game.drag_to_cell(2, 4);
    game.mouse_at_cell(2, 4, false);
    auto* editor = dynamic_cast<MazeEditor*>(game.app().get_current_state());
    ASSERT_NE(editor, nullptr);
    const std::string top = "const char* maze[] =\n{\n\t\"" + std::string(32, '#') + "\",\n\t\"#  ++     ";
    EXPECT_EQ(editor->export_text().substr(0, top.size()), top);
    game.tap(SDLK_p);
    ASSERT_TRUE(game.wait_for([&] { return game.app().is_game_running() && game.player_at_start_shown(); }));
    EXPECT_FALSE(game.app().is_demo_mode());
    const Uint32 start = SDL_GetTicks(), steps = 4 * game.app().calculate_player_tempo_time();
    game.wait_for([&] { return SDL_GetTicks() - start > steps; });
    EXPECT_TRUE(game.player_at_start_shown()) << "the computer player steered the grid's game";
}

} // namespace
