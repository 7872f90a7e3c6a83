// What the display draws, read back pixel by pixel from a software renderer and compared with the real generated glyph
// bitmaps; and where it draws.
#include "base/PixelAccess.h"
#include "display/MyGraphics_record.h"
#include "display/TextPrinting.h"
#include "display/Window.h"
#include "support/TestApp.h"
#include "support/TestSupport.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {
const SDL_Color red = simple_colours[RED], green = simple_colours[GREEN], blue = simple_colours[BLUE];

// Pixels of the game cell (line, column) that differ from glyph `code` of the game's bitmap (32 cells to a row from
// code 33) in ink on paper.
int wrong_pixels(const HeadlessScreen& screen, int line, int column, int code, SDL_Color ink, SDL_Color paper,
                 bool title_set = false)
{
    const int cell = title_set ? 8 : 16;
    const SurfacePtr sheet(SDL_LoadBMP(title_set ? "BX_title_screen.bmp" : "Spectrum.bmp"));
    if (sheet == nullptr) {
        ADD_FAILURE() << SDL_GetError();
        return -1;
    }
    const int s = glyph_size;
    const int x0 = game_offset_x + column * s, y0 = game_offset_y + line * s;
    int wrong = 0, strokes = 0;
    for (int dy = 0; dy < s; ++dy) {
        for (int dx = 0; dx < s; ++dx) {
            const int x = (code - 33) % 32 * cell + dx * cell / s;
            const bool stroke = getpixel(sheet.get(), x, (code - 33) / 32 * cell + dy * cell / s) == 0; // black
            strokes += stroke ? 1 : 0;
            wrong += screen.pixel_is(x0 + dx, y0 + dy, stroke ? ink : paper) ? 0 : 1;
        }
    }
    // A cell all ink or all paper would prove nothing about the glyph.
    EXPECT_TRUE(strokes > 0 && strokes < s * s) << "code " << code;
    return wrong;
}
} // namespace

TEST(GlyphRenderer, CellShowsItsGlyphInInkOnPaper)
{
    struct Case {
        int size, ink, paper, code, shown; // inks from 16 draw the title set
    };
    const Case cases[] = {{16, RED, BRIGHT_YELLOW, 'A', 'A'}, {32, BLUE, RED, 'W', 'W'},
                          {24, RED, YELLOW, 'R', 'R'},        {16, BRIGHT_YELLOW, BLUE, 132, 132},
                          {16, BLACK, WHITE, 10, '?'},        {16, BLACK, WHITE, -7, '?'},
                          {16, 16 + BLUE, RED, 72, 72},       {32, 16 + BRIGHT_GREEN, BLACK, 102, 102},
                          {24, CYAN, BLACK, 'g', 'g'},        {40, 16 + RED, WHITE, 72, 72}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.size << " ink " << c.ink << " code " << c.code);
        HeadlessScreen screen(c.size);
        screen.clear(green);
        screen.graphics().print(3, 5, static_cast<simple_colour_t>(c.ink), simple_colours[c.paper], c.code);
        const SDL_Color ink = simple_colours[c.ink % 16];
        EXPECT_EQ(wrong_pixels(screen, 3, 5, c.shown, ink, simple_colours[c.paper], c.ink > 15), 0);
        for (const auto& [line, column] : {std::pair{2, 5}, {4, 5}, {3, 4}, {3, 6}}) {
            EXPECT_EQ(screen.count_in_cell(line, column, green), c.size * c.size) << "a neighbour was drawn on";
        }
    }
}

// The Spectrum's colours: bit 0 blue, bit 1 red, bit 2 green, at 205, or 255 when bright (bright black stays black).
TEST(GlyphRenderer, InksAndPapersAreTheSpectrumColoursAndATransparentPaperKeepsWhatIsUnder)
{
    const auto spectrum = [](int c) {
        const auto level = [c](int bit) { return static_cast<Uint8>((c & bit) == 0 ? 0 : c < 8 ? 205 : 255); };
        return SDL_Color{level(2), level(4), level(1), 255};
    };
    HeadlessScreen screen(16);
    for (int c = 0; c < 16; ++c) {
        screen.graphics().print(0, c, static_cast<simple_colour_t>(c), static_cast<simple_colour_t>(15 - c), 'A');
        EXPECT_EQ(wrong_pixels(screen, 0, c, 'A', spectrum(c), spectrum(15 - c)), 0) << "colour " << c;
    }
    // Transparent paper keeps what is under the glyph.
    MyGraphics_render& g = screen.graphics();
    screen.clear(green);
    g.set_fg_colour(BLUE);
    g.set_bg_colour(RED);
    g.set_bg_transparent();
    g.print(1, 0, 'A');
    EXPECT_EQ(wrong_pixels(screen, 1, 0, 'A', blue, green), 0);
    g.print(' '); // a space still fills its cell
    EXPECT_EQ(screen.count_in_cell(1, 1, red), 256);
    g.set_bg_opaque();
    g.print('A');
    EXPECT_EQ(wrong_pixels(screen, 1, 2, 'A', blue, red), 0);
}

