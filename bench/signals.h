// Deterministic test signals for the processing benchmarks, generated once
// into buffers at 44.1 kHz.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

enum class Signal { Music, LookAheadWorst, Noise, Silence, NearDenormal };

constexpr double kSampleRate = 44100.0;
// About three seconds; a whole number of 2048-sample periods and of blocks.
constexpr std::size_t kSignalLength = 64 * 2048;

const std::vector<Signal>& allSignals();
// Short name used in benchmark names and on command lines ("music", ...).
std::string signalName(Signal s);
// False when the name is unknown.
bool signalFromName(const std::string& name, Signal& s);

// The samples of a signal; built on first use and kept.
const std::vector<float>& signalSamples(Signal s);

} // namespace bench
