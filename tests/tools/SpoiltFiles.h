#pragma once
#include <filesystem>
#include <set>
#include <string>

// A temporary folder holding copies of the game's eight files from the build
// folder, in which a test spoils one of them before starting the game there.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }
    std::set<std::string> file_names() const;

private:
    std::filesystem::path folder;
};

const std::set<std::string>& game_file_names();
std::filesystem::path build_file(const std::string& name);
std::string read_bytes(const std::filesystem::path& file);
void write_bytes(const std::filesystem::path& file, const std::string& bytes);

// Bad contents for a file. Each returns the bytes to put in its place.
std::string first_half_of(const std::string& name);
// A 24-bit BMP header claiming 60000 by 60000 pixels, followed by a few.
std::string oversized_bmp();
// A proper 24-bit BMP of one white pixel: no black anywhere.
std::string one_pixel_bmp();
// Spectrum.bmp as a 32-bit BMP with alpha (what an editor might save).
std::string font_with_alpha();
// Spectrum.bmp as an 8-bit paletted BMP: key colour and black.
std::string paletted_font();
// A WAV with nine channels, more than SDL converts.
std::string nine_channel_wav();
