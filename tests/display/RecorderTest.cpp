#include "display/MyGraphics_record.h"
#include "display/TextPrinting.h"
#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<Uint32> snapshot(const HeadlessScreen& screen)
{
    screen.pixel(0, 0); // flushes the renderer
    const SDL_Surface* surface = screen.surface();
    const auto* pixels = static_cast<const Uint32*>(surface->pixels);
    return std::vector<Uint32>(pixels, pixels + surface->h * surface->pitch / 4);
}

// A scene that uses every kind of call and sets all the state it relies on.
void draw_scene(MyGraphics& g, SDL_Texture* picture, SDL_Rect& picture_place)
{
    g.update_game_screen_offset(1);
    g.clear_screen(simple_colours[BLUE]);
    g.set_bg_opaque();
    g.set_fg_colour(BRIGHT_WHITE);
    g.set_bg_colour(RED);
    g.go_to(2, 3);
    print_string(g, "SCORE 0010");
    g.print('!');
    g.skip_1_forward();
    g.print(static_cast<simple_colour_t>(16 + YELLOW), BLACK, 300);
    g.print(GREEN, SDL_Color{0, 0, 0, 128}, 'x');
    g.print(5, 0, MAGENTA, CYAN, 129);
    g.print(6, 0, MAGENTA, simple_colours[WHITE], 130);
    g.printxy(40, 120, YELLOW, simple_colours[BLUE], 131);
    g.printxy(60, 120, 132);
    g.printxy(80, 120, CYAN, 'Q');
    g.set_bg_transparent();
    g.set_bg_colour(SDL_Color{0, 205, 0, 255});
    g.print(9, 9, 'T');
    g.FillRect(simple_colours[YELLOW], SDL_Rect{0, 200, 50, 10});
    g.FillRect(SDL_Rect{0, 220, 10, 10});
    g.RenderCopy(picture, nullptr, &picture_place);
    g.update_game_screen_offset(0);
    g.set_bg_opaque();
    g.print(0, 0, 'W');
    g.RenderCopy(picture, nullptr, nullptr);
    SDL_Rect corner{0, 0, 1, 1};
    SDL_Rect place{500, 380, 20, 20};
    g.RenderCopy(picture, &corner, &place);
}

class Recorder : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture = SDL_CreateTexture(screen.renderer(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 2, 2);
        const Uint32 pixels[4] = {0xFFFF0000, 0x8000FF00, 0x00000000, 0xFF0000FF};
        SDL_UpdateTexture(picture, nullptr, pixels, 8);
        SDL_SetTextureBlendMode(picture, SDL_BLENDMODE_BLEND);
    }
    void TearDown() override
    {
        SDL_DestroyTexture(picture);
        raw_remove_game_screen_offset();
    }

    HeadlessScreen screen{16, true, 600, 420};
    SDL_Texture* picture = nullptr;
};
} // namespace

TEST_F(Recorder, ReplayDrawsWhatDirectDrawingDraws)
{
    SDL_Rect place{100, 150, 64, 32};
    draw_scene(screen.graphics(), picture, place);
    const std::vector<Uint32> direct = snapshot(screen);

    MyGraphics_record recording;
    SDL_Rect recorded_place{100, 150, 64, 32};
    draw_scene(recording, picture, recorded_place);
    // The recording keeps the rectangle as it was.
    recorded_place = SDL_Rect{0, 0, 1, 1};
    EXPECT_GT(recording.size(), 30u);

    screen.clear(simple_colours[BLACK]);
    screen.graphics().go_to(0, 0);
    recording.replay(screen.graphics());
    EXPECT_TRUE(snapshot(screen) == direct);
    EXPECT_EQ(screen.graphics().cursor_line(), 0);
    EXPECT_EQ(screen.graphics().cursor_column(), 1);

    // Again, and through a second recorder.
    screen.clear(simple_colours[BLACK]);
    MyGraphics_record copy;
    recording.replay(copy);
    EXPECT_EQ(copy.size(), recording.size());
    copy.replay(screen.graphics());
    EXPECT_TRUE(snapshot(screen) == direct);
}

TEST_F(Recorder, RecordingDrawsNothingAndReplayMovesTheCursor)
{
    screen.clear(simple_colours[BLACK]);
    const std::vector<Uint32> before = snapshot(screen);
    MyGraphics_record recording;
    recording.clear_screen(simple_colours[RED]);
    recording.update_game_screen_offset(1);
    recording.go_to(3, 4);
    recording.print(65);
    EXPECT_FALSE(restricted_game_area);
    EXPECT_TRUE(snapshot(screen) == before);

    screen.graphics().set_fg_colour(BLACK);
    screen.graphics().set_bg_colour(WHITE);
    RecordOffsetSetting();
    recording.replay(screen.graphics());
    EXPECT_TRUE(restricted_game_area);
    RestoreRecordedOffsetsetting();
    EXPECT_FALSE(restricted_game_area);
    EXPECT_EQ(game_offset_x, 0);
    EXPECT_EQ(screen.graphics().cursor_line(), 3);
    EXPECT_EQ(screen.graphics().cursor_column(), 5);
    // Drawn inside the game area as it was during the replay: offsets 44, 18.
    int paper = 0;
    for (int dy = 0; dy < 16; ++dy) {
        for (int dx = 0; dx < 16; ++dx) {
            paper += screen.pixel_is(44 + 4 * 16 + dx, 18 + 3 * 16 + dy, simple_colours[WHITE]) ? 1 : 0;
        }
    }
    EXPECT_GT(paper, 0);
    EXPECT_LT(paper, 256);
}

TEST_F(Recorder, EmptyReplayDoesNothing)
{
    screen.clear(simple_colours[GREEN]);
    screen.graphics().go_to(7, 8);
    const std::vector<Uint32> before = snapshot(screen);
    MyGraphics_record empty;
    empty.replay(screen.graphics());
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_TRUE(snapshot(screen) == before);
    EXPECT_EQ(screen.graphics().cursor_line(), 7);
    EXPECT_EQ(screen.graphics().cursor_column(), 8);
    EXPECT_FALSE(restricted_game_area);
}
