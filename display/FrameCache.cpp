#include "display/FrameCache.h"

#include <algorithm>

namespace {

constexpr std::uint64_t hash_start = 1469598103934665603ull;
constexpr std::uint64_t hash_prime = 1099511628211ull;

std::uint64_t mix(std::uint64_t hash, std::uint64_t value)
{
    return (hash ^ value) * hash_prime;
}

std::uint64_t rect_bits(SDL_Rect const& r)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint16_t>(r.x)) << 48) |
           (static_cast<std::uint64_t>(static_cast<std::uint16_t>(r.y)) << 32) |
           (static_cast<std::uint64_t>(static_cast<std::uint16_t>(r.w)) << 16) | static_cast<std::uint16_t>(r.h);
}

// The window's own layout, so that blending into the kept frame rounds as
// blending into the window does.
Uint32 frame_format(SDL_Renderer* renderer)
{
    SDL_Window* window = SDL_RenderGetWindow(renderer);
    const Uint32 format = window != nullptr ? SDL_GetWindowPixelFormat(window) : Uint32{SDL_PIXELFORMAT_UNKNOWN};
    return format == SDL_PIXELFORMAT_UNKNOWN ? Uint32{SDL_PIXELFORMAT_ARGB8888} : format;
}

bool draws_geometry_like_copies(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) == 0;
}

} // namespace

FrameCache::FrameCache(SDL_Renderer* renderer)
    : renderer(renderer), batched(draws_geometry_like_copies(renderer)), batches(renderer)
{
    commands.reserve(4096);
}

void FrameCache::clear(SDL_Color colour)
{
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    commands.push_back({nullptr, {}, {0, 0, w, h}, {colour.r, colour.g, colour.b, 255}, SDL_BLENDMODE_NONE, true});
}

void FrameCache::fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend)
{
    commands.push_back({nullptr, {}, rect, colour, blend, false});
}

void FrameCache::copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const* dst)
{
    SDL_Rect whole{0, 0, 0, 0};
    if (dst == nullptr) {
        SDL_GetRendererOutputSize(renderer, &whole.w, &whole.h);
    }
    commands.push_back({texture,
                        src != nullptr ? *src : SDL_Rect{0, 0, 0, 0},
                        dst != nullptr ? *dst : whole,
                        {},
                        SDL_BLENDMODE_BLEND,
                        false});
}

void FrameCache::present(int size, SDL_Point origin)
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

    const bool kept = keep_target(w, h);
    tile_size = size > 0 ? size : 8;
    tile_origin = origin;
    int dirty = count_dirty_tiles();
    if (dirty > 0 && frame_has_uneven_copy()) {
        // A scaled copy can land a pixel differently when clipped (software)
        // or drawn into the kept frame (GL, which draws that upside down):
        // such a frame goes whole and straight to the window.
        dirty = columns * rows;
    }
    if (!kept) {
        draw_all();
        SDL_RenderPresent(renderer);
    } else if (dirty > 0) {
        if (dirty * 2 > columns * rows) {
            // Most of the picture changes: drawing it straight to the window
            // is cheaper than drawing it into the frame and copying that.
            draw_all();
            target_stale = true;
        } else {
            SDL_SetRenderTarget(renderer, target.get());
            if (target_stale) {
                draw_all();
            } else {
                draw_dirty();
            }
            SDL_SetRenderTarget(renderer, nullptr);
            target_stale = false;
            SDL_RenderCopy(renderer, target.get(), nullptr, nullptr);
        }
        SDL_RenderPresent(renderer);
    }
    everything_dirty = false;
    commands.clear();
    SDL_SetRenderDrawBlendMode(renderer, blend);
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
}

bool FrameCache::keep_target(int w, int h)
{
    if (target && w == width && h == height) {
        return true;
    }
    target.reset();
    width = w;
    height = h;
    target_stale = true;
    everything_dirty = true;
    target.reset(w > 0 && h > 0 ? SDL_CreateTexture(renderer, frame_format(renderer), SDL_TEXTUREACCESS_TARGET, w, h)
                                : nullptr);
    if (target) {
        SDL_SetTextureBlendMode(target.get(), SDL_BLENDMODE_NONE);
    }
    return static_cast<bool>(target);
}

