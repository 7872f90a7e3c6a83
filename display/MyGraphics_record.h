#pragma once
#include "display/MyGraphics.h"

#include <memory>
#include <vector>

// One recorded drawing call.
class MyGraphics_dispatcher {
public:
    virtual void run(MyGraphics& target) = 0;
    virtual ~MyGraphics_dispatcher() = default;
};

// Records every drawing call for replay onto another MyGraphics; the
// application keeps the scene of the last state change this way.
class MyGraphics_record : public MyGraphics {
public:
    MyGraphics_record() = default;
    ~MyGraphics_record() override = default;

    void print(int line, int column, simple_colour_t fg, SDL_Color const& bg, int c) override;
    void printxy(int x, int y, simple_colour_t fg, SDL_Color const& bg, int c) override;
    void print(int line, int column, simple_colour_t fg, simple_colour_t bg, int c) override;
    void print(int line, int column, int c) override;
    void printxy(int x, int y, int c) override;
    void print(simple_colour_t fg, SDL_Color const& bg, int c) override;
    void print(simple_colour_t fg, simple_colour_t bg, int c) override;
    void print(int c) override;
    void printxy(int x, int y, simple_colour_t fg, int c) override;
    void set_fg_colour(simple_colour_t fg) override;
    void set_bg_colour(SDL_Color const& bg) override;
    void set_bg_colour(simple_colour_t bg) override;
    void set_bg_opaque() override;
    void set_bg_transparent() override;
    void go_to(int line, int column) override;
    void skip_1_forward() override;
    void clear_screen(SDL_Color const& colour) override;
    void FillRect(SDL_Color const& colour, SDL_Rect const& rect) override;
    void FillRect(SDL_Rect const& rect) override;
    void RenderCopy(SDL_Texture* texture, SDL_Rect* src, SDL_Rect* dst) override;
    void update_game_screen_offset(int on) override;

    virtual void replay(MyGraphics& target);
    size_t size() const { return commands.size(); }

private:
    std::vector<std::unique_ptr<MyGraphics_dispatcher>> commands;
};
