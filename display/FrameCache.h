#pragma once
#include "base/SdlOwners.h"
#include "display/DrawBatches.h"

#include <SDL.h>

#include <cstdint>
#include <vector>

// Keeps the last frame in a texture of the window's size and, each frame,
// redraws only the cells whose drawing differs from the frame before:
// a frame's fills and copies are collected, hashed per cell-sized tile,
// and replayed clipped to the tiles that changed. A frame that changes
// nothing is not presented at all.
class FrameCache {
public:
    explicit FrameCache(SDL_Renderer* renderer);
    FrameCache(const FrameCache&) = delete;
    FrameCache& operator=(const FrameCache&) = delete;

    void clear(SDL_Color colour);
    void fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend);
    // A null source is the whole texture; a null destination the whole window.
    void copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const* dst);

    // Brings the window up to date with this frame's drawing and starts the next.
    void present(int tile_size, SDL_Point tile_origin);
    // The next present redraws and shows everything (after an expose, a
    // restore, or lost target contents).
    void redraw_all() { everything_dirty = true; }

private:
    struct Command {
        SDL_Texture* texture; // null for a fill
        SDL_Rect src;         // w == 0: the whole texture
        SDL_Rect dst;
        SDL_Color colour;
        SDL_BlendMode blend;
        bool is_clear;
    };

    bool keep_target(int width, int height);
    int count_dirty_tiles();
    // A copy the renderer may sample differently in the kept frame.
    bool frame_has_uneven_copy() const;
    void draw(Command const& command, bool clipped);
    // Draws the commands that reach into clip (all of them without one).
    void draw_commands(SDL_Rect const* clip);
    void draw_all() { draw_commands(nullptr); }
    void draw_dirty();
    void show_target();

    SDL_Renderer* renderer;
    // The software renderer pays little per call but draws geometry its own way.
    bool batched;
    DrawBatches batches;
    Texture target;
    int width = 0;
    int height = 0;
    bool target_stale = true;
    bool everything_dirty = true;
    std::vector<Command> commands;
    std::vector<std::uint64_t> tile_hashes;
    std::vector<std::uint64_t> last_hashes;
    std::vector<SDL_Rect> dirty_rects;
    int columns = 0;
    int rows = 0;
    int tile_size = 8;
    SDL_Point tile_origin{0, 0};
};
