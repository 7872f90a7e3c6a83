// Runs the real game binary as a new process, as a player would start it.
#include <gtest/gtest.h>

#include <SDL.h>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct GameRun {
    int status = -1;
    std::string output;
};

std::string build_dir()
{
    const char* dir = getenv("KWORBLE_BUILD_DIR");
    return dir ? dir : fs::current_path().string();
}

// Starts the game in folder `where`; once its output holds `wait_for` (or at
// once when empty) sends SIGTERM, which SDL turns into a window close.
GameRun run_game(const fs::path& where, const std::string& wait_for)
{
    const std::string binary = build_dir() + "/kworble";
    int out[2];
    if (pipe(out) != 0) {
        return {};
    }
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        if (chdir(where.c_str()) != 0) {
            _exit(99);
        }
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(binary.c_str(), "kworble", static_cast<char*>(nullptr));
        _exit(98);
    }
    close(out[1]);
    GameRun run;
    char buffer[4096];
    bool signalled = false;
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) {
        run.output.append(buffer, static_cast<size_t>(n));
        if (!signalled && !wait_for.empty() && run.output.find(wait_for) != std::string::npos) {
            SDL_Delay(500); // let a few frames run
            kill(pid, SIGTERM);
            signalled = true;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        path = fs::temp_directory_path() / ("kworble-process-" + std::to_string(getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
        for (const char* asset : {"Spectrum.bmp", "BX_title_screen.bmp", "kworble_refurnished1.bmp",
                                  "kworble_refurnished2.bmp", "KworbleCover.bmp", "BX_title1.bmp",
                                  "BX_title2.bmp", "Explosion_Crunch.wav"}) {
            fs::copy_file(fs::path(build_dir()) / asset, path / asset);
        }
    }
    ~ScratchFolder() { fs::remove_all(path); }
    void replace(const char* name, const std::string& content)
    {
        std::ofstream(path / name, std::ios::binary | std::ios::trunc) << content;
    }
    fs::path path;
};

TEST(ProcessTest, StartsRunsAndClosesWithStatusZero)
{
    ScratchFolder folder;
    GameRun run = run_game(folder.path, "SetUpScreen(): game_width=");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("SetUpScreen(): game_width=768 game_height=576"), std::string::npos) << run.output;
    // The game writes no file of its own.
    int files = 0;
    for ([[maybe_unused]] auto& entry : fs::directory_iterator(folder.path)) {
        ++files;
    }
    EXPECT_EQ(files, 8);
}

TEST(ProcessTest, BadMainFontEndsWithOneLineAndStatus42)
{
    ScratchFolder folder;
    fs::remove(folder.path / "Spectrum.bmp");
    GameRun missing = run_game(folder.path, "");
    EXPECT_EQ(missing.status, 42);
    EXPECT_NE(missing.output.find("Error loading bitmap"), std::string::npos) << missing.output;

    folder.replace("Spectrum.bmp", "");
    GameRun empty = run_game(folder.path, "");
    EXPECT_EQ(empty.status, 42) << empty.output;

    folder.replace("Spectrum.bmp", std::string("BM garbage that is not a bitmap at all") + std::string(200, 'x'));
    GameRun garbage = run_game(folder.path, "");
    EXPECT_EQ(garbage.status, 42) << garbage.output;
}

} // namespace
