#pragma once
#include "display/MyGraphics.h"

// Draws cells on the SDL renderer by copying 16x16 glyph cells out of
// pre-coloured textures, scaled to glyph_size.
class MyGraphics_render : public MyGraphics {
public:
    explicit MyGraphics_render(SDL_Renderer* renderer);
    ~MyGraphics_render() override;
    MyGraphics_render(const MyGraphics_render&) = delete;
    MyGraphics_render& operator=(const MyGraphics_render&) = delete;

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

    // Builds glyph set 0 or 1 (sixteen coloured textures) from a bitmap file.
    void load(int set, const char* filename, int glyph_size, int check_line);
    SDL_Surface* recolour_black_surface(SDL_Surface* source, unsigned char r, unsigned char g, unsigned char b,
                                        int check_line);

    int line_to_y(int line) const;
    int column_to_x(int column) const;
    void drawBlank(int x, int y, SDL_Color const& colour);

    SDL_Texture* glyph_texture(int index) const { return glyph_textures[index]; }
    int cursor_line() const { return cur_line; }
    int cursor_column() const { return cur_column; }

private:
    static constexpr unsigned glyph_texture_count = 32;

    SDL_Texture* glyph_texture_for(simple_colour_t ink) const;
    void store_glyph_texture(int index, SDL_Texture* texture);

    SDL_Color current_paper{255, 255, 255, 255};
    simple_colour_t current_ink = BLACK;
    SDL_Texture* glyph_textures[glyph_texture_count] = {};
    SDL_Renderer* renderer;
    int cur_line = 0;
    int cur_column = 0;
    bool paper_transparent = false;
};

// A new surface, twice as wide and high, each pixel a 2x2 block. Caller frees.
SDL_Surface* double_image_size(SDL_Surface* source);
