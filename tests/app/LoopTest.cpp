// Keys through SDL's queue into the game's loop: key map, pause, F1, window events, quitting.
#include "debug/Debug.h"
#include "display/Window.h"
#include "support/TestApp.h"
#include "world/DemoController.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <vector>

namespace {

using Heading = std::tuple<int, int, int>; // line step, column step, fire held
const Heading UP{-1, 0, 0}, DOWN{1, 0, 0}, LEFT{0, -1, 0}, RIGHT{0, 1, 0}, FIRE{0, 0, 1}, NONE{0, 0, 0};

// Each row a new game, held so that a command turns the player without moving it, steered by the keys alone, demo or
// not. A release lost in one row shows in the next.
TEST(KeyMapTest, EveryKeyTakesItsActionAloneWithOthersPausedOrInTheDemo)
{
    struct Case {
        bool demo;
        std::vector<int> keys; // pressed, or released when negative
        Heading after;
    };
    std::vector<Case> cases = {
        {false, {SDLK_UP, SDLK_LEFT}, UP},   // two directions: the last command stands
        {false, {SDLK_SPACE, SDLK_d}, NONE}, // fire and a direction: neither
        {false, {SDLK_DOWN, SDLK_F5, -SDLK_DOWN, SDLK_F5, SDLK_RIGHT}, RIGHT}, // released while paused
        {true, {SDLK_LEFT}, NONE},                                             // the demo steers itself
        {true, {SDLK_SPACE}, FIRE},                                            // but the watcher may fire
    };
    const std::pair<SDL_Keycode, Heading> keys[] = {
        {SDLK_UP, UP},      {SDLK_w, UP},   {SDLK_7, UP},    {SDLK_DOWN, DOWN},   {SDLK_s, DOWN},  {SDLK_6, DOWN},
        {SDLK_LEFT, LEFT},  {SDLK_a, LEFT}, {SDLK_5, LEFT},  {SDLK_RIGHT, RIGHT}, {SDLK_d, RIGHT}, {SDLK_8, RIGHT},
        {SDLK_SPACE, FIRE}, {SDLK_9, FIRE}, {SDLK_F3, NONE}, {SDLK_q, NONE},
    };
    for (const auto& [key, action] : keys) {
        cases.push_back({false, {key}, action});
    }
    TestApp test;
    const Player& player = test.app().get_player();
    for (const Case& c : cases) {
        test.app().start_game(c.demo);
        test.app().hold_mobs();
        test.app().schedule_remove_controller(&test.app().get_demo_controller());
        test.app().delete_objects();
        for (int key : c.keys) {
            key > 0 ? test.press(key) : test.release(-key);
        }
        EXPECT_EQ(Heading(player.get_line_step(), player.get_column_step(), player.is_fire_held()), c.after)
            << SDL_GetKeyName(c.keys.back()) << " last, row " << &c - &cases[0];
        for (int key : c.keys) {
            test.release(key > 0 ? key : -key);
        }
    }
}

TEST(GameKeysTest, F5OrMinimisingFreezesTheGameOnlyF5ResumesItAndExposingShowsItAgain)
{
    TestApp test;
    const auto paused_shown = [&] {
        return test.screen().shows_text(11, 1, " PAUSED - PRESS F5 TO RESUME  ", BLACK, BRIGHT_WHITE);
    };
    test.tap(SDLK_F5); // even before the game starts
    test.app().start_game(false);
    test.tap(SDLK_x);
    test.click_cell(12, 16); // the centre fires, but not while paused
    const Uint32 start = SDL_GetTicks(), steps = 3 * test.app().calculate_monster_tempo_time();
    test.wait_for([&] { return SDL_GetTicks() - start > steps; });
    EXPECT_TRUE(paused_shown());
    EXPECT_TRUE(test.screen().shows(3, 1, 129, BLACK, BRIGHT_WHITE)) << "a chaser left its corner";
    EXPECT_FALSE(test.game_over_shown()) << "X ended a paused game";
    test.tap(SDLK_F5);
    test.press(SDLK_UP);
    EXPECT_TRUE(test.wait_for([&] { return !test.player_at_start_shown(); })) << "the game never went on";
    EXPECT_EQ(test.lasers_shown(), "20") << "a click while paused fired";
    test.mouse_at_cell(12, 16, true); // the centre fires while held
    EXPECT_TRUE(test.app().get_player().is_fire_held());
    test.mouse_at_cell(12, 16, false);
    EXPECT_FALSE(test.app().get_player().is_fire_held()) << "letting go kept the fire";

    test.window_event(SDL_WINDOWEVENT_MINIMIZED);
    test.window_event(SDL_WINDOWEVENT_RESTORED);
    EXPECT_TRUE(paused_shown()) << "restoring the window does not resume";
    // The window system loses the picture, as when another window covered it: a frame that changes nothing there leaves
    // it lost, until the window is exposed, or the renderer says it lost its textures or its device.
    for (Uint32 event :
         {Uint32(SDL_WINDOWEVENT_EXPOSED), Uint32(SDL_WINDOWEVENT_SHOWN), Uint32(SDL_WINDOWEVENT_MAXIMIZED),
          Uint32(SDL_WINDOWEVENT_SIZE_CHANGED), Uint32(SDL_RENDER_TARGETS_RESET), Uint32(SDL_RENDER_DEVICE_RESET)}) {
        SDL_FillRect(SDL_GetWindowSurface(GetGameWindow()), nullptr, 0);
        test.frame();
        EXPECT_FALSE(paused_shown()) << "a frame that changed nothing was drawn again";
        if (event >= SDL_RENDER_TARGETS_RESET) {
            SDL_Event reset{};
            reset.type = event;
            SDL_PushEvent(&reset);
            test.frame();
        } else {
            test.window_event(static_cast<Uint8>(event));
        }
        EXPECT_TRUE(paused_shown()) << "not shown again after event " << event;
    }
    test.tap(SDLK_ESCAPE);
    EXPECT_TRUE(test.app().quit_requested()) << "Escape quits, even paused";
}

// The overlay's text on line 0, white on blue, up to the first cell that is not.
std::string overlay_text(TestApp& test)
{
    const std::string glyphs = "0123456789.msfp=HVkn() ";
    std::string text;
    for (int column = 0; column < 32; ++column) {
        const auto found = std::find_if(glyphs.begin(), glyphs.end(),
                                        [&](char c) { return test.screen().shows(0, column, c, WHITE, BLUE); });
        if (found == glyphs.end()) {
            break;
        }
        text += *found;
    }
    return text;
}

TEST(GameKeysTest, F1CyclesTheOverlayThroughTimesPositionsAndOff)
{
    TestApp test;
    debug.info_hide(); // one overlay for the whole program
    test.app().start_game(false);
    test.tap(SDLK_UP); // a tap takes one step: from line 10 to 9
    ASSERT_TRUE(test.wait_for([&] { return !test.player_at_start_shown(); }));
    test.tap(SDLK_F1);
    test.frames(8); // the averages over the last five frames settle
    const std::string times = overlay_text(test);
    double frame = 0, busy = 0, fps = 0;
    ASSERT_EQ(std::sscanf(times.c_str(), "%lfms %lfms fps=%lf", &frame, &busy, &fps), 3) << times;
    EXPECT_GE(frame, 14.0) << times << ": frames are paced to 60 a second";
    EXPECT_LE(busy, frame) << times;
    test.tap(SDLK_F1);
    EXPECT_EQ(overlay_text(test), "H(k)=16 V(k)=10 H(n)=16 V(n)=9") << "where the key was pressed, where it is";
    test.tap(SDLK_F1);
    EXPECT_TRUE(test.screen().shows(0, 0, 'K', WHITE, RED)) << "the banner shows again";
    test.tap(SDLK_q, KMOD_LCTRL);
    EXPECT_FALSE(test.app().quit_requested()) << "Ctrl+Q quits";
    test.tap(SDLK_q, KMOD_RGUI);
    EXPECT_TRUE(test.app().quit_requested()) << "GUI+Q quits";
}

} // namespace
