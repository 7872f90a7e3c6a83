#include "GameProcess.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const started_line = "SetUpScreen(): game_width=";

using Clock = std::chrono::steady_clock;

int milliseconds_left(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// A file that makes the game allocate wildly should fail its start, not
// bring the machine down. Sanitizers reserve terabytes of address space, so
// their builds go without the limit.
void limit_memory()
{
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    const rlimit four_gigabytes{rlim_t{4} << 30, rlim_t{4} << 30};
    setrlimit(RLIMIT_AS, &four_gigabytes);
#endif
}

[[noreturn]] void start_child(const std::filesystem::path& folder, int out, int err)
{
    limit_memory();
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    if (chdir(folder.c_str()) != 0) {
        _exit(97);
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const char* build = getenv("KWORBLE_BUILD_DIR");
    const std::string binary = std::string(build != nullptr ? build : ".") + "/kworble";
    execl(binary.c_str(), "kworble", static_cast<char*>(nullptr));
    _exit(98);
}

void record_ending(GameRun& run, int status)
{
    run.exited = WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : -1;
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    run.core_dumped = WIFSIGNALED(status) && WCOREDUMP(status);
}

} // namespace

GameRun run_game(const std::filesystem::path& folder, bool stop_once_started, int deadline_ms)
{
    GameRun run;
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        run.errors = "no pipe";
        return run;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        start_child(folder, out[1], err[1]);
    }
    close(out[1]);
    close(err[1]);

    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(deadline_ms);
    pollfd streams[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* text[2] = {&run.output, &run.errors};
    int open_streams = 2;
    bool stopped = false;
    while (open_streams > 0) {
        const int left = milliseconds_left(deadline);
        if (left == 0 || poll(streams, 2, left) <= 0) {
            run.hung = true;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (streams[i].fd < 0 || streams[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t n = read(streams[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                close(streams[i].fd);
                streams[i].fd = -1;
                --open_streams;
                continue;
            }
            text[i]->append(buffer, static_cast<size_t>(n));
        }
        if (stop_once_started && !stopped && run.output.find(started_line) != std::string::npos) {
            kill(pid, SIGTERM);
            stopped = true;
        }
    }
    for (pollfd& stream : streams) {
        if (stream.fd >= 0) {
            close(stream.fd);
        }
    }
    // Closed streams almost always mean the game has ended; the deadline
    // still holds for one that closed them and went on.
    int status = 0;
    while (!run.hung && waitpid(pid, &status, WNOHANG) == 0) {
        if (milliseconds_left(deadline) == 0) {
            run.hung = true;
        } else {
            poll(nullptr, 0, 10);
        }
    }
    if (run.hung) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    record_ending(run, status);
    return run;
}
