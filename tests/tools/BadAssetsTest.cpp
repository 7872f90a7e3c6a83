// Starts the real game with one of its files missing or spoilt and checks
// the lines it prints, how it ends, and that it leaves no file behind; and
// what the maze editor says when maze.txt cannot be written.
#include "GameProcess.h"
#include "SpoiltFiles.h"

#include "screens/MazeEditor.h"

#include <SDL.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum class Spoil { Missing, Empty, FirstHalf, Directory, Bytes };

struct BadFile {
    std::string test_name;
    const char* file;
    Spoil spoil;
    std::string (*bytes)(); // for Spoil::Bytes
    int status;             // 0: the game starts (and is then stopped)
    std::vector<std::string> lines;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const BadFile& bad, std::ostream* out)
{
    *out << bad.test_name;
}

std::string wav_file()
{
    return read_bytes(build_file("Explosion_Crunch.wav"));
}
std::string bmp_file()
{
    return read_bytes(build_file("Spectrum.bmp"));
}
std::string png_file()
{
    return read_bytes(build_file("kworble.png"));
}
std::string not_a_picture()
{
    return "no picture here, only words";
}

// A glyph set that cannot be loaded: the loader's line, then the exit line.
std::vector<std::string> font_fails(const std::string& reason)
{
    return {"Error loading bitmap: " + reason, reason + " '" + reason + "'"};
}

std::vector<std::string> picture_fails(const std::string& file, const std::string& reason)
{
    return {"Error loading bitmap " + file + " error " + reason, reason + " '" + reason + "'"};
}

std::vector<std::string> sound_fails(const std::string& reason)
{
    return {"could not load .wav '" + reason + "'"};
}

std::vector<std::string> repeated(const std::string& line, int times)
{
    return std::vector<std::string>(static_cast<size_t>(times), line);
}

const char* const not_bmp = "File is not a Windows BMP file";
const char* const short_read = "Error reading from datastream";
const char* const not_wave = "Could not find RIFF or WAVE identifiers (not a Waveform file)";
const char* const oversized = "BMP file with oversized dimensions (60000x60000)";

std::vector<BadFile> font_cases()
{
    std::vector<BadFile> cases;
    for (const char* file : {"Spectrum.bmp", "BX_title_screen.bmp"}) {
        const std::string name = file;
        const bool main_font = name == "Spectrum.bmp";
        cases.push_back({main_font ? "MainFontMissing" : "TitleCellsMissing", file, Spoil::Missing, nullptr, 42,
                         font_fails("Couldn't open " + name)});
        cases.push_back(
            {main_font ? "MainFontEmpty" : "TitleCellsEmpty", file, Spoil::Empty, nullptr, 42, font_fails(short_read)});
        cases.push_back({main_font ? "MainFontTruncated" : "TitleCellsTruncated", file, Spoil::FirstHalf, nullptr, 42,
                         font_fails(short_read)});
        cases.push_back(
            {main_font ? "MainFontIsAWav" : "TitleCellsIsAWav", file, Spoil::Bytes, wav_file, 42, font_fails(not_bmp)});
        cases.push_back(
            {main_font ? "MainFontIsAPng" : "TitleCellsIsAPng", file, Spoil::Bytes, png_file, 42, font_fails(not_bmp)});
        cases.push_back({main_font ? "MainFontOversized" : "TitleCellsOversized", file, Spoil::Bytes, oversized_bmp, 42,
                         font_fails(oversized)});
        cases.push_back({main_font ? "MainFontWithoutBlack" : "TitleCellsWithoutBlack",
                         file,
                         Spoil::Bytes,
                         one_pixel_bmp,
                         43,
                         {"No black on load?", "No black"}});
    }
    cases.push_back({"MainFontIsADirectory", "Spectrum.bmp", Spoil::Directory, nullptr, 42, font_fails(short_read)});
    cases.push_back(
        {"MainFontWithAlpha", "Spectrum.bmp", Spoil::Bytes, font_with_alpha, 43, {"No black on load?", "No black"}});
    cases.push_back(
        {"MainFontPaletted", "Spectrum.bmp", Spoil::Bytes, paletted_font, 0, repeated("No hot pink [1]", 16)});
    return cases;
}

std::vector<BadFile> picture_cases()
{
    std::vector<BadFile> cases;
    const char* const names[][2] = {{"kworble_refurnished1.bmp", "TitleA"},
                                    {"kworble_refurnished2.bmp", "TitleB"},
                                    {"KworbleCover.bmp", "Cover"},
                                    {"BX_title1.bmp", "LogoA"},
                                    {"BX_title2.bmp", "LogoB"}};
    for (const auto& [file, short_name] : names) {
        const auto named = [&](const char* what) { return std::string(short_name) + what; };
        cases.push_back({named("Missing"), file, Spoil::Missing, nullptr, 42,
                         picture_fails(file, std::string("Couldn't open ") + file)});
        cases.push_back({named("Empty"), file, Spoil::Empty, nullptr, 42, picture_fails(file, short_read)});
        cases.push_back({named("Truncated"), file, Spoil::FirstHalf, nullptr, 42, picture_fails(file, short_read)});
        cases.push_back({named("IsAWav"), file, Spoil::Bytes, wav_file, 42, picture_fails(file, not_bmp)});
        cases.push_back({named("IsAPng"), file, Spoil::Bytes, png_file, 42, picture_fails(file, not_bmp)});
    }
    cases.push_back({"CoverOversized", "KworbleCover.bmp", Spoil::Bytes, oversized_bmp, 42,
                     picture_fails("KworbleCover.bmp", oversized)});
    return cases;
}

