#pragma once
#include <SDL.h>

#include <cstdint>
#include <vector>

// The decisions of the frame cache as functions of plain data, so they can
// be read and tested without a renderer: which tiles are damaged, which
// dirty rectangles to redraw, which draws share a batch, which present path
// a frame takes. Each fills a vector the caller keeps, so a running game's
// frames allocate nothing once the vectors have grown.

// One fill or copy, with everything that decides the pixels it draws.
struct DrawCommand {
    enum class Kind : std::uint8_t { fill, clear, copy };
    Kind kind = Kind::fill;
    SDL_Texture* texture = nullptr; // a copy's source, only to draw from
    std::uint64_t serial = 0;       // stands for the texture's pixels; 0: unknown
    SDL_Rect src{};                 // a copy's source rectangle, always given
    SDL_Rect dst{};
    SDL_Color colour{}; // a fill's colour; a copy's colour and alpha mods
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_Rect clip{}; // the renderer's clip; w == 0: none
};

// True when both draw the same pixels. A copy from a texture of unknown
// serial is never the same as anything.
bool same_pixels(DrawCommand const& a, DrawCommand const& b);

// The pixels of the window a command can change: its destination within its clip.
SDL_Rect affected_area(DrawCommand const& command);

// Square tiles over the window, from origin (at or left of and above 0, 0).
struct TileGrid {
    int size = 0;
    SDL_Point origin{0, 0};
    int columns = 0;
    int rows = 0;
    int count() const { return columns * rows; }
    bool operator==(TileGrid const& other) const;
};

// The tiles covering a window w by h; none when it has no area.
TileGrid tile_grid(int width, int height, int tile_size, SDL_Point origin);

// Sets 1 for each tile that area touches.
void mark_tiles(TileGrid const& grid, SDL_Rect const& area, std::vector<std::uint8_t>& tiles);

// The commands that affect each tile, in drawing order.
struct TileLists {
    TileGrid grid;
    std::vector<int> first; // tile t's commands are items[first[t]] to items[first[t + 1]]
    std::vector<int> items;
};
void list_tiles(TileGrid const& grid, std::vector<DrawCommand> const& commands, TileLists& out);

// The damage: 1 for every tile whose commands are not exactly last frame's;
// every tile when the grids differ.
void damaged_tiles(TileLists const& last, std::vector<DrawCommand> const& last_commands, TileLists const& now,
                   std::vector<DrawCommand> const& commands, std::vector<std::uint8_t>& damaged);

// The damaged tiles as dirty rectangles: runs along each row, joined with
// the run below when it spans the same columns.
void dirty_rects(TileGrid const& grid, std::vector<std::uint8_t> const& damaged, std::vector<SDL_Rect>& rects);

// Whether the renderer may draw the copy a pixel differently when clipped or
// drawn into a render target: any scaled copy on a renderer that samples
// per pixel, a copy scaled by other than a whole number on one that draws
// triangles.
bool copy_lands_unevenly(DrawCommand const& command, bool draws_triangles);

// 1 for each command that cannot change the picture: all before the last
// clear, and opaque fills of that clear's colour over pixels only the clear
// has drawn.
void hidden_commands(TileLists const& lists, std::vector<DrawCommand> const& commands,
                     std::vector<std::uint8_t>& hidden);

// A fill that continues the one before along a row (same colour and blend,
// adjacent, the same height): a batch draws both as one quad.
bool extends_row(DrawCommand const& before, DrawCommand const& next);

// What the commands not hidden cost a renderer that shades every pixel, in
// about half nanoseconds as Mesa's software rasteriser takes them: each
// quad's set-up and each pixel, over the window (a clear only writes
// memory) and within the dirty rectangles (where a clear is drawn as a fill).
constexpr long long plain_fill_cost = 3;
constexpr long long plain_copy_cost = 8;
constexpr long long quad_fill_cost = 3400;
constexpr long long quad_copy_cost = 7000;
struct DrawCost {
    long long full = 0;
    long long damage = 0;
};
DrawCost draw_cost(std::vector<DrawCommand> const& commands, std::vector<std::uint8_t> const& hidden,
                   std::vector<SDL_Rect> const& rects);

// The preserved frame is the picture the next frame's damage is drawn onto:
// a render target texture, or the window's back buffer where it survives a
// present; nowhere when neither can be had, and every frame is drawn whole.
enum class Preserved : std::uint8_t { nowhere, render_target, back_buffer };
struct PreservedFrame {
    Preserved where = Preserved::nowhere;
    bool current = false; // it holds the last frame
};
enum class PresentPath {
    skip,               // nothing drawn, nothing presented
    full_to_window,     // every command straight to the window
    full_to_preserved,  // every command into the preserved frame, which is then shown
    damage_to_preserved // the dirty rectangles into the preserved frame
};
struct FrameDamage {
    int tiles = 0;
    int damaged = 0;
    int rects = 0;
    PreservedFrame preserved;
    bool uneven_copy = false; // a copy of this frame may land unevenly
    // A software rasteriser, which shades every pixel it draws, the render
    // target's copy to the window too, takes the path that costs it less.
    bool shades_pixels = false;
    DrawCost cost;
    long long target_copy = 0; // the render target's copy to the window
};
PresentPath present_path(FrameDamage const& damage);

// One draw as batching sees it: geometry may join an earlier batch of the
// same texture and blend mode; a clear and a single copy are drawn alone.
struct BatchDraw {
    enum class Kind : std::uint8_t { geometry, clear, single };
    Kind kind = Kind::geometry;
    SDL_Texture* texture = nullptr;
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_Rect area{};
};

// The batch of each draw, batches numbered in drawing order (batch_of). A
// draw joins the latest batch of its kind when nothing drawn after that
// batch touches a tile of its area, so drawing batch by batch gives the same
// picture as drawing one at a time.
struct BatchPlan {
    std::vector<int> batch_of;
    std::vector<std::size_t> first_draw; // each batch's first draw, which stands for its kind and key
    std::vector<int> tile_batch;         // the latest batch to touch each tile
};
void plan_batches(TileGrid const& grid, std::vector<BatchDraw> const& draws, BatchPlan& plan);
