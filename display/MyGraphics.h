#pragma once
#include "display/Colours.h"

#include <SDL.h>

// The character-cell screen everything draws through: 32 columns by 24
// lines, an ink and a paper per cell, a cursor, and a few pixel operations.
// An ink is a texture index: glyph set * 16 + colour.
class MyGraphics {
public:
    virtual ~MyGraphics() = default;
    virtual void print(int line, int column, simple_colour_t fg, SDL_Color const& bg, int c) = 0;
    virtual void printxy(int x, int y, simple_colour_t fg, SDL_Color const& bg, int c) = 0;
    virtual void print(int line, int column, simple_colour_t fg, simple_colour_t bg, int c) = 0;
    virtual void print(int line, int column, int c) = 0;
    virtual void printxy(int x, int y, int c) = 0;
    virtual void print(simple_colour_t fg, SDL_Color const& bg, int c) = 0;
    virtual void print(simple_colour_t fg, simple_colour_t bg, int c) = 0;
    virtual void print(int c) = 0;
    virtual void printxy(int x, int y, simple_colour_t fg, int c) = 0;
    virtual void set_fg_colour(simple_colour_t fg) = 0;
    virtual void set_bg_colour(SDL_Color const& bg) = 0;
    virtual void set_bg_colour(simple_colour_t bg) = 0;
    virtual void set_bg_opaque() = 0;
    virtual void set_bg_transparent() = 0;
    virtual void go_to(int line, int column) = 0;
    virtual void skip_1_forward() = 0;
    virtual void clear_screen(SDL_Color const& colour) = 0;
    virtual void FillRect(SDL_Color const& colour, SDL_Rect const& rect) = 0;
    virtual void FillRect(SDL_Rect const& rect) = 0;
    virtual void RenderCopy(SDL_Texture* texture, SDL_Rect* src, SDL_Rect* dst) = 0;
    virtual void update_game_screen_offset(int on) = 0;
};
