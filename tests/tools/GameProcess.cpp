#include "GameProcess.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

GameRun run_game(const std::filesystem::path& folder, bool stop_once_started, int deadline_ms)
{
    GameRun run;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        return run;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        if (chdir(folder.c_str()) != 0) {
            _exit(97);
        }
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        const std::string binary = std::string(getenv("KWORBLE_BUILD_DIR")) + "/kworble";
        execl(binary.c_str(), "kworble", static_cast<char*>(nullptr));
        _exit(98);
    }
    close(out[1]);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(deadline_ms);
    bool stopped = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd stream{out[0], POLLIN, 0};
        if (left <= 0 || poll(&stream, 1, static_cast<int>(left)) <= 0) {
            run.hung = true;
            kill(pid, SIGKILL);
            break;
        }
        char buffer[4096];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        run.output.append(buffer, static_cast<size_t>(n));
        if (stop_once_started && !stopped && run.output.find("SetUpScreen(): ") != std::string::npos) {
            kill(pid, SIGTERM);
            stopped = true;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}
