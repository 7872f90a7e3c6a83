// Pointers in the window's pixels at every density, and touch by finger through the game's loop.
#include "display/Window.h"
#include "support/TestApp.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

TEST(PointerTest, WindowUnitsBecomePixelsAtEveryDensity)
{
    struct Case {
        double density;
        SDL_Point window, drawable, at, pixel;
    };
    const Case cases[] = {
        {1, {768, 576}, {768, 576}, {100, 200}, {100, 200}},
        {1.25, {1024, 768}, {1280, 960}, {100, 201}, {125, 251}},
        {2, {640, 480}, {1280, 960}, {319, 479}, {638, 958}},
        {2.625, {412, 309}, {1081, 811}, {206, 154}, {540, 404}},
        {3, {512, 384}, {1536, 1152}, {511, 0}, {1533, 0}},
        {2, {640, 480}, {1280, 960}, {-1, -3}, {-2, -6}}, // dragged out past the top left
        {0, {0, 0}, {0, 0}, {7, 9}, {7, 9}},              // no window yet
    };
    for (const Case& c : cases) {
        const SDL_Point got = PointerToPixels(c.at.x, c.at.y, c.window, c.drawable);
        EXPECT_EQ(std::pair(got.x, got.y), std::pair(c.pixel.x, c.pixel.y)) << "density " << c.density;
    }
}

using Heading = std::tuple<int, int, int>; // line step, column step, fire held
const Heading LEFT{0, -1, 0}, UP{-1, 0, 0}, FIRE{0, 0, 1}, NONE{0, 0, 0};

struct Touch {
    Uint32 type;
    SDL_FingerID finger;
    int line, column;
    SDL_TouchID device = 1;
};

void push(const Touch& t)
{
    SDL_Event event{};
    event.type = t.type;
    event.tfinger.touchId = t.device;
    event.tfinger.fingerId = t.finger;
    // The dummy window is 32x24 cells of 24 pixels; fingers come normalised to it.
    event.tfinger.x = (t.column + 0.5f) / 32;
    event.tfinger.y = (t.line + 0.5f) / 24;
    SDL_PushEvent(&event);
}

// Each row a new held game, steered by touches alone, then one step of the player; all lifted after the row.
TEST(TouchTest, TheFirstFingerSteersAnotherFiresAndALiftStops)
{
    constexpr Uint32 DOWN = SDL_FINGERDOWN, MOVE = SDL_FINGERMOTION, LIFT = SDL_FINGERUP;
    struct Case {
        const char* what;
        std::vector<Touch> touches;
        Heading after;
    };
    const Case cases[] = {
        {"an edge steers", {{DOWN, 1, 12, 1}}, LEFT},
        {"the centre fires", {{DOWN, 1, 12, 16}}, FIRE},
        {"a drag steers on", {{DOWN, 1, 12, 1}, {MOVE, 1, 1, 16}}, UP},
        {"from the centre to an edge", {{DOWN, 1, 12, 16}, {MOVE, 1, 12, 1}}, {0, -1, 1}},
        {"a second finger fires", {{DOWN, 1, 12, 1}, {DOWN, 2, 12, 30}}, {0, -1, 1}},
        {"its lift stops the fire", {{DOWN, 1, 12, 1}, {DOWN, 2, 12, 16}, {LIFT, 2, 12, 16}}, LEFT},
        {"the first's lift stops the steering", {{DOWN, 1, 12, 1}, {DOWN, 2, 12, 16}, {LIFT, 1, 12, 1}}, FIRE},
        {"the second's drag steers nothing", {{DOWN, 1, 12, 1}, {DOWN, 2, 12, 16}, {MOVE, 2, 1, 16}}, {0, -1, 1}},
        {"a lift stops", {{DOWN, 1, 12, 1}, {LIFT, 1, 12, 1}}, NONE},
        {"five fingers",
         {{DOWN, 1, 12, 1}, {DOWN, 2, 1, 1}, {DOWN, 3, 12, 16}, {DOWN, 4, 20, 20}, {DOWN, 5, 5, 5}},
         {0, -1, 1}},
        {"a mouse's copy of a finger is no finger", {{DOWN, 1, 12, 1, SDL_MOUSE_TOUCHID}}, NONE},
    };
    TestApp test;
    Player& player = test.app().get_player();
    const auto step = [&] {
        test.frame();
        player.release();
        player.update(0);
        player.hold();
        return Heading(player.get_line_step(), player.get_column_step(), player.is_fire_held());
    };
    for (const Case& c : cases) {
        test.app().start_game(false);
        test.app().hold_mobs();
        for (const Touch& t : c.touches) {
            push(t);
        }
        EXPECT_EQ(step(), c.after) << c.what;
        for (SDL_FingerID finger = 1; finger <= 5; ++finger) {
            push({LIFT, finger, 0, 0});
        }
        EXPECT_EQ(step(), NONE) << c.what << ", all lifted";
    }
    // SDL's mouse made from a touch does not press twice: the finger alone steers and lets go.
    SDL_Event copy{};
    copy.type = SDL_MOUSEBUTTONDOWN;
    copy.button = {SDL_MOUSEBUTTONDOWN, 0, 0, SDL_TOUCH_MOUSEID, SDL_BUTTON_LEFT, SDL_PRESSED, 1, 0, 12, 280};
    SDL_PushEvent(&copy);
    EXPECT_EQ(step(), NONE);
}

} // namespace
