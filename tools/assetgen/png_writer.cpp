#include "png_writer.h"

#include <png.h>

#include <stdexcept>

void write_png(const std::string& path, const RgbImage& image)
{
    const std::vector<std::uint8_t> bytes = rgb_bytes(image);
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width());
    png.height = static_cast<png_uint_32>(image.height());
    png.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&png, path.c_str(), 0, bytes.data(), 0, nullptr) == 0) {
        throw std::runtime_error("cannot write " + path + ": " + png.message);
    }
}
