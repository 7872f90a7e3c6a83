#include "screens/MenuSpecialState.h"

#include "app/GameApplication.h"
#include "sound/MySoundManager.h"

// One tick of the script: the action of the step code at the current position.
// Codes 15 and 18 start a game, which deletes this state, so they return at once.
void MenuSpecialState::step(MySoundManager& sounds)
{
    state_t code = current_code();
    switch (code) {
    case 0:
    case 8:
        if (progress < wipe_steps) {
            ++progress;
        } else {
            background_on = false;
            progress = 0;
            draw_maze = true;
            next();
        }
        break;
    case 1:
    case 2:
        if (progress < menu_line_count) {
            progress += 2;
        } else {
            go_to_first(code == 1 ? 3 : 19);
        }
        break;
    case 3:
        break;
    case 4:
        wait_for_flash();
        break;
    case 5:
        sounds.play_sound(SOUND_PLAY_SELECTED);
        next();
        break;
    case 6:
        start_flash(sounds, 12, 16, 22, menu_items[6].text, true);
        break;
    case 7:
        draw_maze = true;
        app.refill_maze();
        app.copy_screen_as_background(true);
        background_on = true;
        progress = 0;
        next();
        break;
    case 9:
        sounds.play_sound(SOUND_GAME_SETUP);
        next();
        break;
    case 10:
        start_field_flash(sounds, "score", 8);
        break;
    case 11:
        background_on = false;
        app.reset_score();
        sounds.play_sound(SOUND_MENU_BLIP);
        next();
        break;
    case 12:
        start_field_flash(sounds, "lasers", 8);
        break;
    case 13:
        app.fill_lasers();
        sounds.play_sound(SOUND_MENU_BLIP);
        next();
        break;
    case 14:
        start_field_flash(sounds, "lives", 8);
        break;
    case 15:
        app.fill_lives();
        app.start_game(false);
        return;
    case 16:
        sounds.play_sound(SOUND_MENU_BLIP);
        next();
        break;
    case 17:
        start_flash(sounds, 12, 14, 22, menu_items[5].text, true);
        break;
    case 18:
        app.fill_lives();
        app.start_game(true);
        return;
    case 19:
        sounds.play_sound(SOUND_ATTRACT);
        next();
        break;
    case 20:
        // The attract sound plays under this flash; a key cuts both short.
        start_flash(sounds, 31, 14, 22, menu_items[5].text, false);
        break;
    case 21:
        app.change_maze();
        sounds.play_sound(SOUND_MAZE_CHANGE);
        next();
        break;
    case 22:
        start_field_flash(sounds, "maze", 8);
        break;
    case 23:
    case 26:
    case 29:
    case 33:
        sounds.play_sound(SOUND_MENU_BLIP);
        next();
        break;
    case 24:
        start_field_flash(sounds, "tempo", 4);
        break;
    case 25:
        app.change_tempo();
        go_to_first(3);
        break;
    case 27:
        start_field_flash(sounds, "grade", 4);
        break;
    case 28:
        app.change_grade();
        go_to_first(3);
        break;
    case 30:
        // The old maze with the panel becomes the picture the new maze wipes over.
        if (sounds.are_all_sounds_finished()) {
            draw_maze = true;
            app.copy_screen_as_background(false);
            background_on = true;
            start_field_flash(sounds, "maze", 4);
        }
        break;
    case 31:
        if (progress < wipe_steps) {
            ++progress;
        } else {
            progress = 0;
            go_to_first(32);
        }
        break;
    case 32:
        go_to_first(1);
        break;
    case 34:
        start_field_flash(sounds, "best", 12);
        break;
    case 35:
        app.reset_best_score();
        go_to_first(3);
        break;
    default:
        break;
    }
}

// A flash waits for the sound before it to end, so each animation is heard whole.
bool MenuSpecialState::start_flash(MySoundManager& sounds, int flashes, int line, int column, const std::string& text,
                                   bool wait_for_silence)
{
    if (wait_for_silence && !sounds.are_all_sounds_finished()) {
        return false;
    }
    flashing_text = std::make_unique<FlashingColourText>(flashes, line, column, text);
    return_position = position + 1;
    go_to_first(4);
    return true;
}

bool MenuSpecialState::start_field_flash(MySoundManager& sounds, const char* field, int flashes)
{
    int line = 0;
    int column = 0;
    int length = 0;
    std::string text;
    GameApplication::get_score_line_info(field, line, column, length, text);
    return start_flash(sounds, flashes, line, column, text, true);
}

void MenuSpecialState::wait_for_flash()
{
    if (flashing_text) {
        flashing_text->next_colour();
        if (!flashing_text->complete()) {
            return;
        }
    }
    flashing_text.reset();
    position = return_position;
    return_position = 0;
    // The next maze is chosen only now, so the MAZE flash shows the old one.
    if (current_code() == 31) {
        progress = 0;
        app.change_maze();
    }
}
