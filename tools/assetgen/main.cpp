// kworble_assetgen <output-dir>: draws every font, picture and sound the
// game loads and writes them into output-dir, the same bytes every run.
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "bx_pictures.h"
#include "cover.h"
#include "crunch_sound.h"
#include "font_sheet.h"
#include "icon.h"
#include "kworble_title.h"
#include "png_writer.h"
#include "wav_writer.h"

namespace {

struct Asset {
    const char* file_name;
    std::function<void(const std::string& path)> write;
};

std::vector<Asset> all_assets()
{
    return {
        {"Explosion_Crunch.wav",
         [](const std::string& p) { write_wav_mono16(p, kCrunchSampleRate, make_crunch_sound()); }},
        {"Spectrum.bmp", [](const std::string& p) { write_bmp(p, make_font_sheet()); }},
        {"BX_title_screen.bmp", [](const std::string& p) { write_bmp(p, make_bx_title_screen()); }},
        {"kworble_refurnished1.bmp", [](const std::string& p) { write_bmp(p, make_kworble_title(1)); }},
        {"kworble_refurnished2.bmp", [](const std::string& p) { write_bmp(p, make_kworble_title(2)); }},
        {"KworbleCover.bmp", [](const std::string& p) { write_bmp(p, make_cover()); }},
        {"BX_title1.bmp", [](const std::string& p) { write_bmp(p, make_bx_title(1)); }},
        {"BX_title2.bmp", [](const std::string& p) { write_bmp(p, make_bx_title(2)); }},
        // The window icon, and the desktop icon that the install puts in the icon theme.
        {"kworble_icon.bmp", [](const std::string& p) { write_bmp(p, make_icon(32)); }},
        {"kworble.png", [](const std::string& p) { write_png(p, make_icon(64)); }},
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: kworble_assetgen <output-dir>\n";
        return 2;
    }
    const std::filesystem::path out_dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(out_dir, ec);
    if (ec) {
        std::cerr << "kworble_assetgen: cannot create " << out_dir.string() << ": " << ec.message() << "\n";
        return 1;
    }
    try {
        for (const Asset& asset : all_assets()) {
            asset.write((out_dir / asset.file_name).string());
        }
    } catch (const std::exception& e) {
        std::cerr << "kworble_assetgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
