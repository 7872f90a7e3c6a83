#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(WindowGeometry, CellSizeForDesktops)
{
    struct Desktop {
        int width;
        int height;
        int largest;
        int window;
    };
    const Desktop desktops[] = {
        {1920, 1080, 40, 32}, {1024, 768, 32, 24}, {800, 600, 24, 16}, {640, 480, 16, 16},
        {256, 192, 8, 8},     {255, 192, 8, 8},    {100, 50, 8, 8},    {1280, 768, 32, 24},
    };
    for (const Desktop& d : desktops) {
        EXPECT_EQ(LargestGlyphSizeFor(d.width, d.height), d.largest) << d.width << "x" << d.height;
        EXPECT_EQ(WindowGlyphSizeFor(d.width, d.height), d.window) << d.width << "x" << d.height;
    }
}

TEST(WindowGeometry, ToggleCyclesUpToTheDesktopThenBackTo8)
{
    EXPECT_EQ(NextGlyphSizeFor(32, 1920, 1080), 40);
    EXPECT_EQ(NextGlyphSizeFor(40, 1920, 1080), 8);
    EXPECT_EQ(NextGlyphSizeFor(8, 1920, 1080), 16);
    EXPECT_EQ(NextGlyphSizeFor(24, 1024, 768), 32);
    EXPECT_EQ(NextGlyphSizeFor(32, 1024, 768), 8);
    EXPECT_EQ(NextGlyphSizeFor(8, 256, 192), 8);
    EXPECT_EQ(NextGlyphSizeFor(8, 200, 100), 8);
}

TEST(WindowGeometry, CentredGameAreaAndPrintArea)
{
    HeadlessScreen screen(16, false, 600, 400);
    EXPECT_EQ(game_width, 512);
    EXPECT_EQ(game_height, 384);
    EXPECT_EQ(current_print_area_width(), 600);
    EXPECT_EQ(current_print_area_height(), 400);
    EXPECT_EQ(left_right_pixels_size, 150);
    EXPECT_EQ(up_down_pixels_size, 133);
    EXPECT_EQ(menu_pixel_size, 40);

    raw_set_game_screen_offset();
    EXPECT_EQ(game_offset_x, 44);
    EXPECT_EQ(game_offset_y, 8);
    EXPECT_EQ(current_print_area_width(), 512);
    EXPECT_EQ(current_print_area_height(), 384);
    // A new window size keeps the mode and re-centres.
    SetScreenSize(601, 403);
    EXPECT_TRUE(restricted_game_area);
    EXPECT_EQ(game_offset_x, 44);
    EXPECT_EQ(game_offset_y, 9);

    RecordOffsetSetting();
    raw_remove_game_screen_offset();
    EXPECT_EQ(game_offset_x, 0);
    EXPECT_EQ(current_print_area_width(), 601);
    RestoreRecordedOffsetsetting();
    EXPECT_TRUE(restricted_game_area);
    EXPECT_EQ(game_offset_x, 44);
    raw_remove_game_screen_offset();
}

TEST(WindowGeometry, ConversionsBetweenWindowAndGame)
{
    HeadlessScreen screen(16, false, 600, 400);
    raw_set_game_screen_offset();
    int x = 10;
    int y = -3;
    game_to_screen(x, y);
    EXPECT_EQ(x, 54);
    EXPECT_EQ(y, 5);
    screen_to_game(x, y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, -3);
    const SDL_Rect moved = game_to_screen(SDL_Rect{1, 2, 3, 4});
    EXPECT_EQ(moved.x, 45);
    EXPECT_EQ(moved.y, 10);
    EXPECT_EQ(moved.w, 3);
    EXPECT_EQ(moved.h, 4);

    EXPECT_EQ(y_to_line(-1), 0);
    EXPECT_EQ(y_to_line(15), 0);
    EXPECT_EQ(y_to_line(16), 1);
    EXPECT_EQ(x_to_column(511), 31);
    EXPECT_EQ(get_simulated_orientation(), 0);
    raw_remove_game_screen_offset();
}

TEST(WindowGeometry, BlankBordersPaintsTheFrameOnly)
{
    const SDL_Color red = simple_colours[RED];
    const SDL_Color blue = simple_colours[BLUE];
    {
        // Even excess: 256x192 in 260x200, offsets 2 and 4.
        HeadlessScreen screen(8, false, 260, 200);
        raw_set_game_screen_offset();
        screen.clear(red);
        BlankBorders(screen.renderer(), blue);
        int blue_pixels = 0;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 260; ++x) {
                const bool inside = x >= 2 && x < 258 && y >= 4 && y < 196;
                EXPECT_TRUE(screen.pixel_is(x, y, inside ? red : blue)) << x << "," << y;
                blue_pixels += inside ? 0 : 1;
            }
        }
        EXPECT_EQ(blue_pixels, 260 * 200 - 256 * 192);
        raw_remove_game_screen_offset();
    }
    {
        // Odd excess: 256x192 in 261x197, offsets 2 and 2; the column and row
        // between the game screen and the right and bottom borders stay.
        HeadlessScreen screen(8, false, 261, 197);
        raw_set_game_screen_offset();
        screen.clear(red);
        BlankBorders(screen.renderer(), blue);
        EXPECT_TRUE(screen.pixel_is(1, 100, blue));
        EXPECT_TRUE(screen.pixel_is(2, 100, red));
        EXPECT_TRUE(screen.pixel_is(257, 100, red));
        EXPECT_TRUE(screen.pixel_is(258, 100, red));
        EXPECT_TRUE(screen.pixel_is(259, 100, blue));
        EXPECT_TRUE(screen.pixel_is(100, 1, blue));
        EXPECT_TRUE(screen.pixel_is(100, 194, red));
        EXPECT_TRUE(screen.pixel_is(100, 195, blue));
        raw_remove_game_screen_offset();
    }
    {
        // Window exactly the game screen: nothing to paint.
        HeadlessScreen screen(8, false);
        raw_set_game_screen_offset();
        screen.clear(red);
        BlankBorders(screen.renderer(), blue);
        EXPECT_TRUE(screen.pixel_is(0, 0, red));
        EXPECT_TRUE(screen.pixel_is(255, 191, red));
        raw_remove_game_screen_offset();
    }
}
