// What the generated files must hold for a player to see and hear the game: every glyph of the font drawn and told
// apart, two title pictures to blink between, a crunch that can be heard.
#include "base/SdlOwners.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

// The picture's pixels as 0xRRGGBB, row after row.
std::vector<Uint32> load_rgb(const char* name, int& width)
{
    const SurfacePtr loaded(SDL_LoadBMP(name)); // the tests run in the build folder, beside the files
    EXPECT_NE(loaded, nullptr) << name << ": " << SDL_GetError();
    const SurfacePtr argb(loaded ? SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0) : nullptr);
    std::vector<Uint32> rgb;
    width = argb ? argb->w : 0;
    for (int y = 0; argb && y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x) {
            rgb.push_back(row[x] & 0xFFFFFF);
        }
    }
    return rgb;
}

TEST(AssetFiles, EveryGlyphHasInkAndNoTwoGlyphsLookAlike)
{
    int width = 0;
    const std::vector<Uint32> font = load_rgb("Spectrum.bmp", width);
    std::set<std::vector<bool>> shapes;
    for (int code = 33; code <= 132; ++code) {
        const int left = (code - 33) % 32 * 16, top = (code - 33) / 32 * 16;
        ASSERT_LE(static_cast<size_t>((top + 16) * width), font.size()) << "no room for glyph " << code;
        std::vector<bool> ink;
        for (int y = top; y < top + 16; ++y) {
            for (int x = left; x < left + 16; ++x) {
                const Uint32 pixel = font[static_cast<size_t>(y * width + x)];
                ASSERT_TRUE(pixel == 0 || pixel == 0xEE00FC) << "glyph " << code << " has a stray colour";
                ink.push_back(pixel == 0);
            }
        }
        EXPECT_NE(std::count(ink.begin(), ink.end(), true), 0) << "glyph " << code << " is blank";
        EXPECT_TRUE(shapes.insert(ink).second) << "glyph " << code << " repeats an earlier one";
    }
}

// The desktop's 64-pixel icon is the 32-pixel window icon doubled.
TEST(AssetFiles, TheDesktopIconIsTheWindowIconDoubled)
{
    int width = 0;
    const std::vector<Uint32> small = load_rgb("kworble_icon.bmp", width);
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_file(&png, "kworble.png"), 0) << png.message;
    ASSERT_EQ(png.width, 64u);
    ASSERT_EQ(png.height, 64u);
    png.format = PNG_FORMAT_RGB;
    std::vector<Uint8> big(PNG_IMAGE_SIZE(png));
    ASSERT_NE(png_image_finish_read(&png, nullptr, big.data(), 0, nullptr), 0) << png.message;
    for (size_t i = 0; i < 64 * 64; ++i) {
        const Uint32 pixel = big[3 * i] << 16 | big[3 * i + 1] << 8 | big[3 * i + 2];
        ASSERT_EQ(pixel, small[i / 64 / 2 * 32 + i % 64 / 2]) << "pixel " << i % 64 << "," << i / 64;
    }
}

TEST(AssetFiles, TheCrunchIsLoud)
{
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV("Explosion_Crunch.wav", &spec, &buffer, &length), nullptr) << SDL_GetError();
    ASSERT_EQ(spec.format, AUDIO_S16LSB);
    int peak = 0;
    for (Uint32 i = 0; i + 1 < length; i += 2) {
        peak = std::max(peak, std::abs(static_cast<Sint16>(buffer[i] | buffer[i + 1] << 8)));
    }
    SDL_FreeWAV(buffer);
    EXPECT_GT(length / 2, spec.freq / 5u) << "shorter than a fifth of a second";
    EXPECT_GT(peak, 8000);
}

} // namespace
