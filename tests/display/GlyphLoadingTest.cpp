#include "TestBitmaps.h"
#include "app/PixelAccess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {
// Death-test matchers read standard error; the loader reports on standard output.
void load_with_stdout_on_stderr(int set, const std::string& file, int size, int check_line)
{
    dup2(STDERR_FILENO, STDOUT_FILENO);
    HeadlessScreen screen(16, false);
    screen.graphics().load(set, file.c_str(), size, check_line);
}

class GlyphLoadingDeath : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
    TempDir temp;
};
} // namespace

TEST_F(GlyphLoadingDeath, UnreadableBitmapsEndWithStatus42)
{
    EXPECT_EXIT(load_with_stdout_on_stderr(0, temp.path("absent.bmp"), 16, 10), ::testing::ExitedWithCode(42),
                "Error loading bitmap: .*absent.bmp");

    write_bytes(temp.path("empty.bmp"), "");
    EXPECT_EXIT(load_with_stdout_on_stderr(0, temp.path("empty.bmp"), 16, 10), ::testing::ExitedWithCode(42),
                "Error loading bitmap: ");

    write_bytes(temp.path("Spectrum.bmp"), "BM this is not a picture at all, just some words");
    EXPECT_EXIT(load_with_stdout_on_stderr(0, temp.path("Spectrum.bmp"), 16, 10), ::testing::ExitedWithCode(42),
                "Error loading bitmap: ");
}

TEST_F(GlyphLoadingDeath, BadArgumentsAndPicturesEndWithStatus43)
{
    write_glyph_bitmap(temp.path("font.bmp"), 16, 2, 10, true);
    EXPECT_EXIT(load_with_stdout_on_stderr(2, temp.path("font.bmp"), 16, 10), ::testing::ExitedWithCode(43),
                "Invalid texture set");
    // Tested before any file is opened.
    EXPECT_EXIT(load_with_stdout_on_stderr(-1, temp.path("absent.bmp"), 16, 10), ::testing::ExitedWithCode(43),
                "Invalid texture set");
    EXPECT_EXIT(load_with_stdout_on_stderr(0, temp.path("font.bmp"), 12, 10), ::testing::ExitedWithCode(43),
                "Glyph sizes supported are only 8 and 16 at the moment");

    write_glyph_bitmap(temp.path("blank_line.bmp"), 16, 2, 10, false);
    EXPECT_EXIT(load_with_stdout_on_stderr(0, temp.path("blank_line.bmp"), 16, 10), ::testing::ExitedWithCode(43),
                "No black on load\\?\nNo black");
    // A check line below the picture finds no black rather than reading past it.
    EXPECT_EXIT(load_with_stdout_on_stderr(0, temp.path("font.bmp"), 16, 32), ::testing::ExitedWithCode(43),
                "No black on load\\?");
}

TEST(GlyphLoading, BuildsSixteenColouredTexturesPerSet)
{
    HeadlessScreen screen(16, false);
    MyGraphics_render& g = screen.graphics();
    // The game's own bitmaps pass every check without a word.
    testing::internal::CaptureStdout();
    g.load(0, "Spectrum.bmp", 16, 10);
    g.load(1, "BX_title_screen.bmp", 8, 100);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    for (int index = 0; index < 32; ++index) {
        SDL_Texture* texture = g.glyph_texture(index);
        ASSERT_NE(texture, nullptr) << index;
        int width = 0;
        int height = 0;
        SDL_QueryTexture(texture, nullptr, nullptr, &width, &height);
        EXPECT_EQ(width, 512);
        SDL_BlendMode mode;
        SDL_GetTextureBlendMode(texture, &mode);
        EXPECT_EQ(mode, SDL_BLENDMODE_BLEND);
    }
    // The 8-pixel title set is doubled to 16-pixel cells: 256x192 becomes 512x384.
    int height = 0;
    SDL_QueryTexture(g.glyph_texture(16), nullptr, nullptr, nullptr, &height);
    EXPECT_EQ(height, 384);
}

