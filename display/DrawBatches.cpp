#include "display/DrawBatches.h"

#include <algorithm>

namespace {

// Draws a copy with the mods and blend mode it was recorded with, whatever
// the texture holds now, and leaves the texture as it found it.
class RecordedMods {
public:
    RecordedMods(SDL_Texture* texture, SDL_Color colour, SDL_BlendMode blend) : texture(texture)
    {
        SDL_GetTextureColorMod(texture, &now.r, &now.g, &now.b);
        SDL_GetTextureAlphaMod(texture, &now.a);
        SDL_GetTextureBlendMode(texture, &now_blend);
        changed =
            now.r != colour.r || now.g != colour.g || now.b != colour.b || now.a != colour.a || now_blend != blend;
        if (changed) {
            set(colour, blend);
        }
    }
    ~RecordedMods()
    {
        if (changed) {
            set(now, now_blend);
        }
    }
    RecordedMods(const RecordedMods&) = delete;
    RecordedMods& operator=(const RecordedMods&) = delete;

private:
    void set(SDL_Color colour, SDL_BlendMode blend)
    {
        SDL_SetTextureColorMod(texture, colour.r, colour.g, colour.b);
        SDL_SetTextureAlphaMod(texture, colour.a);
        SDL_SetTextureBlendMode(texture, blend);
    }

    SDL_Texture* texture;
    SDL_Color now{};
    SDL_BlendMode now_blend = SDL_BLENDMODE_NONE;
    bool changed = false;
};

} // namespace

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

void DrawBatches::add_quad(std::vector<SDL_Vertex>& out, DrawCommand const& c, DrawCommand const* before, bool clipped)
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
    // The same pixels, and a driver that sets up each quad pays for one.
    if (before != nullptr && extends_row(*before, c) && out.size() >= 4) {
        SDL_Vertex* last = &out[out.size() - 4];
        last[1].position.x = last[3].position.x = static_cast<float>(c.dst.x + c.dst.w);
        return;
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

void DrawBatches::draw(std::vector<DrawCommand const*> const& commands, TileGrid const& grid, SDL_Rect const* clip,
                       std::vector<std::uint8_t>& undrawn)
{
    draws.clear();
    for (DrawCommand const* c : commands) {
        draws.push_back(as_batch_draw(*c, grid, clip != nullptr));
    }
    plan_batches(grid, draws, plan);
    const size_t batches = plan.first_draw.size();
    if (vertices.size() < batches) {
        vertices.resize(batches);
    }
    singles.assign(batches, nullptr);
    last_of_batch.assign(batches, nullptr);
    for (size_t b = 0; b < batches; ++b) {
        vertices[b].clear();
    }
    for (size_t i = 0; i < plan.batch_of.size(); ++i) {
        const auto b = static_cast<size_t>(plan.batch_of[i]);
        if (draws[i].kind == BatchDraw::Kind::geometry) {
            add_quad(vertices[b], *commands[i], last_of_batch[b], clip != nullptr);
            last_of_batch[b] = commands[i];
        } else {
            singles[b] = commands[i];
        }
    }
    for (size_t b = 0; b < batches; ++b) {
        if (singles[b] != nullptr) {
            draw_or_mark(renderer, *singles[b], grid, clip, undrawn);
        } else if (!draw_geometry(b)) {
            // SDL refused the whole batch (a source outside its texture, say):
            // one at a time, each draws what it can.
            for (size_t i = 0; i < plan.batch_of.size(); ++i) {
                if (static_cast<size_t>(plan.batch_of[i]) == b) {
                    draw_or_mark(renderer, *commands[i], grid, clip, undrawn);
                }
            }
        }
    }
}

bool DrawBatches::draw_geometry(size_t b)
{
    const std::vector<SDL_Vertex>& quads = vertices[b];
    const int count = static_cast<int>(quads.size() / 4);
    if (count == 0) {
        return true;
    }
    while (static_cast<int>(indices.size()) < count * 6) {
        const int base = static_cast<int>(indices.size() / 6) * 4;
        for (int corner : {0, 1, 2, 2, 1, 3}) {
            indices.push_back(base + corner);
        }
    }
    BatchDraw const& key = draws[plan.first_draw[b]];
    if (key.texture == nullptr) {
        // Untextured geometry blends as the renderer's draw blend mode says.
        SDL_SetRenderDrawBlendMode(renderer, key.blend);
        return SDL_RenderGeometry(renderer, nullptr, quads.data(), count * 4, indices.data(), count * 6) == 0;
    }
    // Geometry ignores the texture's mods, but not its blend mode.
    const RecordedMods recorded(key.texture, SDL_Color{255, 255, 255, 255}, key.blend);
    return SDL_RenderGeometry(renderer, key.texture, quads.data(), count * 4, indices.data(), count * 6) == 0;
}

void DrawBatches::draw_or_mark(SDL_Renderer* renderer, DrawCommand const& c, TileGrid const& grid, SDL_Rect const* clip,
                               std::vector<std::uint8_t>& undrawn)
{
    if (draw_one(renderer, c, clip)) {
        return;
    }
    SDL_Rect area = affected_area(c);
    if (clip != nullptr && !SDL_IntersectRect(&area, clip, &area)) {
        return;
    }
    mark_tiles(grid, area, undrawn);
}

bool DrawBatches::draw_one(SDL_Renderer* renderer, DrawCommand const& c, SDL_Rect const* clip)
{
    SDL_Rect own{};
    if (c.clip.w != 0) {
        if (clip != nullptr && !SDL_IntersectRect(&c.clip, clip, &own)) {
            return true;
        }
        own = clip != nullptr ? own : c.clip;
        SDL_RenderSetClipRect(renderer, &own);
    }
    bool drawn = false;
    switch (c.kind) {
    case DrawCommand::Kind::copy: {
        const RecordedMods recorded(c.texture, c.colour, c.blend);
        drawn = SDL_RenderCopy(renderer, c.texture, &c.src, &c.dst) == 0;
        break;
    }
    case DrawCommand::Kind::clear:
        SDL_SetRenderDrawColor(renderer, c.colour.r, c.colour.g, c.colour.b, 255);
        if (clip == nullptr && c.clip.w == 0) {
            drawn = SDL_RenderClear(renderer) == 0;
            break;
        }
        // A clear ignores the clip, so within a clip it is an opaque fill.
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        drawn = SDL_RenderFillRect(renderer, &c.dst) == 0;
        break;
    case DrawCommand::Kind::fill:
        SDL_SetRenderDrawColor(renderer, c.colour.r, c.colour.g, c.colour.b, c.colour.a);
        SDL_SetRenderDrawBlendMode(renderer, c.blend);
        drawn = SDL_RenderFillRect(renderer, &c.dst) == 0;
        break;
    }
    if (c.clip.w != 0) {
        SDL_RenderSetClipRect(renderer, clip);
    }
    return drawn;
}
