#include "TestBitmaps.h"
#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
const SDL_Color red = simple_colours[RED];
const SDL_Color blue = simple_colours[BLUE];
const SDL_Color green = simple_colours[GREEN];
const SDL_Color bright_yellow = simple_colours[BRIGHT_YELLOW];

// Every pixel of the cell at window position (x, y), glyph_size 16, matches
// the glyph's picture in the given ink and paper.
void expect_cell(const HeadlessScreen& screen, int x, int y, const GlyphSource& source, int code, SDL_Color ink,
                 SDL_Color paper)
{
    int wrong = 0;
    for (int dy = 0; dy < 16; ++dy) {
        for (int dx = 0; dx < 16; ++dx) {
            if (!same_rgb(screen.pixel(x + dx, y + dy), source.expected(code, dx, dy, ink, paper))) {
                ++wrong;
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "code " << code << " at " << x << "," << y;
}
} // namespace

TEST(GlyphRenderer, GlyphLandsOnItsCellInInkAndPaper)
{
    HeadlessScreen screen(16);
    GlyphSource font("Spectrum.bmp", 16);
    screen.clear(green);
    screen.graphics().print(3, 5, RED, BRIGHT_YELLOW, 'A');
    expect_cell(screen, 5 * 16, 3 * 16, font, 'A', red, bright_yellow);
    // The neighbours stay as they were.
    EXPECT_EQ(screen.count_in_cell(3, 4, green), 256);
    EXPECT_EQ(screen.count_in_cell(3, 6, green), 256);
    EXPECT_EQ(screen.count_in_cell(2, 5, green), 256);
    EXPECT_EQ(screen.count_in_cell(4, 5, green), 256);

    // The game glyphs print too, with an SDL_Color paper.
    screen.graphics().printxy(16, 32, BRIGHT_YELLOW, blue, 132);
    expect_cell(screen, 16, 32, font, 132, bright_yellow, blue);
}

TEST(GlyphRenderer, GlyphScalesToLargerCells)
{
    HeadlessScreen screen(32);
    GlyphSource font("Spectrum.bmp", 16);
    screen.clear(green);
    screen.graphics().print(1, 1, BLUE, RED, 'W');
    int strokes = 0;
    for (int dy = 0; dy < 16; ++dy) {
        for (int dx = 0; dx < 16; ++dx) {
            strokes += font.is_stroke('W', dx, dy) ? 1 : 0;
        }
    }
    EXPECT_GT(strokes, 0);
    EXPECT_EQ(screen.count_in_cell(1, 1, blue), 4 * strokes);
    EXPECT_EQ(screen.count_in_cell(1, 1, green), 0);
}

TEST(GlyphRenderer, InksAbove15DrawTheTitleSet)
{
    HeadlessScreen screen(16);
    GlyphSource title("BX_title_screen.bmp", 8);
    GlyphSource font("Spectrum.bmp", 16);
    const int code = title.first_mixed_code(33);
    ASSERT_GT(code, 0);
    screen.clear(green);
    screen.graphics().print(0, 0, static_cast<simple_colour_t>(16 + BLUE), RED, code);
    expect_cell(screen, 0, 0, title, code, blue, red);

    const int letter = font.first_mixed_code(65);
    screen.graphics().print(0, 1, BLUE, RED, letter);
    expect_cell(screen, 16, 0, font, letter, blue, red);
}

TEST(GlyphRenderer, CodesBelow32PrintAQuestionMark)
{
    HeadlessScreen screen(16);
    GlyphSource font("Spectrum.bmp", 16);
    screen.clear(green);
    screen.graphics().print(2, 0, BLACK, WHITE, 10);
    screen.graphics().print(2, 1, BLACK, WHITE, 0);
    screen.graphics().print(2, 2, BLACK, WHITE, -7);
    for (int column = 0; column < 3; ++column) {
        expect_cell(screen, column * 16, 32, font, '?', simple_colours[BLACK], simple_colours[WHITE]);
    }
}

TEST(GlyphRenderer, CursorAdvancesAndWraps)
{
    HeadlessScreen screen(16, false);
    MyGraphics_render& g = screen.graphics();
    g.print(5, 31, RED, BLUE, 'X');
    EXPECT_EQ(g.cursor_line(), 6);
    EXPECT_EQ(g.cursor_column(), 0);
    g.print(23, 31, RED, BLUE, 'X');
    EXPECT_EQ(g.cursor_line(), 0);
    EXPECT_EQ(g.cursor_column(), 0);

    // printxy leaves the cursor alone; the cursor forms fill successive cells.
    g.go_to(7, 30);
    g.printxy(100, 100, 'X');
    EXPECT_EQ(g.cursor_line(), 7);
    g.set_bg_colour(RED);
    g.print(' ');
    g.print(' ');
    EXPECT_EQ(g.cursor_line(), 8);
    EXPECT_EQ(g.cursor_column(), 0);
    EXPECT_EQ(screen.count_in_cell(7, 30, red), 256);
    EXPECT_EQ(screen.count_in_cell(7, 31, red), 256);
}

TEST(GlyphRenderer, TransparentPaperKeepsWhatIsUnderTheStrokes)
{
    HeadlessScreen screen(16);
    GlyphSource font("Spectrum.bmp", 16);
    MyGraphics_render& g = screen.graphics();
    screen.clear(green);
    g.set_bg_transparent();
    g.set_fg_colour(BLUE);
    g.set_bg_colour(RED);
    g.print(0, 0, 'A');
    expect_cell(screen, 0, 0, font, 'A', blue, green);
    // A space still fills its cell.
    g.print(0, 1, ' ');
    EXPECT_EQ(screen.count_in_cell(0, 1, red), 256);

    g.set_bg_opaque();
    g.print(0, 2, 'A');
    expect_cell(screen, 32, 0, font, 'A', blue, red);
}

TEST(GlyphRenderer, PaperAlpha)
{
    HeadlessScreen screen(16, false);
    MyGraphics_render& g = screen.graphics();
    screen.clear(simple_colours[BRIGHT_WHITE]);
    // The current paper is always opaque.
    g.set_bg_colour(SDL_Color{205, 0, 0, 100});
    g.print(0, 0, ' ');
    EXPECT_EQ(screen.count_in_cell(0, 0, red), 256);
    // An explicit paper may tint what lies beneath.
    g.print(0, 1, BLACK, SDL_Color{0, 0, 0, 128}, ' ');
    const SDL_Color tinted = screen.pixel(20, 5);
    EXPECT_NEAR(tinted.r, 127, 2);
    EXPECT_EQ(tinted.r, tinted.b);
    // clear_screen ignores the colour's alpha.
    g.clear_screen(SDL_Color{0, 0, 205, 0});
    EXPECT_TRUE(screen.pixel_is(511, 383, blue));
}

TEST(GlyphRenderer, MissingGlyphSetDrawsPaperOnly)
{
    HeadlessScreen screen(16, false);
    screen.clear(green);
    screen.graphics().print(0, 0, BLACK, RED, 'A');
    screen.graphics().printxy(16, 0, BLACK, 'A');
    EXPECT_EQ(screen.count_in_cell(0, 0, red), 256);
    EXPECT_EQ(screen.count_in_cell(0, 1, green), 256);
}

TEST(GlyphRenderer, PixelOperationsFollowTheGameOffset)
{
    // 256x192 game screen centred in 400x300: offsets 72, 54.
    HeadlessScreen screen(8, false, 400, 300);
    MyGraphics_render& g = screen.graphics();
    g.update_game_screen_offset(1);
    EXPECT_EQ(game_offset_x, 72);
    EXPECT_EQ(game_offset_y, 54);
    g.clear_screen(green);
    EXPECT_TRUE(screen.pixel_is(0, 0, green));
    EXPECT_TRUE(screen.pixel_is(399, 299, green));

    g.FillRect(red, SDL_Rect{0, 0, 8, 8});
    EXPECT_TRUE(screen.pixel_is(72, 54, red));
    EXPECT_TRUE(screen.pixel_is(79, 61, red));
    EXPECT_TRUE(screen.pixel_is(71, 54, green));
    EXPECT_TRUE(screen.pixel_is(80, 61, green));
    // The colourless fill keeps the last draw colour.
    g.FillRect(SDL_Rect{8, 0, 8, 8});
    EXPECT_TRUE(screen.pixel_is(80, 54, red));

    g.print(1, 0, BLACK, BLUE, ' ');
    EXPECT_EQ(screen.count_in_cell(1, 0, blue), 64);
    EXPECT_TRUE(screen.pixel_is(72, 62, blue));

    g.update_game_screen_offset(0);
    EXPECT_EQ(game_offset_x, 0);
    EXPECT_EQ(current_print_area_width(), 400);
    g.FillRect(blue, SDL_Rect{0, 0, 4, 4});
    EXPECT_TRUE(screen.pixel_is(0, 0, blue));
}

TEST(GlyphRenderer, RenderCopyShiftsOnlyAGivenDestination)
{
    HeadlessScreen screen(8, false, 400, 300);
    MyGraphics_render& g = screen.graphics();
    SDL_Texture* texture = SDL_CreateTexture(screen.renderer(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 2, 2);
    const Uint32 pixels[4] = {0xFFCD0000, 0xFFCD0000, 0xFFCD0000, 0xFFCD0000};
    SDL_UpdateTexture(texture, nullptr, pixels, 8);
    g.update_game_screen_offset(1);
    g.clear_screen(green);
    SDL_Rect destination{0, 0, 10, 10};
    g.RenderCopy(texture, nullptr, &destination);
    EXPECT_TRUE(screen.pixel_is(72, 54, red));
    EXPECT_TRUE(screen.pixel_is(81, 63, red));
    EXPECT_TRUE(screen.pixel_is(82, 64, green));
    EXPECT_TRUE(screen.pixel_is(0, 0, green));

    g.RenderCopy(texture, nullptr, nullptr);
    EXPECT_TRUE(screen.pixel_is(0, 0, red));
    EXPECT_TRUE(screen.pixel_is(399, 299, red));
    SDL_DestroyTexture(texture);
}

TEST(GlyphRenderer, CellsMatchTheLoadedTexturesAtEverySize)
{
    HeadlessScreen screen(16);
    GlyphSource font("Spectrum.bmp", 16);
    MyGraphics_render& g = screen.graphics();
    const SDL_Color grey = rgb(90, 90, 90);
    const simple_colour_t inks[] = {BLACK, CYAN, BRIGHT_MAGENTA, static_cast<simple_colour_t>(16 + WHITE),
                                    static_cast<simple_colour_t>(31)};
    for (int size : {16, 32}) {
        glyph_size = size;
        for (simple_colour_t ink : inks) {
            for (int code : {65, 103, 127, 131, 200}) {
                screen.clear(grey);
                g.set_bg_transparent();
                g.printxy(0, 0, ink, simple_colours[RED], code);
                // The same cell straight from the loader's texture, scaled by SDL.
                const SDL_Rect source{(code - 33) % 32 * 16, (code - 33) / 32 * 16, 16, 16};
                const SDL_Rect beside{size, 0, size, size};
                SDL_RenderCopy(screen.renderer(), g.glyph_texture(ink), &source, &beside);
                int different = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        different += same_rgb(screen.pixel(x, y), screen.pixel(size + x, y)) ? 0 : 1;
                    }
                }
                EXPECT_EQ(different, 0) << "size " << size << " ink " << ink << " code " << code;
            }
        }
    }

    // A cell size that is no multiple of 16 picks source pixels by truncation.
    glyph_size = 24;
    screen.clear(grey);
    g.set_bg_opaque();
    g.print(1, 1, RED, BRIGHT_YELLOW, 'R');
    int wrong = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const SDL_Color want = font.expected('R', x * 16 / 24, y * 16 / 24, red, bright_yellow);
            wrong += same_rgb(screen.pixel(24 + x, 24 + y), want) ? 0 : 1;
        }
    }
    EXPECT_EQ(wrong, 0);
    glyph_size = 16;
}
