#include "tools/tarvexor/loudness_meter.h"

#include "tools/tarvexor/failure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace tarvexor {

namespace {

constexpr double kGatingBlockSeconds = 0.4;
constexpr double kShortTermSeconds = 3.0;
constexpr int kModes = EBUR128_MODE_I | EBUR128_MODE_LRA | EBUR128_MODE_TRUE_PEAK;

} // namespace

bool Loudness::integratedGated() const {
    return seconds >= kGatingBlockSeconds;
}

bool Loudness::rangeGated() const {
    return seconds >= kShortTermSeconds;
}

double Loudness::truePeakDb() const {
    return truePeak > 0.0 ? 20.0 * std::log10(truePeak) : -std::numeric_limits<double>::infinity();
}

LoudnessMeter::LoudnessMeter(int channels, double rate)
    : state(
          ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(rate), kModes)),
      sampleRate(rate) {
    if (!state)
        throw RuntimeError("cannot measure the loudness of " + std::to_string(channels) +
                           " channels at " + std::to_string(static_cast<long>(rate)) + " Hz");
}

LoudnessMeter::~LoudnessMeter() {
    ebur128_destroy(&state);
}

void LoudnessMeter::add(const float* interleaved, std::int64_t count) {
    if (ebur128_add_frames_float(state, interleaved, static_cast<std::size_t>(count)) !=
        EBUR128_SUCCESS)
        throw RuntimeError("out of memory measuring the loudness");
    frames += count;
}

Loudness LoudnessMeter::result() const {
    Loudness loudness;
    loudness.seconds = static_cast<double>(frames) / sampleRate;
    ebur128_loudness_global(state, &loudness.integrated);
    ebur128_loudness_range(state, &loudness.range);
    for (unsigned c = 0; c < state->channels; ++c) {
        double peak = 0.0;
        ebur128_true_peak(state, c, &peak);
        loudness.truePeak = std::max(loudness.truePeak, peak);
    }
    return loudness;
}

} // namespace tarvexor