int FrameCache::count_dirty_tiles()
{
    const int new_columns = (width - tile_origin.x + tile_size - 1) / tile_size;
    const int new_rows = (height - tile_origin.y + tile_size - 1) / tile_size;
    if (new_columns != columns || new_rows != rows) {
        everything_dirty = true;
    }
    columns = new_columns > 0 ? new_columns : 0;
    rows = new_rows > 0 ? new_rows : 0;
    tile_hashes.assign(static_cast<size_t>(columns) * rows, hash_start);

    const SDL_Rect screen{0, 0, width, height};
    for (Command const& c : commands) {
        SDL_Rect area;
        if (!SDL_IntersectRect(&c.dst, &screen, &area)) {
            continue;
        }
        std::uint64_t hash = mix(hash_start, reinterpret_cast<std::uintptr_t>(c.texture));
        hash = mix(hash, rect_bits(c.src));
        hash = mix(hash, rect_bits(c.dst));
        hash = mix(hash, (static_cast<std::uint64_t>(c.colour.r) << 24) | (c.colour.g << 16) | (c.colour.b << 8) |
                             c.colour.a);
        hash = mix(hash, (static_cast<std::uint64_t>(c.blend) << 1) | (c.is_clear ? 1u : 0u));
        const int c0 = (area.x - tile_origin.x) / tile_size;
        const int c1 = (area.x + area.w - 1 - tile_origin.x) / tile_size;
        const int r0 = (area.y - tile_origin.y) / tile_size;
        const int r1 = (area.y + area.h - 1 - tile_origin.y) / tile_size;
        for (int row = r0; row <= r1 && row < rows; ++row) {
            for (int column = c0; column <= c1 && column < columns; ++column) {
                std::uint64_t& tile = tile_hashes[static_cast<size_t>(row) * columns + column];
                tile = mix(tile, hash);
            }
        }
    }

    int dirty = 0;
    if (everything_dirty || last_hashes.size() != tile_hashes.size()) {
        dirty = columns * rows;
    } else {
        for (size_t i = 0; i < tile_hashes.size(); ++i) {
            dirty += tile_hashes[i] != last_hashes[i] ? 1 : 0;
        }
    }
    last_hashes.swap(tile_hashes);
    return dirty;
}

bool FrameCache::frame_has_uneven_copy() const
{
    const SDL_Rect screen{0, 0, width, height};
    for (Command const& c : commands) {
        int w = c.src.w;
        int h = c.src.h;
        if (c.texture == nullptr || !SDL_HasIntersection(&c.dst, &screen) ||
            (w == 0 && SDL_QueryTexture(c.texture, nullptr, nullptr, &w, &h) != 0) || w <= 0 || h <= 0) {
            continue;
        }
        const bool same_size = c.dst.w == w && c.dst.h == h;
        const bool whole_scale = c.dst.w % w == 0 && c.dst.h % h == 0;
        if (batched ? !whole_scale : !same_size) {
            return true;
        }
    }
    return false;
}

void FrameCache::draw(Command const& c, bool clipped)
{
    if (batched) {
        if (c.texture != nullptr) {
            batches.copy(c.texture, c.src.w != 0 ? &c.src : nullptr, c.dst);
        } else if (c.is_clear && !clipped) {
            batches.clear(c.colour);
        } else {
            batches.fill(c.dst, c.colour, c.blend);
        }
        return;
    }
    if (c.texture != nullptr) {
        SDL_RenderCopy(renderer, c.texture, c.src.w != 0 ? &c.src : nullptr, &c.dst);
        return;
    }
    SDL_SetRenderDrawColor(renderer, c.colour.r, c.colour.g, c.colour.b, c.colour.a);
    if (c.is_clear && !clipped) {
        SDL_RenderClear(renderer);
        return;
    }
    // A clear ignores the clip, so within a clip it is an opaque fill.
    SDL_SetRenderDrawBlendMode(renderer, c.blend);
    SDL_RenderFillRect(renderer, &c.dst);
}

void FrameCache::draw_commands(SDL_Rect const* clip)
{
    SDL_RenderSetClipRect(renderer, clip);
    if (batched) {
        batches.begin(tile_size, tile_origin, columns, rows);
    }
    for (Command const& c : commands) {
        if (clip == nullptr || SDL_HasIntersection(&c.dst, clip)) {
            draw(c, clip != nullptr);
        }
    }
    if (batched) {
        batches.draw();
    }
    SDL_RenderSetClipRect(renderer, nullptr);
}

void FrameCache::draw_dirty()
{
    // Runs of changed tiles along each row, joined with the run below
    // when it spans the same columns.
    dirty_rects.clear();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns;) {
            const size_t at = static_cast<size_t>(row) * columns + column;
            if (last_hashes[at] == tile_hashes[at]) {
                ++column;
                continue;
            }
            int end = column + 1;
            while (end < columns && last_hashes[static_cast<size_t>(row) * columns + end] !=
                                        tile_hashes[static_cast<size_t>(row) * columns + end]) {
                ++end;
            }
            const SDL_Rect run{tile_origin.x + column * tile_size, tile_origin.y + row * tile_size,
                               (end - column) * tile_size, tile_size};
            bool joined = false;
            for (SDL_Rect& r : dirty_rects) {
                if (r.x == run.x && r.w == run.w && r.y + r.h == run.y) {
                    r.h += tile_size;
                    joined = true;
                    break;
                }
            }
            if (!joined) {
                dirty_rects.push_back(run);
            }
            column = end;
        }
    }
    // Each rectangle walks the whole frame's drawing: past a few dozen,
    // one pass over all of it costs less.
    if (dirty_rects.size() > 32) {
        draw_all();
        return;
    }
    for (SDL_Rect const& r : dirty_rects) {
        draw_commands(&r);
    }
}
