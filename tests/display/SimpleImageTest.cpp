#include "TestBitmaps.h"
#include "display/SimpleImage.h"
#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {
const SDL_Color picture_colour{10, 200, 30, 255};
const SDL_Color green = {0, 205, 0, 255};

class SimpleImageTest : public ::testing::Test {
protected:
    void SetUp() override { write_plain_bitmap(temp.path("picture.bmp"), 256, 192, picture_colour); }
    void TearDown() override { raw_remove_game_screen_offset(); }
    std::string file() const { return temp.path("picture.bmp"); }

    TempDir temp;
};
} // namespace

TEST_F(SimpleImageTest, FitsAShareOfThePrintArea)
{
    HeadlessScreen screen(16, false);
    SimpleImage image(file().c_str(), screen.renderer());
    EXPECT_EQ(image.get_display_width(), 512);
    EXPECT_EQ(image.get_display_height(), 384);
    image.set_scale_to_fit_screen(50.0);
    EXPECT_EQ(image.get_display_width(), 256);
    EXPECT_EQ(image.get_display_height(), 192);
    image.set_scale_to_fit_screen(33.0);
    EXPECT_EQ(image.get_display_width(), 168);
    EXPECT_EQ(image.get_display_height(), 126);

    screen.clear(green);
    image.set_scale_to_fit_screen(50.0);
    image.draw(screen.graphics(), 10, 20);
    EXPECT_TRUE(screen.pixel_is(10, 20, picture_colour));
    EXPECT_TRUE(screen.pixel_is(265, 211, picture_colour));
    EXPECT_TRUE(screen.pixel_is(266, 211, green));
    EXPECT_TRUE(screen.pixel_is(9, 20, green));
}

TEST_F(SimpleImageTest, HeightLimitsAWideArea)
{
    HeadlessScreen screen(16, false, 1024, 384);
    SimpleImage image(file().c_str(), screen.renderer());
    EXPECT_EQ(image.get_display_width(), 512);
    EXPECT_EQ(image.get_display_height(), 384);
    screen.clear(green);
    image.draw_horizontally_centered(screen.graphics(), 0);
    EXPECT_TRUE(screen.pixel_is(255, 100, green));
    EXPECT_TRUE(screen.pixel_is(256, 100, picture_colour));
    EXPECT_TRUE(screen.pixel_is(767, 383, picture_colour));
    EXPECT_TRUE(screen.pixel_is(768, 100, green));
}

TEST_F(SimpleImageTest, RescalesLazilyWhenThePrintAreaChanges)
{
    HeadlessScreen screen(16, false, 1024, 768);
    SimpleImage image(file().c_str(), screen.renderer());
    EXPECT_EQ(image.get_display_height(), 768);

    // The game screen of 512x384 is centred at 256, 192.
    screen.graphics().update_game_screen_offset(1);
    EXPECT_EQ(image.get_display_height(), 768);
    screen.clear(green);
    image.draw_center(screen.graphics());
    EXPECT_EQ(image.get_display_width(), 512);
    EXPECT_EQ(image.get_display_height(), 384);
    EXPECT_TRUE(screen.pixel_is(256, 192, picture_colour));
    EXPECT_TRUE(screen.pixel_is(767, 575, picture_colour));
    EXPECT_TRUE(screen.pixel_is(255, 192, green));
    EXPECT_TRUE(screen.pixel_is(768, 575, green));
    EXPECT_TRUE(screen.pixel_is(767, 576, green));
}

TEST_F(SimpleImageTest, MissingPictureEndsWithStatus42)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string missing = temp.path("missing.bmp");
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            HeadlessScreen screen(16, false);
            SimpleImage image(missing.c_str(), screen.renderer());
        },
        ::testing::ExitedWithCode(42), "Error loading bitmap .*missing.bmp error ");
}
