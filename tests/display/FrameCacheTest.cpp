// The frame cache's decisions on plain data, and its rare present paths on a real renderer.
#include "display/DrawBatches.h"
#include "display/FramePlan.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {
using Kind = DrawCommand::Kind;
auto* const tex = reinterpret_cast<SDL_Texture*>(0x1000); // never followed
const SDL_Color white{255, 255, 255, 255};
const SDL_Color red{205, 0, 0, 255};

DrawCommand glyph(int x, std::uint64_t serial = 7, int src_x = 0, SDL_Color mods = white)
{
    return {Kind::copy, tex, serial, {src_x, 0, 8, 8}, {x, 0, 8, 8}, mods, SDL_BLENDMODE_BLEND, {}};
}

DrawCommand paper(int x, SDL_Color colour, Kind kind = Kind::fill, int w = 8)
{
    return {kind, nullptr, 0, {}, {x, 0, w, 8}, colour, SDL_BLENDMODE_NONE, {}};
}

// '#' for each flag set, '.' for each clear.
std::string marks(std::vector<std::uint8_t> const& flags)
{
    std::string shown;
    for (std::uint8_t f : flags) {
        shown += f != 0 ? '#' : '.';
    }
    return shown;
}

// The tiles of a row as a string, '#' where redrawn.
std::string redrawn(std::vector<DrawCommand> const& last, std::vector<DrawCommand> const& now, int tile = 8)
{
    TileLists a, b;
    list_tiles(tile_grid(32, 8, tile, {0, 0}), last, a);
    list_tiles(tile_grid(32, 8, tile, {0, 0}), now, b);
    std::vector<std::uint8_t> damaged;
    damaged_tiles(a, last, b, now, damaged);
    return marks(damaged);
}
} // namespace

TEST(FramePlan, ATileIsRedrawnUnlessItsCommandsAreExactlyLastFramesOnes)
{
    DrawCommand added = glyph(8), clipped = glyph(8);
    added.blend = SDL_BLENDMODE_ADD;
    clipped.clip = {8, 0, 4, 4};
    struct Case {
        std::vector<DrawCommand> last, now;
        std::string redrawn;
    } const cases[] = {
        {{paper(8, red), glyph(8)}, {paper(8, red), glyph(8)}, "...."},
        {{paper(8, red)}, {paper(8, white)}, ".#.."},
        {{glyph(8)}, {glyph(8, 8)}, ".#.."},    // re-made, written to, or another at the same address
        {{glyph(8, 0)}, {glyph(8, 0)}, ".#.."}, // a texture of unknown serial
        {{glyph(8)}, {glyph(8, 7, 0, {255, 0, 255, 255})}, ".#.."},
        {{glyph(8)}, {glyph(8, 7, 0, {255, 255, 255, 128})}, ".#.."},
        {{glyph(8)}, {added}, ".#.."},
        {{glyph(8)}, {clipped}, ".#.."},
        {{glyph(8)}, {glyph(12)}, ".##."},                                  // slid by half a tile
        {{paper(16, red), glyph(16)}, {glyph(16), paper(16, red)}, "..#."}, // drawn in another order
        {{glyph(-20), glyph(40)}, {}, "...."},                              // off the window
        {{}, {paper(0, white, Kind::clear, 32)}, "####"},
        {{}, {{Kind::fill, nullptr, 0, {}, {8, 7, 8, 1}, red, SDL_BLENDMODE_NONE, {}}}, ".#.."}, // one pixel high
    };
    for (const Case& c : cases) {
        EXPECT_EQ(redrawn(c.last, c.now), c.redrawn) << "case " << &c - cases;
    }
    // A new grid (size, cells or origin) redraws every tile; a window without area has none.
    TileLists last, now;
    list_tiles(tile_grid(24, 16, 8, {0, 0}), {}, last);
    list_tiles(tile_grid(24, 16, 8, {-4, 0}), {}, now);
    std::vector<std::uint8_t> damaged;
    damaged_tiles(last, {}, now, {}, damaged);
    EXPECT_EQ(damaged, std::vector<std::uint8_t>(8, 1));
    EXPECT_EQ(tile_grid(0, 768, 32, {0, 0}).count() + tile_grid(-1, -1, 8, {0, 0}).count(), 0);
}

