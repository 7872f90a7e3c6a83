// A game over that stays over: after x, while walking or during a beam whose end frees nothing, nothing moves and
// nothing scores under the message.
#include "screens/EndGameSpecialState.h"
#include "screens/SpecialStates.h"
#include "support/TestApp.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(GameOverTest, NothingMovesUnderGameOverAfterXWhileWalkingOrDuringABeam)
{
    for (int ending = 0; ending < 5; ++ending) {
        const bool demo = ending & 1, editor_first = ending & 2, walking = ending == 4;
        SCOPED_TRACE(testing::Message() << (demo ? "demo" : "game") << (editor_first ? ", F2" : "")
                                        << (walking ? ", walking" : ""));
        TestApp game;
        GameApplication& app = game.app();
        // The fastest steps, so anything freed moves within a few frames.
        while (app.get_tempo() < 9 || app.get_grade() < 9) {
            app.change_tempo(), app.change_grade();
        }
        app.change_game_state(new NullSpecialState(), false);
        app.start_game(demo);
        game.frames(2);
        const Player& player = app.get_player();
        if (walking) {
            game.press(SDLK_UP); // out of the start, then left along a long corridor
            ASSERT_TRUE(game.wait_for([&] { return player.line() == Player::START_LINE - 1; }, 5000));
            game.release(SDLK_UP);
            game.press(SDLK_LEFT);
        } else {
            game.tap(SDLK_SPACE);
            ASSERT_TRUE(game.wait_for([&] { return game.lasers_shown() == "19"; }, 5000)) << "the laser never fired";
        }
        const Uint32 fired = SDL_GetTicks();
        const auto until = [&](Uint32 ms) { game.wait_for([&] { return SDL_GetTicks() - fired >= ms; }); };
        // x a few steps into the corridor, or well within the beam's 900 ms; from the editor, after the beam's time ran
        // out behind it.
        until(walking ? 100 : 600);
        ASSERT_EQ(player.is_released(), walking) << "the beam ended before the test could end the game";
        if (editor_first) {
            game.tap(SDLK_F2);
            until(1100);
        }
        game.tap(SDLK_x);
        const Uint32 ended = SDL_GetTicks();
        auto positions = [&] {
            std::vector<int> at{player.line(), player.column(), player.get_score(), player.get_lives()};
            for (int k = 0; k < MonsterManager::COUNT; ++k) {
                at.insert(at.end(), {app.get_monsters().monster(k).line(), app.get_monsters().monster(k).column()});
            }
            return at;
        };
        const std::vector<int> over = positions();
        game.wait_for([&] { return SDL_GetTicks() - ended > 450 || positions() != over; }); // the tune outlasts this
        EXPECT_EQ(positions(), over) << "play went on under GAME OVER";
        EXPECT_NE(dynamic_cast<EndGameSpecialState*>(app.get_current_state()), nullptr) << "the message ended first";
    }
}

} // namespace
