#include "png_writer.h"

#include <array>
#include <cstdint>
#include <vector>

#include "binary_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put_be32(Bytes& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

std::uint32_t crc32(const Bytes& data, std::size_t from)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const Bytes& data)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

// One chunk: length, type, data, and the CRC over type and data.
void put_chunk(Bytes& out, const char (&type)[5], const Bytes& data)
{
    put_be32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t crc_from = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put_be32(out, crc32(out, crc_from));
}

// A zlib stream of stored blocks (at most 65535 bytes each).
Bytes zlib_stored(const Bytes& raw)
{
    Bytes out{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t len = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        const bool last = pos + len == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(len & 0xFFu));
        out.push_back(static_cast<std::uint8_t>(len >> 8));
        out.push_back(static_cast<std::uint8_t>(~len & 0xFFu));
        out.push_back(static_cast<std::uint8_t>((~len >> 8) & 0xFFu));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                   raw.begin() + static_cast<std::ptrdiff_t>(pos + len));
        pos += len;
    } while (pos < raw.size());
    put_be32(out, adler32(raw));
    return out;
}

} // namespace

void write_png(const std::string& path, const RgbImage& image)
{
    Bytes header;
    put_be32(header, static_cast<std::uint32_t>(image.width()));
    put_be32(header, static_cast<std::uint32_t>(image.height()));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, no interlace

    Bytes raw;
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0); // filter: none
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.get(x, y);
            raw.insert(raw.end(), {c.r, c.g, c.b});
        }
    }

    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    put_chunk(png, "IHDR", header);
    put_chunk(png, "IDAT", zlib_stored(raw));
    put_chunk(png, "IEND", {});

    ByteBuffer out;
    for (std::uint8_t byte : png) {
        out.u8(byte);
    }
    write_file(path, out);
}
