// Game pads, the window's focus and keys held across games, through SDL's queue into the game's loop.
#include "screens/LevelClearSpecialState.h"
#include "screens/SpecialStates.h"
#include "support/TestApp.h"
#include "world/CurrentMaze.h"
#include "world/MonsterManager.h"
#include "world/Player.h"

#include <gtest/gtest.h>

namespace {

// A virtual joystick with the standard buttons and axes: SDL maps it as a game controller.
SDL_Joystick* plug_in_pad()
{
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1"); // the dummy window never has the focus
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    return SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
}

TEST(PadTest, APadAlonePlaysFromTheTitleAndTheKeyboardGoesOnWhenItIsUnplugged)
{
    TestApp test;
    SDL_Joystick* pad = plug_in_pad();
    // Each followed by one frame so the loop has seen it.
    auto set = [&](int button, bool down) { SDL_JoystickSetVirtualButton(pad, button, down), test.frame(); };
    auto tilt = [&](int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(pad, axis, value), test.frame(); };
    auto tap = [&](int button) { set(button, true), set(button, false); };
    auto tap_until = [&](int button, auto done) { return test.wait_for([&] { return tap(button), done(); }); };
    ASSERT_TRUE(test.wait_for_title_to_take_keys());
    ASSERT_TRUE(tap_until(SDL_CONTROLLER_BUTTON_X, [&] { return test.key_page_shown(); }));
    for (int page = 1; page <= 3; ++page) {
        ASSERT_TRUE(tap_until(SDL_CONTROLLER_BUTTON_B, [&] { return test.instructions_page_shown(page); }));
    }
    ASSERT_TRUE(tap_until(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, [&] { return test.menu_panel_shown(); }));
    ASSERT_TRUE(tap_until(SDL_CONTROLLER_BUTTON_START, [&] { return test.key_legend_shown(); }));
    ASSERT_TRUE(test.wait_for([&] { return test.player_at_start_shown(); })) << "Start never played";
    set(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    EXPECT_TRUE(test.wait_for([&] { return test.scored(); })) << "the d-pad never steered";
    set(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(test.wait_for([&] { return test.lasers_shown() == "19"; })) << "A never fired";
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(test.app().is_paused());
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(test.app().is_paused());
    tap(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_TRUE(test.game_over_shown());
    ASSERT_TRUE(test.wait_for([&] { return test.menu_panel_shown(); }));

    // A second game, held so that a command turns the player without moving it.
    ASSERT_TRUE(tap_until(SDL_CONTROLLER_BUTTON_A, [&] { return test.key_legend_shown(); }));
    ASSERT_TRUE(test.wait_for([&] { return test.app().is_game_running(); })) << "A never played";
    test.app().hold_mobs();
    const Player& player = test.app().get_player();
    tilt(SDL_CONTROLLER_AXIS_LEFTY, -12000);
    EXPECT_EQ(test.app().get_action_bits(), 0) << "short of half way";
    tilt(SDL_CONTROLLER_AXIS_LEFTY, -20000);
    EXPECT_EQ(player.get_line_step(), -1);
    tilt(SDL_CONTROLLER_AXIS_LEFTY, 0);
    EXPECT_EQ(test.app().get_action_bits(), 0) << "the centred stick holds on";
    tilt(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    EXPECT_EQ(player.get_column_step(), 1);
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(0);
    test.frame();
    EXPECT_EQ(test.app().get_action_bits(), 0) << "the unplugged pad still holds right";
    test.press(SDLK_LEFT);
    EXPECT_EQ(player.get_column_step(), -1) << "the keyboard lost the game";
}

TEST(FocusTest, LosingTheFocusPausesAGameInPlayOrOneStartedWithoutIt)
{
    TestApp test;
    test.app().start_game(true);
    test.window_event(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_FALSE(test.app().is_paused()) << "a demo paused";
    test.window_event(SDL_WINDOWEVENT_FOCUS_GAINED);
    test.app().start_game(false);
    test.tap(SDLK_x);
    test.window_event(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_FALSE(test.app().is_paused()) << "the game-over screen paused";
    test.window_event(SDL_WINDOWEVENT_FOCUS_GAINED);
    test.app().start_game(false);
    EXPECT_FALSE(test.app().is_paused()) << "the focus came back and a game still started paused";
    test.window_event(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_TRUE(test.app().is_paused());
    test.window_event(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_TRUE(test.app().is_paused()) << "a second loss resumed";
    // As when the focus goes during the menu's Play animation.
    test.tap(SDLK_F5);
    test.app().start_game(false);
    EXPECT_TRUE(test.app().is_paused()) << "a game started without the focus";
}

// Left held as X ends a game and let go on the menu is not held in the next game.
TEST(HeldKeyTest, AKeyLetGoBetweenGamesIsNotHeldInTheNext)
{
    TestApp test;
    test.app().start_game(false);
    test.press(SDLK_LEFT);
    test.tap(SDLK_x);
    ASSERT_TRUE(test.wait_for([&] { return test.menu_panel_shown(); }));
    test.release(SDLK_LEFT);
    ASSERT_TRUE(test.tap_until(SDLK_p, [&] { return test.key_legend_shown(); }));
    ASSERT_TRUE(test.wait_for([&] { return test.app().is_game_running(); }));
    test.app().hold_mobs(); // a command turns the player without moving it
    const Player& player = test.app().get_player();
    test.press(SDLK_UP);
    test.release(SDLK_UP);
    EXPECT_EQ(player.get_line_step(), -1) << "Up did nothing";
    test.press(SDLK_SPACE);
    EXPECT_TRUE(player.is_fire_held()) << "space did not fire";
}

// A pad in the editor means the editor's keys, a game running behind it or not; on the game-over screen Start does
// nothing, so the next game runs.
TEST(PadTest, InTheEditorThePadIsItsKeysAndStartPastGameOverCarriesNoPause)
{
    TestApp test;
    SDL_Joystick* pad = plug_in_pad();
    auto set = [&](int button, bool down) { SDL_JoystickSetVirtualButton(pad, button, down), test.frame(); };
    auto tap = [&](int button) { set(button, true), set(button, false); };
    auto position = [&](const char* text) { return test.screen().shows_text(23, 0, text, BLACK, WHITE); };
    test.app().change_game_state(new NullSpecialState(), false);
    test.app().start_game(false);
    test.tap(SDLK_F2);
    tap(SDL_CONTROLLER_BUTTON_Y), tap(SDL_CONTROLLER_BUTTON_B), tap(SDL_CONTROLLER_BUTTON_X);
    EXPECT_TRUE(position("line = 1  Column = 1 ")) << "a button without a meaning moved the cursor";
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767), test.frame();
    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(position("line = 2  Column = 2 "));
    EXPECT_TRUE(test.screen().shows(2, 1, ' ', WHITE, BLACK) || test.screen().shows(2, 1, ' ', WHITE, MAGENTA));
    tap(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_TRUE(test.game_over_shown()) << "Back did not end the game behind the editor";
    tap(SDL_CONTROLLER_BUTTON_START);
    ASSERT_TRUE(test.wait_for([&] { return test.menu_panel_shown(); }));
    ASSERT_TRUE(test.wait_for([&] { return tap(SDL_CONTROLLER_BUTTON_START), test.key_legend_shown(); }));
    ASSERT_TRUE(test.wait_for([&] { return test.app().is_game_running(); }));
    EXPECT_FALSE(test.app().is_paused()) << "Start on the game-over screen paused the next game";
    // Start in the editor plays its grid, which has no maze letter.
    test.tap(SDLK_F2);
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(test.wait_for([&] { return test.screen().shows(1, 5, '-', BLACK, BRIGHT_WHITE); }));
    SDL_JoystickClose(pad);
}

// On the level-clear screen Start does nothing, and a focus lost there pauses the refilled maze; between games Y starts
// a demo.
TEST(PadTest, StartOnTheLevelClearScreenCarriesNoPauseAndYPlaysTheDemo)
{
    TestApp test;
    SDL_Joystick* pad = plug_in_pad();
    auto set = [&](int button, bool down) { SDL_JoystickSetVirtualButton(pad, button, down), test.frame(); };
    auto tap = [&](int button) { set(button, true), set(button, false); };
    for (bool focus_lost : {false, true}) {
        test.app().change_game_state(new NullSpecialState(), false);
        test.app().start_game(false);
        test.app().get_monsters().hold_all_but_me(nullptr);
        CurrentMaze& maze = test.app().get_maze();
        for (int line = 0; line <= maze.get_max_line(); ++line) {
            for (int column = 0; column <= maze.get_max_column(); ++column) {
                if (line != 9 || column != 16) { // all but the food above the start
                    maze.maze_eat(line, column);
                }
            }
        }
        test.press(SDLK_UP);
        const auto in = [&](auto* state) {
            return dynamic_cast<decltype(state)>(test.app().get_current_state()) != nullptr;
        };
        ASSERT_TRUE(test.wait_for([&] { return in((LevelClearSpecialState*)nullptr); })) << "never cleared";
        test.release(SDLK_UP);
        tap(SDL_CONTROLLER_BUTTON_START); // during the bonus
        if (focus_lost) {
            test.window_event(SDL_WINDOWEVENT_FOCUS_LOST);
        }
        ASSERT_TRUE(test.wait_for([&] { return in((NullSpecialState*)nullptr); })) << "play never resumed";
        EXPECT_EQ(test.app().is_paused(), focus_lost);
    }
    test.window_event(SDL_WINDOWEVENT_FOCUS_GAINED);
    ASSERT_TRUE(test.open_menu());
    ASSERT_TRUE(test.wait_for([&] { return tap(SDL_CONTROLLER_BUTTON_Y), test.app().is_game_running(); }));
    EXPECT_TRUE(test.app().is_demo_mode());
    SDL_JoystickClose(pad);
}

} // namespace
