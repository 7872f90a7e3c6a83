#include "app/GameApplication.h"

#include "base/Utilities.h"
#include "debug/Debug.h"
#include "display/MyGraphics_record.h"
#include "display/MyGraphics_render.h"
#include "display/Window.h"
#include "screens/MazeEditor.h"
#include "screens/SpecialStates.h"
#include "screens/TitleScreen.h"
#include "world/Player.h"

#include <cstdio>

void GameApplication::start()
{
    Utilities::initialise_random_seed();
    if (SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND) != 0) {
        printf("SDL_SetRenderDrawBlendMode failed: %s\n", SDL_GetError());
    }
    // Only what changed is drawn again each frame.
    auto render = std::make_unique<MyGraphics_render>(renderer, true);
    render->load(0, "Spectrum.bmp", 16, 10);
    render->load(1, "BX_title_screen.bmp", 8, 100);
    graphics = std::move(render);
    frame_limiter.set(60);
    player_timer.start_time(calculate_player_tempo_time());
    chaser_timer.start_time(calculate_monster_tempo_time());
    start_pads();
    change_game_state(new TitleScreen(*this, renderer), true);
}

void GameApplication::finish()
{
    stop_pads();
    graphics.reset();
}

void GameApplication::run_frame()
{
    debug.timing_loop_start();

    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        handle_event(event);
    }

    Uint32 now = SDL_GetTicks();
    Uint32 elapsed = first_frame ? 0 : now - prev_ticks;
    first_frame = false;
    prev_ticks = now;
    double dt = elapsed / 1000.0;

    current_state->update(dt, sound_manager, *this);
    banner.update(dt);

    // A game behind the editor waits for its designer: nothing but x ends it.
    const bool frozen = dynamic_cast<MazeEditor*>(current_state.get()) != nullptr;
    if (game_running && !paused && !frozen) {
        delete_objects();
        run_objects(dt);
        if (player_timer.expired()) {
            run_controllers(dt);
        }
        if (chaser_timer.expired()) {
            if (player->get_player_success() != player_success_copy) {
                player_success_copy = player->get_player_success();
                chaser_timer.start_time(calculate_monster_tempo_time());
            }
            monsters.update(dt, sound_manager);
        }
    }

    render(*graphics);
    debug.timing_loop_end_predelay();
#ifndef __EMSCRIPTEN__
    // In a browser the animation frames pace the loop; waiting here would spin.
    frame_limiter.limit();
#endif
}

void GameApplication::render(MyGraphics_render& g)
{
    draw_frame(g);
    debug.timing_prerender();
    g.present();
}

void GameApplication::draw_frame(MyGraphics_render& g)
{
    SDL_Color colour = get_rgb_from_simple_colour(background_colour);
    g.clear_screen(colour);
    // A replay may switch the game-screen offset; put it back afterwards.
    RecordOffsetSetting();
    if (current_state->show_background()) {
        do_background_draw(g);
    }
    RestoreRecordedOffsetsetting();
    draw_current_scene(g);
    // Last, so nothing drawn past the game screen's edges shows in full screen; black
    // round it like a monitor's surround.
    g.blank_borders(get_rgb_from_simple_colour(BLACK));
}

void GameApplication::do_background_draw(MyGraphics& g)
{
    if (background) {
        background->replay(g);
    }
}

void GameApplication::draw_current_scene(MyGraphics& g)
{
    if (game_running) {
        print_banner(g);
        print_selection_line(g);
        maze.print(g);
        player->print(&g);
        monsters.print(&g);
        print_scoreline(g);
        if (paused) {
            print_paused_message(g);
        }
    }
    current_state->print(g);
    debug.print(g);
}

void GameApplication::change_game_state(SpecialStates* next, bool copy_background)
{
    if (copy_background) {
        copy_screen_as_background(false);
    }
    // The outgoing state dies here: callers make this their last action.
    current_state.reset(next);
}

void GameApplication::copy_screen_as_background(bool add)
{
    if (!add || !background) {
        screen_copy_debug_count = 0;
        background = std::make_unique<MyGraphics_record>();
    }
    draw_current_scene(*background);
    ++screen_copy_debug_count;
    if (screen_copy_debug_count > 2) {
        printf("screen_copy_debug_count = %i\n", screen_copy_debug_count);
    }
}

