#pragma once
#include "display/MyGraphics.h"
#include "display/Window.h"

#include <SDL.h>
#include <string>
#include <vector>

// A drawing target that keeps what was drawn, cell by cell, for tests that
// check placement and colours exactly. The offset switch acts on the window
// geometry like the glyph renderer's.
class DrawCallLog : public MyGraphics {
public:
    struct Glyph {
        int x;
        int y;
        int ink;
        SDL_Color paper;
        int code;
    };
    struct Copy {
        SDL_Texture* texture;
        SDL_Rect dst;
    };
    struct Fill {
        SDL_Color colour;
        SDL_Rect rect;
    };

    std::vector<Glyph> glyphs;
    std::vector<Copy> copies;
    std::vector<Fill> fills;
    int clears = 0;
    int ink = 0;
    SDL_Color paper{255, 255, 255, 255};

    void print(int line, int column, simple_colour_t fg, SDL_Color const& bg, int c) override
    {
        printxy(column * glyph_size, line * glyph_size, fg, bg, c);
        go_to(line, column);
        skip_1_forward();
    }
    void printxy(int x, int y, simple_colour_t fg, SDL_Color const& bg, int c) override
    {
        glyphs.push_back({x, y, fg, bg, c});
    }
    void print(int line, int column, simple_colour_t fg, simple_colour_t bg, int c) override
    {
        print(line, column, fg, get_rgb_from_simple_colour(bg), c);
    }
    void print(int line, int column, int c) override
    {
        print(line, column, static_cast<simple_colour_t>(ink), paper, c);
    }
    void printxy(int x, int y, int c) override { printxy(x, y, static_cast<simple_colour_t>(ink), paper, c); }
    void print(simple_colour_t fg, SDL_Color const& bg, int c) override { print(line, column, fg, bg, c); }
    void print(simple_colour_t fg, simple_colour_t bg, int c) override { print(line, column, fg, bg, c); }
    void print(int c) override { print(line, column, c); }
    void printxy(int x, int y, simple_colour_t fg, int c) override { printxy(x, y, fg, paper, c); }
    void set_fg_colour(simple_colour_t fg) override { ink = fg; }
    void set_bg_colour(SDL_Color const& bg) override { paper = {bg.r, bg.g, bg.b, 255}; }
    void set_bg_colour(simple_colour_t bg) override { paper = get_rgb_from_simple_colour(bg); }
    void set_bg_opaque() override {}
    void set_bg_transparent() override {}
    void go_to(int l, int c) override
    {
        line = l;
        column = c;
    }
    void skip_1_forward() override
    {
        if (++column >= 32) {
            column = 0;
            if (++line >= 24) {
                line = 0;
            }
        }
    }
    void clear_screen(SDL_Color const&) override { ++clears; }
    void FillRect(SDL_Color const& colour, SDL_Rect const& rect) override { fills.push_back({colour, rect}); }
    void FillRect(SDL_Rect const& rect) override { fills.push_back({paper, rect}); }
    void RenderCopy(SDL_Texture* texture, SDL_Rect*, SDL_Rect* dst) override
    {
        copies.push_back({texture, dst != nullptr ? *dst : SDL_Rect{0, 0, 0, 0}});
    }
    void update_game_screen_offset(int on) override
    {
        if (on != 0) {
            raw_set_game_screen_offset();
        } else {
            raw_remove_game_screen_offset();
        }
    }

    void reset()
    {
        glyphs.clear();
        copies.clear();
        fills.clear();
        clears = 0;
    }

    // The main-font glyph codes drawn at pixel row y from x on, as text.
    std::string text_at(int x, int y, size_t length) const
    {
        std::string text(length, ' ');
        for (const Glyph& g : glyphs) {
            if (g.ink < 16 && g.y == y && g.x >= x && (g.x - x) % glyph_size == 0) {
                size_t i = static_cast<size_t>((g.x - x) / glyph_size);
                if (i < length) {
                    text[i] = static_cast<char>(g.code);
                }
            }
        }
        return text;
    }

private:
    int line = 0;
    int column = 0;
};

inline bool same_colour(SDL_Color a, SDL_Color b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}