namespace {
std::vector<Uint32> snapshot(const HeadlessScreen& screen)
{
    screen.pixel(0, 0); // flushes the renderer
    const auto* pixels = static_cast<const Uint32*>(screen.surface()->pixels);
    return {pixels, pixels + screen.surface()->h * screen.surface()->pitch / 4};
}

// A scene with every kind of call, setting all the state it relies on.
void draw_scene(MyGraphics& g, SDL_Texture* picture)
{
    g.update_game_screen_offset(1);
    g.clear_screen(blue);
    g.set_bg_opaque();
    g.set_fg_colour(BRIGHT_WHITE);
    g.set_bg_colour(RED);
    g.go_to(2, 3);
    print_string(g, "SCORE 0010");
    g.skip_1_forward();
    g.print(static_cast<simple_colour_t>(16 + YELLOW), BLACK, 300);
    g.print(GREEN, SDL_Color{0, 0, 0, 128}, 'x');
    g.print(5, 0, MAGENTA, simple_colours[WHITE], 130);
    g.printxy(40, 120, YELLOW, blue, 131);
    g.printxy(60, 120, 132);
    g.printxy(80, 120, CYAN, 'Q');
    g.set_bg_transparent();
    g.set_bg_colour(green);
    g.print(9, 9, 'T');
    g.FillRect(simple_colours[YELLOW], SDL_Rect{0, 200, 50, 10});
    g.FillRect(SDL_Rect{0, 220, 10, 10});
    SDL_Rect place{100, 150, 64, 32}, corner{0, 0, 1, 1}, window_place{500, 380, 20, 20};
    g.RenderCopy(picture, nullptr, &place);
    g.update_game_screen_offset(0);
    g.set_bg_opaque();
    g.print(0, 0, 'W');
    g.RenderCopy(picture, &corner, &window_place);
}
} // namespace

TEST(Recorder, ReplayDrawsWhatDrawingDrew)
{
    HeadlessScreen screen(16, true, 600, 420);
    SDL_Texture* picture = screen.graphics().glyph_texture(RED); // blended, with transparent pixels
    draw_scene(screen.graphics(), picture);
    const std::vector<Uint32> direct = snapshot(screen);

    screen.clear(simple_colours[BLACK]);
    const std::vector<Uint32> black = snapshot(screen);
    MyGraphics_record recording;
    draw_scene(recording, picture);
    EXPECT_TRUE(snapshot(screen) == black) << "recording draws nothing";
    EXPECT_FALSE(restricted_game_area) << "recording leaves the offset alone";
    recording.replay(screen.graphics());
    EXPECT_TRUE(snapshot(screen) == direct);
    EXPECT_EQ(std::pair(screen.graphics().cursor_line(), screen.graphics().cursor_column()), std::pair(0, 1));
}

