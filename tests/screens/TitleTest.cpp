// The title: deaf at first, blinks four times, shrinks to the middle, rises with the credits, the cover and the tape,
// and comes round; F5 marks it paused, Escape quits, a click opens the keys.
#include "display/Window.h"
#include "screens/SpecialStates.h"
#include "screens/TitleScreen.h"
#include "support/TestApp.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct Extent {
    int top = -1, left = -1, right = -1;
};

Uint32 rgb(simple_colour_t colour)
{
    const SDL_Color c = get_rgb_from_simple_colour(colour);
    return Uint32(c.r << 16 | c.g << 8 | c.b);
}

// The title picture on the blue screen: its top row down the middle, and its sides along the row under that.
Extent picture_shown(TestApp& game)
{
    int width = 0, height = 0;
    const std::vector<Uint32> shown = game.read_window(width, height);
    auto blue = [&](int x, int y) { return (shown[static_cast<size_t>(y * width + x)] & 0xffffff) == rgb(BLUE); };
    Extent picture;
    for (int y = 0; y + 1 < height && picture.top < 0; ++y) {
        picture.top = blue(width / 2, y) ? -1 : y;
    }
    for (int x = 0; x < width && picture.top >= 0; ++x) {
        if (!blue(x, picture.top + 1)) {
            picture.left = picture.left < 0 ? x : picture.left;
            picture.right = x;
        }
    }
    return picture;
}

// The tallest run of rows with something on them, blue rows above and below.
int tallest_whole_item(TestApp& game)
{
    int width = 0, height = 0;
    const std::vector<Uint32> shown = game.read_window(width, height);
    int tallest = 0, top = -1; // the row after the last blue one
    for (int y = 0; y < height; ++y) {
        const auto row = shown.begin() + y * width;
        if (std::all_of(row, row + width, [](Uint32 p) { return (p & 0xffffff) == rgb(BLUE); })) {
            tallest = top < 0 ? tallest : std::max(tallest, y - top);
            top = y + 1;
        }
    }
    return tallest;
}

