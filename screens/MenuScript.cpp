#include "screens/MenuSpecialState.h"

#include "app/GameApplication.h"
#include "sound/MySoundManager.h"

using enum state_t;

// One tick of the script: the action of the step at the current position.
// Starting a game or a demo deletes this state, so those steps return at once.
void MenuSpecialState::step(MySoundManager& sounds)
{
    switch (current_code()) {
    case WIPE_MAZE:
        wipe_maze();
        break;
    case BUILD_PANEL:
        build_panel(IDLE);
        break;
    case BUILD_PANEL_AFTER_DEMO:
        build_panel(ATTRACT_SOUND);
        break;
    case IDLE:
    case END_OF_TABLE:
        break;
    case WAIT_FOR_FLASH:
        wait_for_flash();
        break;
    case PLAY_SELECTED_SOUND:
        play(sounds, SOUND_PLAY_SELECTED);
        break;
    case FLASH_PLAY:
        start_flash(sounds, 12, 16, 22, menu_items[6].text, true);
        break;
    case REFILL_MAZE:
        draw_maze = true;
        app.refill_maze();
        app.copy_screen_as_background(true);
        background_on = true;
        progress = 0;
        next();
        break;
    case WIPE_REFILLED_MAZE:
        wipe_maze();
        break;
    case GAME_SETUP_SOUND:
        play(sounds, SOUND_GAME_SETUP);
        break;
    case FLASH_SCORE:
        start_field_flash(sounds, "score", 8);
        break;
    case RESET_SCORE:
        background_on = false;
        app.reset_score();
        play(sounds, SOUND_MENU_BLIP);
        break;
    case FLASH_LASERS:
        start_field_flash(sounds, "lasers", 8);
        break;
    case FILL_LASERS:
        app.fill_lasers();
        play(sounds, SOUND_MENU_BLIP);
        break;
    case FLASH_LIVES:
        start_field_flash(sounds, "lives", 8);
        break;
    case START_GAME:
        app.fill_lives();
        app.start_game(false);
        return;
    case DEMO_BLIP:
        play(sounds, SOUND_MENU_BLIP);
        break;
    case FLASH_DEMO:
        start_flash(sounds, 12, 14, 22, menu_items[5].text, true);
        break;
    case START_DEMO:
        app.fill_lives();
        app.start_game(true);
        return;
    case ATTRACT_SOUND:
        play(sounds, SOUND_ATTRACT);
        break;
    case FLASH_ATTRACT_DEMO:
        // The attract sound plays under this flash; a key cuts both short.
        start_flash(sounds, 31, 14, 22, menu_items[5].text, false);
        break;
    case NEXT_ATTRACT_MAZE:
        app.change_maze();
        play(sounds, SOUND_MAZE_CHANGE);
        break;
    case FLASH_ATTRACT_MAZE:
        start_field_flash(sounds, "maze", 8);
        break;
    case TEMPO_BLIP:
        play(sounds, SOUND_MENU_BLIP);
        break;
    case FLASH_TEMPO:
        start_field_flash(sounds, "tempo", 4);
        break;
    case CHANGE_TEMPO:
        app.change_tempo();
        go_to_first(IDLE);
        break;
    case GRADE_BLIP:
        play(sounds, SOUND_MENU_BLIP);
        break;
    case FLASH_GRADE:
        start_field_flash(sounds, "grade", 4);
        break;
    case CHANGE_GRADE:
        app.change_grade();
        go_to_first(IDLE);
        break;
    case MAZE_BLIP:
        play(sounds, SOUND_MENU_BLIP);
        break;
    case FLASH_MAZE:
        // The old maze with the panel becomes the picture the new maze wipes over.
        if (sounds.are_all_sounds_finished()) {
            draw_maze = true;
            app.copy_screen_as_background(false);
            background_on = true;
            start_field_flash(sounds, "maze", 4);
        }
        break;
    case WIPE_NEW_MAZE:
        if (progress < wipe_steps) {
            ++progress;
        } else {
            progress = 0;
            go_to_first(BACK_TO_PANEL);
        }
        break;
    case BACK_TO_PANEL:
        go_to_first(BUILD_PANEL);
        break;
    case BEST_BLIP:
        play(sounds, SOUND_MENU_BLIP);
        break;
    case FLASH_BEST:
        start_field_flash(sounds, "best", 12);
        break;
    case RESET_BEST:
        app.reset_best_score();
        go_to_first(IDLE);
        break;
    }
}

// The maze draws in line by line; at the end the background gives way to it.
void MenuSpecialState::wipe_maze()
{
    if (progress < wipe_steps) {
        ++progress;
        return;
    }
    background_on = false;
    progress = 0;
    draw_maze = true;
    next();
}

void MenuSpecialState::build_panel(state_t then)
{
    if (progress < menu_line_count) {
        progress += 2;
    } else {
        go_to_first(then);
    }
}

void MenuSpecialState::play(MySoundManager& sounds, sound_t sound)
{
    sounds.play_sound(sound);
    next();
}

// A flash waits for the sound before it to end, so each animation is heard whole.
void MenuSpecialState::start_flash(MySoundManager& sounds, int flashes, int line, int column, const std::string& text,
                                   bool wait_for_silence)
{
    if (wait_for_silence && !sounds.are_all_sounds_finished()) {
        return;
    }
    flashing_text = std::make_unique<FlashingColourText>(flashes, line, column, text);
    return_position = position + 1;
    go_to_first(WAIT_FOR_FLASH);
}

void MenuSpecialState::start_field_flash(MySoundManager& sounds, const char* field, int flashes)
{
    int line = 0;
    int column = 0;
    int length = 0;
    std::string text;
    GameApplication::get_score_line_info(field, line, column, length, text);
    start_flash(sounds, flashes, line, column, text, true);
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
    if (current_code() == WIPE_NEW_MAZE) {
        progress = 0;
        app.change_maze();
    }
}
