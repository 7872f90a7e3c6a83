#pragma once
#include "display/FramePlan.h"

#include <SDL.h>

#include <vector>

// Submits a frame's commands in as few geometry calls as their order
// allows (plan_batches decides which share a call), so the picture is the
// same as drawing one call at a time. A GL driver pays per call; a screen
// of cells becomes a handful of calls instead of hundreds.
class DrawBatches {
public:
    explicit DrawBatches(SDL_Renderer* renderer) : renderer(renderer) {}

    // Draws the commands in order within the pass's clip (null: none). A
    // batch SDL refuses is drawn one command at a time; the tiles of a
    // command that still fails are set in undrawn.
    void draw(std::vector<DrawCommand const*> const& commands, TileGrid const& grid, SDL_Rect const* clip,
              std::vector<std::uint8_t>& undrawn);
    // One command as it was recorded, within the pass's clip; false when SDL
    // refused it.
    static bool draw_one(SDL_Renderer* renderer, DrawCommand const& command, SDL_Rect const* clip);
    // As draw_one, setting the tiles of a refused command in undrawn.
    static void draw_or_mark(SDL_Renderer* renderer, DrawCommand const& command, TileGrid const& grid,
                             SDL_Rect const* clip, std::vector<std::uint8_t>& undrawn);

private:
    static BatchDraw as_batch_draw(DrawCommand const& command, TileGrid const& grid, bool clipped);
    static void add_quad(std::vector<SDL_Vertex>& vertices, DrawCommand const& command, DrawCommand const* before,
                         bool clipped);
    bool draw_geometry(size_t batch);

    SDL_Renderer* renderer;
    std::vector<BatchDraw> draws;
    BatchPlan plan;
    std::vector<std::vector<SDL_Vertex>> vertices;
    std::vector<DrawCommand const*> singles;       // a batch's one command drawn as it is, or null
    std::vector<DrawCommand const*> last_of_batch; // the command each batch's vertices end with
    std::vector<int> indices;
};
