#include "display/DrawBatches.h"

#include <algorithm>

BatchDraw DrawBatches::as_batch_draw(DrawCommand const& c, TileGrid const& grid, bool clipped)
{
    using Kind = BatchDraw::Kind;
    if (c.clip.w != 0) {
        return {Kind::single, c.texture, c.blend, c.dst};
    }
    switch (c.kind) {
    case DrawCommand::Kind::clear:
        if (clipped) {
            // A clear ignores the clip, so within a clip it is an opaque fill.
            return {Kind::geometry, nullptr, SDL_BLENDMODE_NONE, c.dst};
        }
        return {Kind::clear, nullptr, SDL_BLENDMODE_NONE,
                SDL_Rect{grid.origin.x, grid.origin.y, grid.columns * grid.size, grid.rows * grid.size}};
    case DrawCommand::Kind::fill:
        return {Kind::geometry, nullptr, c.blend, c.dst};
    case DrawCommand::Kind::copy:
        break;
    }
    // Between whole-number scales a pixel centre can fall on the edge of a
    // texel, where the driver's rounding depends on how the triangles were
    // set up: such a copy is drawn as a copy, and so is one with its own tint.
    const bool plain = c.colour.r == 255 && c.colour.g == 255 && c.colour.b == 255 && c.colour.a == 255 &&
                       c.blend == SDL_BLENDMODE_BLEND;
    const bool whole_scale = c.src.w > 0 && c.src.h > 0 && c.dst.w % c.src.w == 0 && c.dst.h % c.src.h == 0;
    return {plain && whole_scale ? Kind::geometry : Kind::single, c.texture, c.blend, c.dst};
}

void DrawBatches::add_quad(std::vector<SDL_Vertex>& out, DrawCommand const& c, bool clipped)
{
    float u0 = 0.0f;
    float v0 = 0.0f;
    float u1 = 0.0f;
    float v1 = 0.0f;
    SDL_Color colour = c.colour;
    if (c.kind == DrawCommand::Kind::copy) {
        int w = 0;
        int h = 0;
        if (SDL_QueryTexture(c.texture, nullptr, nullptr, &w, &h) != 0 || w <= 0 || h <= 0) {
            return;
        }
        u0 = static_cast<float>(c.src.x) / static_cast<float>(w);
        v0 = static_cast<float>(c.src.y) / static_cast<float>(h);
        u1 = static_cast<float>(c.src.x + c.src.w) / static_cast<float>(w);
        v1 = static_cast<float>(c.src.y + c.src.h) / static_cast<float>(h);
        colour = SDL_Color{255, 255, 255, 255};
    } else if (c.kind == DrawCommand::Kind::clear && clipped) {
        colour.a = 255;
    }
    // A fill that carries on the last one along its row widens it: the same
    // pixels, and a driver that sets up each quad pays for one.
    if (c.kind != DrawCommand::Kind::copy && out.size() >= 4) {
        SDL_Vertex* last = &out[out.size() - 4];
        if (last[1].position.x == static_cast<float>(c.dst.x) && last[0].position.y == static_cast<float>(c.dst.y) &&
            last[3].position.y == static_cast<float>(c.dst.y + c.dst.h) && last[0].color.r == colour.r &&
            last[0].color.g == colour.g && last[0].color.b == colour.b && last[0].color.a == colour.a) {
            last[1].position.x = last[3].position.x = static_cast<float>(c.dst.x + c.dst.w);
            return;
        }
    }
    const float x0 = static_cast<float>(c.dst.x);
    const float y0 = static_cast<float>(c.dst.y);
    const float x1 = static_cast<float>(c.dst.x + c.dst.w);
    const float y1 = static_cast<float>(c.dst.y + c.dst.h);
    // The corners in the order a single copy draws them, so both triangles
    // are the same as a single copy's and so is every pixel.
    out.push_back({{x0, y0}, colour, {u0, v0}});
    out.push_back({{x1, y0}, colour, {u1, v0}});
    out.push_back({{x0, y1}, colour, {u0, v1}});
    out.push_back({{x1, y1}, colour, {u1, v1}});
}

void DrawBatches::draw(std::vector<DrawCommand const*> const& commands, TileGrid const& grid, SDL_Rect const* clip)
{
    draws.clear();
    for (DrawCommand const* c : commands) {
        draws.push_back(as_batch_draw(*c, grid, clip != nullptr));
    }
    const std::vector<int> plan = plan_batches(grid, draws);
    const size_t batches = plan.empty() ? 0 : static_cast<size_t>(*std::max_element(plan.begin(), plan.end())) + 1;
    if (vertices.size() < batches) {
        vertices.resize(batches);
    }
    alone.assign(batches, nullptr);
    std::vector<BatchDraw const*> heads(batches, nullptr);
    for (size_t i = 0; i < plan.size(); ++i) {
        const auto b = static_cast<size_t>(plan[i]);
        if (heads[b] == nullptr) {
            heads[b] = &draws[i];
            vertices[b].clear();
        }
        if (draws[i].kind == BatchDraw::Kind::geometry) {
            add_quad(vertices[b], *commands[i], clip != nullptr);
        } else {
            alone[b] = commands[i];
        }
    }
    for (size_t b = 0; b < batches; ++b) {
        if (alone[b] != nullptr) {
            draw_one(renderer, *alone[b], clip);
            continue;
        }
        const std::vector<SDL_Vertex>& quads = vertices[b];
        const int count = static_cast<int>(quads.size() / 4);
        while (static_cast<int>(indices.size()) < count * 6) {
            const int base = static_cast<int>(indices.size() / 6) * 4;
            for (int corner : {0, 1, 2, 2, 1, 3}) {
                indices.push_back(base + corner);
            }
        }
        if (heads[b]->texture == nullptr) {
            // Untextured geometry blends as the renderer's draw blend mode says.
            SDL_SetRenderDrawBlendMode(renderer, heads[b]->blend);
        }
        SDL_RenderGeometry(renderer, heads[b]->texture, quads.data(), static_cast<int>(quads.size()), indices.data(),
                           count * 6);
    }
}

void DrawBatches::draw_one(SDL_Renderer* renderer, DrawCommand const& c, SDL_Rect const* clip)
{
    SDL_Rect own{};
    if (c.clip.w != 0) {
        if (clip != nullptr && !SDL_IntersectRect(&c.clip, clip, &own)) {
            return;
        }
        own = clip != nullptr ? own : c.clip;
        SDL_RenderSetClipRect(renderer, &own);
    }
    switch (c.kind) {
    case DrawCommand::Kind::copy:
        SDL_RenderCopy(renderer, c.texture, &c.src, &c.dst);
        break;
    case DrawCommand::Kind::clear:
        SDL_SetRenderDrawColor(renderer, c.colour.r, c.colour.g, c.colour.b, 255);
        if (clip == nullptr && c.clip.w == 0) {
            SDL_RenderClear(renderer);
            break;
        }
        // A clear ignores the clip, so within a clip it is an opaque fill.
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        SDL_RenderFillRect(renderer, &c.dst);
        break;
    case DrawCommand::Kind::fill:
        SDL_SetRenderDrawColor(renderer, c.colour.r, c.colour.g, c.colour.b, c.colour.a);
        SDL_SetRenderDrawBlendMode(renderer, c.blend);
        SDL_RenderFillRect(renderer, &c.dst);
        break;
    }
    if (c.clip.w != 0) {
        SDL_RenderSetClipRect(renderer, clip);
    }
}
