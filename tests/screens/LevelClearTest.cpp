#include "screens/LevelClearSpecialState.h"

#include "app/GameApplication.h"
#include "display/Colours.h"
#include "display/Window.h"
#include "support/AppHarness.h"
#include "support/TestSupport.h"
#include "world/CurrentMaze.h"
#include "world/Player.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

struct CopyColours {
    simple_colour_t ink;
    simple_colour_t paper;
};

CopyColours standard_copy(int copy)
{
    return copy % 2 == 0 ? CopyColours{BLACK, BRIGHT_CYAN} : CopyColours{BRIGHT_WHITE, BRIGHT_RED};
}

// The colours of a highlighted copy under each of the five effects.
CopyColours highlighted_copy(int type, int copy)
{
    const simple_colour_t row_inks[5] = {BLUE, RED, MAGENTA, GREEN, CYAN};
    bool even = copy % 2 == 0;
    switch (type) {
    case 0:
        return {row_inks[copy / 4], standard_copy(copy).paper};
    case 1:
        return even ? CopyColours{BRIGHT_CYAN, BLACK} : CopyColours{BRIGHT_RED, BRIGHT_WHITE};
    case 2:
        return even ? CopyColours{BRIGHT_GREEN, BRIGHT_CYAN} : CopyColours{BRIGHT_MAGENTA, BRIGHT_RED};
    case 3:
        return even ? CopyColours{BRIGHT_BLACK, CYAN} : CopyColours{WHITE, RED};
    default:
        return even ? CopyColours{BRIGHT_MAGENTA, BRIGHT_CYAN} : CopyColours{BRIGHT_GREEN, BRIGHT_RED};
    }
}

// The first cell of a copy is its "B": ink strokes on paper, nothing else.
void expect_copy(HeadlessScreen& screen, int copy, CopyColours want, const char* what)
{
    int line = 10 + copy / 4;
    int column = (copy % 4) * 8;
    int ink = screen.count_in_cell(line, column, get_rgb_from_simple_colour(want.ink));
    int paper = screen.count_in_cell(line, column, get_rgb_from_simple_colour(want.paper));
    EXPECT_GT(ink, 0) << what << " copy " << copy;
    EXPECT_GT(paper, ink) << what << " copy " << copy;
    EXPECT_EQ(ink + paper, glyph_size * glyph_size) << what << " copy " << copy;
}

TEST(LevelClearDisplay, HighlightedRowClimbsOneLinePerStepWithEachEffect)
{
    HeadlessScreen screen(16);
    CurrentMaze maze;
    LevelClearSpecialState state(maze);

    screen.clear(zx_spectrum_white);
    state.bonus_display_standard(screen.graphics());
    for (int copy = 0; copy < 20; ++copy) {
        expect_copy(screen, copy, standard_copy(copy), "standard");
    }

    int saved_type = LevelClearSpecialState::bonus_type;
    for (int type = 0; type < 5; ++type) {
        for (int step = 0; step < 10; ++step) {
            LevelClearSpecialState::bonus_type = type;
            screen.clear(zx_spectrum_white);
            state.bonus_display_multicoloured(screen.graphics(), step);
            int lit_row = 4 - step % 5;
            for (int copy = 0; copy < 20; ++copy) {
                bool lit = copy / 4 == lit_row;
                std::string what = "type " + std::to_string(type) + " step " + std::to_string(step);
                expect_copy(screen, copy, lit ? highlighted_copy(type, copy) : standard_copy(copy), what.c_str());
            }
            EXPECT_EQ(LevelClearSpecialState::bonus_type, type);
        }
    }
    LevelClearSpecialState::bonus_type = saved_type;
}

TEST(LevelClearDisplay, EachDestructionAdvancesTheEffectAndFiveWrapsToZero)
{
    HeadlessScreen screen(16);
    CurrentMaze maze;
    LevelClearSpecialState::bonus_type = 3;
    {
        LevelClearSpecialState first(maze);
    }
    EXPECT_EQ(LevelClearSpecialState::bonus_type, 4);
    {
        LevelClearSpecialState sixth(maze);
        EXPECT_EQ(LevelClearSpecialState::bonus_type, 4);
    }
    EXPECT_EQ(LevelClearSpecialState::bonus_type, 5);
    {
        LevelClearSpecialState state(maze);
        screen.clear(zx_spectrum_white);
        state.bonus_display_multicoloured(screen.graphics(), 0);
        // The first lit copy resets the cycle and keeps its colours; the rest of
        // its row already shows effect 0.
        expect_copy(screen, 16, standard_copy(16), "reset copy");
        for (int copy = 17; copy < 20; ++copy) {
            expect_copy(screen, copy, highlighted_copy(0, copy), "after reset");
        }
        for (int copy = 0; copy < 16; ++copy) {
            expect_copy(screen, copy, standard_copy(copy), "unlit");
        }
        EXPECT_EQ(LevelClearSpecialState::bonus_type, 0);
    }
    EXPECT_EQ(LevelClearSpecialState::bonus_type, 1);
}

