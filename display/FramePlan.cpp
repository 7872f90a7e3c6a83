#include "display/FramePlan.h"

#include <algorithm>
#include <cstddef>

namespace {

bool same_rect(SDL_Rect const& a, SDL_Rect const& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// The first and last tile column and row that area reaches; false when it
// reaches none.
bool tile_span(TileGrid const& grid, SDL_Rect const& area, int& c0, int& c1, int& r0, int& r1)
{
    if (grid.count() <= 0 || area.w <= 0 || area.h <= 0) {
        return false;
    }
    const int x0 = std::max(area.x - grid.origin.x, 0);
    const int y0 = std::max(area.y - grid.origin.y, 0);
    const int x1 = std::min(area.x + area.w - grid.origin.x, grid.columns * grid.size) - 1;
    const int y1 = std::min(area.y + area.h - grid.origin.y, grid.rows * grid.size) - 1;
    if (x1 < x0 || y1 < y0) {
        return false;
    }
    c0 = x0 / grid.size;
    c1 = x1 / grid.size;
    r0 = y0 / grid.size;
    r1 = y1 / grid.size;
    return true;
}

} // namespace

SDL_Rect affected_area(DrawCommand const& c)
{
    if (c.clip.w == 0) {
        return c.dst;
    }
    SDL_Rect both{};
    return SDL_IntersectRect(&c.dst, &c.clip, &both) ? both : SDL_Rect{};
}

bool extends_row(DrawCommand const& a, DrawCommand const& b)
{
    return a.kind == DrawCommand::Kind::fill && b.kind == a.kind && a.clip.w == 0 && b.clip.w == 0 &&
           a.blend == b.blend && a.dst.x + a.dst.w == b.dst.x && a.dst.y == b.dst.y && a.dst.h == b.dst.h &&
           a.colour.r == b.colour.r && a.colour.g == b.colour.g && a.colour.b == b.colour.b && a.colour.a == b.colour.a;
}

bool same_pixels(DrawCommand const& a, DrawCommand const& b)
{
    if (a.kind == DrawCommand::Kind::copy && (a.serial == 0 || b.serial == 0)) {
        return false;
    }
    return a.kind == b.kind && a.serial == b.serial && same_rect(a.src, b.src) && same_rect(a.dst, b.dst) &&
           a.colour.r == b.colour.r && a.colour.g == b.colour.g && a.colour.b == b.colour.b &&
           a.colour.a == b.colour.a && a.blend == b.blend && same_rect(a.clip, b.clip);
}

bool TileGrid::operator==(TileGrid const& other) const
{
    return size == other.size && origin.x == other.origin.x && origin.y == other.origin.y && columns == other.columns &&
           rows == other.rows;
}

TileGrid tile_grid(int width, int height, int tile_size, SDL_Point origin)
{
    if (width <= 0 || height <= 0 || tile_size <= 0) {
        return TileGrid{};
    }
    const int columns = (width - origin.x + tile_size - 1) / tile_size;
    const int rows = (height - origin.y + tile_size - 1) / tile_size;
    return TileGrid{tile_size, origin, std::max(columns, 0), std::max(rows, 0)};
}

void mark_tiles(TileGrid const& grid, SDL_Rect const& area, std::vector<std::uint8_t>& tiles)
{
    int c0 = 0, c1 = -1, r0 = 0, r1 = -1;
    tile_span(grid, area, c0, c1, r0, r1);
    for (int row = r0; row <= r1; ++row) {
        for (int column = c0; column <= c1; ++column) {
            tiles[static_cast<size_t>(row) * grid.columns + column] = 1;
        }
    }
}

void list_tiles(TileGrid const& grid, std::vector<DrawCommand> const& commands, TileLists& out)
{
    out.grid = grid;
    const auto tiles = static_cast<size_t>(std::max(grid.count(), 0));
    out.first.assign(tiles + 1, 0);
    out.items.clear();
    // Count each tile's commands, then place them: two passes, no list per tile.
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < commands.size(); ++i) {
            int c0 = 0, c1 = 0, r0 = 0, r1 = 0;
            if (!tile_span(grid, affected_area(commands[i]), c0, c1, r0, r1)) {
                continue;
            }
            for (int row = r0; row <= r1; ++row) {
                for (int column = c0; column <= c1; ++column) {
                    const size_t tile = static_cast<size_t>(row) * grid.columns + column;
                    if (pass == 0) {
                        ++out.first[tile + 1];
                    } else {
                        out.items[static_cast<size_t>(out.first[tile]++)] = static_cast<int>(i);
                    }
                }
            }
        }
        if (pass == 0) {
            for (size_t t = 0; t < tiles; ++t) {
                out.first[t + 1] += out.first[t];
            }
            out.items.resize(static_cast<size_t>(out.first[tiles]));
        } else {
            // Placing advanced each start to the next tile's: step them back.
            for (size_t t = tiles; t > 0; --t) {
                out.first[t] = out.first[t - 1];
            }
            out.first[0] = 0;
        }
    }
}

