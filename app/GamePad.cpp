#include "app/GameApplication.h"

#include "screens/EndGameSpecialState.h"
#include "screens/LevelClearSpecialState.h"
#include "screens/MazeEditor.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// Past half way presses; back within a quarter releases, so a stick resting
// near half way does not chatter.
constexpr int stick_press = 16384;
constexpr int stick_release = 8192;

enum class PadPlace { between_games, in_game, end_screen, editor };

PadPlace pad_place(SpecialStates* state, bool game_running)
{
    if (dynamic_cast<MazeEditor*>(state) != nullptr) {
        return PadPlace::editor;
    }
    if (dynamic_cast<EndGameSpecialState*>(state) != nullptr ||
        dynamic_cast<LevelClearSpecialState*>(state) != nullptr) {
        return PadPlace::end_screen;
    }
    return game_running ? PadPlace::in_game : PadPlace::between_games;
}

// The key a button stands for. The d-pad is the cursor keys everywhere.
// Between games Start and A play and Y starts a demo; every other button is
// still a key for the title and instruction pages. In the editor the buttons
// are its keys, whatever runs behind it. On an end screen Start does nothing:
// a press to get past it must not pause the next game.
SDL_Keycode button_key(int button, PadPlace place)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return SDLK_UP;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return SDLK_DOWN;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return SDLK_LEFT;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return SDLK_RIGHT;
    default:
        break;
    }
    const bool a = button == SDL_CONTROLLER_BUTTON_A;
    const bool start = button == SDL_CONTROLLER_BUTTON_START;
    const bool back = button == SDL_CONTROLLER_BUTTON_BACK;
    switch (place) {
    case PadPlace::between_games:
        return a || start ? SDLK_p : button == SDL_CONTROLLER_BUTTON_Y ? SDLK_d : SDLK_RETURN;
    case PadPlace::editor:
        return a ? SDLK_SPACE : start ? SDLK_p : back ? SDLK_x : SDLK_UNKNOWN;
    case PadPlace::in_game:
    case PadPlace::end_screen:
        if (a || button == SDL_CONTROLLER_BUTTON_B) {
            return SDLK_SPACE;
        }
        return start && place == PadPlace::in_game ? SDLK_F5 : back ? SDLK_x : SDLK_UNKNOWN;
    }
    return SDLK_UNKNOWN;
}

} // namespace

void GameApplication::start_pads()
{
    // Without pads the game plays on the keyboard all the same.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        printf("SDL_InitSubSystem(GAMECONTROLLER) failed: %s\n", SDL_GetError());
        return;
    }
    pads_started = true;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        open_pad(i);
    }
}

void GameApplication::stop_pads()
{
    pads.clear();
    if (pads_started) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        pads_started = false;
    }
}

void GameApplication::open_pad(int device_index)
{
    // Pads present at start are announced again by an added event.
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device_index);
    if (!pads_started || id < 0 || pads.count(id) != 0 || !SDL_IsGameController(device_index)) {
        return;
    }
    GameControllerPtr controller(SDL_GameControllerOpen(device_index));
    if (controller == nullptr) {
        printf("SDL_GameControllerOpen failed: %s\n", SDL_GetError());
        return;
    }
    pads[id].controller = std::move(controller);
}

void GameApplication::close_pad(SDL_JoystickID id)
{
    auto found = pads.find(id);
    if (found == pads.end()) {
        return;
    }
    // SDL lets go of the pad's buttons and centres its stick before it goes.
    pads.erase(found);
}

void GameApplication::pad_button(SDL_ControllerButtonEvent const& button)
{
    const bool pressed = button.type == SDL_CONTROLLERBUTTONDOWN;
    pad_key(button.which, button.button,
            pressed ? button_key(button.button, pad_place(current_state.get(), game_running)) : SDLK_UNKNOWN, pressed);
}

void GameApplication::pad_axis(SDL_ControllerAxisEvent const& axis)
{
    auto found = pads.find(axis.which);
    if (found == pads.end() || axis.axis > SDL_CONTROLLER_AXIS_LEFTY) {
        return;
    }
    int& direction = found->second.stick[axis.axis];
    int next = direction;
    if (axis.value >= stick_press) {
        next = 1;
    } else if (axis.value <= -stick_press) {
        next = -1;
    } else if (std::abs(axis.value) < stick_release) {
        next = 0;
    }
    if (next == direction) {
        return;
    }
    const int previous = direction;
    direction = next;
    const SDL_Keycode keys[2][2] = {{SDLK_LEFT, SDLK_RIGHT}, {SDLK_UP, SDLK_DOWN}};
    const int source = SDL_CONTROLLER_BUTTON_MAX + axis.axis;
    if (previous != 0) {
        pad_key(axis.which, source, SDLK_UNKNOWN, false);
    }
    if (next != 0) {
        pad_key(axis.which, source, keys[axis.axis][next > 0 ? 1 : 0], true);
    }
}

void GameApplication::pad_key(SDL_JoystickID id, int source, SDL_Keycode key, bool pressed)
{
    auto pad = pads.find(id);
    if (pad == pads.end()) {
        return;
    }
    auto& held = pad->second.held;
    if (pressed) {
        if (key == SDLK_UNKNOWN) {
            return;
        }
        held[source] = key;
    } else {
        // The key the press sent: a game may have ended in between.
        auto found = held.find(source);
        if (found == held.end()) {
            return;
        }
        key = found->second;
        held.erase(found);
    }
    SDL_Event event{};
    event.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    handle_event(event);
}
