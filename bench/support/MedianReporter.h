#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The report the command line asks for (--benchmark_format), and the median real time
// (seconds) of each benchmark shown: the median of its repetitions, or its one run. Benchmarks
// that set one figure against another read both here and print the ratio with its goal.
class MedianReporter final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override { return shown_->ReportContext(context); }
    void Finalize() override { shown_->Finalize(); }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        shown_->ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!run.error_occurred && (median || run.run_type == Run::RT_Iteration))
                seconds_[Name(run)] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    // The median of the benchmark registered under function name (followed by "/" and its
    // arguments where it has any: "ReadEventFile/100000"), null when it did not run.
    const double* Seconds(const std::string& name) const
    {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? nullptr : &found->second;
    }

private:
    static std::string Name(const Run& run)
    {
        const auto& name = run.run_name;
        return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
    }

    std::unique_ptr<benchmark::BenchmarkReporter> shown_{benchmark::CreateDefaultDisplayReporter()};
    std::map<std::string, double> seconds_;
};

// Runs the benchmarks the command line names with their repetitions in a random order, unless
// it says otherwise, so that a change in the machine's load falls on a figure and its reference
// alike. Returns false when the command line holds an argument Google Benchmark does not know.
inline bool RunInterleaved(int argc, char** argv, MedianReporter& reporter)
{
    std::vector<char*> args(argv, argv + argc);
    const std::string_view interleaving = "--benchmark_enable_random_interleaving";
    static char interleaved[] = "--benchmark_enable_random_interleaving=true";
    const auto setsInterleaving = [&](const char* arg) { return std::string_view(arg).starts_with(interleaving); };
    if (std::none_of(args.begin(), args.end(), setsInterleaving))
        args.push_back(interleaved);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}
