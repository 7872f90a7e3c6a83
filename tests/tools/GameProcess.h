#pragma once
#include <filesystem>
#include <string>

// How one run of the real game binary ended.
struct GameRun {
    std::string output; // what it printed on stdout
    int status = -1;    // its exit status, or 128 + the signal that ended it
    bool hung = false;  // still running at the deadline, and then killed
};

// Starts $KWORBLE_BUILD_DIR/kworble in `folder` on SDL's dummy drivers. With
// `stop_once_started` it gets SIGTERM, which SDL turns into a quit, as soon
// as its window is set up; only the main loop handles that quit, so status 0
// means every file was loaded.
GameRun run_game(const std::filesystem::path& folder, bool stop_once_started, int deadline_ms = 30000);
