#pragma once
#include <SDL.h>

#include <cstdint>
#include <vector>

// The decisions of the frame cache as functions of plain data, so they can
// be read and tested without a renderer: which tiles changed, which
// rectangles to redraw, which draws share a batch, which road a frame takes.

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

// The commands that reach each tile, in drawing order.
struct TileLists {
    TileGrid grid;
    std::vector<int> first; // tile t's commands are items[first[t]] to items[first[t + 1]]
    std::vector<int> items;
};
void list_tiles(TileGrid const& grid, std::vector<DrawCommand> const& commands, TileLists& out);

// 1 for every tile whose commands are not exactly last frame's; every tile
// when the grids differ.
std::vector<std::uint8_t> changed_tiles(TileLists const& last, std::vector<DrawCommand> const& last_commands,
                                        TileLists const& now, std::vector<DrawCommand> const& commands);

// The changed tiles as rectangles: runs along each row, joined with the run
// below when it spans the same columns.
std::vector<SDL_Rect> redraw_rects(TileGrid const& grid, std::vector<std::uint8_t> const& changed);

// Whether the renderer may draw the copy a pixel differently when clipped or
// drawn into the kept frame: any scaled copy on a renderer that samples
// per pixel, a copy scaled by other than a whole number on one that draws
// triangles.
bool copy_lands_unevenly(DrawCommand const& command, bool draws_triangles);

// 1 for each command that cannot change the picture: all before the last
// clear, and opaque fills of that clear's colour on ground only it has drawn.
std::vector<std::uint8_t> hidden_commands(TileLists const& lists, std::vector<DrawCommand> const& commands);

// What the commands not hidden cost a renderer that shades every pixel, in
// about half nanoseconds as Mesa's software rasteriser takes them: each
// quad's set-up and each pixel, over the window (a clear only writes
// memory) and within the rectangles (where a clear is drawn as a fill).
constexpr long long plain_fill_cost = 3;
constexpr long long plain_copy_cost = 8;
constexpr long long quad_fill_cost = 3400;
constexpr long long quad_copy_cost = 7000;
struct DrawnCost {
    long long whole = 0;
    long long within = 0;
};
DrawnCost drawn_cost(std::vector<DrawCommand> const& commands, std::vector<std::uint8_t> const& hidden,
                     std::vector<SDL_Rect> const& rects);

enum class FrameRoad {
    unchanged,         // nothing drawn, nothing presented
    whole_to_window,   // every command straight to the window
    whole_into_kept,   // every command into the kept frame, which is then shown
    changed_into_kept, // the changed rectangles into the kept frame
};
struct FrameFacts {
    int tiles = 0;
    int changed = 0;
    int rects = 0;
    bool have_kept = false;    // a kept frame exists and can be drawn into
    bool kept_current = false; // it holds the last frame
    bool uneven_copy = false;  // a copy of this frame may land unevenly
    // A renderer that shades every pixel it draws, the kept frame's copy to
    // the window too, takes the road that costs it less.
    bool shades_pixels = false;
    DrawnCost drawn;
    long long window_copy = 0; // the kept frame's copy to the window
};
FrameRoad frame_road(FrameFacts const& facts);

// One draw as batching sees it: geometry may join an earlier batch of the
// same texture and blend mode; a clear and a single copy stand alone.
struct BatchDraw {
    enum class Kind : std::uint8_t { geometry, clear, single };
    Kind kind = Kind::geometry;
    SDL_Texture* texture = nullptr;
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_Rect area{};
};

// The batch of each draw, batches numbered in drawing order. A draw joins
// the latest batch of its kind when nothing drawn after that batch touches
// a tile of its area, so drawing batch by batch gives the same picture as
// drawing one at a time.
std::vector<int> plan_batches(TileGrid const& grid, std::vector<BatchDraw> const& draws);
