#include "display/FrameCache.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// The window's own layout, so that blending into the render target rounds as
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
    // A back buffer that survives costs no copy; on the web a render target
    // would also cost every changed frame a synchronous round trip to the
    // browser's GPU process. A render target is made when a frame needs it.
    preserved.where = presenter.preserves_back_buffer() ? Preserved::back_buffer : Preserved::render_target;
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
    const bool missed = std::find(undrawn.begin(), undrawn.end(), std::uint8_t{1}) != undrawn.end();
    // Most frames repeat the last one exactly: then no tile can have changed.
    if (!missed && grid == last_lists.grid &&
        std::equal(commands.begin(), commands.end(), last_commands.begin(), last_commands.end(), same_pixels)) {
        commands.clear();
        return;
    }
    list_tiles(grid, commands, lists);
    damaged_tiles(last_lists, last_commands, lists, commands, damaged);
    if (missed && grid == last_lists.grid) {
        for (size_t t = 0; t < damaged.size(); ++t) {
            damaged[t] |= undrawn[t];
        }
    }
    undrawn.assign(damaged.size(), 0);
    FrameDamage damage;
    damage.tiles = grid.count();
    damage.damaged = static_cast<int>(std::count(damaged.begin(), damaged.end(), std::uint8_t{1}));
    rects.clear();
    if (damage.damaged > 0) {
        ensure_preserved(w, h);
        damage.preserved = preserved;
        damage.uneven_copy = std::any_of(commands.begin(), commands.end(),
                                         [this](DrawCommand const& c) { return copy_lands_unevenly(c, batched); });
        dirty_rects(grid, damaged, rects);
        damage.rects = static_cast<int>(rects.size());
        hidden_commands(lists, commands, hidden);
        damage.shades_pixels = batched && presenter.shades_on_cpu();
        damage.cost = draw_cost(commands, hidden, rects);
        damage.target_copy = preserved.where == Preserved::render_target ? quad_copy_cost + plain_copy_cost * w * h : 0;
    }
    const PresentPath path = present_path(damage);
    if (path != PresentPath::skip && !draw_path(path, grid)) {
        // Nothing of this frame can be trusted to be on the screen.
        std::fill(undrawn.begin(), undrawn.end(), std::uint8_t{1});
        preserved.current = false;
    }
    last_commands.swap(commands);
    commands.clear();
    last_lists.grid = lists.grid;
    last_lists.first.swap(lists.first);
    last_lists.items.swap(lists.items);
    SDL_SetRenderDrawBlendMode(renderer, blend);
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
}

bool FrameCache::draw_path(PresentPath path, TileGrid const& grid)
{
    if (path == PresentPath::full_to_preserved || path == PresentPath::damage_to_preserved) {
        const bool target = preserved.where == Preserved::render_target;
        if (target && SDL_SetRenderTarget(renderer, render_target.get()) != 0) {
            give_up("could not draw into the render target");
        } else {
            if (path == PresentPath::full_to_preserved) {
                draw_commands(grid, nullptr);
            } else {
                for (SDL_Rect const& r : rects) {
                    draw_commands(grid, &r);
                }
            }
            preserved.current = true;
            if (target) {
                if (SDL_SetRenderTarget(renderer, nullptr) != 0) {
                    // Still drawing into the target: copying it onto itself shows nothing.
                    return false;
                }
                if (SDL_RenderCopy(renderer, render_target.get(), nullptr, nullptr) != 0) {
                    return false;
                }
            }
            presenter.show(path == PresentPath::damage_to_preserved ? &rects : nullptr);
            return true;
        }
    }
    draw_commands(grid, nullptr);
    preserved.current = preserved.where == Preserved::back_buffer;
    presenter.show(nullptr);
    return true;
}

void FrameCache::ensure_preserved(int w, int h)
{
    const bool resized = w != width || h != height;
    width = w;
    height = h;
    if (preserved.where == Preserved::back_buffer && resized) {
        presenter.resized();
        preserved.current = false;
        if (!presenter.preserves_back_buffer()) {
            preserved.where = Preserved::render_target;
        }
    }
    if (preserved.where != Preserved::render_target || (render_target && !resized)) {
        return;
    }
    render_target.reset();
    preserved.current = false;
    render_target.reset(SDL_CreateTexture(renderer, frame_format(renderer), SDL_TEXTUREACCESS_TARGET, w, h));
    if (!render_target) {
        give_up("could not make the render target");
        return;
    }
    SDL_SetTextureBlendMode(render_target.get(), SDL_BLENDMODE_NONE);
}

void FrameCache::give_up(const char* what)
{
    printf("Drawing every frame whole from now on: %s: %s\n", what, SDL_GetError());
    fflush(stdout);
    render_target.reset();
    preserved = PreservedFrame{};
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
        batches.draw(selected, grid, clip, undrawn);
    } else {
        for (DrawCommand const* c : selected) {
            DrawBatches::draw_or_mark(renderer, *c, grid, clip, undrawn);
        }
    }
    SDL_RenderSetClipRect(renderer, nullptr);
}
