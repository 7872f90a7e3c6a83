#include "bmp_writer.h"

#include <cstdint>

#include "binary_file.h"

void write_bmp(const std::string& path, const RgbImage& image)
{
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    const std::uint32_t width = static_cast<std::uint32_t>(image.width());
    const std::uint32_t height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t row_bytes = (width * 3 + 3) & ~3u;
    const std::uint32_t pixel_bytes = row_bytes * height;

    ByteBuffer out;
    // BITMAPFILEHEADER
    out.u8('B');
    out.u8('M');
    out.u32(kHeaderBytes + pixel_bytes);
    out.u16(0);
    out.u16(0);
    out.u32(kHeaderBytes);
    // BITMAPINFOHEADER (positive height: bottom-up rows)
    out.u32(40);
    out.u32(width);
    out.u32(height);
    out.u16(1);  // planes
    out.u16(24); // bits per pixel
    out.u32(0);  // BI_RGB
    out.u32(pixel_bytes);
    out.u32(2835); // 72 dpi
    out.u32(2835);
    out.u32(0);
    out.u32(0);

    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.get(x, y);
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
        }
        for (std::uint32_t pad = width * 3; pad < row_bytes; ++pad) {
            out.u8(0);
        }
    }
    write_file(path, out);
}
