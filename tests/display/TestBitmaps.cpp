#include "TestBitmaps.h"

#include "app/PixelAccess.h"
#include "display/Colours.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kworble_display_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "mkdtemp failed";
    }
    dir = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

namespace {
SDL_Surface* new_24_bit_surface(int width, int height)
{
    return SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24);
}

void save(SDL_Surface* surface, const std::string& file)
{
    if (SDL_SaveBMP(surface, file.c_str()) != 0) {
        ADD_FAILURE() << "SDL_SaveBMP: " << SDL_GetError();
    }
    SDL_FreeSurface(surface);
}
} // namespace

void write_glyph_bitmap(const std::string& file, int cell, int rows, int check_line, bool check_line_black)
{
    SDL_Surface* surface = new_24_bit_surface(32 * cell, rows * cell);
    const SDL_Color& pink = hot_pink_means_transparent;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, pink.r, pink.g, pink.b));
    const Uint32 black = SDL_MapRGB(surface->format, 0, 0, 0);
    for (int x = cell / 2; x < surface->w; x += cell) {
        SDL_Rect stroke{x, 0, 1, surface->h};
        SDL_FillRect(surface, &stroke, black);
    }
    if (!check_line_black) {
        SDL_Rect line{0, check_line, surface->w, 1};
        SDL_FillRect(surface, &line, SDL_MapRGB(surface->format, pink.r, pink.g, pink.b));
    }
    save(surface, file);
}

void write_plain_bitmap(const std::string& file, int width, int height, SDL_Color colour)
{
    SDL_Surface* surface = new_24_bit_surface(width, height);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
    save(surface, file);
}

void write_bytes(const std::string& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

GlyphSource::GlyphSource(const char* file, int cell) : surface(SDL_LoadBMP(file)), cell(cell)
{
    if (surface == nullptr) {
        ADD_FAILURE() << "cannot load " << file << ": " << SDL_GetError();
    }
}

GlyphSource::~GlyphSource()
{
    SDL_FreeSurface(surface);
}

SDL_Color GlyphSource::raw(int code, int dx, int dy) const
{
    const int index = code - 33;
    const int x = (index % 32) * cell + dx * cell / 16;
    const int y = (index / 32) * cell + dy * cell / 16;
    SDL_Color c{0, 0, 0, 255};
    if (surface == nullptr || x >= surface->w || y >= surface->h) {
        return hot_pink_means_transparent;
    }
    SDL_GetRGB(getpixel(surface, x, y), surface->format, &c.r, &c.g, &c.b);
    return c;
}

bool GlyphSource::is_stroke(int code, int dx, int dy) const
{
    const SDL_Color c = raw(code, dx, dy);
    return c.r == 0 && c.g == 0 && c.b == 0;
}

bool GlyphSource::is_key(int code, int dx, int dy) const
{
    const SDL_Color c = raw(code, dx, dy);
    const SDL_Color& key = hot_pink_means_transparent;
    return c.r == key.r && c.g == key.g && c.b == key.b;
}

SDL_Color GlyphSource::expected(int code, int dx, int dy, SDL_Color ink, SDL_Color paper) const
{
    if (is_stroke(code, dx, dy)) {
        return ink;
    }
    if (is_key(code, dx, dy)) {
        return paper;
    }
    return raw(code, dx, dy);
}

int GlyphSource::first_mixed_code(int from) const
{
    for (int code = from; code < from + 2000; ++code) {
        bool stroke = false;
        bool key = false;
        for (int dy = 0; dy < 16; ++dy) {
            for (int dx = 0; dx < 16; ++dx) {
                stroke = stroke || is_stroke(code, dx, dy);
                key = key || is_key(code, dx, dy);
            }
        }
        if (stroke && key) {
            return code;
        }
    }
    return -1;
}

SDL_Color rgb(Uint8 r, Uint8 g, Uint8 b)
{
    return SDL_Color{r, g, b, 255};
}
