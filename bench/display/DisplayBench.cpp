// Display benchmarks on a 1024x768 software target with 32-pixel cells:
// a full screen of glyph cells against one full-target texture copy, loading
// both glyph sets, and replaying a recorded scene against drawing it.
// Run from the build folder (where the glyph bitmaps are).
#include "base/SdlOwners.h"
#include "display/MyGraphics_record.h"
#include "display/MyGraphics_render.h"
#include "display/Window.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {
constexpr int target_width = 1024;
constexpr int target_height = 768;

class Target {
public:
    Target()
        : surface(SDL_CreateRGBSurfaceWithFormat(0, target_width, target_height, 32, SDL_PIXELFORMAT_ARGB8888)),
          owned_renderer(SDL_CreateSoftwareRenderer(surface.get())), renderer(owned_renderer.get())
    {
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
        glyph_size = 32;
        restricted_game_area = false;
        SetScreenSize(target_width, target_height);
    }

    SurfacePtr surface;
    RendererPtr owned_renderer;
    SDL_Renderer* renderer;
};

std::unique_ptr<MyGraphics_render> loaded_glyphs(SDL_Renderer* renderer)
{
    auto graphics = std::make_unique<MyGraphics_render>(renderer);
    graphics->load(0, "Spectrum.bmp", 16, 10);
    graphics->load(1, "BX_title_screen.bmp", 8, 100);
    return graphics;
}

// A maze-like screen: every cell printed, the colours changing per line and
// now and then per cell, as the game's own frames do.
void draw_game_scene(MyGraphics& g)
{
    g.set_bg_opaque();
    for (int line = 0; line < 24; ++line) {
        g.set_fg_colour(static_cast<simple_colour_t>(line % 16));
        g.set_bg_colour(static_cast<simple_colour_t>(15 - line % 8));
        g.go_to(line, 0);
        for (int column = 0; column < 32; ++column) {
            const int code = 33 + (line * 32 + column) % 100;
            if (column % 8 == 7) {
                g.print(line, column, BRIGHT_RED, BRIGHT_YELLOW, code);
            } else {
                g.print(code);
            }
        }
    }
}

double thread_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Median CPU time of this thread: ratios stay fair on a busy machine.
double seconds_of(const std::function<void()>& work, int repeats)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const double start = thread_seconds();
        work();
        times.push_back(thread_seconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Texture full_target_picture(SDL_Renderer* renderer)
{
    Texture picture(
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, target_width, target_height));
    std::vector<Uint32> pixels(target_width * target_height, 0xFF3080C0);
    SDL_UpdateTexture(picture.get(), nullptr, pixels.data(), target_width * 4);
    // Pictures are drawn blended, as SimpleImage sets them up.
    SDL_SetTextureBlendMode(picture.get(), SDL_BLENDMODE_BLEND);
    return picture;
}

void BM_FullTargetCopy(benchmark::State& state)
{
    Target target;
    const Texture picture = full_target_picture(target.renderer);
    for (auto _ : state) {
        SDL_RenderCopy(target.renderer, picture.get(), nullptr, nullptr);
        SDL_RenderFlush(target.renderer);
    }
}
BENCHMARK(BM_FullTargetCopy)->Unit(benchmark::kMillisecond);

void BM_FullScreenOfCells(benchmark::State& state)
{
    Target target;
    auto graphics = loaded_glyphs(target.renderer);
    const Texture picture = full_target_picture(target.renderer);
    const auto copy = [&] {
        SDL_RenderCopy(target.renderer, picture.get(), nullptr, nullptr);
        SDL_RenderFlush(target.renderer);
    };
    const auto cells = [&] {
        draw_game_scene(*graphics);
        SDL_RenderFlush(target.renderer);
    };
    for (auto _ : state) {
        cells();
    }
    // Both measured here, in the same run, for a fair ratio.
    const double copy_time = seconds_of(copy, 50);
    const double cells_time = seconds_of(cells, 50);
    state.counters["copy_ms"] = copy_time * 1000;
    state.counters["cells_ms"] = cells_time * 1000;
    state.counters["ratio_to_copy"] = cells_time / copy_time;
}
BENCHMARK(BM_FullScreenOfCells)->Unit(benchmark::kMillisecond);

void BM_LoadBothGlyphSets(benchmark::State& state)
{
    Target target;
    for (auto _ : state) {
        auto graphics = loaded_glyphs(target.renderer);
        benchmark::DoNotOptimize(graphics->glyph_texture(31));
    }
}
BENCHMARK(BM_LoadBothGlyphSets)->Unit(benchmark::kMillisecond);

void BM_ReplayRecordedScene(benchmark::State& state)
{
    Target target;
    auto graphics = loaded_glyphs(target.renderer);
    MyGraphics_record recording;
    draw_game_scene(recording);
    const auto replay = [&] {
        recording.replay(*graphics);
        SDL_RenderFlush(target.renderer);
    };
    const auto direct = [&] {
        draw_game_scene(*graphics);
        SDL_RenderFlush(target.renderer);
    };
    for (auto _ : state) {
        replay();
    }
    const double direct_time = seconds_of(direct, 50);
    const double replay_time = seconds_of(replay, 50);
    state.counters["commands"] = static_cast<double>(recording.size());
    state.counters["ratio_to_direct"] = replay_time / direct_time;
}
BENCHMARK(BM_ReplayRecordedScene)->Unit(benchmark::kMillisecond);

void BM_RecordScene(benchmark::State& state)
{
    for (auto _ : state) {
        MyGraphics_record recording;
        draw_game_scene(recording);
        benchmark::DoNotOptimize(recording.size());
    }
}
BENCHMARK(BM_RecordScene)->Unit(benchmark::kMicrosecond);

// The glyph bitmaps live in the build folder, one above this program.
void find_assets()
{
    if (std::filesystem::exists("Spectrum.bmp")) {
        return;
    }
    char* base = SDL_GetBasePath();
    if (base != nullptr) {
        const std::filesystem::path build = std::filesystem::path(base).parent_path().parent_path();
        SDL_free(base);
        if (std::filesystem::exists(build / "Spectrum.bmp")) {
            std::filesystem::current_path(build);
        }
    }
}
} // namespace

int main(int argc, char** argv)
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        printf("SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    find_assets();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