TEST(LevelClearSequence, AwardsTenLasersRefillsTheMazeAndResumesPlay)
{
    AppHarness harness;
    GameApplication& app = harness.app();
    app.start_game(false);
    harness.frame();
    app.hold_mobs();

    CurrentMaze& maze = app.get_maze();
    CurrentMaze full;
    full.setup_current_maze(app.get_maze_database(), app.get_maze_letter() - 'A');
    ASSERT_TRUE(maze.maze_eat(1, 2));
    ASSERT_TRUE(maze.maze_eat(1, 3));
    ASSERT_LT(maze.get_food_count(), full.get_food_count());

    Player& player = app.get_player();
    const int lasers = player.get_lasers();
    const int type = LevelClearSpecialState::bonus_type;
    Uint32 start = SDL_GetTicks();
    app.change_game_state(new LevelClearSpecialState(maze), true);

    // One update per frame, so every phase change is seen exactly as it happens.
    int last_phase = 0;
    int last_counter = 0;
    Uint32 phase_start = start;
    bool finished = harness.run_until(
        [&] {
            auto* state = dynamic_cast<LevelClearSpecialState*>(app.get_current_state());
            if (state == nullptr) {
                return true;
            }
            int phase = state->get_phase();
            int counter = state->get_counter();
            if (phase == last_phase) {
                EXPECT_TRUE(counter == last_counter || counter == last_counter + 1) << phase << ":" << counter;
            } else {
                EXPECT_EQ(phase, last_phase + 1);
                EXPECT_EQ(last_counter, phase == 1 ? 29 : 9);
                EXPECT_EQ(counter, phase == 1 ? 1 : 0);
                Uint32 now = SDL_GetTicks();
                // Timers never fire early: 30 ticks of 100 ms, then 9 of 239 ms.
                EXPECT_GE(now - phase_start, phase == 1 ? 2900u : 2100u);
                phase_start = now;
                if (phase == 1) {
                    EXPECT_FALSE(app.get_sound_manager().are_all_sounds_finished());
                    EXPECT_TRUE(harness.cell_shows(10, 0, 'B', BLACK, BRIGHT_CYAN));
                    EXPECT_TRUE(harness.cell_shows(14, 24, 'B', BRIGHT_WHITE, BRIGHT_RED));
                } else {
                    EXPECT_EQ(maze.get_food_count(), full.get_food_count());
                    EXPECT_NE(app.get_background(), nullptr);
                    EXPECT_EQ(app.get_screen_copy_debug_count(), 1);
                    // The recorded picture keeps the plain bonus text under the wipe.
                    EXPECT_TRUE(harness.cell_shows(12, 0, 'B', BLACK, BRIGHT_CYAN));
                }
            }
            EXPECT_EQ(state->show_background(), phase == 2);
            EXPECT_EQ(app.is_game_running(), phase < 2);
            switch (phase) {
            case 0:
                EXPECT_EQ(player.get_lasers(), lasers);
                break;
            case 1:
                EXPECT_EQ(player.get_lasers(), lasers + counter);
                break;
            default:
                EXPECT_EQ(player.get_lasers(), lasers + 10);
                break;
            }
            last_phase = phase;
            last_counter = counter;
            return false;
        },
        15000);
    ASSERT_TRUE(finished);
    EXPECT_EQ(last_phase, 2);
    EXPECT_EQ(last_counter, 20);
    EXPECT_GE(SDL_GetTicks() - phase_start, 400u);

    EXPECT_NE(dynamic_cast<NullSpecialState*>(app.get_current_state()), nullptr);
    EXPECT_TRUE(app.is_game_running());
    EXPECT_EQ(player.get_lasers(), lasers + 10);
    EXPECT_EQ(LevelClearSpecialState::bonus_type, type + 1);
}

} // namespace
