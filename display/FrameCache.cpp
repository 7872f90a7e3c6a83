#include "display/FrameCache.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// The window's own layout, so that blending into the kept frame rounds as
// blending into the window does.
Uint32 frame_format(SDL_Renderer* renderer)
{
    SDL_Window* window = SDL_RenderGetWindow(renderer);
    const Uint32 format = window != nullptr ? SDL_GetWindowPixelFormat(window) : Uint32{SDL_PIXELFORMAT_UNKNOWN};
    return format == SDL_PIXELFORMAT_UNKNOWN ? Uint32{SDL_PIXELFORMAT_ARGB8888} : format;
}

bool draws_triangles(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) == 0;
}

} // namespace

FrameCache::FrameCache(SDL_Renderer* renderer)
    : renderer(renderer), batched(draws_triangles(renderer)), batches(renderer), presenter(renderer)
{
    commands.reserve(4096);
    last_commands.reserve(4096);
}

SDL_Rect FrameCache::renderer_clip() const
{
    SDL_Rect clip{};
    if (SDL_RenderIsClipEnabled(renderer) == SDL_TRUE) {
        SDL_RenderGetClipRect(renderer, &clip);
    }
    return clip;
}

void FrameCache::clear(SDL_Color colour)
{
    DrawCommand c;
    c.kind = DrawCommand::Kind::clear;
    SDL_GetRendererOutputSize(renderer, &c.dst.w, &c.dst.h);
    c.colour = SDL_Color{colour.r, colour.g, colour.b, 255};
    commands.push_back(c);
}

void FrameCache::fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend)
{
    DrawCommand c;
    c.dst = rect;
    c.colour = colour;
    // Blending an opaque colour gives the colour itself, at a blend's cost.
    c.blend = colour.a == 255 && blend == SDL_BLENDMODE_BLEND ? SDL_BLENDMODE_NONE : blend;
    c.clip = renderer_clip();
    commands.push_back(c);
}

void FrameCache::copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const* dst)
{
    DrawCommand c;
    c.kind = DrawCommand::Kind::copy;
    if (texture == nullptr || SDL_QueryTexture(texture, nullptr, nullptr, &c.src.w, &c.src.h) != 0) {
        return; // draws nothing, as a copy from no texture does
    }
    c.texture = texture;
    c.serial = Texture::serial_of(texture);
    if (src != nullptr) {
        c.src = *src;
    }
    if (dst != nullptr) {
        c.dst = *dst;
    } else {
        SDL_GetRendererOutputSize(renderer, &c.dst.w, &c.dst.h);
    }
    SDL_GetTextureColorMod(texture, &c.colour.r, &c.colour.g, &c.colour.b);
    SDL_GetTextureAlphaMod(texture, &c.colour.a);
    SDL_GetTextureBlendMode(texture, &c.blend);
    c.clip = renderer_clip();
    commands.push_back(c);
}

void FrameCache::redraw_all()
{
    // A grid no frame has: every tile of the next frame differs from it.
    last_lists.grid.columns = -1;
}

