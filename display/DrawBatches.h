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

    // Draws the commands in order within the pass's clip (null: none).
    void draw(std::vector<DrawCommand const*> const& commands, TileGrid const& grid, SDL_Rect const* clip);
    // One command as it is, within the pass's clip.
    static void draw_one(SDL_Renderer* renderer, DrawCommand const& command, SDL_Rect const* clip);

private:
    static BatchDraw as_batch_draw(DrawCommand const& command, TileGrid const& grid, bool clipped);
    static void add_quad(std::vector<SDL_Vertex>& vertices, DrawCommand const& command, bool clipped);

    SDL_Renderer* renderer;
    std::vector<BatchDraw> draws;
    std::vector<std::vector<SDL_Vertex>> vertices;
    std::vector<DrawCommand const*> alone;
    std::vector<int> indices;
};