void damaged_tiles(TileLists const& last, std::vector<DrawCommand> const& last_commands, TileLists const& now,
                   std::vector<DrawCommand> const& commands, std::vector<std::uint8_t>& damaged)
{
    const auto tiles = static_cast<size_t>(std::max(now.grid.count(), 0));
    damaged.assign(tiles, 1);
    if (!(last.grid == now.grid) || last.first.size() != tiles + 1) {
        return;
    }
    for (size_t t = 0; t < tiles; ++t) {
        const int begin = now.first[t];
        const int count = now.first[t + 1] - begin;
        const int last_begin = last.first[t];
        if (last.first[t + 1] - last_begin != count) {
            continue;
        }
        bool same = true;
        for (int k = 0; k < count && same; ++k) {
            same = same_pixels(commands[static_cast<size_t>(now.items[static_cast<size_t>(begin + k)])],
                               last_commands[static_cast<size_t>(last.items[static_cast<size_t>(last_begin + k)])]);
        }
        damaged[t] = same ? 0 : 1;
    }
}

void dirty_rects(TileGrid const& grid, std::vector<std::uint8_t> const& damaged, std::vector<SDL_Rect>& rects)
{
    rects.clear();
    const auto at = [&](int row, int column) { return damaged[static_cast<size_t>(row) * grid.columns + column]; };
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns;) {
            if (at(row, column) == 0) {
                ++column;
                continue;
            }
            int end = column + 1;
            while (end < grid.columns && at(row, end) != 0) {
                ++end;
            }
            const SDL_Rect run{grid.origin.x + column * grid.size, grid.origin.y + row * grid.size,
                               (end - column) * grid.size, grid.size};
            const auto above = std::find_if(rects.begin(), rects.end(), [&](SDL_Rect const& r) {
                return r.x == run.x && r.w == run.w && r.y + r.h == run.y;
            });
            if (above != rects.end()) {
                above->h += grid.size;
            } else {
                rects.push_back(run);
            }
            column = end;
        }
    }
}

bool copy_lands_unevenly(DrawCommand const& c, bool draws_triangles)
{
    if (c.kind != DrawCommand::Kind::copy || c.src.w <= 0 || c.src.h <= 0) {
        return false;
    }
    if (draws_triangles) {
        return c.dst.w % c.src.w != 0 || c.dst.h % c.src.h != 0;
    }
    return c.dst.w != c.src.w || c.dst.h != c.src.h;
}

void hidden_commands(TileLists const& lists, std::vector<DrawCommand> const& commands,
                     std::vector<std::uint8_t>& hidden)
{
    hidden.assign(commands.size(), 0);
    const auto last_clear = std::find_if(commands.rbegin(), commands.rend(), [](DrawCommand const& c) {
        return c.kind == DrawCommand::Kind::clear && c.clip.w == 0;
    });
    if (last_clear == commands.rend()) {
        return;
    }
    const auto clear = static_cast<size_t>(commands.rend() - last_clear - 1);
    std::fill(hidden.begin(), hidden.begin() + static_cast<std::ptrdiff_t>(clear), std::uint8_t{1});
    const SDL_Color bg = commands[clear].colour;
    for (size_t i = clear + 1; i < commands.size(); ++i) {
        DrawCommand const& c = commands[i];
        if (c.kind != DrawCommand::Kind::fill || c.colour.r != bg.r || c.colour.g != bg.g || c.colour.b != bg.b ||
            c.colour.a != 255 || (c.blend != SDL_BLENDMODE_NONE && c.blend != SDL_BLENDMODE_BLEND)) {
            continue;
        }
        const SDL_Rect area = affected_area(c);
        int c0 = 0, c1 = -1, r0 = 0, r1 = -1;
        tile_span(lists.grid, area, c0, c1, r0, r1);
        bool covered = false;
        for (int row = r0; row <= r1 && !covered; ++row) {
            for (int column = c0; column <= c1 && !covered; ++column) {
                const size_t tile = static_cast<size_t>(row) * lists.grid.columns + column;
                for (int k = lists.first[tile]; k < lists.first[tile + 1] && !covered; ++k) {
                    const auto j = static_cast<size_t>(lists.items[static_cast<size_t>(k)]);
                    const SDL_Rect under = affected_area(commands[j]);
                    covered = j > clear && j < i && hidden[j] == 0 && SDL_HasIntersection(&under, &area);
                }
            }
        }
        hidden[i] = covered ? 0 : 1;
    }
}

