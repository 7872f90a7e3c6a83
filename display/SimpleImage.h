#pragma once
#include "base/SdlOwners.h"
#include "display/MyGraphics.h"

// A BMP picture in one texture, drawn scaled to a share of the print area
// with its proportions kept; it rescales lazily when the area changes.
class SimpleImage {
public:
    SimpleImage(const char* filename, SDL_Renderer* renderer);
    SimpleImage(const SimpleImage&) = delete;
    SimpleImage& operator=(const SimpleImage&) = delete;

    void set_scale_to_fit_screen(double percent);
    void rescale() const;
    void draw(MyGraphics& g, int x, int y) const;
    void draw_horizontally_centered(MyGraphics& g, int y) const;
    void draw_center(MyGraphics& g) const;
    int get_display_width() const { return display_width; }
    int get_display_height() const { return display_height; }
    SDL_Texture* get_texture() const { return texture.get(); }

private:
    void rescale_if_area_changed() const;

    Texture texture;
    SDL_Renderer* renderer;
    mutable int display_height = 0;
    mutable int display_width = 0;
    int image_height = 0;
    int image_width = 0;
    double scale_percent = 100.0;
    mutable int area_width = 0;
    mutable int area_height = 0;
};
