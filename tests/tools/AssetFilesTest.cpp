// Loads every file kworble_assetgen writes, the way the game does (with
// SDL), and checks the formats and the properties the game relies on.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

struct Colour {
    Uint8 r, g, b;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kKey{238, 0, 252};

std::string asset_path(const char* name) {
    const char* dir = std::getenv("KWORBLE_BUILD_DIR");
    return dir ? std::string(dir) + "/" + name : std::string(name);
}

// A loaded BMP plus a 32-bit copy for easy pixel reads.
struct Picture {
    int bits_per_pixel = 0;
    SurfacePtr pixels;

    int width() const { return pixels->w; }
    int height() const { return pixels->h; }
    Colour at(int x, int y) const {
        const auto* row = static_cast<const Uint8*>(pixels->pixels) + y * pixels->pitch;
        Uint32 value;
        SDL_memcpy(&value, row + x * 4, sizeof value);
        Colour c{};
        SDL_GetRGB(value, pixels->format, &c.r, &c.g, &c.b);
        return c;
    }
};

Picture load_picture(const char* name) {
    Picture picture;
    SurfacePtr loaded(SDL_LoadBMP(asset_path(name).c_str()));
    if (!loaded) {
        ADD_FAILURE() << "cannot load " << name << ": " << SDL_GetError();
        return picture;
    }
    picture.bits_per_pixel = loaded->format->BitsPerPixel;
    picture.pixels.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    EXPECT_NE(picture.pixels, nullptr) << SDL_GetError();
    return picture;
}

bool row_has(const Picture& p, int y, Colour c) {
    for (int x = 0; x < p.width(); ++x) {
        if (p.at(x, y) == c) {
            return true;
        }
    }
    return false;
}

bool is_spectrum_colour(Colour c) {
    const auto level = [](Uint8 v) { return v == 0 ? 0 : v == 205 ? 1 : v == 255 ? 2 : -1; };
    const int r = level(c.r), g = level(c.g), b = level(c.b);
    if (r < 0 || g < 0 || b < 0) {
        return false;
    }
    const int lit = (r > 0 ? r : 0) | (g > 0 ? g : 0) | (b > 0 ? b : 0);
    return lit != 3; // no mixing of normal and bright channels
}

void expect_spectrum_picture(const Picture& p, const char* name) {
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            const Colour c = p.at(x, y);
            if (!is_spectrum_colour(c)) {
                FAIL() << name << " has non-Spectrum colour at " << x << "," << y;
            }
        }
    }
}

} // namespace

TEST(AssetFiles, FontSheetIs24BitWithSixteenPixelCells) {
    const Picture font = load_picture("Spectrum.bmp");
    ASSERT_NE(font.pixels, nullptr);
    EXPECT_EQ(font.bits_per_pixel, 24);
    EXPECT_EQ(font.width(), 512);
    EXPECT_GE(font.height(), 64);
    EXPECT_EQ(font.height() % 16, 0);
}

TEST(AssetFiles, FontSheetRowTenHasInkAndKeyColour) {
    const Picture font = load_picture("Spectrum.bmp");
    ASSERT_NE(font.pixels, nullptr);
    EXPECT_TRUE(row_has(font, 10, kBlack));
    EXPECT_TRUE(row_has(font, 10, kKey));
}

TEST(AssetFiles, FontSheetIsOnlyBlackAndKeyColour) {
    const Picture font = load_picture("Spectrum.bmp");
    ASSERT_NE(font.pixels, nullptr);
    for (int y = 0; y < font.height(); ++y) {
        for (int x = 0; x < font.width(); ++x) {
            const Colour c = font.at(x, y);
            ASSERT_TRUE(c == kBlack || c == kKey) << "pixel " << x << "," << y;
        }
    }
}

TEST(AssetFiles, EveryGlyphFrom33To132HasInk) {
    const Picture font = load_picture("Spectrum.bmp");
    ASSERT_NE(font.pixels, nullptr);
    for (int code = 33; code <= 132; ++code) {
        const int cell = code - 33;
        const int left = (cell % 32) * 16, top = (cell / 32) * 16;
        ASSERT_LE(top + 16, font.height());
        bool ink = false;
        for (int y = top; y < top + 16 && !ink; ++y) {
            for (int x = left; x < left + 16 && !ink; ++x) {
                ink = font.at(x, y) == kBlack;
            }
        }
        EXPECT_TRUE(ink) << "glyph " << code << " is blank";
    }
}

