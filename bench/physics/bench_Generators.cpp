#include "physics/Generators.h"

#include <benchmark/benchmark.h>

// Events generated per second for each decay type under the starting conditions
// (L = 500 cm, B = 0.8 kG, T = 0.6 MeV), one random stream per run.

namespace {

void GenerateEvents(benchmark::State& state)
{
    const int decayType = static_cast<int>(state.range(0));
    const ChamberData conditions(500.0, 0.8, 0.6);
    DecayGenerator generator(1);
    long points = 0;
    for (auto _ : state) {
        const auto event = generator.GenerateDecay(decayType, conditions);
        points += event->Points().Count();
        benchmark::DoNotOptimize(event->Points().Data());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["points/event"] = benchmark::Counter(double(points) / double(state.iterations()));
}

} // namespace

BENCHMARK(GenerateEvents)->DenseRange(1, 6)->ArgName("type");