TEST(TitleTest, DeafAtFirstThenShrinksToTheMiddleAndRisesThenAClickOpensTheKeys)
{
    TestApp game;
    game.compare_every_frame();
    game.frame();
    const int width = current_print_area_width();
    Extent picture = picture_shown(game);
    EXPECT_EQ(std::tie(picture.top, picture.left, picture.right), std::make_tuple(0, 0, width - 1))
        << "the picture fills the screen";

    int blinks = 0, w = 0, h = 0;
    std::vector<Uint32> last = game.read_window(w, h);
    game.wait_for([&] {
        if (blinks == 0) {
            TestApp::queue_click(12, 16), TestApp::queue_tap(SDLK_RETURN), TestApp::queue_tap(SDLK_ESCAPE);
        }
        std::vector<Uint32> now = game.read_window(w, h);
        blinks += now != last && picture_shown(game).left == 0;
        last = std::move(now);
        return picture_shown(game).left > 0;
    });
    EXPECT_EQ(blinks, 4) << "the picture blinks four times before it shrinks";
    EXPECT_FALSE(game.key_page_shown() || game.app().quit_requested()) << "input in the first moments was taken";

    auto& title = dynamic_cast<TitleScreen&>(*game.app().get_current_state());
    ASSERT_TRUE(game.wait_for([&] {
        picture = picture_shown(game);
        return title.get_phase() == 1 && picture.left == width / 4 && picture.right + 1 == width * 3 / 4;
    })) << "the picture never ended at half width in the middle";
    const auto paused_shown = [&] { // a spinner and "F5" in the corner, their ink cycling, on half-black
        bool shown = false;
        for (int ink = BLACK; ink <= BRIGHT_WHITE; ++ink) {
            for (const char spinner : {'|', '/', '-', '\\'}) {
                shown = shown || game.screen().shows_text(23, 29, {spinner, 'F', '5'}, simple_colour_t(ink), BLUE, 128);
            }
        }
        return shown;
    };
    game.tap(SDLK_F5);
    EXPECT_TRUE(paused_shown()) << "nothing says the title is paused";
    title.update(1.0, game.app().get_sound_manager(), game.app()); // a stall of three blinks' time
    const int blinked = title.get_flash_count();
    title.update(0.0, game.app().get_sound_manager(), game.app());
    EXPECT_EQ(title.get_flash_count(), blinked) << "a stall blinks once, not once for each blink it missed";
    const int cells = glyph_size;
    game.tap(SDLK_F4); // the window another size: the paused picture stays in the middle
    EXPECT_TRUE(game.wait_for([&] { return picture_shown(game).top == current_print_area_height() / 4; }, 5000));
    game.tap_until(SDLK_F4, [&] { return glyph_size == cells; });
    game.tap(SDLK_F5);
    EXPECT_FALSE(paused_shown());
    game.frame(); // its step takes in the time spent reading
    const Uint32 start = SDL_GetTicks();
    const int top = picture_shown(game).top;
    ASSERT_TRUE(game.wait_for([&] {
        picture = picture_shown(game);
        return picture.top >= 0 && picture.top <= top - current_print_area_height() / 20;
    })) << "the picture never rose";
    EXPECT_GE(SDL_GetTicks() - start, 250u) << "too fast to read the credits";
    EXPECT_TRUE(std::abs(picture.left - width / 4) <= 1) << "it stays the same size as it rises";
    const std::vector<Uint32> under = game.read_window(w, h); // the credits, from a line below the picture
    const auto first = under.begin() + (picture.top + current_print_area_height() / 2) * w;
    EXPECT_TRUE(std::any_of(first, first + 3 * glyph_size * w, [](Uint32 p) {
        return (p & 0xffffff) == rgb(BRIGHT_YELLOW);
    })) << "no credits under the picture";

    // On through the credits, the cover, the tape loading and round to the picture, a fifth of a screen a step.
    const int height = current_print_area_height();
    int cover = 0, loading = 0, round = 0;
    for (int step = 0; step < 35; ++step) {
        game.app().get_current_state()->update(2.0, game.app().get_sound_manager(), game.app());
        game.frames(4);
        const std::vector<Uint32> shown = game.read_window(w, h);
        const auto bright_blue = [](Uint32 p) { return (p & 0xffffff) == rgb(BRIGHT_BLUE); };
        loading = std::max(loading, static_cast<int>(std::count_if(shown.begin(), shown.end(), bright_blue)));
        const int tallest = tallest_whole_item(game);
        cover = std::max(cover, tallest);
        round += std::abs(tallest - height / 2) <= 1;
        if (step == 14) {
            game.tap(SDLK_F5), game.tap(SDLK_F5); // paused: the spinner's paper lets the tape picture show through
        }
    }
    EXPECT_NEAR(cover, height * 7 / 10, 2) << "the cover never stood whole on the blue, 70 % of the screen high";
    EXPECT_GT(loading, w * h / 2) << "the tape never loaded";
    EXPECT_GT(round, 0) << "the list did not come round to the picture";
    game.tap(SDLK_ESCAPE);
    EXPECT_TRUE(game.app().quit_requested()) << "Escape does not quit";

    game.click_cell(12, 16);
    ASSERT_TRUE(game.key_page_shown());
    // The top pixel row of the prompt's text cells is paper.
    const int x = width / 2 - 8 * glyph_size, y = height - 3 * glyph_size;
    for (simple_colour_t paper : {GREEN, BRIGHT_GREEN, GREEN}) {
        EXPECT_TRUE(game.wait_for([&] {
            return (game.read_window(w, h)[static_cast<size_t>(y * w + x)] & 0xffffff) == rgb(paper);
        })) << "the prompt does not blink";
    }
}

} // namespace
