// The console table of the processing benchmarks: ns per sample and times
// real time as plain numbers, only the median of repeated runs, rows in the
// order the benchmarks were registered (also when runs are interleaved).
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

constexpr const char* kNsPerSample = "ns/sample";
constexpr const char* kRealTime = "x_realtime";

// Gives a benchmark the next row of the table.
void remember(const std::string& name);

// Registers a benchmark and gives it the next row of the table.
template <class Lambda, class... Args>
benchmark::internal::Benchmark* add(const std::string& name, Lambda&& fn, Args&&... args) {
    remember(name);
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Lambda>(fn),
                                        std::forward<Args>(args)...)
        ->Unit(benchmark::kMicrosecond);
}

// Adds the per-sample counters; one iteration is one pass over the samples.
void countSamples(benchmark::State& state, std::size_t samplesPerIteration);

struct Figures {
    double nsPerSample;
    double timesRealTime;
};

class TableReporter : public benchmark::ConsoleReporter {
  public:
    TableReporter();
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Median (or single-run) figures by benchmark name, once finalized.
    const std::map<std::string, Figures>& figures() const { return byName; }

  private:
    std::vector<Run> rows;
    std::map<std::string, Figures> byName;
};

} // namespace bench