DrawCost draw_cost(std::vector<DrawCommand> const& commands, std::vector<std::uint8_t> const& hidden,
                   std::vector<SDL_Rect> const& rects)
{
    DrawCost cost;
    DrawCommand const* last_fill = nullptr;
    for (size_t i = 0; i < commands.size(); ++i) {
        DrawCommand const& c = commands[i];
        if (hidden[i] != 0) {
            continue;
        }
        const bool copy = c.kind == DrawCommand::Kind::copy;
        const bool plain = c.kind == DrawCommand::Kind::clear || c.blend == SDL_BLENDMODE_NONE;
        const long long per_pixel = copy ? plain_copy_cost : (plain ? plain_fill_cost : 5); // 5: a blended fill
        // Each quad costs its set-up; a fill that extends the last one along
        // its row is drawn as part of it.
        const bool extends = !copy && last_fill != nullptr && extends_row(*last_fill, c);
        const long long per_quad = extends ? 0 : (copy ? quad_copy_cost : quad_fill_cost);
        last_fill = copy ? last_fill : &c;
        const SDL_Rect r = affected_area(c);
        if (c.kind != DrawCommand::Kind::clear) {
            cost.full += per_quad + per_pixel * r.w * r.h;
        }
        for (SDL_Rect const& clip : rects) {
            SDL_Rect part{};
            if (SDL_IntersectRect(&r, &clip, &part)) {
                cost.damage += per_quad + per_pixel * part.w * part.h;
            }
        }
    }
    return cost;
}

PresentPath present_path(FrameDamage const& f)
{
    if (f.tiles <= 0 || f.damaged == 0) {
        return PresentPath::skip;
    }
    if (f.preserved.where == Preserved::nowhere || f.uneven_copy) {
        return PresentPath::full_to_window;
    }
    if (f.shades_pixels) {
        // Drawing into a render target pays its copy to the window on top of
        // the damage; each of many rectangles walks the whole frame's drawing.
        if (f.cost.full <= f.cost.damage + f.target_copy || f.rects > 32) {
            return PresentPath::full_to_window;
        }
        return f.preserved.current ? PresentPath::damage_to_preserved : PresentPath::full_to_preserved;
    }
    // Most of the picture damaged, drawing it straight to the window costs
    // less than drawing it into the render target and copying that.
    if (f.damaged * 2 > f.tiles) {
        return PresentPath::full_to_window;
    }
    // Each rectangle walks the whole frame's drawing: past a few dozen, one
    // pass over all of it costs less.
    if (!f.preserved.current || f.rects > 32) {
        return PresentPath::full_to_preserved;
    }
    return PresentPath::damage_to_preserved;
}

void plan_batches(TileGrid const& grid, std::vector<BatchDraw> const& draws, BatchPlan& plan)
{
    std::vector<int>& batch_of = plan.batch_of;
    std::vector<int>& tile_batch = plan.tile_batch;
    std::vector<size_t>& batch_first = plan.first_draw;
    batch_of.assign(draws.size(), -1);
    tile_batch.assign(static_cast<size_t>(std::max(grid.count(), 0)), -1);
    batch_first.clear();
    for (size_t i = 0; i < draws.size(); ++i) {
        BatchDraw const& d = draws[i];
        int c0 = 0, c1 = -1, r0 = 0, r1 = -1;
        tile_span(grid, d.area, c0, c1, r0, r1);
        int latest = -1;
        for (int row = r0; row <= r1; ++row) {
            for (int column = c0; column <= c1; ++column) {
                latest = std::max(latest, tile_batch[static_cast<size_t>(row) * grid.columns + column]);
            }
        }
        int chosen = -1;
        if (d.kind == BatchDraw::Kind::geometry) {
            for (int b = static_cast<int>(batch_first.size()) - 1; b >= std::max(latest, 0); --b) {
                BatchDraw const& first = draws[batch_first[static_cast<size_t>(b)]];
                if (first.kind == BatchDraw::Kind::geometry && first.texture == d.texture && first.blend == d.blend) {
                    chosen = b;
                    break;
                }
            }
        }
        if (chosen < 0) {
            chosen = static_cast<int>(batch_first.size());
            batch_first.push_back(i);
        }
        batch_of[i] = chosen;
        for (int row = r0; row <= r1; ++row) {
            for (int column = c0; column <= c1; ++column) {
                tile_batch[static_cast<size_t>(row) * grid.columns + column] = chosen;
            }
        }
    }
}
