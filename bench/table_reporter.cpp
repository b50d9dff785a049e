#include "bench/table_reporter.h"

#include "bench/signals.h"

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace bench {

namespace {

std::map<std::string, std::size_t>& registrationOrder() {
    static std::map<std::string, std::size_t> order;
    return order;
}

std::size_t placeOf(const benchmark::BenchmarkReporter::Run& run) {
    auto found = registrationOrder().find(run.run_name.str());
    return found == registrationOrder().end() ? registrationOrder().size() : found->second;
}

} // namespace

void remember(const std::string& name) {
    registrationOrder().emplace(name, registrationOrder().size());
}

void countSamples(benchmark::State& state, std::size_t samplesPerIteration) {
    auto samples = static_cast<double>(samplesPerIteration);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(samplesPerIteration));
    state.counters[kNsPerSample] = benchmark::Counter(
        samples, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters[kRealTime] =
        benchmark::Counter(samples / kSampleRate, benchmark::Counter::kIsIterationInvariantRate);
}

TableReporter::TableReporter()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

// Keeps single runs and medians, with the rate counters turned into plain
// numbers (seconds per sample into nanoseconds).
void TableReporter::ReportRuns(const std::vector<Run>& runs) {
    for (Run run : runs) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
        if (!run.error_occurred) {
            benchmark::Counter& ns = run.counters[kNsPerSample];
            benchmark::Counter& realTime = run.counters[kRealTime];
            ns = benchmark::Counter(ns.value * 1e9);
            realTime = benchmark::Counter(realTime.value);
            byName[run.run_name.str()] = {ns.value, realTime.value};
        }
        rows.push_back(run);
    }
}

void TableReporter::Finalize() {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Run& a, const Run& b) { return placeOf(a) < placeOf(b); });
    if (!rows.empty()) ConsoleReporter::ReportRuns(rows);
    ConsoleReporter::Finalize();
}

} // namespace bench
