// Starts the real game with one of its files missing or spoilt, and checks the lines it prints, how it ends, and that
// it leaves no file behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const game_files[] = {
    "Spectrum.bmp",  "BX_title_screen.bmp", "kworble_refurnished1.bmp", "kworble_refurnished2.bmp", "KworbleCover.bmp",
    "BX_title1.bmp", "BX_title2.bmp",       "Explosion_Crunch.wav"};

enum class Spoil { Missing, Empty, Truncated, Garbage, NoBlack };

struct BadFile {
    std::string file;
    Spoil spoil;
    int status; // 0: the game starts, and is then stopped
    std::vector<std::string> lines;
};

void PrintTo(const BadFile& bad, std::ostream* out)
{
    *out << bad.file << " spoil " << static_cast<int>(bad.spoil);
}

std::string build_file(const std::string& name)
{
    std::ostringstream bytes;
    bytes << std::ifstream(name, std::ios::binary).rdbuf(); // the tests run in the build folder
    return bytes.str();
}

// A proper 24-bit BMP of one white pixel: no black anywhere.
std::string white_pixel_bmp()
{
    std::string bmp = "BM";
    for (unsigned field : {58u, 0u, 54u, 40u, 1u, 1u, 1u | 24u << 16, 0u, 4u, 2835u, 2835u, 0u, 0u}) {
        for (int byte = 0; byte < 4; ++byte) {
            bmp += static_cast<char>(field >> (8 * byte));
        }
    }
    return bmp + std::string("\xff\xff\xff\0", 4);
}

std::vector<BadFile> all_cases()
{
    const std::string short_read = "Error reading from datastream";
    std::vector<BadFile> cases = {{"kworble_icon.bmp", Spoil::Missing, 0, {}}, // the icon is optional
                                  {"kworble_icon.bmp", Spoil::Garbage, 0, {}}};
    for (const std::string file : game_files) {
        const bool sound = file.ends_with(".wav");
        const bool font = file == "Spectrum.bmp" || file == "BX_title_screen.bmp";
        // What the game prints when SDL gives this reason for not loading the file.
        const auto fails = [&](const std::string& reason) -> std::vector<std::string> {
            if (sound) {
                return {"could not load .wav '" + reason + "'"};
            }
            return {(font ? "Error loading bitmap: " : "Error loading bitmap " + file + " error ") + reason,
                    reason + " '" + reason + "'"};
        };
        cases.push_back({file, Spoil::Missing, 42, fails("Couldn't open " + file)});
        cases.push_back({file, Spoil::Empty, 42, fails(sound ? "Could not read RIFF header" : short_read)});
        // SDL keeps the samples of a cut sound.
        cases.push_back(
            {file, Spoil::Truncated, sound ? 0 : 42, sound ? std::vector<std::string>{} : fails(short_read)});
        cases.push_back({file, Spoil::Garbage, 42,
                         fails(sound ? "Could not find RIFF or WAVE identifiers (not a Waveform file)"
                                     : "File is not a Windows BMP file")});
        if (font) {
            cases.push_back({file, Spoil::NoBlack, 43, {"No black on load?", "No black"}});
        }
    }
    return cases;
}

// The lines the real game prints in the folder, but its window's geometry line, and its exit status. Once its window is
// set up it may get SIGTERM, which SDL turns into a quit that only the main loop handles: status 0 then means every
// file was loaded. An alarm ends it after 30 seconds as hung (status 142), even should this test be gone by then.
std::pair<std::vector<std::string>, int> run_game(const fs::path& folder, bool stop_once_started)
{
    int out[2];
    EXPECT_EQ(pipe2(out, O_CLOEXEC), 0);
    const std::string binary = std::string(getenv("KWORBLE_BUILD_DIR")) + "/kworble";
    const pid_t game = fork();
    if (game == 0) {
        dup2(out[1], STDOUT_FILENO);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        alarm(30); // kept through exec
        _exit(chdir(folder.c_str()) == 0 ? execl(binary.c_str(), "kworble", nullptr) : 97);
    }
    close(out[1]);
    FILE* printed = fdopen(out[0], "r");
    std::vector<std::string> lines;
    for (char line[4096]; fgets(line, sizeof line, printed) != nullptr;) {
        const std::string text(line, strcspn(line, "\n"));
        if (!text.starts_with("SetUpScreen(): ")) {
            lines.push_back(text);
        } else if (stop_once_started) {
            kill(game, SIGTERM);
        }
    }
    fclose(printed);
    int status = 0;
    waitpid(game, &status, 0);
    return {lines, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
}

class BadAssetsTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadAssetsTest, PrintsItsLinesAndEndsWithItsStatus)
{
    const BadFile& bad = GetParam();
    char pattern[] = "/tmp/kworble-bad-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path folder = pattern;
    for (const char* name : game_files) {
        fs::copy_file(name, folder / name);
    }
    const fs::path file = folder / bad.file;
    const std::string whole = build_file(bad.file);
    fs::remove(file);
    const std::string garbage = build_file(bad.file.ends_with(".wav") ? "Spectrum.bmp" : "Explosion_Crunch.wav");
    const std::string spoilt[] = {"", "", whole.substr(0, whole.size() / 2), garbage, white_pixel_bmp()};
    if (bad.spoil != Spoil::Missing) {
        std::ofstream(file, std::ios::binary) << spoilt[static_cast<int>(bad.spoil)];
    }
    const auto files = [&] { return std::distance(fs::directory_iterator(folder), fs::directory_iterator()); };
    const auto files_before = files();

    const auto [lines, status] = run_game(folder, bad.status == 0);
    const auto files_after = files();
    fs::remove_all(folder);
    EXPECT_EQ(status, bad.status) << "142: still running after 30 seconds";
    EXPECT_EQ(lines, bad.lines);
    EXPECT_EQ(files_after, files_before) << "the game wrote a file";
}

std::string case_name(const ::testing::TestParamInfo<BadFile>& info)
{
    const char* const spoils[] = {"Missing", "Empty", "Truncated", "Garbage", "NoBlack"};
    return fs::path(info.param.file).stem().string() + "_" + spoils[static_cast<int>(info.param.spoil)];
}

INSTANTIATE_TEST_SUITE_P(EveryFile, BadAssetsTest, ::testing::ValuesIn(all_cases()), case_name);

} // namespace
