#include "app/GameApplication.h"

#include "display/Window.h"
#include "screens/SpecialStates.h"
#include "world/Player.h"

namespace {
constexpr int UP_BIT = 1;
constexpr int DOWN_BIT = 2;
constexpr int LEFT_BIT = 4;
constexpr int RIGHT_BIT = 8;
constexpr int FIRE_BIT = 16;
} // namespace

void GameApplication::init_movement_keys()
{
    // 5 6 7 8 follow the Spectrum's cursor keys; 9 is a second fire key.
    key_map[SDLK_UP] = UP_BIT;
    key_map[SDLK_w] = UP_BIT;
    key_map[SDLK_7] = UP_BIT;
    key_map[SDLK_DOWN] = DOWN_BIT;
    key_map[SDLK_s] = DOWN_BIT;
    key_map[SDLK_6] = DOWN_BIT;
    key_map[SDLK_LEFT] = LEFT_BIT;
    key_map[SDLK_a] = LEFT_BIT;
    key_map[SDLK_5] = LEFT_BIT;
    key_map[SDLK_RIGHT] = RIGHT_BIT;
    key_map[SDLK_d] = RIGHT_BIT;
    key_map[SDLK_8] = RIGHT_BIT;
    key_map[SDLK_SPACE] = FIRE_BIT;
    key_map[SDLK_9] = FIRE_BIT;
    action_bits = 0;
}

void GameApplication::game_key_processing(int key, bool pressed)
{
    auto found = key_map.find(key);
    if (found == key_map.end()) {
        return;
    }
    int bits = pressed ? (action_bits | found->second) : (action_bits & ~found->second);
    if (bits == action_bits) {
        return;
    }
    action_bits = bits;
    if (bits == FIRE_BIT) {
        fire();
    } else {
        no_fire();
    }
    if (demo_mode) {
        return;
    }
    switch (bits) {
    case UP_BIT:
        move_up();
        break;
    case DOWN_BIT:
        move_down();
        break;
    case LEFT_BIT:
        move_left();
        break;
    case RIGHT_BIT:
        move_right();
        break;
    case 0:
        no_movement();
        break;
    default:
        // Two directions, or a direction with fire: keep the last command.
        break;
    }
}

void GameApplication::forget_key(int key)
{
    auto found = key_map.find(key);
    if (found != key_map.end()) {
        action_bits &= ~found->second;
    }
}

void GameApplication::activate_game_action(int x, int y)
{
    const int width = current_print_area_width();
    const int height = current_print_area_height();
    const int lr = left_right_pixels_size;
    const int ud = up_down_pixels_size;
    const int m = menu_pixel_size;
    const int r = width - 1 - x;
    const int b = height - 1 - y;
    const bool near_right = r < lr;
    const bool near_left = x < lr;

    if (y < ud) {
        if (near_right) {
            if (r <= m && y <= m) {
                return;
            }
            r < y ? move_right() : move_up();
        } else if (near_left) {
            if (x <= m && y <= m) {
                return;
            }
            x < y ? move_left() : move_up();
        } else {
            move_up();
        }
    } else if (b < ud) {
        if (near_right) {
            r < b ? move_right() : move_down();
        } else if (near_left) {
            x < b ? move_left() : move_down();
        } else {
            move_down();
        }
    } else if (near_right) {
        move_right();
    } else if (near_left) {
        move_left();
    } else {
        fire();
    }
}

void GameApplication::release_game_action()
{
    no_movement();
    no_fire();
}

void GameApplication::mouse_button_down_event(int x, int y)
{
    if (!current_state->mouse_down(x, y) && game_running && !paused) {
        activate_game_action(x, y);
    }
}

void GameApplication::mouse_button_up_event(int x, int y)
{
    if (!current_state->mouse_up(x, y) && game_running && !paused) {
        release_game_action();
    }
}

void GameApplication::mouse_moved_and_is_down_event(int x, int y, int, int)
{
    if (!current_state->mouse_down_moved(x, y) && game_running && !paused) {
        activate_game_action(x, y);
    }
}

void GameApplication::move_up()
{
    player->move_up();
}

void GameApplication::move_down()
{
    player->move_down();
}

void GameApplication::move_left()
{
    player->move_left();
}

void GameApplication::move_right()
{
    player->move_right();
}

void GameApplication::fire()
{
    player->fire();
}

void GameApplication::no_fire()
{
    player->no_fire();
}

void GameApplication::no_movement()
{
    player->no_movement();
}
