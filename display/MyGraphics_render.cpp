#include "display/MyGraphics_render.h"

#include "display/FrameCache.h"
#include "display/Window.h"

namespace {
// Glyph bitmaps hold 32 cells of 16x16 pixels to a row, starting at code 33.
constexpr int source_cell = 16;
constexpr int cells_per_row = 32;
constexpr int first_glyph_code = 33;
constexpr int columns = 32;
constexpr int lines = 24;

int printable(int c)
{
    return c < 32 ? '?' : c;
}

// Where glyph c sits on a sheet whose cells are `cell` pixels square.
SDL_Rect glyph_source(int c, int cell)
{
    const int index = c - first_glyph_code;
    return SDL_Rect{(index % cells_per_row) * cell, (index / cells_per_row) * cell, cell, cell};
}

bool is_software(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}
} // namespace

MyGraphics_render::MyGraphics_render(SDL_Renderer* renderer, bool redraw_changes_only)
    : renderer(renderer), software(is_software(renderer))
{
    if (redraw_changes_only) {
        frame = std::make_unique<FrameCache>(renderer);
    } else {
        frame = std::make_unique<DirectFrame>(renderer);
    }
}

void MyGraphics_render::print(int line, int column, simple_colour_t fg, SDL_Color const& bg, int c)
{
    MyGraphics_render::printxy(column * glyph_size, line * glyph_size, fg, bg, c);
    cur_line = line;
    cur_column = column;
    MyGraphics_render::skip_1_forward();
}

void MyGraphics_render::printxy(int x, int y, simple_colour_t fg, SDL_Color const& bg, int c)
{
    c = printable(c);
    game_to_screen(x, y);
    if (c == ' ') {
        // A space fills its cell even on transparent paper.
        drawBlank(x, y, bg);
        return;
    }
    if (!paper_transparent) {
        drawBlank(x, y, bg);
    }
    copy_glyph(fg, c, x, y);
}

void MyGraphics_render::print(int line, int column, simple_colour_t fg, simple_colour_t bg, int c)
{
    MyGraphics_render::print(line, column, fg, get_rgb_from_simple_colour(bg), c);
}

void MyGraphics_render::print(int line, int column, int c)
{
    MyGraphics_render::print(line, column, current_ink, current_paper, c);
}

void MyGraphics_render::printxy(int x, int y, int c)
{
    MyGraphics_render::printxy(x, y, current_ink, current_paper, c);
}

void MyGraphics_render::print(simple_colour_t fg, SDL_Color const& bg, int c)
{
    MyGraphics_render::print(cur_line, cur_column, fg, bg, c);
}

void MyGraphics_render::print(simple_colour_t fg, simple_colour_t bg, int c)
{
    MyGraphics_render::print(cur_line, cur_column, fg, bg, c);
}

void MyGraphics_render::print(int c)
{
    MyGraphics_render::print(cur_line, cur_column, c);
}

void MyGraphics_render::printxy(int x, int y, simple_colour_t fg, int c)
{
    // Glyph only: a space has no cell and nothing to draw.
    c = printable(c);
    if (c != ' ') {
        game_to_screen(x, y);
        copy_glyph(fg, c, x, y);
    }
}

void MyGraphics_render::set_fg_colour(simple_colour_t fg)
{
    current_ink = fg;
}

void MyGraphics_render::set_bg_colour(SDL_Color const& bg)
{
    current_paper = SDL_Color{bg.r, bg.g, bg.b, 255};
}

void MyGraphics_render::set_bg_colour(simple_colour_t bg)
{
    const SDL_Color rgb = get_rgb_from_simple_colour(bg);
    current_paper = SDL_Color{rgb.r, rgb.g, rgb.b, 255};
}

void MyGraphics_render::set_bg_opaque()
{
    paper_transparent = false;
}

void MyGraphics_render::set_bg_transparent()
{
    paper_transparent = true;
}

void MyGraphics_render::go_to(int line, int column)
{
    cur_line = line;
    cur_column = column;
}

void MyGraphics_render::skip_1_forward()
{
    ++cur_column;
    if (cur_column >= columns) {
        cur_column = 0;
        ++cur_line;
        if (cur_line >= lines) {
            cur_line = 0;
        }
    }
}

void MyGraphics_render::clear_screen(SDL_Color const& colour)
{
    draw_colour = SDL_Color{colour.r, colour.g, colour.b, 255};
    frame->clear(colour);
}

void MyGraphics_render::FillRect(SDL_Color const& colour, SDL_Rect const& rect)
{
    draw_colour = colour;
    FillRect(rect);
}

