#pragma once
#include "app/GameApplication.h"
#include "screens/MenuSpecialState.h"
#include "support/AppHarness.h"
#include "support/TestSupport.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

// The real application with its menu; every step code the menu enters is
// noted in the trail.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Headless whatever the runner passed on: no display, no sound card.
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
        harness = std::make_unique<AppHarness>();
        srand(7);
    }
    void TearDown() override { harness.reset(); }

    GameApplication& app() { return harness->app(); }
    MySoundManager& sounds() { return app().get_sound_manager(); }
    Player& player() { return app().get_player(); }
    MenuSpecialState* menu() { return dynamic_cast<MenuSpecialState*>(app().get_current_state()); }
    int code() { return menu() != nullptr ? menu()->current_code() : -1; }
    // The code a running flash returns to, -1 when none.
    int return_code()
    {
        MenuSpecialState* m = menu();
        return m != nullptr && m->get_return_position() > 0 ? state_table[m->get_return_position()] : -1;
    }

    // Updates the current state on its own 20 ms tick until done holds; false
    // if the deadline passes or the menu is gone first. Each step code entered
    // is noted and drawn.
    bool run_until(const std::function<bool()>& done, Uint32 deadline_ms = 15000)
    {
        Uint32 start = SDL_GetTicks();
        int last = code();
        while (!done()) {
            if (menu() == nullptr || SDL_GetTicks() - start > deadline_ms) {
                return false;
            }
            app().get_current_state()->update(0.001, sounds(), app());
            int now = code();
            if (now != last) {
                trail.push_back(now);
                if (now == 4) {
                    silent_at_flash.push_back(sounds().are_all_sounds_finished());
                }
                draw();
                last = now;
            }
            SDL_Delay(1);
        }
        return true;
    }
    void draw() { app().render(app().get_renderer(), *app().get_graphics()); }
    bool run_until_code(int wanted) { return run_until([&] { return code() == wanted; }); }
    // Runs until a flash is under way that will go on at the given code.
    bool run_until_flash_before(int next_code)
    {
        return run_until([&] { return code() == 4 && return_code() == next_code; });
    }

    // A key pressed and released through the application's own key handling.
    void press(SDL_Keycode key, Uint16 mod = KMOD_NONE)
    {
        const int before = code();
        SDL_Event event{};
        event.key = key_event(key);
        event.key.keysym.mod = mod;
        app().handle_event(event);
        event.type = SDL_KEYUP;
        event.key.type = SDL_KEYUP;
        event.key.state = SDL_RELEASED;
        app().handle_event(event);
        if (code() != before) {
            trail.push_back(code());
        }
    }
    static SDL_KeyboardEvent key_event(SDL_Keycode key)
    {
        SDL_KeyboardEvent event{};
        event.type = SDL_KEYDOWN;
        event.state = SDL_PRESSED;
        event.keysym.sym = key;
        event.keysym.scancode = SDL_GetScancodeFromKey(key);
        return event;
    }

    // True when one of the four cells from (line, column) has the first
    // colour of a flash as its paper in the last drawing.
    bool flashing_at(int line, int column)
    {
        SDL_Color first = get_rgb_from_simple_colour(BRIGHT_MAGENTA);
        for (int i = 0; i < 4; ++i) {
            if (same_rgb(harness->cell_corner(line, column + i), first)) {
                return true;
            }
        }
        return false;
    }

    // The menu as it opens from the instructions, run to idle.
    void open_idle()
    {
        app().show_game_menu(true);
        ASSERT_EQ(code(), 0);
        ASSERT_TRUE(run_until_code(3));
        trail.clear();
        silent_at_flash.clear();
    }

    // A short game for the player (one food eaten, one life lost, one laser
    // more), then the menu as the game-over screen opens it.
    void open_after_game()
    {
        app().start_game(false);
        void (Player::*moves[])() = {&Player::move_left, &Player::move_right, &Player::move_up,
                                     &Player::move_down};
        for (auto move : moves) {
            if (player().get_score() == 0) {
                (player().*move)();
                player().update(0.0);
            }
        }
        ASSERT_EQ(player().get_score(), 10);
        player().lose_a_life();
        app().add_to_laser_count();
        end_and_open_menu();
        ASSERT_EQ(code(), 1);
    }

    // The game ends as on "x" (its removals carried out as the loop's next
    // game step would) and the game-over screen hands over to the menu.
    void end_and_open_menu()
    {
        app().end_game();
        app().delete_objects();
        app().show_game_menu(false);
    }

    // The menu as the game-over screen of a demo opens it: the attract loop.
    void open_after_demo()
    {
        app().start_game(true);
        end_and_open_menu();
        ASSERT_EQ(code(), 2);
    }

    std::unique_ptr<AppHarness> harness;
    std::vector<int> trail;
    // Whether all sounds had finished as each flash began.
    std::vector<bool> silent_at_flash;
};
