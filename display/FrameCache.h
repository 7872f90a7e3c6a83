#pragma once
#include "base/SdlOwners.h"
#include "display/DrawBatches.h"
#include "display/Frame.h"
#include "display/FramePlan.h"
#include "display/Presenter.h"

#include <SDL.h>

#include <vector>

// Redraws only the damage: a frame's fills and copies are collected with
// all that decides their pixels, compared tile by tile with the last
// frame's, and replayed clipped to the dirty rectangles onto the preserved
// frame, a render target of the window's size or, where the window keeps
// its back buffer (Presenter), the window itself. A frame that changes
// nothing is not presented. What SDL refused to draw counts as damage in
// the next frame. When no render target can be made or drawn into, every
// frame is drawn whole from then on.
class FrameCache : public Frame {
public:
    explicit FrameCache(SDL_Renderer* renderer);

    void clear(SDL_Color colour) override;
    void fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend) override;
    void copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const* dst) override;
    void present(int tile_size, SDL_Point tile_origin) override;
    void redraw_all() override;

private:
    SDL_Rect renderer_clip() const;
    // Makes or remakes the preserved frame for a window of this size.
    void ensure_preserved(int width, int height);
    void give_up(const char* what);
    // Draws the commands that affect clip (all of them without one).
    void draw_commands(TileGrid const& grid, SDL_Rect const* clip);
    // Draws the path's commands; false when the frame did not reach the window.
    bool draw_path(PresentPath path, TileGrid const& grid);

    SDL_Renderer* renderer;
    // The software renderer pays little per call but draws geometry its own way.
    bool batched;
    DrawBatches batches;
    Presenter presenter;
    PreservedFrame preserved;
    Texture render_target; // the preserved frame's pixels when it is a render target
    int width = 0;
    int height = 0;
    std::vector<DrawCommand> commands;
    std::vector<DrawCommand> last_commands;
    TileLists lists;
    TileLists last_lists;
    // Buffers every frame reuses.
    std::vector<std::uint8_t> damaged;
    std::vector<std::uint8_t> undrawn; // tiles SDL refused last frame, on last_lists' grid
    std::vector<SDL_Rect> rects;
    std::vector<std::uint8_t> hidden;
    std::vector<DrawCommand const*> selected;
};
