#pragma once
#include "base/SdlOwners.h"
#include "display/DrawBatches.h"
#include "display/Frame.h"
#include "display/FramePlan.h"
#include "display/Presenter.h"

#include <SDL.h>

#include <vector>

// Keeps the last frame in a texture of the window's size and, each frame,
// redraws only the tiles whose drawing is not exactly the frame before's:
// a frame's fills and copies are collected with all that decides their
// pixels, compared tile by tile with the last frame's, and replayed clipped
// to the tiles that changed. A frame that changes nothing is not presented.
// Where the window keeps its own picture (Presenter) the window is the kept
// frame. When the kept frame cannot be made or drawn into, every frame is
// drawn whole from then on.
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
    bool keep_target(int width, int height);
    void give_up(const char* what);
    // Draws the commands that reach into clip (all of them without one).
    void draw_commands(TileGrid const& grid, SDL_Rect const* clip);

    SDL_Renderer* renderer;
    // The software renderer pays little per call but draws geometry its own way.
    bool batched;
    DrawBatches batches;
    Presenter presenter;
    Texture target;
    int width = 0;
    int height = 0;
    bool kept_current = false;
    bool gave_up = false;
    std::vector<DrawCommand> commands;
    std::vector<DrawCommand> last_commands;
    TileLists lists;
    TileLists last_lists;
    std::vector<std::uint8_t> hidden;
    std::vector<DrawCommand const*> selected;
};