void GameApplication::handle_event(SDL_Event const& event)
{
    switch (event.type) {
    case SDL_QUIT:
        quit = true;
        break;
    case SDL_WINDOWEVENT:
        window_event(event.window);
        break;
    case SDL_KEYDOWN:
        key_down_event(event.key);
        break;
    case SDL_KEYUP:
        if (!current_state->key_up(event.key) && game_running) {
            game_key_processing(event.key.keysym.sym, false);
        } else {
            // A key held through the end of a game must not stay down in the next.
            forget_key(event.key.keysym.sym);
        }
        break;
    case SDL_CONTROLLERDEVICEADDED:
        open_pad(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        close_pad(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        pad_button(event.cbutton);
        break;
    case SDL_CONTROLLERAXISMOTION:
        pad_axis(event.caxis);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEMOTION:
        mouse_event(event);
        break;
    case SDL_FINGERDOWN:
    case SDL_FINGERUP:
    case SDL_FINGERMOTION:
        finger_event(event.tfinger);
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        graphics->redraw_all();
        break;
    default:
        break;
    }
}

void GameApplication::window_event(SDL_WindowEvent const& window)
{
    switch (window.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
        paused = true;
        break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // Frames that change nothing are not shown, so show this one whole.
        graphics->redraw_all();
        break;
    default:
        break;
    }
    // A player who left the window has left the game; a demo or a screen
    // between games has no one to wait for.
    const bool in_play = game_running && !demo_mode && dynamic_cast<NullSpecialState*>(current_state.get()) != nullptr;
    if (window.event == SDL_WINDOWEVENT_FOCUS_LOST && in_play) {
        paused = true;
    }
    // Kept from the events: SDL's own focus flag is never set on some drivers.
    if (window.event == SDL_WINDOWEVENT_FOCUS_LOST || window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        window_focused = window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
    }
#ifdef __EMSCRIPTEN__
    // Another tab in front hides the page, and not every browser says the page lost the focus.
    if (window.event == SDL_WINDOWEVENT_HIDDEN && in_play) {
        paused = true;
    }
#endif
}

void GameApplication::key_down_event(SDL_KeyboardEvent const& key)
{
    const SDL_Keycode sym = key.keysym.sym;
    if ((key.keysym.mod & KMOD_GUI) && sym == SDLK_q) {
        quit = true;
        return;
    }
    if (sym == SDLK_F11 || ((key.keysym.mod & KMOD_ALT) && sym == SDLK_RETURN)) {
        ToggleFullScreen();
        return;
    }
    switch (sym) {
    case SDLK_F1:
        debug.info_toggle();
        return;
    case SDLK_F2:
        change_game_state(new MazeEditor(), true);
        return;
    case SDLK_F4:
        ToggleScreenSize();
        return;
    case SDLK_F5:
        paused = !paused;
        return;
    default:
        break;
    }
    if (current_state->key_down(key)) {
        return;
    }
    if (sym == SDLK_ESCAPE) {
        quit = true;
        return;
    }
    if (!game_running || paused) {
        return;
    }
    if (sym == SDLK_x) {
        end_game();
        return;
    }
    game_key_processing(sym, true);
}

void GameApplication::mouse_event(SDL_Event const& event)
{
    // A touch comes as its finger events; SDL's copy of it as a mouse would count it twice.
    const Uint32 which = event.type == SDL_MOUSEMOTION ? event.motion.which : event.button.which;
    if (which == SDL_TOUCH_MOUSEID) {
        return;
    }
    // The event carries the pointer's window position and, for motion,
    // its buttons: the same as the pointer state at the time of the event.
    if (event.type == SDL_MOUSEMOTION) {
        SDL_Point at = WindowToPixels(event.motion.x, event.motion.y);
        screen_to_game(at.x, at.y);
        if (event.motion.state & SDL_BUTTON_LMASK) {
            mouse_moved_and_is_down_event(at.x, at.y, event.motion.xrel, event.motion.yrel);
        }
        return;
    }
    SDL_Point at = WindowToPixels(event.button.x, event.button.y);
    screen_to_game(at.x, at.y);
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        mouse_button_down_event(at.x, at.y);
    } else {
        mouse_button_up_event(at.x, at.y);
    }
}

void GameApplication::finger_event(SDL_TouchFingerEvent const& finger)
{
    // SDL's fingers made from a mouse: the mouse's own events carry it.
    if (finger.touchId == SDL_MOUSE_TOUCHID) {
        return;
    }
    int width = 0, height = 0;
    SDL_GetWindowSizeInPixels(GetGameWindow(), &width, &height);
    int x = static_cast<int>(finger.x * width);
    int y = static_cast<int>(finger.y * height);
    screen_to_game(x, y);
    const bool steering = steering_finger == finger.fingerId;
    const bool playing = game_running && !paused;
    if (finger.type == SDL_FINGERDOWN) {
        if (!steering_finger && firing_fingers.empty()) {
            steering_finger = finger.fingerId;
            mouse_button_down_event(x, y);
        } else if (firing_fingers.insert(finger.fingerId).second && !current_state->mouse_down(x, y) && playing) {
            // Another finger fires wherever it lands, while the first steers on.
            fire();
        }
    } else if (finger.type == SDL_FINGERMOTION) {
        if (steering) {
            mouse_moved_and_is_down_event(x, y, 0, 0);
        }
    } else if (steering) {
        // Lifted, or taken by the browser for a gesture: the player stops as on a mouse release.
        steering_finger.reset();
        if (firing_fingers.empty()) {
            mouse_button_up_event(x, y);
        } else if (playing) {
            no_movement();
        }
    } else if (firing_fingers.erase(finger.fingerId) > 0 && firing_fingers.empty() && playing) {
        if (steering_finger) {
            no_fire();
        } else {
            release_game_action();
        }
    }
}
