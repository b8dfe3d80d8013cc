// Loads per second through each program's batch mode, as a script runs it: the program
// started once with "--load -", a few thousand loads written to its standard input one a
// line, every answer line read back, the process's whole life timed by the wall clock (the
// work is in the child). One load a line costs the window's handlers, drawing included;
// with a single line the figure is mostly the start-up.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// Loads of every kind a list holds: resistive and reactive, inductive and capacitive, a few
// the chart refuses (the matched 50 + j0 for zmatch). The same list on every run.
std::string Loads(int count) {
    std::string text;
    unsigned state = 12345;
    const auto next = [&](unsigned range) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % range;
    };
    for (int i = 0; i < count; ++i) {
        const unsigned r = 1 + next(300), x = next(300);
        text += std::to_string(r) + (next(2) ? "+" : "-") + std::to_string(x) + "j\n";
    }
    return text;
}

// Runs the program on the input; the number of lines it wrote, or -1 when it failed.
long RunBatch(const char* program, std::vector<std::string> args, const std::string& input) {
    int in[2], out[2];
    if (pipe(in) != 0) return -1;
    if (pipe(out) != 0) {
        close(in[0]);
        close(in[1]);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    for (const int fd : {in[0], in[1], out[0], out[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    if (spawned != 0) {
        close(in[1]);
        close(out[0]);
        return -1;
    }
    // Written from a thread of its own, so that neither pipe fills while the other waits.
    std::thread writer([fd = in[1], &input] {
        for (std::size_t done = 0; done < input.size();) {
            const ssize_t n = write(fd, input.data() + done, input.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        close(fd);
    });
    long lines = 0;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        for (ssize_t i = 0; i < n; ++i)
            lines += buffer[i] == '\n';
    }
    close(out[0]);
    writer.join();
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    // Status 1: a load the chart refused, said in its own line.
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) return -1;
    return lines;
}

void Batch(benchmark::State& state, const char* program, std::vector<std::string> args) {
    const int count = static_cast<int>(state.range(0));
    const std::string input = Loads(count);
    args.insert(args.begin(), {"--load", "-"});
    for (auto _ : state) {
        const long lines = RunBatch(program, args, input);
        if (lines != count) {
            state.SkipWithError(lines < 0 ? "the program failed"
                                          : "a line out did not answer a line in");
            return;
        }
    }
    // items_per_second: loads per second of the wall clock.
    state.SetItemsProcessed(state.iterations() * count);
}

// One line: the start-up and one load. 2000: the rate a long batch keeps up.
// clang-format off
BENCHMARK_CAPTURE(Batch, zmatch_text, ZMATCH_PROGRAM, {"--stub", "short"})->Arg(1)->Arg(2000)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, zmatch_json, ZMATCH_PROGRAM, {"--stub", "short", "--json"})->Arg(1)->Arg(2000)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, zline_text, ZLINE_PROGRAM, {"--distance", "0.3", "--attenuation", "2"})->Arg(1)->Arg(2000)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Batch, zline_json, ZLINE_PROGRAM, {"--distance", "0.3", "--attenuation", "2", "--json"})->Arg(1)->Arg(2000)->UseRealTime()->Unit(benchmark::kMillisecond);
// clang-format on

} // namespace
