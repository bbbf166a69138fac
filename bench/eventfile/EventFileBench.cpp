// Kind 'W' save and read of a full 350-point event through real files.

#include "eventfile/EventFileReader.h"
#include "eventfile/EventFileWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace {

std::vector<TrackPoint> FullEvent()
{
    std::vector<TrackPoint> points(ChamberData::kEventCapacity);
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i].x = 0.5 * static_cast<double>(i);
        points[i].y = -400.0 + 2.0 * static_cast<double>(i);
        points[i].z = 0.25 * static_cast<double>(i);
        points[i].colour = kRed + static_cast<int32_t>(i % 5);
    }
    return points;
}

void WFileRoundTrip(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path() / "tracelume-bench-event.cwd").string();
    const ChamberData conditions(500.0, 0.8, 0.6);
    const std::vector<TrackPoint> points = FullEvent();
    for (auto _ : state) {
        if (SaveEventFile(path, conditions, points)) {
            state.SkipWithError("save failed");
            break;
        }
        const ReadOutcome outcome = LoadEventFile(path);
        if (!outcome.Ok() || outcome.event->points.size() != points.size()) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(outcome.event->points.data());
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WFileRoundTrip);

// The codec alone, without the file system: encode and parse in memory.
void WBytesRoundTrip(benchmark::State& state)
{
    const ChamberData conditions(500.0, 0.8, 0.6);
    const std::vector<TrackPoint> points = FullEvent();
    for (auto _ : state) {
        const std::vector<uint8_t> bytes = EncodeEventFile(conditions, points);
        const ReadOutcome outcome = ParseEventBytes(bytes);
        benchmark::DoNotOptimize(outcome.event->points.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WBytesRoundTrip);

} // namespace
