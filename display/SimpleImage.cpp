#include "display/SimpleImage.h"

#include "base/Utilities.h"
#include "display/BitmapFile.h"
#include "display/Window.h"

#include <cstdio>
#include <string>

namespace {
[[noreturn]] void fatal_with_sdl_error(const char* format)
{
    const std::string error = SDL_GetError();
    printf(format, error.c_str());
    Utilities::fatalErrorSDL(error);
}
} // namespace

SimpleImage::SimpleImage(const char* filename, SDL_Renderer* renderer) : renderer(renderer)
{
    const SurfacePtr loaded(load_bitmap_file(filename));
    if (loaded == nullptr) {
        const std::string error = SDL_GetError();
        printf("Error loading bitmap %s error %s\n", filename, error.c_str());
        Utilities::fatalErrorSDL(error);
    }

    int bpp = 32;
    Uint32 rmask = 0;
    Uint32 gmask = 0;
    Uint32 bmask = 0;
    Uint32 amask = 0;
    if (!SDL_PixelFormatEnumToMasks(SDL_PIXELFORMAT_ABGR8888, &bpp, &rmask, &gmask, &bmask, &amask)) {
        printf("SDL_PixelFormatEnumToMasks error: %s\n", SDL_GetError());
    }
    const SurfacePtr converted(SDL_CreateRGBSurface(0, loaded->w, loaded->h, bpp, rmask, gmask, bmask, amask));
    if (converted == nullptr) {
        fatal_with_sdl_error("SDL_CreateRGBSurface error: %s\n");
    }
    if (SDL_BlitSurface(loaded.get(), nullptr, converted.get(), nullptr) != 0) {
        fatal_with_sdl_error("SDL_BlitSurface<2> error: %s\n");
    }
    image_width = loaded->w;
    image_height = loaded->h;

    texture.reset(SDL_CreateTextureFromSurface(renderer, converted.get()));
    if (!texture) {
        fatal_with_sdl_error("texture creation failed: %s\n");
    }
    if (SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND) != 0) {
        Utilities::fatalErrorSDL(std::string("SimpleImage::load_image() SDL_SetTextureBlendMode") + SDL_GetError());
    }
    rescale();
}

void SimpleImage::set_scale_to_fit_screen(double percent)
{
    scale_percent = percent;
    rescale();
}

void SimpleImage::rescale() const
{
    const int area_w = current_print_area_width();
    const int area_h = current_print_area_height();
    const int fit_width = static_cast<int>(area_w * scale_percent / 100);
    const int fit_height = static_cast<int>(area_h * scale_percent / 100);
    const double by_height = static_cast<double>(fit_height) / image_height;
    const double by_width = static_cast<double>(fit_width) / image_width;
    const double scale = by_height < by_width ? by_height : by_width;
    display_height = static_cast<int>(image_height * scale);
    display_width = static_cast<int>(image_width * scale);
    area_width = area_w;
    area_height = area_h;
}

void SimpleImage::rescale_if_area_changed() const
{
    if (area_width != current_print_area_width() || area_height != current_print_area_height()) {
        rescale();
    }
}

void SimpleImage::draw(MyGraphics& g, int x, int y) const
{
    rescale_if_area_changed();
    SDL_Rect destination{x, y, display_width, display_height};
    g.RenderCopy(texture.get(), nullptr, &destination);
}

void SimpleImage::draw_horizontally_centered(MyGraphics& g, int y) const
{
    rescale_if_area_changed();
    SDL_Rect destination{(current_print_area_width() - display_width) / 2, y, display_width, display_height};
    g.RenderCopy(texture.get(), nullptr, &destination);
}

void SimpleImage::draw_center(MyGraphics& g) const
{
    rescale_if_area_changed();
    SDL_Rect destination{(current_print_area_width() - display_width) / 2,
                         (current_print_area_height() - display_height) / 2, display_width, display_height};
    g.RenderCopy(texture.get(), nullptr, &destination);
}
