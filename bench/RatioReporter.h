#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The console table of Google Benchmark, then the ratios of mean real times between benchmarks
// measured in the same run: on a shared, noisy machine a ratio to a peer says more than a time.
namespace vantrel::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Each pair is (benchmark, peer), by full name ("BM_X/zoom:100") or by the name before the
    // first '/' ("BM_X" for "BM_X/min_time:2.000").
    explicit RatioReporter(std::vector<std::pair<std::string, std::string>> ratios)
        : ConsoleReporter(OO_Tabular), ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.error_occurred) continue;
            const std::string name = run.benchmark_name();
            const double seconds = run.GetAdjustedRealTime() * SecondsPer(run.time_unit);
            seconds_[name] = seconds;
            seconds_.emplace(name.substr(0, name.find('/')), seconds);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nRatios of mean real time:\n");
        for (const auto& [a, b] : ratios_) {
            const auto first = seconds_.find(a);
            const auto second = seconds_.find(b);
            if (first != seconds_.end() && second != seconds_.end())
                std::printf("%-44s / %-44s = %.4f\n", a.c_str(), b.c_str(), first->second / second->second);
        }
    }

private:
    static double SecondsPer(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond: return 1e-9;
            case benchmark::kMicrosecond: return 1e-6;
            case benchmark::kMillisecond: return 1e-3;
            default: return 1;
        }
    }

    std::vector<std::pair<std::string, std::string>> ratios_;
    std::map<std::string, double> seconds_;
};

// Runs the benchmarks the command line selects with the reporter; main's return value.
inline int RunWithRatios(int argc, char** argv, std::vector<std::pair<std::string, std::string>> ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace vantrel::bench