void FrameCache::present(int tile_size, SDL_Point tile_origin)
{
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    // The rest of the program draws with the renderer's blend mode and
    // colour as it left them.
    SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
    SDL_Color colour{};
    SDL_GetRenderDrawBlendMode(renderer, &blend);
    SDL_GetRenderDrawColor(renderer, &colour.r, &colour.g, &colour.b, &colour.a);

    const TileGrid grid = tile_grid(w, h, tile_size, tile_origin);
    // Most frames repeat the last one exactly: then no tile can have changed.
    if (grid == last_lists.grid &&
        std::equal(commands.begin(), commands.end(), last_commands.begin(), last_commands.end(), same_pixels)) {
        commands.clear();
        return;
    }
    list_tiles(grid, commands, lists);
    const std::vector<std::uint8_t> changed = changed_tiles(last_lists, last_commands, lists, commands);
    FrameFacts facts;
    facts.tiles = grid.count();
    facts.changed = static_cast<int>(std::count(changed.begin(), changed.end(), std::uint8_t{1}));
    std::vector<SDL_Rect> rects;
    if (facts.changed > 0) {
        facts.have_kept = keep_target(w, h);
        facts.kept_current = kept_current;
        facts.uneven_copy = std::any_of(commands.begin(), commands.end(),
                                        [this](DrawCommand const& c) { return copy_lands_unevenly(c, batched); });
        rects = redraw_rects(grid, changed);
        facts.rects = static_cast<int>(rects.size());
        hidden = hidden_commands(lists, commands);
        facts.shades_pixels = batched;
        facts.drawn = drawn_cost(commands, hidden, rects);
        facts.window_copy = presenter.window_keeps_picture() ? 0 : quad_copy_cost + plain_copy_cost * w * h;
    }
    const FrameRoad road = frame_road(facts);
    if (road == FrameRoad::whole_into_kept || road == FrameRoad::changed_into_kept) {
        // Without a texture of its own the window is the kept frame.
        if (target && SDL_SetRenderTarget(renderer, target.get()) != 0) {
            give_up("could not draw into the kept frame");
        } else {
            if (road == FrameRoad::whole_into_kept) {
                draw_commands(grid, nullptr);
            } else {
                for (SDL_Rect const& r : rects) {
                    draw_commands(grid, &r);
                }
            }
            if (target) {
                SDL_SetRenderTarget(renderer, nullptr);
                SDL_RenderCopy(renderer, target.get(), nullptr, nullptr);
            }
            kept_current = true;
            presenter.show(road == FrameRoad::changed_into_kept ? &rects : nullptr);
        }
    }
    if (road == FrameRoad::whole_to_window || (road != FrameRoad::unchanged && gave_up)) {
        draw_commands(grid, nullptr);
        kept_current = presenter.window_keeps_picture();
        presenter.show(nullptr);
    }
    last_commands.swap(commands);
    commands.clear();
    last_lists.grid = lists.grid;
    last_lists.first.swap(lists.first);
    last_lists.items.swap(lists.items);
    SDL_SetRenderDrawBlendMode(renderer, blend);
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
}

bool FrameCache::keep_target(int w, int h)
{
    if (gave_up) {
        return false;
    }
    // On the web a target texture would also cost every changed frame a
    // synchronous round trip to the browser's GPU process.
    if (presenter.window_keeps_picture()) {
        if (w != width || h != height) {
            presenter.resized();
            kept_current = false;
            width = w;
            height = h;
        }
        return true;
    }
    if (target && w == width && h == height) {
        return true;
    }
    target.reset();
    kept_current = false;
    width = w;
    height = h;
    target.reset(SDL_CreateTexture(renderer, frame_format(renderer), SDL_TEXTUREACCESS_TARGET, w, h));
    if (!target) {
        give_up("could not make the kept frame");
        return false;
    }
    SDL_SetTextureBlendMode(target.get(), SDL_BLENDMODE_NONE);
    return true;
}

void FrameCache::give_up(const char* what)
{
    printf("Drawing every frame whole from now on: %s: %s\n", what, SDL_GetError());
    fflush(stdout);
    target.reset();
    kept_current = false;
    gave_up = true;
}

void FrameCache::draw_commands(TileGrid const& grid, SDL_Rect const* clip)
{
    SDL_RenderSetClipRect(renderer, clip);
    selected.clear();
    for (size_t i = 0; i < commands.size(); ++i) {
        if (hidden[i] == 0 && (clip == nullptr || SDL_HasIntersection(&commands[i].dst, clip))) {
            selected.push_back(&commands[i]);
        }
    }
    if (batched) {
        batches.draw(selected, grid, clip);
    } else {
        for (DrawCommand const* c : selected) {
            DrawBatches::draw_one(renderer, *c, clip);
        }
    }
    SDL_RenderSetClipRect(renderer, nullptr);
}
