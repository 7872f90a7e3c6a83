#include "screens/MenuSpecialState.h"

#include "app/GameApplication.h"
#include "display/Window.h"
#include "screens/InstructionsState.h"

using enum state_t;

OurRect make_mouse_near_rect(int line, int start_column, int end_column)
{
    const int g = glyph_size;
    OurRect rect;
    rect.top = line * g - g / 2;
    rect.bottom = line * g + g + g / 2;
    rect.left = start_column == 0 ? 0 : (start_column - 1) * g;
    rect.right = (end_column + 1) * g - 1;
    return rect;
}

void MenuSpecialState::set_up_mouse_regions()
{
    const int g = glyph_size;
    regions.clear();
    regions_glyph_size = g;
    // Neighbouring command areas share a pixel row; the upper one, added first, wins it.
    for (std::size_t k = 0; k < menu_items.size(); ++k) {
        const int line = 4 + 2 * static_cast<int>(k);
        OurRect rect;
        rect.left = 21 * g;
        rect.right = (22 + static_cast<int>(blank_line.size())) * g - 1;
        rect.top = line * g - g / 2;
        rect.bottom = line * g + g + g / 2;
        regions.push_back({rect, menu_items[k].key});
    }
    const struct {
        const char* field;
        char key;
    } labels[] = {{"maze", 'M'}, {"tempo", 'T'}, {"grade", 'G'}, {"best", 'R'}};
    for (const auto& label : labels) {
        int line = 0;
        int column = 0;
        int length = 0;
        std::string text;
        GameApplication::get_score_line_info(label.field, line, column, length, text);
        regions.push_back({make_mouse_near_rect(line, column, column + length), label.key});
    }
}

char MenuSpecialState::find_region(char fallback, int x, int y) const
{
    for (const region_t& region : regions) {
        if (region.rect.in(x, y)) {
            return region.key;
        }
    }
    return fallback;
}

bool MenuSpecialState::mouse_down(int x, int y)
{
    // After F4 the cells have another size; lay the areas out again.
    if (regions_glyph_size != glyph_size) {
        set_up_mouse_regions();
    }
    char key = find_region(' ', x, y);
    if (key == ' ') {
        return false;
    }
    // May replace this state.
    action(key);
    return true;
}

bool MenuSpecialState::key_down(SDL_KeyboardEvent const& event)
{
    // Any key during the attract loop's Demo flash stops it and brings the menu back.
    if (return_position > 0 && state_table[return_position - 1] == FLASH_ATTRACT_DEMO) {
        if (flashing_text) {
            flashing_text->abort();
        }
        return_position = GetStateTableLocation(BUILD_PANEL);
        abort_attract_sound = true;
        return true;
    }
    switch (event.keysym.sym) {
    case SDLK_m:
    case SDLK_t:
    case SDLK_g:
    case SDLK_r:
    case SDLK_i:
    case SDLK_d:
    case SDLK_p:
        // Swallowed while animating, so a letter never queues or reaches the game.
        action(static_cast<char>(event.keysym.sym - SDLK_a + 'A'));
        return true;
    case SDLK_s:
        return true;
    default:
        return false;
    }
}

// Commands act only on the idle menu.
void MenuSpecialState::action(char key)
{
    if (current_code() != IDLE) {
        return;
    }
    switch (key) {
    case 'D':
        go_to_first(DEMO_BLIP);
        break;
    case 'G':
        go_to_first(GRADE_BLIP);
        break;
    case 'I':
        // Deletes this state: the last thing done here.
        app.change_game_state(new FromMenuInstructionState(app, maze), true);
        return;
    case 'M':
        go_to_first(MAZE_BLIP);
        break;
    case 'P':
        go_to_first(PLAY_SELECTED_SOUND);
        break;
    case 'R':
        go_to_first(BEST_BLIP);
        break;
    case 'T':
        go_to_first(TEMPO_BLIP);
        break;
    default:
        break;
    }
}