void MyGraphics_render::FillRect(SDL_Rect const& rect)
{
    const SDL_Rect shifted = game_to_screen(rect);
    frame->fill(shifted, draw_colour, draw_blend_mode());
}

void MyGraphics_render::RenderCopy(SDL_Texture* texture, SDL_Rect* src, SDL_Rect* dst)
{
    if (dst == nullptr) {
        frame->copy(texture, src, nullptr);
        return;
    }
    const SDL_Rect shifted = game_to_screen(*dst);
    frame->copy(texture, src, &shifted);
}

void MyGraphics_render::update_game_screen_offset(int on)
{
    if (on != 0) {
        raw_set_game_screen_offset();
    } else {
        raw_remove_game_screen_offset();
    }
}

int MyGraphics_render::line_to_y(int line) const
{
    return line * glyph_size;
}

int MyGraphics_render::column_to_x(int column) const
{
    return column * glyph_size;
}

void MyGraphics_render::drawBlank(int x, int y, SDL_Color const& colour)
{
    const SDL_Rect cell{x, y, glyph_size, glyph_size};
    draw_colour = colour;
    // Blending opaque paper changes nothing but costs the software
    // renderer a blend per pixel instead of a plain fill.
    frame->fill(cell, colour, software && colour.a == 255 ? SDL_BLENDMODE_NONE : draw_blend_mode());
}

SDL_BlendMode MyGraphics_render::draw_blend_mode() const
{
    SDL_BlendMode mode = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(renderer, &mode);
    return mode;
}

void MyGraphics_render::blank_borders(SDL_Color colour)
{
    draw_colour = SDL_Color{colour.r, colour.g, colour.b, 255};
    SDL_Rect borders[4];
    const int count = BorderRects(borders);
    for (int i = 0; i < count; ++i) {
        frame->fill(borders[i], draw_colour, draw_blend_mode());
    }
}

void MyGraphics_render::present()
{
    // Tiles on the cell grid of the centred game screen.
    const SDL_Rect area = GameAreaFor(window_width, window_height, glyph_size);
    const int gs = glyph_size > 0 ? glyph_size : 8;
    const SDL_Point origin{area.x % gs == 0 ? 0 : area.x % gs - gs, area.y % gs == 0 ? 0 : area.y % gs - gs};
    frame->present(gs, origin);
}

void MyGraphics_render::redraw_all()
{
    frame->redraw_all();
}

void MyGraphics_render::copy_glyph(simple_colour_t ink, int c, int x, int y)
{
    // An ink outside the two glyph sets draws no glyph rather than reading
    // past the texture table.
    const auto index = static_cast<unsigned>(ink);
    if (index >= glyph_texture_count || !glyph_textures[index]) {
        return;
    }
    // Only the glyph's inked box is copied: its clear pixels blend to
    // nothing, and a renderer that shades every pixel pays for each.
    SDL_Rect box{0, 0, source_cell, source_cell};
    std::vector<SDL_Rect> const& bounds = ink_bounds[index / 16];
    const auto cell = static_cast<size_t>(c - first_glyph_code);
    if (cell < bounds.size()) {
        box = bounds[cell];
    }
    if (box.w <= 0 || glyph_size <= 0) {
        return;
    }
    // The box's edges in cell pixels: a pixel shows the source texel its
    // position scales down to.
    const auto edge = [](int texels) { return (texels * glyph_size + source_cell - 1) / source_cell; };
    const SDL_Rect inked{edge(box.x), edge(box.y), edge(box.x + box.w) - edge(box.x),
                         edge(box.y + box.h) - edge(box.y)};
    const SDL_Rect destination{x + inked.x, y + inked.y, inked.w, inked.h};
    // A renderer that draws triangles copies whole-number scales evenly.
    if (software || glyph_size % source_cell != 0) {
        SDL_Texture* scaled = prescaled_texture(index);
        if (scaled != nullptr) {
            const SDL_Rect sheet_cell = glyph_source(c, glyph_size);
            const SDL_Rect source{sheet_cell.x + inked.x, sheet_cell.y + inked.y, inked.w, inked.h};
            frame->copy(scaled, &source, &destination);
            return;
        }
    }
    const SDL_Rect sheet_cell = glyph_source(c, source_cell);
    const SDL_Rect source{sheet_cell.x + box.x, sheet_cell.y + box.y, box.w, box.h};
    frame->copy(glyph_textures[index].get(), &source, &destination);
}