TEST(AssetFiles, LogoScreenIsInkOnKeyColourWithInkOnRow100) {
    const Picture logo = load_picture("BX_title_screen.bmp");
    ASSERT_NE(logo.pixels, nullptr);
    EXPECT_EQ(logo.bits_per_pixel, 24);
    EXPECT_EQ(logo.width(), 256);
    EXPECT_EQ(logo.height(), 192);
    EXPECT_TRUE(row_has(logo, 100, kBlack));
    EXPECT_TRUE(row_has(logo, 100, kKey));
}

TEST(AssetFiles, LogoContentStaysInTheRevealedCells) {
    // The loading animation reveals character rows 1..19, columns 1..29.
    const Picture logo = load_picture("BX_title_screen.bmp");
    ASSERT_NE(logo.pixels, nullptr);
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const bool revealed = y >= 8 && y < 20 * 8 && x >= 8 && x < 30 * 8;
            if (!revealed) {
                ASSERT_TRUE(logo.at(x, y) == kKey) << "ink outside the revealed cells at " << x << "," << y;
            }
        }
    }
}

TEST(AssetFiles, TitlePicturesAreSpectrumScreensThatDiffer) {
    const Picture one = load_picture("kworble_refurnished1.bmp");
    const Picture two = load_picture("kworble_refurnished2.bmp");
    ASSERT_NE(one.pixels, nullptr);
    ASSERT_NE(two.pixels, nullptr);
    EXPECT_EQ(one.bits_per_pixel, 24);
    EXPECT_EQ(two.bits_per_pixel, 24);
    ASSERT_EQ(one.width(), 256);
    ASSERT_EQ(one.height(), 192);
    ASSERT_EQ(two.width(), 256);
    ASSERT_EQ(two.height(), 192);
    expect_spectrum_picture(one, "kworble_refurnished1.bmp");
    expect_spectrum_picture(two, "kworble_refurnished2.bmp");
    int differing = 0;
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 256; ++x) {
            differing += one.at(x, y) == two.at(x, y) ? 0 : 1;
        }
    }
    EXPECT_GT(differing, 500) << "the title screen blinks between the two pictures";
}

TEST(AssetFiles, CoverIsAPortraitSpectrumPicture) {
    const Picture cover = load_picture("KworbleCover.bmp");
    ASSERT_NE(cover.pixels, nullptr);
    EXPECT_EQ(cover.bits_per_pixel, 24);
    EXPECT_GT(cover.height(), cover.width());
    expect_spectrum_picture(cover, "KworbleCover.bmp");
}

TEST(AssetFiles, BraxmoorLoadingScreensAre256By192) {
    for (const char* name : {"BX_title1.bmp", "BX_title2.bmp"}) {
        const Picture p = load_picture(name);
        ASSERT_NE(p.pixels, nullptr) << name;
        EXPECT_EQ(p.bits_per_pixel, 24) << name;
        EXPECT_EQ(p.width(), 256) << name;
        EXPECT_EQ(p.height(), 192) << name;
    }
}

TEST(AssetFiles, CrunchSoundLoadsAndIsNotSilent) {
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV(asset_path("Explosion_Crunch.wav").c_str(), &spec, &buffer, &length), nullptr)
        << SDL_GetError();
    EXPECT_EQ(spec.channels, 1);
    EXPECT_TRUE(spec.freq == 44100 || spec.freq == 22050);
    ASSERT_TRUE(spec.format == AUDIO_S16LSB || spec.format == AUDIO_U8);
    const int bytes_per_sample = spec.format == AUDIO_S16LSB ? 2 : 1;
    const double seconds = static_cast<double>(length) / bytes_per_sample / spec.freq;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 1.0);
    int peak = 0;
    for (Uint32 i = 0; i + bytes_per_sample <= length; i += static_cast<Uint32>(bytes_per_sample)) {
        int sample;
        if (bytes_per_sample == 2) {
            Sint16 s;
            SDL_memcpy(&s, buffer + i, sizeof s);
            sample = s;
        } else {
            sample = (buffer[i] - 128) * 256;
        }
        peak = std::max(peak, std::abs(sample));
    }
    SDL_FreeWAV(buffer);
    EXPECT_GT(peak, 8000) << "the crunch should be loud";
}
