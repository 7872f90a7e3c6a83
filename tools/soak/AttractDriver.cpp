#include "tools/soak/AttractDriver.h"

#include "app/GameApplication.h"
#include "world/Player.h"

namespace {

// Until the first demo runs, D is pressed this often: the menu swallows it
// until its panel is idle.
constexpr Uint32 demo_request_ms = 1000;
// Every other demo is ended with X after this long; the others play until
// the computer player has lost its lives, or this much longer.
constexpr Uint32 short_demo_ms = 30000;
constexpr Uint32 long_demo_ms = 300000;

} // namespace

void AttractDriver::before_frame(GameApplication& app)
{
    const Uint32 now = SDL_GetTicks();
    if (maze_letter != 0 && app.get_maze_letter() != maze_letter) {
        ++mazes;
    }
    maze_letter = app.get_maze_letter();

    // The game also stops running while a cleared maze is refilled; only a
    // restart with the score reset is a new demo.
    const bool demo_running = app.is_game_running() && app.is_demo_mode();
    if (demo_running && !demo_was_running) {
        if (app.get_player().get_score() == 0) {
            ++demos;
            demo_start = now;
            x_pressed = false;
        } else {
            ++clears;
        }
    }
    demo_was_running = demo_running;

    if (demos == 0) {
        if (now - last_push >= demo_request_ms) {
            push_key(SDLK_d);
            last_push = now;
        }
        return;
    }
    // A key in the attract loop would stop it: keys go only to a running demo.
    if (!demo_running) {
        return;
    }
    // X once per demo, and not after the game is over: the game-over screen
    // still counts as a running game, and X there would end it again.
    const Uint32 limit = demos % 2 == 1 ? short_demo_ms : long_demo_ms;
    if (!x_pressed && now - demo_start >= limit && app.get_player().get_lives() > 0) {
        push_key(SDLK_x);
        x_pressed = true;
        ++cuts;
    }
}

void AttractDriver::push_key(SDL_Keycode key)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
    event.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    SDL_PushEvent(&event);
}
