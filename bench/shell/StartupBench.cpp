// Start-up of the program against a bare Qt program that shows the same three windows one after
// another (bench/shell/bare_startup.cpp), in one run on one display, seven repetitions each in a
// random order (run it under X: bench/shell/startup.sh starts a private Xvfb).
//
// A sample is the wall-clock time from just before the process is started to its report of the
// first paint of its last window: for the program the Particle Chamber, less the splash's fixed
// 3000 ms; for the reference its third window. Both print "first-paint-us <microseconds since
// 1970>" at that point (the program when TRACELUME_REPORT_FIRST_PAINT is set). At the end the
// medians are set against each other with the goal they are held to: within 1.3 times the
// reference.
#include "bench/support/MedianReporter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kRepetitions = 7;
// The program holds its splash this long before it creates the chamber.
constexpr int64_t kSplashMicros = 3'000'000;
// A process that has not reported by then counts as failed.
constexpr int kReportTimeoutMs = 20'000;
// The program may take at most this many times the reference.
constexpr double kStartupGoal = 1.3;

int64_t NowMicros()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The first-paint time from the lines a process writes to fd, nothing when it ends or the time
// runs out first.
std::optional<int64_t> ReadFirstPaint(int fd)
{
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kReportTimeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 100) <= 0)
            continue;
        char chunk[256];
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0)
            return std::nullopt;
        text.append(chunk, size_t(got));
        const size_t at = text.find("first-paint-us ");
        long long mark = 0;
        if (at != std::string::npos && text.find('\n', at) != std::string::npos &&
            std::sscanf(text.c_str() + at, "first-paint-us %lld", &mark) == 1)
            return int64_t(mark);
    }
    return std::nullopt;
}

// Starts binary with its report turned on and returns the microseconds to its first paint;
// nothing when it could not be started or did not report. The process is ended afterwards.
std::optional<int64_t> MicrosToFirstPaint(const char* binary)
{
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> env;
    static char report[] = "TRACELUME_REPORT_FIRST_PAINT=1";
    env.push_back(report);
    for (char** variable = environ; *variable; ++variable)
        env.push_back(*variable);
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(binary), nullptr};

    const int64_t start = NowMicros();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, binary, &actions, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::optional<int64_t> mark;
    if (spawned == 0) {
        mark = ReadFirstPaint(out[0]);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    close(out[0]);
    if (!mark)
        return std::nullopt;
    return *mark - start;
}

void Measure(benchmark::State& state, const char* binary, int64_t fixedWaitMicros)
{
    for (auto _ : state) {
        const std::optional<int64_t> micros = MicrosToFirstPaint(binary);
        if (!micros) {
            state.SkipWithError("the process did not report its first paint");
            return;
        }
        state.SetIterationTime(double(*micros - fixedWaitMicros) * 1e-6);
    }
}

void ProgramStartUp(benchmark::State& state) { Measure(state, TRACELUME_BINARY, kSplashMicros); }
void BareQtStartUp(benchmark::State& state) { Measure(state, BARE_STARTUP_BINARY, 0); }

BENCHMARK(ProgramStartUp)->Iterations(1)->Repetitions(kRepetitions)->DisplayAggregatesOnly()->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BareQtStartUp)->Iterations(1)->Repetitions(kRepetitions)->DisplayAggregatesOnly()->UseManualTime()->Unit(benchmark::kMillisecond);

// On standard error, so that a report in JSON or CSV on standard output stays whole.
void PrintStartupRatio(const MedianReporter& reporter)
{
    const double* program = reporter.Seconds("ProgramStartUp");
    const double* bare = reporter.Seconds("BareQtStartUp");
    if (!program || !bare)
        return;
    const double ratio = *program / *bare;
    std::fprintf(stderr,
                 "\nStart-up to the painted chamber, less the splash: %.1f ms against %.1f ms for the bare Qt "
                 "program (medians of %d): %.2fx, goal within %.1fx: %s\n",
                 *program * 1e3, *bare * 1e3, kRepetitions, ratio, kStartupGoal,
                 ratio <= kStartupGoal ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char** argv)
{
    MedianReporter reporter;
    if (!RunInterleaved(argc, argv, reporter))
        return 1;
    PrintStartupRatio(reporter);
    return 0;
}
