// A game over that stays over: a laser beam that ends under the game-over
// message frees nothing, so nothing moves and nothing scores there.
#include "screens/EndGameSpecialState.h"
#include "screens/SpecialStates.h"
#include "support/TestApp.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(GameOverTest, ABeamThatEndsUnderGameOverFreesNothing)
{
    for (int ending = 0; ending < 4; ++ending) {
        const bool demo = ending & 1, editor_first = ending & 2; // F2 during the beam, then x in the editor
        SCOPED_TRACE(testing::Message() << (demo ? "demo" : "game") << (editor_first ? ", F2 then x" : ", x"));
        TestApp game;
        GameApplication& app = game.app();
        // The fastest steps, so anything freed moves within a few frames.
        while (app.get_tempo() < 9 || app.get_grade() < 9) {
            app.change_tempo(), app.change_grade();
        }
        app.change_game_state(new NullSpecialState(), false);
        app.start_game(demo);
        game.frames(2);
        game.tap(SDLK_SPACE);
        ASSERT_TRUE(game.wait_for([&] { return game.lasers_shown() == "19"; }, 5000)) << "the laser never fired";
        const Uint32 fired = SDL_GetTicks();
        const auto until = [&](Uint32 ms) { game.wait_for([&] { return SDL_GetTicks() - fired >= ms; }); };
        // x well within the beam's 900 ms; from the editor, after the beam's
        // time ran out behind it.
        until(600);
        const Player& player = app.get_player();
        ASSERT_FALSE(player.is_released()) << "the beam ended before the test could end the game";
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
        // The game-over tune alone outlasts this.
        game.wait_for([&] { return SDL_GetTicks() - ended > 450 || positions() != over; });
        EXPECT_EQ(positions(), over) << "play went on under GAME OVER";
        EXPECT_NE(dynamic_cast<EndGameSpecialState*>(app.get_current_state()), nullptr) << "the message ended first";
    }
}

} // namespace
