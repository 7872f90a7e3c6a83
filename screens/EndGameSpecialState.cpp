#include "screens/EndGameSpecialState.h"

#include "app/GameApplication.h"
#include "display/MyGraphics.h"
#include "display/TextPrinting.h"
#include "sound/MySoundManager.h"

const simple_colour_t EndGameSpecialState::border_colours[6] = {
    BRIGHT_YELLOW, BRIGHT_CYAN, BRIGHT_GREEN, BRIGHT_MAGENTA, BRIGHT_RED, BRIGHT_BLUE,
};

namespace {

constexpr unsigned FLASH_PERIOD_MS = 100;
constexpr int LAST_FLASH = 20;
constexpr int MESSAGE_LINE = 2;

} // namespace

EndGameSpecialState::EndGameSpecialState(bool new_best_score, CurrentMaze&) : new_best_score(new_best_score) {}

void EndGameSpecialState::print(MyGraphics& g)
{
    simple_colour_t paper = BRIGHT_CYAN;
    if (phase == 4) {
        paper = border_colours[flash_count % 6];
    }
    g.set_fg_colour(BLACK);
    g.set_bg_colour(paper);
    print_centered_string(g, MESSAGE_LINE, best_message_shown ? " !!NEW BEST SCORE!! " : " GAME OVER ");
}

void EndGameSpecialState::update(double, MySoundManager& sounds, GameApplication& app)
{
    // One phase change per call; the waits for silence let earlier sounds end first.
    switch (phase) {
    case 0:
        if (sounds.are_all_sounds_finished()) {
            sounds.play_sound(SOUND_GAME_OVER);
            phase = 1;
        }
        break;
    case 1:
        if (sounds.are_all_sounds_finished()) {
            phase = 2;
        }
        break;
    case 2:
        if (new_best_score) {
            phase = 3;
            sounds.play_sound(SOUND_BONUS);
            best_message_shown = true;
        } else {
            phase = 5;
            best_message_shown = false;
        }
        break;
    case 3:
        if (sounds.are_all_sounds_finished()) {
            phase = 4;
            flash_count = 0;
            timer.start_time(FLASH_PERIOD_MS);
            app.update_best_score();
        }
        break;
    case 4:
        if (timer.expired()) {
            if (flash_count == LAST_FLASH) {
                phase = 5;
            } else {
                ++flash_count;
                timer.start_time(FLASH_PERIOD_MS);
            }
        }
        break;
    case 5:
        timer.start_time(FLASH_PERIOD_MS);
        phase = 6;
        break;
    default:
        if (timer.expired()) {
            // Deletes this state: nothing may follow.
            app.show_game_menu(false);
        }
        break;
    }
}
