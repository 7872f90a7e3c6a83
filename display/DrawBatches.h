#pragma once
#include <SDL.h>

#include <vector>

// Gathers a frame's fills and copies into as few geometry calls as their
// order allows: a drawing joins the latest batch of its kind (the same
// texture and blend) when nothing drawn after that batch overlaps it, so the
// picture is the same as drawing one call at a time. A GL driver pays per
// call; a screen of cells becomes a handful of calls instead of hundreds.
class DrawBatches {
public:
    explicit DrawBatches(SDL_Renderer* renderer);

    // Overlaps are judged on tiles this size from origin, covering the screen.
    void begin(int tile_size, SDL_Point origin, int columns, int rows);
    void fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend);
    void copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const& dst);
    void clear(SDL_Color colour);
    // Draws every batch in order and empties them.
    void draw();

private:
    // Geometry gathers quads; a clear and a copy at a scale that is not a
    // whole number stand alone.
    enum class Kind { geometry, clear, copy };
    struct Batch {
        Kind kind;
        SDL_Texture* texture;
        SDL_BlendMode blend;
        SDL_Color clear_colour;
        SDL_Rect src;
        SDL_Rect dst;
        std::vector<SDL_Vertex> vertices;
    };

    Batch& batch_for(Kind kind, SDL_Texture* texture, SDL_BlendMode blend, SDL_Rect const& area);
    static void add_quad(Batch& batch, SDL_Rect const& dst, SDL_Color colour, float u0, float v0, float u1, float v1);

    SDL_Renderer* renderer;
    std::vector<Batch> batches;
    size_t used = 0;
    // The last batch that drew on each tile.
    std::vector<int> tile_batch;
    std::vector<int> indices;
    int tile_size = 8;
    SDL_Point origin{0, 0};
    int columns = 0;
    int rows = 0;
};
