#include "display/DrawBatches.h"

#include <algorithm>

DrawBatches::DrawBatches(SDL_Renderer* renderer) : renderer(renderer) {}

void DrawBatches::begin(int tile, SDL_Point start, int across, int down)
{
    tile_size = tile > 0 ? tile : 8;
    origin = start;
    columns = across;
    rows = down;
    tile_batch.assign(static_cast<size_t>(columns) * rows, -1);
    used = 0;
}

DrawBatches::Batch& DrawBatches::batch_for(Kind kind, SDL_Texture* texture, SDL_BlendMode blend, SDL_Rect const& area)
{
    const int c0 = std::clamp((area.x - origin.x) / tile_size, 0, columns - 1);
    const int c1 = std::clamp((area.x + area.w - 1 - origin.x) / tile_size, 0, columns - 1);
    const int r0 = std::clamp((area.y - origin.y) / tile_size, 0, rows - 1);
    const int r1 = std::clamp((area.y + area.h - 1 - origin.y) / tile_size, 0, rows - 1);
    int latest = -1;
    for (int row = r0; row <= r1; ++row) {
        for (int column = c0; column <= c1; ++column) {
            latest = std::max(latest, tile_batch[static_cast<size_t>(row) * columns + column]);
        }
    }
    int chosen = -1;
    if (kind == Kind::geometry) {
        for (int i = static_cast<int>(used) - 1; i >= std::max(latest, 0); --i) {
            const Batch& b = batches[static_cast<size_t>(i)];
            if (b.kind == Kind::geometry && b.texture == texture && b.blend == blend) {
                chosen = i;
                break;
            }
        }
    }
    if (chosen < 0) {
        if (used == batches.size()) {
            batches.push_back(Batch{});
        }
        Batch& fresh = batches[used];
        fresh.kind = kind;
        fresh.texture = texture;
        fresh.blend = blend;
        fresh.vertices.clear();
        chosen = static_cast<int>(used++);
    }
    for (int row = r0; row <= r1; ++row) {
        for (int column = c0; column <= c1; ++column) {
            tile_batch[static_cast<size_t>(row) * columns + column] = chosen;
        }
    }
    return batches[static_cast<size_t>(chosen)];
}

void DrawBatches::add_quad(Batch& batch, SDL_Rect const& dst, SDL_Color colour, float u0, float v0, float u1, float v1)
{
    const float x0 = static_cast<float>(dst.x);
    const float y0 = static_cast<float>(dst.y);
    const float x1 = static_cast<float>(dst.x + dst.w);
    const float y1 = static_cast<float>(dst.y + dst.h);
    // The corners in the order a single copy draws them, so both triangles
    // are the same as a single copy's and so is every pixel.
    batch.vertices.push_back({{x0, y0}, colour, {u0, v0}});
    batch.vertices.push_back({{x1, y0}, colour, {u1, v0}});
    batch.vertices.push_back({{x0, y1}, colour, {u0, v1}});
    batch.vertices.push_back({{x1, y1}, colour, {u1, v1}});
}

void DrawBatches::fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend)
{
    add_quad(batch_for(Kind::geometry, nullptr, blend, rect), rect, colour, 0.0f, 0.0f, 0.0f, 0.0f);
}

void DrawBatches::copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const& dst)
{
    int w = 0;
    int h = 0;
    if (SDL_QueryTexture(texture, nullptr, nullptr, &w, &h) != 0 || w <= 0 || h <= 0) {
        return;
    }
    const SDL_Rect whole{0, 0, w, h};
    const SDL_Rect& s = src != nullptr ? *src : whole;
    if (s.w <= 0 || s.h <= 0 || dst.w % s.w != 0 || dst.h % s.h != 0) {
        // Between whole-number scales a pixel centre can fall on the edge of
        // a texel, where the driver's rounding depends on how the triangles
        // were set up: such a copy is drawn as a copy.
        Batch& single = batch_for(Kind::copy, texture, SDL_BLENDMODE_BLEND, dst);
        single.src = s;
        single.dst = dst;
        return;
    }
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);
    add_quad(batch_for(Kind::geometry, texture, SDL_BLENDMODE_BLEND, dst), dst, SDL_Color{255, 255, 255, 255},
             static_cast<float>(s.x) / fw, static_cast<float>(s.y) / fh, static_cast<float>(s.x + s.w) / fw,
             static_cast<float>(s.y + s.h) / fh);
}

void DrawBatches::clear(SDL_Color colour)
{
    const SDL_Rect everywhere{origin.x, origin.y, columns * tile_size, rows * tile_size};
    batch_for(Kind::clear, nullptr, SDL_BLENDMODE_NONE, everywhere).clear_colour = colour;
}

void DrawBatches::draw()
{
    for (size_t i = 0; i < used; ++i) {
        Batch& b = batches[i];
        if (b.kind == Kind::clear) {
            SDL_SetRenderDrawColor(renderer, b.clear_colour.r, b.clear_colour.g, b.clear_colour.b, 255);
            SDL_RenderClear(renderer);
            continue;
        }
        if (b.kind == Kind::copy) {
            SDL_RenderCopy(renderer, b.texture, &b.src, &b.dst);
            continue;
        }
        const int quads = static_cast<int>(b.vertices.size() / 4);
        while (static_cast<int>(indices.size()) < quads * 6) {
            const int base = static_cast<int>(indices.size() / 6) * 4;
            for (int corner : {0, 1, 2, 2, 1, 3}) {
                indices.push_back(base + corner);
            }
        }
        if (b.texture == nullptr) {
            // Untextured geometry blends as the renderer's draw blend mode says.
            SDL_SetRenderDrawBlendMode(renderer, b.blend);
        }
        SDL_RenderGeometry(renderer, b.texture, b.vertices.data(), static_cast<int>(b.vertices.size()), indices.data(),
                           quads * 6);
    }
    used = 0;
}