TEST(FramePlan, DirtyRectsHiddenDrawsAndBatches)
{
    const TileGrid grid = tile_grid(32, 24, 8, {0, 0}); // 4 x 3 tiles
    std::vector<SDL_Rect> rects{{1, 1, 1, 1}};          // a last frame's, reused
    dirty_rects(grid, {0, 1, 1, 0, 0, 1, 1, 0, 1, 0, 0, 1}, rects);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(std::vector<int>({rects[0].x, rects[0].y, rects[0].w, rects[0].h, rects[2].x, rects[2].y}),
              std::vector<int>({8, 0, 16, 16, 24, 16}));
    dirty_rects(tile_grid(0, 0, 8, {0, 0}), {}, rects);
    EXPECT_TRUE(rects.empty());

    const std::pair<std::vector<DrawCommand>, std::string> hidden[] = {
        {{glyph(0), paper(0, white, Kind::clear, 32), paper(8, white), paper(16, red)}, "#.#."},
        {{paper(0, red, Kind::clear, 32), glyph(8), paper(8, red), paper(16, red), paper(16, {205, 0, 0, 9})},
         "...#."}};
    for (const auto& [commands, shown] : hidden) {
        TileLists lists;
        list_tiles(tile_grid(32, 8, 8, {0, 0}), commands, lists);
        std::vector<std::uint8_t> hidden(9, 1);
        hidden_commands(lists, commands, hidden);
        EXPECT_EQ(marks(hidden), shown);
    }

    DrawCommand scaled = glyph(0);
    scaled.dst.w = scaled.dst.h = 12;
    EXPECT_TRUE(copy_lands_unevenly(scaled, true));
    scaled.dst.w = scaled.dst.h = 16;
    EXPECT_TRUE(copy_lands_unevenly(scaled, false) && !copy_lands_unevenly(scaled, true));

    using B = BatchDraw::Kind;
    auto* other = reinterpret_cast<SDL_Texture*>(0x2000);
    const auto draw = [](B kind, SDL_Texture* t, int x, int w = 8) {
        return BatchDraw{kind, t, SDL_BLENDMODE_BLEND, {x, 0, w, 8}};
    };
    const std::pair<std::vector<BatchDraw>, std::vector<int>> batches[] = {
        {{draw(B::geometry, tex, 0), draw(B::geometry, other, 8), draw(B::geometry, tex, 8)}, {0, 1, 2}},
        {{draw(B::geometry, tex, 0), draw(B::geometry, other, 8), draw(B::geometry, tex, 0)}, {0, 1, 0}},
        {{draw(B::geometry, tex, 0), draw(B::single, tex, 8), draw(B::clear, nullptr, 0, 32),
          draw(B::geometry, tex, 0)},
         {0, 1, 2, 3}},
    };
    BatchPlan plan;
    for (const auto& [draws, batch_of] : batches) {
        plan_batches(grid, draws, plan);
        EXPECT_EQ(plan.batch_of, batch_of);
    }
    plan_batches(TileGrid{}, {draw(B::geometry, tex, 0)}, plan);
    EXPECT_EQ(plan.batch_of, std::vector<int>{0});
}

TEST(FramePlan, ASoftwareRasteriserTakesTheCheaperPathAGraphicsCardTheSimpleRules)
{
    using P = PresentPath;
    const PreservedFrame target{Preserved::render_target, true};
    const PreservedFrame stale{Preserved::render_target, false};
    const PreservedFrame back{Preserved::back_buffer, true};
    // damaged tiles of 100, rects, preserved frame, shades pixels, costs: full, damage, target copy
    const std::tuple<int, int, PreservedFrame, bool, DrawCost, long long, P> cases[] = {
        {0, 0, target, false, {}, 0, P::skip},
        {1, 1, target, false, {100, 1000}, 5000, P::damage_to_preserved}, // costs are not a GPU's
        {1, 1, stale, false, {}, 0, P::full_to_preserved},
        {1, 1, {}, false, {}, 0, P::full_to_window},
        {60, 1, target, false, {}, 0, P::full_to_window},
        {10, 33, target, false, {}, 0, P::full_to_preserved},
        {60, 1, back, true, {1000, 100}, 0, P::damage_to_preserved},
        {1, 1, target, true, {1000, 100}, 2000, P::full_to_window},
        {1, 1, stale, true, {1000, 100}, 0, P::full_to_preserved},
    };
    int row = 0;
    for (const auto& [damaged, rects, preserved, shades, cost, copy, path] : cases) {
        const FrameDamage f{100, damaged, rects, preserved, false, shades, cost, copy};
        EXPECT_EQ(present_path(f), path) << "case " << row++;
    }
}

