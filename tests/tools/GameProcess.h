#pragma once
#include <filesystem>
#include <string>

// How one run of the real game binary ended.
struct GameRun {
    std::string output;
    std::string errors;
    // Ended through exit() with `status`, or by `signal`.
    bool exited = false;
    int status = -1;
    int signal = 0;
    bool core_dumped = false;
    // Still running at the deadline, and then killed.
    bool hung = false;
};

// Starts $KWORBLE_BUILD_DIR/kworble in `folder` on SDL's dummy drivers and
// collects what it prints. With `stop_once_started` the game gets SIGTERM
// (which SDL turns into a quit) as soon as its window is set up; the quit is
// only handled by the main loop, so exit status 0 means that every file was
// loaded. A game still running after `deadline_ms` is killed and marked hung.
GameRun run_game(const std::filesystem::path& folder, bool stop_once_started, int deadline_ms = 30000);
