#include "SpoiltFiles.h"

#include <SDL.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

void put(std::string& out, Uint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// File header and BITMAPINFOHEADER of an uncompressed BMP.
std::string bmp_header(Sint32 width, Sint32 height, int bits, Uint32 palette_bytes, Uint32 pixel_bytes)
{
    std::string out = "BM";
    put(out, 54 + palette_bytes + pixel_bytes, 4);
    put(out, 0, 4);
    put(out, 54 + palette_bytes, 4);
    put(out, 40, 4);
    put(out, static_cast<Uint32>(width), 4);
    put(out, static_cast<Uint32>(height), 4);
    put(out, 1, 2);
    put(out, static_cast<Uint32>(bits), 2);
    put(out, 0, 4);
    put(out, pixel_bytes, 4);
    put(out, 2835, 4);
    put(out, 2835, 4);
    put(out, palette_bytes / 4, 4);
    put(out, 0, 4);
    return out;
}

SDL_Surface* load_font_argb()
{
    SDL_Surface* loaded = SDL_LoadBMP(build_file("Spectrum.bmp").c_str());
    if (loaded == nullptr) {
        throw std::runtime_error(SDL_GetError());
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (argb == nullptr) {
        throw std::runtime_error(SDL_GetError());
    }
    return argb;
}

Uint32 argb_at(SDL_Surface* surface, int x, int y)
{
    return static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
}

} // namespace

GameFolder::GameFolder()
{
    char pattern[] = "/tmp/kworble-bad-files-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    folder = pattern;
    for (const std::string& name : game_file_names()) {
        fs::copy_file(build_file(name), folder / name);
    }
}

GameFolder::~GameFolder()
{
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

std::set<std::string> GameFolder::file_names() const
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

const std::set<std::string>& game_file_names()
{
    static const std::set<std::string> names = {"Spectrum.bmp",
                                                "BX_title_screen.bmp",
                                                "kworble_refurnished1.bmp",
                                                "kworble_refurnished2.bmp",
                                                "KworbleCover.bmp",
                                                "BX_title1.bmp",
                                                "BX_title2.bmp",
                                                "Explosion_Crunch.wav"};
    return names;
}

fs::path build_file(const std::string& name)
{
    const char* dir = getenv("KWORBLE_BUILD_DIR");
    return fs::path(dir != nullptr ? dir : ".") / name;
}

std::string read_bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write_bytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string first_half_of(const std::string& name)
{
    const std::string whole = read_bytes(build_file(name));
    return whole.substr(0, whole.size() / 2);
}

std::string oversized_bmp()
{
    return bmp_header(60000, 60000, 24, 0, 64) + std::string(64, '\0');
}

std::string one_pixel_bmp()
{
    return bmp_header(1, 1, 24, 0, 4) + std::string("\xff\xff\xff\0", 4);
}

std::string font_with_alpha()
{
    SDL_Surface* font = load_font_argb();
    std::string pixels;
    for (int y = font->h - 1; y >= 0; --y) {
        for (int x = 0; x < font->w; ++x) {
            put(pixels, argb_at(font, x, y), 4); // B, G, R, A
        }
    }
    const std::string header = bmp_header(font->w, font->h, 32, 0, static_cast<Uint32>(pixels.size()));
    SDL_FreeSurface(font);
    return header + pixels;
}

std::string paletted_font()
{
    SDL_Surface* font = load_font_argb();
    std::string palette;
    put(palette, 0x00EE00FCu, 4); // index 0: the key colour (B, G, R, 0)
    put(palette, 0x00000000u, 4); // index 1: black
    const int row_bytes = (font->w + 3) & ~3;
    std::string pixels;
    for (int y = font->h - 1; y >= 0; --y) {
        for (int x = 0; x < row_bytes; ++x) {
            const bool black = x < font->w && (argb_at(font, x, y) & 0xFFFFFFu) == 0;
            pixels += static_cast<char>(black ? 1 : 0);
        }
    }
    const std::string header =
        bmp_header(font->w, font->h, 8, static_cast<Uint32>(palette.size()), static_cast<Uint32>(pixels.size()));
    SDL_FreeSurface(font);
    return header + palette + pixels;
}

std::string nine_channel_wav()
{
    const int channels = 9;
    const std::string samples(static_cast<size_t>(channels) * 2 * 100, '\0');
    std::string format;
    put(format, 1, 2); // PCM
    put(format, channels, 2);
    put(format, 22050, 4);
    put(format, 22050 * channels * 2, 4);
    put(format, channels * 2, 2);
    put(format, 16, 2);
    std::string body = "WAVEfmt ";
    put(body, static_cast<Uint32>(format.size()), 4);
    body += format + "data";
    put(body, static_cast<Uint32>(samples.size()), 4);
    body += samples;
    std::string wav = "RIFF";
    put(wav, static_cast<Uint32>(body.size()), 4);
    return wav + body;
}
