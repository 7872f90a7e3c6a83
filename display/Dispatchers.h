#pragma once
#include "base/SdlOwners.h"
#include "display/MyGraphics_record.h"

#include <cstdint>

// One command class per recorded drawing call. Arguments are captured by
// value so a recording does not depend on the caller's objects living on.

class print_lcscc_dispatcher : public MyGraphics_dispatcher {
public:
    print_lcscc_dispatcher(int line, int column, simple_colour_t fg, SDL_Color bg, int c)
        : line(line), column(column), fg(fg), bg(bg), c(c)
    {
    }
    void run(MyGraphics& target) override { target.print(line, column, fg, bg, c); }

private:
    int line;
    int column;
    simple_colour_t fg;
    SDL_Color bg;
    int c;
};

class print_xyscc_dispatcher : public MyGraphics_dispatcher {
public:
    print_xyscc_dispatcher(int x, int y, simple_colour_t fg, SDL_Color bg, int c) : x(x), y(y), fg(fg), bg(bg), c(c) {}
    void run(MyGraphics& target) override { target.printxy(x, y, fg, bg, c); }

private:
    int x;
    int y;
    simple_colour_t fg;
    SDL_Color bg;
    int c;
};

class print_lcscsc_dispatcher : public MyGraphics_dispatcher {
public:
    print_lcscsc_dispatcher(int line, int column, simple_colour_t fg, simple_colour_t bg, int c)
        : line(line), column(column), fg(fg), bg(bg), c(c)
    {
    }
    void run(MyGraphics& target) override { target.print(line, column, fg, bg, c); }

private:
    int line;
    int column;
    simple_colour_t fg;
    simple_colour_t bg;
    int c;
};

class print_lc_dispatcher : public MyGraphics_dispatcher {
public:
    print_lc_dispatcher(int line, int column, int c) : line(line), column(column), c(c) {}
    void run(MyGraphics& target) override { target.print(line, column, c); }

private:
    int line;
    int column;
    int c;
};

class print_xy_dispatcher : public MyGraphics_dispatcher {
public:
    print_xy_dispatcher(int x, int y, int c) : x(x), y(y), c(c) {}
    void run(MyGraphics& target) override { target.printxy(x, y, c); }

private:
    int x;
    int y;
    int c;
};

class print_scc_dispatcher : public MyGraphics_dispatcher {
public:
    print_scc_dispatcher(simple_colour_t fg, SDL_Color bg, int c) : fg(fg), bg(bg), c(c) {}
    void run(MyGraphics& target) override { target.print(fg, bg, c); }

private:
    simple_colour_t fg;
    SDL_Color bg;
    int c;
};

class print_scsc_dispatcher : public MyGraphics_dispatcher {
public:
    print_scsc_dispatcher(simple_colour_t fg, simple_colour_t bg, int c) : fg(fg), bg(bg), c(c) {}
    void run(MyGraphics& target) override { target.print(fg, bg, c); }

private:
    simple_colour_t fg;
    simple_colour_t bg;
    int c;
};

class print_dispatcher : public MyGraphics_dispatcher {
public:
    explicit print_dispatcher(int c) : c(c) {}
    void run(MyGraphics& target) override { target.print(c); }

private:
    int c;
};

class printxy_dispatcher : public MyGraphics_dispatcher {
public:
    printxy_dispatcher(int x, int y, simple_colour_t fg, int c) : x(x), y(y), fg(fg), c(c) {}
    void run(MyGraphics& target) override { target.printxy(x, y, fg, c); }

private:
    int x;
    int y;
    simple_colour_t fg;
    int c;
};

class set_fg_colour_dispatcher : public MyGraphics_dispatcher {
public:
    explicit set_fg_colour_dispatcher(simple_colour_t colour) : colour(colour) {}
    void run(MyGraphics& target) override { target.set_fg_colour(colour); }

private:
    simple_colour_t colour;
};

class set_bg_colour_dispatcher : public MyGraphics_dispatcher {
public:
    explicit set_bg_colour_dispatcher(SDL_Color colour) : colour(colour) {}
    void run(MyGraphics& target) override { target.set_bg_colour(colour); }

private:
    SDL_Color colour;
};

class set_bg_colour_simple_dispatcher : public MyGraphics_dispatcher {
public:
    explicit set_bg_colour_simple_dispatcher(simple_colour_t colour) : colour(colour) {}
    void run(MyGraphics& target) override { target.set_bg_colour(colour); }

private:
    simple_colour_t colour;
};

class set_bg_opaque_dispatcher : public MyGraphics_dispatcher {
public:
    void run(MyGraphics& target) override { target.set_bg_opaque(); }
};

class set_bg_transparent_dispatcher : public MyGraphics_dispatcher {
public:
    void run(MyGraphics& target) override { target.set_bg_transparent(); }
};

class go_to_dispatcher : public MyGraphics_dispatcher {
public:
    go_to_dispatcher(int line, int column) : line(line), column(column) {}
    void run(MyGraphics& target) override { target.go_to(line, column); }

private:
    int line;
    int column;
};

class skip_1_forward_dispatcher : public MyGraphics_dispatcher {
public:
    void run(MyGraphics& target) override { target.skip_1_forward(); }
};

class clear_screen_dispatcher : public MyGraphics_dispatcher {
public:
    explicit clear_screen_dispatcher(SDL_Color colour) : colour(colour) {}
    void run(MyGraphics& target) override { target.clear_screen(colour); }

private:
    SDL_Color colour;
};

class FillRectColour_dispatcher : public MyGraphics_dispatcher {
public:
    FillRectColour_dispatcher(SDL_Rect rect, SDL_Color colour) : rect(rect), colour(colour) {}
    void run(MyGraphics& target) override { target.FillRect(colour, rect); }

private:
    SDL_Rect rect;
    SDL_Color colour;
};

class FillRect_dispatcher : public MyGraphics_dispatcher {
public:
    explicit FillRect_dispatcher(SDL_Rect rect) : rect(rect) {}
    void run(MyGraphics& target) override { target.FillRect(rect); }

private:
    SDL_Rect rect;
};

class RenderCopy_dispatcher : public MyGraphics_dispatcher {
public:
    RenderCopy_dispatcher(SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect* dst)
        : texture(texture), serial(Texture::serial_of(texture)), src_is_null(src == nullptr),
          src(src ? *src : SDL_Rect{}), dst_is_null(dst == nullptr), dst(dst ? *dst : SDL_Rect{})
    {
    }
    void run(MyGraphics& target) override
    {
        // A texture that has gone with the screen that made it is not drawn:
        // the pointer is only looked up, never followed, until it is known alive.
        if (serial != 0 && Texture::serial_of(texture) != serial) {
            return;
        }
        target.RenderCopy(texture, src_is_null ? nullptr : &src, dst_is_null ? nullptr : &dst);
    }

private:
    SDL_Texture* texture; // not owned
    std::uint64_t serial;
    bool src_is_null;
    SDL_Rect src;
    bool dst_is_null;
    SDL_Rect dst;
};

class set_game_screen_offset_dispatcher : public MyGraphics_dispatcher {
public:
    void run(MyGraphics& target) override { target.update_game_screen_offset(1); }
};

class remove_game_screen_offset_dispatcher : public MyGraphics_dispatcher {
public:
    void run(MyGraphics& target) override { target.update_game_screen_offset(0); }
};
