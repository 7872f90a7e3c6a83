#include "GameSession.h"

#include "display/Window.h"
#include "support/TestSupport.h"

namespace {

int cell_centre_x(int column)
{
    return game_offset_x + column * glyph_size + glyph_size / 2;
}

int cell_centre_y(int line)
{
    return game_offset_y + line * glyph_size + glyph_size / 2;
}

// The new-best message's paper: bright cyan, or one of its flash colours.
constexpr simple_colour_t best_papers[] = {BRIGHT_CYAN,    BRIGHT_YELLOW, BRIGHT_GREEN,
                                           BRIGHT_MAGENTA, BRIGHT_RED,    BRIGHT_BLUE};

} // namespace

GameSession::GameSession(bool start)
    : harness(start),
      reader(harness.app().get_renderer())
{
}

void GameSession::queue_tap(SDL_Keycode key)
{
    push_key(key, true);
    push_key(key, false);
}

void GameSession::queue_click(int line, int column)
{
    push_mouse_button(cell_centre_x(column), cell_centre_y(line), true);
    push_mouse_button(cell_centre_x(column), cell_centre_y(line), false);
}

void GameSession::tap(SDL_Keycode key)
{
    queue_tap(key);
    frame();
}

void GameSession::press(SDL_Keycode key)
{
    push_key(key, true);
    frame();
}

void GameSession::release(SDL_Keycode key)
{
    push_key(key, false);
    frame();
}

void GameSession::click_cell(int line, int column)
{
    queue_click(line, column);
    frame();
}

void GameSession::mouse_down_at_cell(int line, int column)
{
    push_mouse_button(cell_centre_x(column), cell_centre_y(line), true);
    frame();
}

void GameSession::mouse_up_at_cell(int line, int column)
{
    push_mouse_button(cell_centre_x(column), cell_centre_y(line), false);
    frame();
}

void GameSession::drag_to_cell(int line, int column)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.state = SDL_BUTTON_LMASK;
    event.motion.x = cell_centre_x(column);
    event.motion.y = cell_centre_y(line);
    SDL_PushEvent(&event);
    frame();
}

void GameSession::wait_ms(Uint32 ms)
{
    Uint32 start = SDL_GetTicks();
    while (SDL_GetTicks() - start < ms) {
        frame();
    }
}

bool GameSession::key_page_shown()
{
    return reader.shows_text(1, 13, " KEYS ", BRIGHT_YELLOW, WHITE) && reader.shows(23, 31, ' ', WHITE, WHITE);
}

bool GameSession::instructions_page_shown(int page)
{
    switch (page) {
    case 1:
        return reader.shows_text(3, 0, "Instructions", BLACK, CYAN);
    case 2:
        return reader.shows(14, 0, 'M', BLACK, CYAN) && reader.shows_text(8, 0, "A game ends", BLACK, WHITE);
    case 3:
        return reader.shows(3, 0, 'R', BLACK, CYAN) && reader.shows(20, 0, 'H', BLACK, BRIGHT_YELLOW);
    default:
        return false;
    }
}

bool GameSession::menu_panel_shown()
{
    return reader.shows_text(16, 23, "P=Play", BLACK, BRIGHT_WHITE) && reader.shows(18, 23, 'S', BLACK, BRIGHT_WHITE);
}

bool GameSession::key_legend_shown()
{
    return reader.shows_text(3, 1, "7=up", BLUE, BRIGHT_WHITE);
}

bool GameSession::player_at_start_shown()
{
    return reader.shows(12, 16, 132, BLACK, BRIGHT_WHITE);
}

bool GameSession::game_over_shown()
{
    return reader.shows_text(2, 10, " GAME OVER ", BLACK, BRIGHT_CYAN);
}

bool GameSession::new_best_score_shown()
{
    for (simple_colour_t paper : best_papers) {
        if (reader.shows_text(2, 6, " !!NEW BEST SCORE!! ", BLACK, paper)) {
            return true;
        }
    }
    return false;
}

char GameSession::maze_letter_shown()
{
    for (char letter = 'A'; letter <= 'P'; ++letter) {
        if (reader.shows(1, 5, letter, BLACK, BRIGHT_WHITE)) {
            return letter;
        }
    }
    return 0;
}

bool GameSession::scored()
{
    std::string score = score_shown();
    return score.find('?') == std::string::npos && score != "00000";
}

::testing::AssertionResult GameSession::walk_to_menu()
{
    frame();
    wait_ms(1700); // the title's lock-out
    if (!tap_until(SDLK_RETURN, [&] { return key_page_shown(); })) {
        return ::testing::AssertionFailure() << "the title never gave way to the key page";
    }
    for (int page = 1; page <= 3; ++page) {
        if (!tap_until(SDLK_RETURN, [&] { return instructions_page_shown(page); })) {
            return ::testing::AssertionFailure() << "instruction page " << page << " never showed";
        }
    }
    if (!tap_until(SDLK_RETURN, [&] { return menu_panel_shown(); })) {
        return ::testing::AssertionFailure() << "the menu panel never showed";
    }
    return ::testing::AssertionSuccess();
}