TEST(GlyphLoading, OwnBitmapWithoutKeyOnCheckLineStillLoads)
{
    TempDir temp;
    // Row 4 of an 8-pixel bitmap, doubled to rows 8 and 9: strokes, no pink
    // once the row is blackened.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 256, 16, 24, SDL_PIXELFORMAT_BGR24);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 238, 0, 252));
    SDL_Rect line{0, 4, 256, 1};
    SDL_FillRect(surface, &line, SDL_MapRGB(surface->format, 0, 0, 0));
    // One pixel that is neither black nor key shows as itself in every ink.
    SDL_Rect odd{1, 0, 1, 1};
    SDL_FillRect(surface, &odd, SDL_MapRGB(surface->format, 10, 20, 30));
    ASSERT_EQ(SDL_SaveBMP(surface, temp.path("own.bmp").c_str()), 0);
    SDL_FreeSurface(surface);

    HeadlessScreen screen(16, false);
    MyGraphics_render& g = screen.graphics();
    testing::internal::CaptureStdout();
    g.load(1, temp.path("own.bmp").c_str(), 8, 8);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("No hot pink [1]\n"), std::string::npos);
    EXPECT_NE(output.find("No hot pink [2]\n"), std::string::npos);
    EXPECT_EQ(output.find("No colour"), std::string::npos);
    EXPECT_EQ(output.find("No black"), std::string::npos);
    ASSERT_NE(g.glyph_texture(16 + BRIGHT_GREEN), nullptr);
    EXPECT_EQ(g.glyph_texture(0), nullptr);

    screen.clear(simple_colours[BLUE]);
    g.print(0, 0, static_cast<simple_colour_t>(16 + BRIGHT_GREEN), simple_colours[RED], 33);
    EXPECT_TRUE(screen.pixel_is(2, 0, rgb(10, 20, 30)));
    EXPECT_TRUE(screen.pixel_is(3, 1, rgb(10, 20, 30)));
    EXPECT_TRUE(screen.pixel_is(0, 0, simple_colours[RED]));
    EXPECT_TRUE(screen.pixel_is(0, 8, simple_colours[BRIGHT_GREEN]));
    EXPECT_TRUE(screen.pixel_is(15, 9, simple_colours[BRIGHT_GREEN]));
    EXPECT_TRUE(screen.pixel_is(15, 10, simple_colours[RED]));
}

TEST(GlyphLoading, DoubleImageSizeMakesTwoByTwoBlocks)
{
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 24, SDL_PIXELFORMAT_BGR24);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            putpixel(source, x, y, static_cast<Uint32>(0x010203 * (1 + x + 3 * y)));
        }
    }
    SDL_Surface* doubled = double_image_size(source);
    ASSERT_NE(doubled, nullptr);
    EXPECT_EQ(doubled->w, 6);
    EXPECT_EQ(doubled->h, 4);
    EXPECT_EQ(doubled->format->format, source->format->format);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(getpixel(doubled, x, y), getpixel(source, x / 2, y / 2)) << x << "," << y;
        }
    }
    SDL_FreeSurface(doubled);
    SDL_FreeSurface(source);
}

TEST(GlyphLoading, RecolourTurnsBlackIntoTheColour)
{
    TempDir temp;
    write_glyph_bitmap(temp.path("font.bmp"), 16, 1, 10, true);
    SDL_Surface* source = SDL_LoadBMP(temp.path("font.bmp").c_str());
    ASSERT_NE(source, nullptr);
    HeadlessScreen screen(16, false);
    testing::internal::CaptureStdout();
    SDL_Surface* coloured = screen.graphics().recolour_black_surface(source, 1, 2, 3, 10);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_NE(coloured, nullptr);
    EXPECT_EQ(getpixel(coloured, 8, 3), 0x030201u);
    EXPECT_EQ(getpixel(coloured, 0, 3), 238u | (252u << 16));
    Uint32 key = 0;
    EXPECT_EQ(SDL_GetColorKey(source, &key), 0);
    EXPECT_EQ(key, 0u);
    SDL_FreeSurface(coloured);
    SDL_FreeSurface(source);
}