TEST(WindowGeometry, CellSizesF4StepsAndPlacesFollowTheDesktop)
{
    struct Case {
        int width, height, largest, window, x, y; // x, y: where full screen puts the largest cells
        const char* f4_steps;                     // from the window's size round to it again
    };
    const Case cases[] = {{1920, 1080, 40, 32, 320, 60, "32 40 8 16 24"},
                          {2560, 1440, 56, 48, 384, 48, "48 56 8 16 24 32 40"},
                          {3840, 2160, 88, 80, 512, 24, "80 88 8 16 24 32 40 48 56 64 72"},
                          {1366, 768, 32, 24, 171, 0, "24 32 8 16"},
                          {1280, 800, 32, 24, 128, 16, "24 32 8 16"},
                          {1024, 768, 32, 24, 0, 0, "24 32 8 16"},
                          {800, 600, 24, 16, 16, 12, "16 24 8"},
                          {640, 480, 16, 16, 64, 48, "16 8"},
                          {256, 192, 8, 8, 0, 0, "8"},
                          {255, 191, 8, 8, 0, 0, "8"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(LargestGlyphSizeFor(c.width, c.height), c.largest);
        EXPECT_EQ(WindowGlyphSizeFor(c.width, c.height), c.window);
        const SDL_Rect full = GameAreaFor(c.width, c.height, c.largest);
        EXPECT_EQ(std::pair(full.x, full.y), std::pair(c.x, c.y));
        std::string steps = std::to_string(c.window);
        for (int size = NextGlyphSizeFor(c.window, c.width, c.height), n = 0; size != c.window && n < 16;
             size = NextGlyphSizeFor(size, c.width, c.height), ++n) {
            steps.append(" ").append(std::to_string(size));
        }
        EXPECT_EQ(steps, c.f4_steps);
    }
    // A grown window moves only as far as it must to stay on its display.
    const SDL_Rect hd{0, 0, 1920, 1080}, second{1920, 24, 1280, 1000}; // the second below a panel
    const std::tuple<SDL_Rect, SDL_Rect, int, int> moves[] = {{{640, 60, 1280, 990}, hd, 640, 60},
                                                              {{1000, 200, 1280, 990}, hd, 640, 90},
                                                              {{300, -20, 2000, 1200}, hd, 0, 0},
                                                              {{1800, 300, 1024, 798}, second, 1920, 226}};
    for (const auto& [frame, bounds, x, y] : moves) {
        const SDL_Point kept = KeptWithin(frame, bounds);
        EXPECT_EQ(std::pair(kept.x, kept.y), std::pair(x, y));
    }
}

// Through the game's loop on SDL's dummy desktop, 1024x768, where the window has cells of 24.
TEST(FullScreen, F11AndAltEnterGoFullScreenAndBackToTheWindowAsItWas)
{
    TestApp test;
    SDL_Window* window = GetGameWindow();
    const auto place = [window] {
        int x = 0, y = 0, w = 0, h = 0;
        SDL_GetWindowPosition(window, &x, &y);
        SDL_GetWindowSize(window, &w, &h);
        const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
        return std::tuple(full, x, y, w, h, glyph_size, game_offset_x, game_offset_y);
    };
    for (const auto& [key, mod] : {std::pair{SDLK_F11, KMOD_NONE}, {SDLK_RETURN, KMOD_LALT}}) {
        test.app().start_game(false);
        test.app().hold_mobs();
        SDL_SetWindowPosition(window, 40, 30);
        test.tap(key, mod);
        EXPECT_EQ(place(), std::tuple(true, 0, 0, 1024, 768, 32, 0, 0));
        test.tap(SDLK_F4); // cells of 8, centred on the display
        EXPECT_EQ(place(), std::tuple(true, 0, 0, 1024, 768, 8, 384, 288));
        EXPECT_TRUE(test.screen().shows_text(1, 1, "MAZE", BLACK, BRIGHT_YELLOW));
        test.mouse_at_cell(12, 9, true); // off the game screen's steering strips: fire
        EXPECT_TRUE(test.app().get_player().is_fire_held() && test.app().get_player().get_column_step() == 0);
        test.mouse_at_cell(12, 9, false);
        test.tap(key, mod);
        EXPECT_EQ(place(), std::tuple(false, 40, 30, 768, 576, 24, 0, 0));
    }
    SDL_SetWindowPosition(window, 40, 0); // grown, it would reach past the display's right edge only
    for (int cell : {32, 8, 16, 24}) {    // F4 in the window: every size the desktop holds, and round
        test.tap(SDLK_F4);
        const auto [full, x, y, w, h, g, offset_x, offset_y] = place();
        EXPECT_EQ(std::pair(w, h), std::pair(32 * cell, 24 * cell));
        EXPECT_TRUE(x >= 0 && y >= 0 && x + w <= 1024 && y + h <= 768) << "the window left the display";
        EXPECT_TRUE(test.screen().shows_text(1, 1, "MAZE", BLACK, BRIGHT_YELLOW)) << "drawn in cells of " << cell;
    }
}

TEST(WindowGeometry, GameAreaIsCentredAndBordersAreBlanked)
{
    struct Case {
        int cell, width, height, x, y; // x, y: the game area's offset
    };
    for (const Case& c : {Case{16, 600, 400, 44, 8}, Case{8, 260, 200, 2, 4}, Case{8, 256, 192, 0, 0},
                          Case{24, 800, 600, 16, 12}, Case{16, 601, 403, 44, 9}}) {
        SCOPED_TRACE(testing::Message() << c.cell << " in " << c.width << "x" << c.height);
        HeadlessScreen screen(c.cell, false, c.width, c.height);
        screen.graphics().update_game_screen_offset(1);
        EXPECT_EQ(std::pair(game_offset_x, game_offset_y), std::pair(c.x, c.y));
        EXPECT_EQ(current_print_area_height(), 24 * c.cell);
        screen.clear(red);
        BlankBorders(screen.renderer(), blue);
        int wrong = 0;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const bool inside = x >= c.x && x < c.x + 32 * c.cell && y >= c.y && y < c.y + 24 * c.cell;
                wrong += screen.pixel_is(x, y, inside ? red : blue) ? 0 : 1;
            }
        }
        EXPECT_EQ(wrong, 0);
        screen.graphics().update_game_screen_offset(0);
        EXPECT_EQ(std::pair(game_offset_x, current_print_area_width()), std::pair(0, c.width));
    }
}

