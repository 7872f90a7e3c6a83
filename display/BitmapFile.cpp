#include "display/BitmapFile.h"

#include "base/SdlOwners.h"

#include <cstdint>
#include <cstdlib>

namespace {

Uint32 read_le(const Uint8* bytes, int count)
{
    Uint32 value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

// The picture size the header claims; false when the header is too short
// or not a BMP's, which SDL's loader then reports in its own words.
bool claimed_size(SDL_RWops* stream, std::int64_t& width, std::int64_t& height)
{
    Uint8 header[26];
    if (SDL_RWread(stream, header, 1, sizeof header) != sizeof header || header[0] != 'B' || header[1] != 'M') {
        return false;
    }
    if (read_le(header + 14, 4) == 12) {
        // The old OS/2 header has unsigned 16-bit sizes.
        width = read_le(header + 18, 2);
        height = read_le(header + 20, 2);
    } else {
        width = static_cast<Sint32>(read_le(header + 18, 4));
        height = static_cast<Sint32>(read_le(header + 22, 4));
    }
    return true;
}

} // namespace

SDL_Surface* load_bitmap_file(const char* filename)
{
    StreamPtr stream(SDL_RWFromFile(filename, "rb"));
    if (stream == nullptr) {
        return nullptr;
    }
    std::int64_t width = 0;
    std::int64_t height = 0;
    const bool known = claimed_size(stream.get(), width, height);
    if (known && (std::llabs(width) > max_bitmap_side || std::llabs(height) > max_bitmap_side)) {
        SDL_SetError("BMP file with oversized dimensions (%lldx%lld)", static_cast<long long>(width),
                     static_cast<long long>(height));
        return nullptr;
    }
    if (SDL_RWseek(stream.get(), 0, RW_SEEK_SET) != 0) {
        return nullptr;
    }
    // SDL closes the stream, loaded or not.
    return SDL_LoadBMP_RW(stream.release(), 1);
}
