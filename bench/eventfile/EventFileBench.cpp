// Reading and writing kind 'W' files of a full 350-point event and of a 100 000-point file,
// through real files, next to a plain read (and a plain synced write) of the same bytes. Each
// benchmark reports its peak heap use per operation (peak_heap, bytes above what was in use
// when the operation began) beside the file's size (file_bytes).
//
// The two reads run seven times each, in a random order with the other repetitions, and show
// their mean, median and spread. At the end the read of the 100 000-point file is set against
// the plain read of the same bytes, medians against medians, with the goal it is held to:
// within twice the plain read.

#include "bench/support/MedianReporter.h"
#include "eventfile/EventFileReader.h"
#include "eventfile/EventFileWriter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

// Heap bytes in use and the most in use since the last ResetPeak, counted by the global
// operator new below. Each block carries its size in a header of the largest alignment.
std::atomic<int64_t> heapInUse{0};
std::atomic<int64_t> heapPeak{0};
constexpr std::size_t kHeader = alignof(std::max_align_t);

void ResetPeak() { heapPeak = heapInUse.load(); }

void* CountedAllocate(std::size_t size)
{
    void* block = std::malloc(size + kHeader);
    if (!block)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    const int64_t now = heapInUse += int64_t(size);
    int64_t peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(block) + kHeader;
}

void CountedFree(void* pointer)
{
    if (!pointer)
        return;
    void* block = static_cast<char*>(pointer) - kHeader;
    heapInUse -= int64_t(*static_cast<std::size_t*>(block));
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) { return CountedAllocate(size); }
void* operator new[](std::size_t size) { return CountedAllocate(size); }
void operator delete(void* pointer) noexcept { CountedFree(pointer); }
void operator delete[](void* pointer) noexcept { CountedFree(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { CountedFree(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { CountedFree(pointer); }

namespace {

std::vector<TrackPoint> Points(std::size_t count)
{
    std::vector<TrackPoint> points(count);
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i].x = 0.5 * static_cast<double>(i % 800);
        points[i].y = -400.0 + 2.0 * static_cast<double>(i % 400);
        points[i].z = 0.25 * static_cast<double>(i % 1600);
        points[i].colour = kRed + static_cast<int32_t>(i % 5);
    }
    return points;
}

std::string BenchPath() { return (std::filesystem::temp_directory_path() / "tracelume-bench-event.cwd").string(); }

const ChamberData kConditions(500.0, 0.8, 0.6);

// Runs operation once per iteration and reports the peak heap of one operation.
template <typename Operation>
void Measure(benchmark::State& state, std::size_t fileBytes, Operation operation)
{
    int64_t peak = 0;
    for (auto _ : state) {
        const int64_t before = heapInUse.load();
        ResetPeak();
        if (!operation()) {
            state.SkipWithError("the file operation failed");
            break;
        }
        peak = std::max(peak, heapPeak.load() - before);
    }
    state.counters["peak_heap"] = double(peak);
    state.counters["file_bytes"] = double(fileBytes);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fileBytes));
}

std::size_t FileBytes(std::size_t points) { return std::size_t(eventfile::kWHeaderBytes) + 48 * points; }

void ReadEventFile(benchmark::State& state)
{
    const std::size_t count = std::size_t(state.range(0));
    const std::string path = BenchPath();
    SaveEventFile(path, kConditions, Points(count));
    Measure(state, FileBytes(count), [&] {
        const ReadOutcome outcome = LoadEventFile(path);
        benchmark::DoNotOptimize(outcome.event);
        return outcome.Ok() && outcome.event->points.size() == count;
    });
    std::filesystem::remove(path);
}

// The same bytes read whole into memory with no decoding: the floor for ReadEventFile.
void PlainRead(benchmark::State& state)
{
    const std::size_t count = std::size_t(state.range(0));
    const std::string path = BenchPath();
    SaveEventFile(path, kConditions, Points(count));
    Measure(state, FileBytes(count), [&] {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file)
            return false;
        std::vector<uint8_t> bytes(FileBytes(count));
        const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(bytes.data());
        return got == bytes.size();
    });
    std::filesystem::remove(path);
}

void WriteEventFile(benchmark::State& state)
{
    const std::size_t count = std::size_t(state.range(0));
    const std::string path = BenchPath();
    const std::vector<TrackPoint> points = Points(count);
    Measure(state, FileBytes(count), [&] { return !SaveEventFile(path, kConditions, points).has_value(); });
    std::filesystem::remove(path);
}

// The encoded bytes written in place and synced to disk: the floor for WriteEventFile, which
// also writes a temporary file, renames it and syncs the folder.
void PlainSyncedWrite(benchmark::State& state)
{
    const std::size_t count = std::size_t(state.range(0));
    const std::string path = BenchPath();
    const std::vector<uint8_t> bytes = EncodeEventFile(kConditions, Points(count));
    Measure(state, bytes.size(), [&] {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file)
            return false;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                             std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
        return std::fclose(file) == 0 && written;
    });
    std::filesystem::remove(path);
}

constexpr int kRepetitions = 7;
BENCHMARK(ReadEventFile)->Arg(350)->Arg(100000)->Repetitions(kRepetitions)->DisplayAggregatesOnly();
BENCHMARK(PlainRead)->Arg(350)->Arg(100000)->Repetitions(kRepetitions)->DisplayAggregatesOnly();
BENCHMARK(WriteEventFile)->Arg(350)->Arg(100000);
BENCHMARK(PlainSyncedWrite)->Arg(350)->Arg(100000);

// The read of a 100 000-point file may take at most this many times the plain read.
constexpr double kReadGoal = 2.0;
const std::string kRead = "ReadEventFile/100000";
const std::string kPlainRead = "PlainRead/100000";

// On standard error, so that a report in JSON or CSV on standard output stays whole.
void PrintReadRatio(const MedianReporter& reporter)
{
    const double* read = reporter.Seconds(kRead);
    const double* plain = reporter.Seconds(kPlainRead);
    if (!read || !plain)
        return;
    const double ratio = *read / *plain;
    std::fprintf(stderr,
                 "\nReading a 100 000-point file: %.3f ms against %.3f ms for a plain read (medians of %d): "
                 "%.2fx, goal within %.0fx: %s\n",
                 *read * 1e3, *plain * 1e3, kRepetitions, ratio, kReadGoal, ratio <= kReadGoal ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char** argv)
{
    MedianReporter reporter;
    if (!RunInterleaved(argc, argv, reporter))
        return 1;
    PrintReadRatio(reporter);
    return 0;
}
