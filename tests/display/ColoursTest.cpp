#include "display/Colours.h"

#include <gtest/gtest.h>

TEST(Colours, DecodeColourNames)
{
    EXPECT_EQ(decode_colour("BRIGHT WHITE"), BRIGHT_WHITE);
    EXPECT_EQ(decode_colour("bright white"), BRIGHT_WHITE);
    EXPECT_EQ(decode_colour("Bright wHite"), BRIGHT_WHITE);
    EXPECT_EQ(decode_colour("bright black"), BRIGHT_BLACK);
    EXPECT_EQ(decode_colour("cyan"), CYAN);
    EXPECT_EQ(decode_colour("BLACK"), BLACK);
    // Unknown names, however close, are magenta.
    EXPECT_EQ(decode_colour("BRIGHTWHITE"), MAGENTA);
    EXPECT_EQ(decode_colour(" RED"), MAGENTA);
    EXPECT_EQ(decode_colour("BRIGHT  RED"), MAGENTA);
    EXPECT_EQ(decode_colour(""), MAGENTA);
    EXPECT_EQ(decode_colour("GREY"), MAGENTA);
    EXPECT_EQ(decode_colour_string_map.size(), 16u);
}

TEST(Colours, ConvertAndToggle)
{
    EXPECT_EQ(convert_to_colour(-5), BLACK);
    EXPECT_EQ(convert_to_colour(16), BRIGHT_WHITE);
    EXPECT_EQ(convert_to_colour(9), BRIGHT_BLUE);
    EXPECT_EQ(convert_to_colour(0), BLACK);
    EXPECT_EQ(convert_to_colour(15), BRIGHT_WHITE);

    EXPECT_EQ(toggle_bright(BLACK), BRIGHT_BLACK);
    EXPECT_EQ(toggle_bright(BRIGHT_BLACK), BLACK);
    EXPECT_EQ(toggle_bright(BRIGHT_WHITE), WHITE);
    EXPECT_EQ(toggle_bright(RED), BRIGHT_RED);
    EXPECT_EQ(toggle_bright(static_cast<simple_colour_t>(16)), 16);
    EXPECT_EQ(toggle_bright(static_cast<simple_colour_t>(20)), 20);
    EXPECT_EQ(toggle_bright(static_cast<simple_colour_t>(-1)), -1);
}

TEST(Colours, Palette)
{
    const SDL_Color white = get_rgb_from_simple_colour(WHITE);
    EXPECT_EQ(white.r, 205);
    EXPECT_EQ(white.g, 205);
    EXPECT_EQ(white.b, 205);
    EXPECT_EQ(white.a, 255);
    const SDL_Color shade = get_rgb_from_simple_colour_transparent(BLACK, 128);
    EXPECT_EQ(shade.r + shade.g + shade.b, 0);
    EXPECT_EQ(shade.a, 128);
    SDL_Color out{};
    get_rgb_from_simple_colour(&out, BRIGHT_CYAN);
    EXPECT_EQ(out.r, 0);
    EXPECT_EQ(out.g, 255);
    EXPECT_EQ(out.b, 255);
    // Bright black draws as black; every other pair differs only in intensity.
    for (int c = 0; c < 8; ++c) {
        const SDL_Color normal = simple_colours[c];
        const SDL_Color bright = simple_colours[c + 8];
        EXPECT_EQ(normal.r == 0, bright.r == 0) << c;
        EXPECT_EQ(normal.b == 0, bright.b == 0) << c;
    }
    EXPECT_EQ(simple_colours[BRIGHT_BLACK].r + simple_colours[BRIGHT_BLACK].g + simple_colours[BRIGHT_BLACK].b, 0);
}
