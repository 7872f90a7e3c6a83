#include "screens/LevelClearSpecialState.h"

#include "app/GameApplication.h"
#include "display/Colours.h"
#include "display/MyGraphics.h"
#include "display/TextPrinting.h"
#include "sound/MySoundManager.h"
#include "world/CurrentMaze.h"

const char* const bonus_message = "BONUS!!!";

int LevelClearSpecialState::bonus_type = 0;

namespace {

constexpr int BONUS_LINE = 10;
constexpr int BONUS_COPIES = 20;
constexpr int COPIES_PER_LINE = 4;
constexpr int BONUS_ROWS = BONUS_COPIES / COPIES_PER_LINE;

constexpr int FLASH_TICKS = 30;
constexpr int AWARD_TICKS = 10;

constexpr unsigned FLASH_PERIOD_MS = 100;
constexpr unsigned AWARD_PERIOD_MS = 239;
constexpr unsigned REFILL_PERIOD_MS = 20;

void standard_colours(int copy, simple_colour_t& ink, simple_colour_t& paper)
{
    if (copy % 2 == 0) {
        ink = BLACK;
        paper = BRIGHT_CYAN;
    } else {
        ink = BRIGHT_WHITE;
        paper = BRIGHT_RED;
    }
}

void print_copy(MyGraphics& g, simple_colour_t ink, simple_colour_t paper)
{
    g.set_fg_colour(ink);
    g.set_bg_colour(paper);
    print_string(g, bonus_message);
}

} // namespace

LevelClearSpecialState::LevelClearSpecialState(CurrentMaze& maze) : maze(maze)
{
    tick_timer.start_time(FLASH_PERIOD_MS);
}

LevelClearSpecialState::~LevelClearSpecialState()
{
    // Each level clear shows the next effect of the cycle, even one cut short.
    ++bonus_type;
}

void LevelClearSpecialState::bonus_display_standard(MyGraphics& g)
{
    g.go_to(BONUS_LINE, 0);
    for (int i = 0; i < BONUS_COPIES; ++i) {
        simple_colour_t ink;
        simple_colour_t paper;
        standard_colours(i, ink, paper);
        print_copy(g, ink, paper);
    }
}

void LevelClearSpecialState::bonus_display_multicoloured(MyGraphics& g, int step)
{
    g.go_to(BONUS_LINE, 0);
    for (int i = 0; i < BONUS_COPIES; ++i) {
        simple_colour_t ink;
        simple_colour_t paper;
        standard_colours(i, ink, paper);
        int row = i / COPIES_PER_LINE;
        // The highlight climbs from the bottom row to the top one.
        if (step % BONUS_ROWS == BONUS_ROWS - 1 - row) {
            switch (bonus_type) {
            case 0:
                ink = convert_to_colour(row + 1);
                break;
            case 1: {
                simple_colour_t old_ink = ink;
                ink = paper;
                paper = old_ink;
                break;
            }
            case 2:
                ink = (ink != BLACK) ? BRIGHT_MAGENTA : BRIGHT_GREEN;
                break;
            case 3:
                ink = toggle_bright(ink);
                paper = toggle_bright(paper);
                break;
            case 4:
                ink = (ink != BLACK) ? BRIGHT_GREEN : BRIGHT_MAGENTA;
                break;
            default:
                bonus_type = 0;
                break;
            }
        }
        print_copy(g, ink, paper);
    }
}

void LevelClearSpecialState::print(MyGraphics& g)
{
    switch (phase) {
    case 0:
        bonus_display_multicoloured(g, counter);
        break;
    case 1:
        bonus_display_standard(g);
        break;
    default:
        bonus_display_standard(g);
        maze.print(g, counter);
        break;
    }
}

void LevelClearSpecialState::update(double, MySoundManager& sounds, GameApplication& app)
{
    if (!tick_timer.expired()) {
        return;
    }
    switch (phase) {
    case 0:
        ++counter;
        if (counter >= FLASH_TICKS) {
            tick_timer.start_time(AWARD_PERIOD_MS);
            phase = 1;
            counter = 1;
            app.add_to_laser_count();
            sounds.play_sound(SOUND_BONUS);
        }
        break;
    case 1:
        app.add_to_laser_count();
        ++counter;
        if (counter >= AWARD_TICKS) {
            counter = 0;
            tick_timer.start_time(REFILL_PERIOD_MS);
            // Recorded while still in phase 1, so the picture holds the plain bonus text.
            app.copy_screen_as_background(false);
            app.refill_maze();
            app.pause_game_engine();
            phase = 2;
        }
        break;
    default:
        if (counter >= refill_steps) {
            // Deletes this state: nothing may follow.
            app.finished_maze_restart();
            return;
        }
        ++counter;
        break;
    }
}
