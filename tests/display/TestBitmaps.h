#pragma once
#include <SDL.h>
#include <string>

// A fresh directory under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return dir + "/" + name; }

private:
    std::string dir;
};

// A 24-bit glyph bitmap of 32 cells by `rows` rows: every cell is key-pink
// with a black vertical stroke in its middle column, and, when
// `check_line_black` is false, the row check_line holds no black at all.
void write_glyph_bitmap(const std::string& file, int cell, int rows, int check_line, bool check_line_black);
// A 24-bit picture of one colour.
void write_plain_bitmap(const std::string& file, int width, int height, SDL_Color colour);
void write_bytes(const std::string& file, const std::string& bytes);

// Loads a glyph bitmap so tests can tell what a cell of it should look like.
class GlyphSource {
public:
    GlyphSource(const char* file, int cell);
    ~GlyphSource();
    GlyphSource(const GlyphSource&) = delete;
    GlyphSource& operator=(const GlyphSource&) = delete;

    // The colour the renderer should show at (dx, dy) of a 16x16 cell of
    // glyph `code`: ink on black, paper on the key colour, else the pixel.
    SDL_Color expected(int code, int dx, int dy, SDL_Color ink, SDL_Color paper) const;
    bool is_stroke(int code, int dx, int dy) const;
    bool is_key(int code, int dx, int dy) const;
    // The first code from `from` whose cell has both strokes and key pixels.
    int first_mixed_code(int from) const;

private:
    SDL_Color raw(int code, int dx, int dy) const;

    SDL_Surface* surface;
    int cell;
};

SDL_Color rgb(Uint8 r, Uint8 g, Uint8 b);
