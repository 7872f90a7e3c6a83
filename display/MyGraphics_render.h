#pragma once
#include "base/SdlOwners.h"
#include "display/Frame.h"
#include "display/MyGraphics.h"

#include <memory>
#include <vector>

// Draws cells on the SDL renderer by copying 16x16 glyph cells out of
// pre-coloured textures, scaled to glyph_size. Its fills and copies go to a
// Frame: made `redraw_changes_only`, a frame cache that at present() redraws
// only what changed since the last frame; otherwise straight to the renderer.
class MyGraphics_render : public MyGraphics {
public:
    explicit MyGraphics_render(SDL_Renderer* renderer, bool redraw_changes_only = false);
    ~MyGraphics_render() override = default;
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
    SurfacePtr recolour_black_surface(SDL_Surface* source, unsigned char r, unsigned char g, unsigned char b,
                                      int check_line);

    // Black (or any colour) round the game screen, after the scene.
    void blank_borders(SDL_Color colour);
    // Shows the frame drawn since the last present.
    void present();
    // The next present shows the whole picture again (the window was exposed or restored).
    void redraw_all();

    int line_to_y(int line) const;
    int column_to_x(int column) const;
    void drawBlank(int x, int y, SDL_Color const& colour);

    SDL_Texture* glyph_texture(int index) const { return glyph_textures[index].get(); }
    int cursor_line() const { return cur_line; }
    int cursor_column() const { return cur_column; }

private:
    static constexpr unsigned glyph_texture_count = 32;

    // Copies glyph c in this ink to the cell-sized square at window (x, y).
    void copy_glyph(simple_colour_t ink, int c, int x, int y);
    SDL_Texture* prescaled_texture(unsigned index);
    void recolour_into(SDL_Surface* source, SDL_Surface* coloured, unsigned char r, unsigned char g, unsigned char b,
                       int check_line);
    void store_glyph_texture(int index, Texture texture);
    SDL_BlendMode draw_blend_mode() const;

    SDL_Color current_paper{255, 255, 255, 255};
    simple_colour_t current_ink = BLACK;
    Texture glyph_textures[glyph_texture_count];
    SDL_Renderer* renderer;
    int cur_line = 0;
    int cur_column = 0;
    bool paper_transparent = false;
    std::unique_ptr<Frame> frame;
    // The colour a fill without one uses: what the last fill or clear set.
    SDL_Color draw_colour{0, 0, 0, 255};

    // Cells are drawn one to one from copies of each set coloured and
    // scaled to the current cell size, each made on the first use of its ink
    // at that size: on the software renderer always (a scaled copy costs it
    // dozens of times a straight one), elsewhere at cells that are not a
    // whole multiple of 16, whose scaled copies may land a pixel differently
    // when clipped or drawn into the kept frame, which would make the frame
    // cache draw every changing frame whole.
    // Blending opaque paper costs the software renderer a blend per pixel.
    bool software = false;
    SurfacePtr glyph_sources[2];
    // Where each glyph of a set has pixels that are not clear, in 16-pixel
    // cell units: only that part is copied, as clear pixels change nothing.
    std::vector<SDL_Rect> ink_bounds[2];
    Texture prescaled[glyph_texture_count];
    int prescaled_size[glyph_texture_count] = {};
};

// A new surface, twice as wide and high, each pixel a 2x2 block.
SurfacePtr double_image_size(SDL_Surface* source);
