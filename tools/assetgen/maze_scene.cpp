#include "maze_scene.h"

#include <stdexcept>

#include "font.h"

namespace {

constexpr int kTile = 16;

bool is_wall(const MazeScene& scene, int tx, int ty)
{
    // Beyond the fragment the maze goes on: count it as wall.
    if (ty < 0 || ty >= static_cast<int>(scene.layout.size())) {
        return true;
    }
    const std::string& line = scene.layout[static_cast<std::size_t>(ty)];
    if (tx < 0 || tx >= static_cast<int>(line.size())) {
        return true;
    }
    return line[static_cast<std::size_t>(tx)] == '#';
}

// Squared distance (in pixels, capped) from a wall pixel to the nearest
// corridor pixel; coordinates are relative to the fragment's top left.
int corridor_distance2(const MazeScene& scene, int px, int py)
{
    constexpr int kReach = 6;
    int best = kReach * kReach + 1;
    for (int dy = -kReach; dy <= kReach; ++dy) {
        for (int dx = -kReach; dx <= kReach; ++dx) {
            const int x = px + dx, y = py + dy;
            const int tx = x >= 0 ? x / kTile : -1;
            const int ty = y >= 0 ? y / kTile : -1;
            if (!is_wall(scene, tx, ty) && dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
            }
        }
    }
    return best;
}

void draw_walls(SpectrumScreen& screen, int left, int top, const MazeScene& scene)
{
    Canvas& bitmap = screen.bitmap();
    for (std::size_t ty = 0; ty < scene.layout.size(); ++ty) {
        for (std::size_t tx = 0; tx < scene.layout[ty].size(); ++tx) {
            if (scene.layout[ty][tx] != '#') {
                continue;
            }
            for (int y = 0; y < kTile; ++y) {
                for (int x = 0; x < kTile; ++x) {
                    const int px = static_cast<int>(tx) * kTile + x;
                    const int py = static_cast<int>(ty) * kTile + y;
                    const int d2 = corridor_distance2(scene, px, py);
                    if (d2 >= 9 && d2 <= 20) {
                        bitmap.set(left + px, top + py);
                    }
                }
            }
            screen.fill_attr((left + static_cast<int>(tx) * kTile) / 8, (top + static_cast<int>(ty) * kTile) / 8, 2, 2,
                             Attr{scene.wall, Colour::Black, true});
        }
    }
}

} // namespace

void draw_maze_scene(SpectrumScreen& screen, int column, int row, const MazeScene& scene)
{
    const int left = column * 8, top = row * 8;
    screen.fill_attr(column, row, static_cast<int>(scene.layout.empty() ? 0 : scene.layout[0].size()) * 2,
                     static_cast<int>(scene.layout.size()) * 2, Attr{scene.food, Colour::Black, true});
    draw_walls(screen, left, top, scene);

    for (std::size_t ty = 0; ty < scene.layout.size(); ++ty) {
        for (std::size_t tx = 0; tx < scene.layout[ty].size(); ++tx) {
            if (scene.layout[ty][tx] == '.') {
                screen.bitmap().draw_glyph(kGlyphFood, left + static_cast<int>(tx) * kTile + 4,
                                           top + static_cast<int>(ty) * kTile + 4);
            }
        }
    }
    for (const MazeSprite& sprite : scene.sprites) {
        if (is_wall(scene, sprite.tile_x, sprite.tile_y)) {
            throw std::logic_error("maze sprite placed on a wall");
        }
        const int x = left + sprite.tile_x * kTile, y = top + sprite.tile_y * kTile;
        screen.bitmap().fill_rect(x, y, kTile, kTile, false);
        screen.bitmap().draw_glyph(sprite.glyph_code, x, y, 2);
        screen.fill_attr(x / 8, y / 8, 2, 2, Attr{sprite.colour, Colour::Black, true});
    }
}
