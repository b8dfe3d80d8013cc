// Each program from its launch to its first painted frame, offscreen, as a whole process:
// dynamic loading, Qt, the fonts, the window, the grid, the first paint. What is launched
// is the program's own main() with FirstFrame.cpp linked in, which reports the moment of
// the first paint and ends the program. Beside each launch the bare Qt window of
// BareWindow.cpp is launched too, so that the two are measured under the same load on a
// shared machine: the counters compare the program with it.
#include <benchmark/benchmark.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr long long kPatience = 30'000'000'000; // nanoseconds

struct Launch {
    double firstFrameMs = 0; // from just before the launch to the first frame
    double exitMs = 0;       // to the end of the process, shutdown included
    double peakMb = 0;       // the process's peak resident set
    std::string error;
};

// On Linux the steady clock is the system's monotonic clock, the same in every process, so
// the launched program's report of its first frame is on this clock too.
long long Now() {
    return static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count());
}

// `scale`: device pixels to the pixel, as a desktop scaled to 150 % gives "1.5".
Launch Run(const char* path, const char* scale) {
    Launch result;
    // On the screen of a common desktop, where the chart has its designed size at 100 %.
    std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen:configfile=" OFFSCREEN_DESKTOP_CONFIG,
                                 std::string("QT_SCALE_FACTOR=") + scale};
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*e, "QT_SCALE_FACTOR=", 16) != 0)
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) return {.error = std::strerror(errno)};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    std::string program = path;
    char* argv[] = {program.data(), nullptr};

    const long long start = Now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return {.error = std::string("cannot start ") + path + ": " + std::strerror(spawned)};
    }

    // A program that never paints would hang the whole run: it gets half a minute.
    std::string text;
    bool late = false;
    for (;;) {
        pollfd ready{.fd = out[0], .events = POLLIN, .revents = 0};
        const long long left = start + kPatience - Now();
        const int polled = left > 0 ? poll(&ready, 1, int(left / 1000000) + 1) : 0;
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) {
            late = polled == 0;
            kill(pid, SIGKILL);
            break;
        }
        char buffer[256];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, std::size_t(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const long long end = Now();

    if (late) return {.error = std::string(path) + " painted nothing in half a minute"};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {.error = std::string(path) + " did not end normally"};
    const long long painted = std::strtoll(text.c_str(), nullptr, 10);
    if (painted <= start) return {.error = std::string(path) + " reported no painted frame"};
    result.firstFrameMs = double(painted - start) / 1e6;
    result.exitMs = double(end - start) / 1e6;
    result.peakMb = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return result;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The reported time is the program's launch to its first frame. Counters, each the median
// over the launches (peak memory: the largest): `exit_ms`, the whole process to its exit;
// `bare_exit_ms`, the same for the bare window; `exit_ratio`, the program's over the bare
// window's; `peak_rss_MB` and `over_bare_MB`, the program's peak resident memory and what
// it is above the bare window's. At a fractional scale the first frame includes making the
// chart's smooth picture.
void FirstFrame(benchmark::State& state, const char* path, const char* scale) {
    std::vector<double> exitMs, bareExitMs, ratios;
    double peakMb = 0;
    double barePeakMb = 0;
    for (auto _ : state) {
        const Launch bare = Run(BARE_WINDOW, scale);
        const Launch launch = Run(path, scale);
        if (!launch.error.empty() || !bare.error.empty()) {
            state.SkipWithError((launch.error.empty() ? bare : launch).error.c_str());
            break;
        }
        state.SetIterationTime(launch.firstFrameMs / 1e3);
        exitMs.push_back(launch.exitMs);
        bareExitMs.push_back(bare.exitMs);
        ratios.push_back(launch.exitMs / bare.exitMs);
        peakMb = std::max(peakMb, launch.peakMb);
        barePeakMb = std::max(barePeakMb, bare.peakMb);
    }
    state.counters["exit_ms"] = Median(exitMs);
    state.counters["bare_exit_ms"] = Median(bareExitMs);
    state.counters["exit_ratio"] = Median(ratios);
    state.counters["peak_rss_MB"] = peakMb;
    state.counters["over_bare_MB"] = peakMb - barePeakMb;
}

BENCHMARK_CAPTURE(FirstFrame, zmatch, ZMATCH_FIRST_FRAME, "1")
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstFrame, zline, ZLINE_FIRST_FRAME, "1")
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstFrame, zmatch_at_150, ZMATCH_FIRST_FRAME, "1.5")
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

} // namespace