namespace {
SDL_malloc_func real_malloc = nullptr;
SDL_realloc_func real_realloc = nullptr;
size_t refused_size = 0;
bool refuse_realloc = false;
// Refuses what SDL asks for to hold a picture of the refused size.
void* refusing_malloc(size_t size)
{
    return size >= refused_size && size < refused_size + 256 ? nullptr : real_malloc(size);
}
// Refused, a renderer cannot grow its vertex buffer: a fresh one draws no fill or copy.
void* refusing_realloc(void* memory, size_t size)
{
    return refuse_realloc ? nullptr : real_realloc(memory, size);
}

// An opaque white texture on the renderer.
Texture white_texture(SDL_Renderer* renderer, int size)
{
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_ARGB8888));
    SDL_FillRect(surface.get(), nullptr, 0xffffffff);
    Texture texture(SDL_CreateTextureFromSurface(renderer, surface.get()));
    SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
    return texture;
}
} // namespace

TEST(FrameCache, WithoutARenderTargetWhatSDLRefusedIsDrawnNextCopiesKeepTheirModsRefusedBatchesGoOneByOne)
{
    HeadlessScreen screen(8, false);
    MyGraphics_render cached(screen.renderer(), true);
    cached.load(0, "Spectrum.bmp", 16, 10);
    SDL_calloc_func calloc_fn = nullptr;
    SDL_free_func free_fn = nullptr;
    SDL_GetMemoryFunctions(&real_malloc, &calloc_fn, &real_realloc, &free_fn);
    refused_size = static_cast<size_t>(screen.surface()->pitch) * screen.surface()->h; // no render target
    SDL_SetMemoryFunctions(refusing_malloc, calloc_fn, refusing_realloc, free_fn);
    testing::internal::CaptureStdout();
    std::vector<int> red_pixels;
    for (int frame = 0; frame < 3; ++frame) {
        refuse_realloc = frame == 0; // the same frame twice, then the glyph moves on
        cached.clear_screen(red);
        cached.print(1 + frame / 2, 1 + frame / 2, BLACK, BRIGHT_WHITE, 'A');
        cached.present();
        refuse_realloc = false;
        red_pixels.push_back(screen.count_in_cell(1, 1, red));
    }
    SDL_SetMemoryFunctions(real_malloc, calloc_fn, real_realloc, free_fn);
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(red_pixels, std::vector<int>({64, 0, 64})) << "SDL drew, or the cell was never redrawn or cleared";
    EXPECT_NE(said.find("every frame whole"), std::string::npos);
    EXPECT_EQ(said.find("every frame whole"), said.rfind("every frame whole")) << said;

    // The same texture tinted two ways in one frame.
    Texture texture = white_texture(screen.renderer(), 8);
    SDL_Rect cells[] = {{8, 0, 8, 8}, {16, 0, 8, 8}};
    cached.clear_screen(red);
    SDL_SetTextureColorMod(texture.get(), 0, 205, 0);
    cached.RenderCopy(texture.get(), nullptr, &cells[0]);
    SDL_SetTextureColorMod(texture.get(), 0, 0, 205);
    cached.RenderCopy(texture.get(), nullptr, &cells[1]);
    cached.present();
    EXPECT_EQ(screen.count_in_cell(0, 1, {0, 205, 0, 255}), 64) << "drawn with the mods of present time";

    // A source outside its texture makes SDL refuse the whole batch.
    SDL_SetTextureColorMod(texture.get(), 255, 255, 255);
    const DrawCommand inside{DrawCommand::Kind::copy,
                             texture.get(),
                             texture.serial(),
                             {0, 0, 8, 8},
                             cells[0],
                             white,
                             SDL_BLENDMODE_BLEND,
                             {}};
    DrawCommand outside = inside;
    outside.src.x = 8;
    outside.dst = cells[1];
    std::vector<std::uint8_t> undrawn(4, 0);
    DrawBatches batches(screen.renderer());
    screen.clear(red);
    batches.draw({&inside, &outside}, tile_grid(32, 8, 8, {0, 0}), nullptr, undrawn);
    EXPECT_EQ(screen.count_in_cell(0, 1, white), 64) << "the batch's other copy was lost";
    EXPECT_EQ(marks(undrawn), "....");
}