TEST(TextPrinting, TextLandsWhereItBelongs)
{
    struct Case {
        std::function<void(MyGraphics&)> print;
        int x, y, width; // the span painted on row y of the game area
    };
    const int s = 16;
    const Case cases[] = {
        {[](MyGraphics& g) { print_centered_string(g, 5, "    "); }, 14 * s, 5 * s, 4 * s},
        {[](MyGraphics& g) { print_centered_string(g, 6, std::string(31, ' ')); }, 0, 6 * s, 31 * s},
        {[](MyGraphics& g) { g.go_to(3, 31), print_string(g, "  "); }, 0, 4 * s, s}, // wraps to the next line
        {[](MyGraphics& g) { print_string(g, 11, 1, std::string("  \0  ", 5)); }, s, 11 * s, 2 * s},
        {[](MyGraphics& g) { print_justified_string(g, 1, -3, "  ", justify_right); }, 27 * s, s, 2 * s},
        {[](MyGraphics& g) { print_justified_string(g, 0, 0, " ", justify_bottom | justify_hcenter); }, 15 * s, 23 * s,
         s},
        {[](MyGraphics& g) { print_justified_string(g, -2, 1, " ", justify_bottom | justify_left); }, s, 21 * s, s},
        {[](MyGraphics& g) { print_justified_string(g, 1, 2, " ", justify_vcenter); }, 2 * s, 12 * s, s},
        {[](MyGraphics& g) { print_centered_string_xy(g, 3, "    "); }, 224, 3, 64},
        {[](MyGraphics& g) { print_justified_string_xy(g, 0, 0, " ", justify_bottom); }, 0, 368, 16},
        {[](MyGraphics& g) { print_justified_string_xy(g, 0, 0, " ", justify_vcenter | justify_right); }, 496, 184, s},
        {[](MyGraphics& g) { print_justified_string_xy(g, -3, 0, " ", justify_right); }, 493, 0, 16},
        {[](MyGraphics& g) { print_string_xy(g, 5, 300, "  "); }, 5, 300, 32},
    };
    HeadlessScreen screen(16, true, 600, 420); // the game area at 44, 18
    for (const Case& c : cases) {
        screen.graphics().update_game_screen_offset(1);
        screen.clear(green);
        screen.graphics().set_bg_colour(RED);
        c.print(screen.graphics());
        std::string row;
        for (int x = c.x - 1; x <= c.x + c.width; ++x) {
            row += screen.pixel_is(44 + x, 18 + c.y, red) ? '#' : '.';
        }
        std::string want(static_cast<size_t>(c.width) + 2, '#');
        want.front() = want.back() = '.';
        EXPECT_EQ(row, want) << "case " << &c - cases;
    }
    // Bytes above 127 are glyph codes, not negative characters.
    print_string(screen.graphics(), 12, 0, "\x84");
    EXPECT_EQ(wrong_pixels(screen, 12, 0, 132, simple_colours[BLACK], red), 0);
}