std::vector<BadFile> sound_and_icon_cases()
{
    const char* wav = "Explosion_Crunch.wav";
    return {
        {"SoundMissing", wav, Spoil::Missing, nullptr, 42, sound_fails("Couldn't open Explosion_Crunch.wav")},
        {"SoundEmpty", wav, Spoil::Empty, nullptr, 42, sound_fails("Could not read RIFF header")},
        {"SoundIsADirectory", wav, Spoil::Directory, nullptr, 42, sound_fails("Could not read RIFF header")},
        // SDL keeps the samples it finds; the game never plays this sound.
        {"SoundTruncated", wav, Spoil::FirstHalf, nullptr, 0, {}},
        {"SoundIsABmp", wav, Spoil::Bytes, bmp_file, 42, sound_fails(not_wave)},
        {"SoundIsAPng", wav, Spoil::Bytes, png_file, 42, sound_fails(not_wave)},
        {"SoundWithNineChannels",
         wav,
         Spoil::Bytes,
         nine_channel_wav,
         42,
         {"could not build audio CVT 'Invalid source channels'"}},
        // The window icon is optional: a bad one is passed over in silence.
        {"IconNotAPicture", "kworble_icon.bmp", Spoil::Bytes, not_a_picture, 0, {}},
        {"IconOversized", "kworble_icon.bmp", Spoil::Bytes, oversized_bmp, 0, {}},
    };
}

std::vector<BadFile> all_cases()
{
    std::vector<BadFile> cases = font_cases();
    for (auto more : {picture_cases(), sound_and_icon_cases()}) {
        cases.insert(cases.end(), more.begin(), more.end());
    }
    return cases;
}

void spoil(const GameFolder& folder, const BadFile& bad)
{
    const fs::path file = folder.path() / bad.file;
    std::error_code ignored;
    fs::remove(file, ignored);
    switch (bad.spoil) {
    case Spoil::Missing:
        break;
    case Spoil::Empty:
        write_bytes(file, "");
        break;
    case Spoil::FirstHalf:
        write_bytes(file, first_half_of(bad.file));
        break;
    case Spoil::Directory:
        fs::create_directory(file);
        break;
    case Spoil::Bytes:
        write_bytes(file, bad.bytes());
        break;
    }
}

// The lines of the output, without the window's geometry line.
std::vector<std::string> printed_lines(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("SetUpScreen(): ", 0) != 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

class BadAssetsTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadAssetsTest, PrintsItsLinesAndEndsAsDocumented)
{
    const BadFile& bad = GetParam();
    GameFolder folder;
    spoil(folder, bad);
    const std::set<std::string> files_before = folder.file_names();

    const GameRun run = run_game(folder.path(), bad.status == 0);

    ASSERT_FALSE(run.hung) << "still running at the deadline:\n" << run.output << run.errors;
    EXPECT_EQ(run.signal, 0) << run.output << run.errors;
    EXPECT_FALSE(run.core_dumped);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, bad.status) << run.output << run.errors;
    EXPECT_EQ(printed_lines(run.output), bad.lines) << run.errors;
    EXPECT_EQ(folder.file_names(), files_before) << "the game wrote a file";
}

INSTANTIATE_TEST_SUITE_P(EveryFile, BadAssetsTest, ::testing::ValuesIn(all_cases()),
                         [](const ::testing::TestParamInfo<BadFile>& info) { return info.param.test_name; });

// The editor's export cannot be driven from outside the headless game, so
// it is saved here with the real editor into a folder where it must fail.
class MazeExportFailureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0);
        old_folder = fs::current_path();
        fs::current_path(folder.path());
    }
    void TearDown() override
    {
        fs::current_path(old_folder);
        SDL_QuitSubSystem(SDL_INIT_TIMER);
    }
    std::string save_and_capture(bool& saved)
    {
        MazeEditor editor;
        ::testing::internal::CaptureStdout();
        saved = editor.save();
        std::fflush(stdout);
        return ::testing::internal::GetCapturedStdout();
    }
    GameFolder folder;
    fs::path old_folder;
};

TEST_F(MazeExportFailureTest, MazeTxtIsADirectory)
{
    fs::create_directory("maze.txt");
    bool saved = true;
    EXPECT_EQ(save_and_capture(saved), "Could not save maze.txt: Is a directory\n");
    EXPECT_FALSE(saved);
}

TEST_F(MazeExportFailureTest, DiskIsFull)
{
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    fs::create_symlink("/dev/full", "maze.txt");
    bool saved = true;
    EXPECT_EQ(save_and_capture(saved), "Could not save maze.txt: No space left on device\n");
    EXPECT_FALSE(saved);
}

} // namespace
