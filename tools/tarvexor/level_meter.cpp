#include "tools/tarvexor/level_meter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvexor {

namespace {

constexpr double kWindowSeconds = 0.010;
constexpr double kQuietestWindowDb = -60.0;

double decibels(double amplitude) {
    return amplitude > 0.0 ? 20.0 * std::log10(amplitude)
                           : -std::numeric_limits<double>::infinity();
}

// A window next to a much louder one: the few samples by which a plug-in's
// reported latency may miss its real delay spill the neighbour's level into
// it, so its gain says nothing.
bool besideLouder(const std::vector<double>& energy, std::size_t w) {
    constexpr double kMuchLouder = 100.0; // 20 dB
    bool before = w > 0 && energy[w - 1] > kMuchLouder * energy[w];
    bool after = w + 1 < energy.size() && energy[w + 1] > kMuchLouder * energy[w];
    return before || after;
}

} // namespace

double SignalLevels::peakDb() const {
    return decibels(peak);
}

double SignalLevels::rmsDb() const {
    return samples > 0 ? decibels(std::sqrt(sumSquares / static_cast<double>(samples)))
                       : decibels(0.0);
}

LevelMeter::LevelMeter(int channelCount, double rate)
    : channels(channelCount), sampleRate(rate),
      windowFrames(std::max<std::int64_t>(1, std::llround(rate * kWindowSeconds))),
      inLoudness(channelCount, rate), outLoudness(channelCount, rate) {}

void LevelMeter::addWindowEnergy(std::vector<double>& windows, std::int64_t frame, double energy) {
    std::size_t w = static_cast<std::size_t>(frame / windowFrames);
    if (w >= windows.size()) windows.resize(w + 1, 0.0);
    windows[w] += energy;
}

void LevelMeter::addInput(const float* interleaved, std::int64_t frames) {
    for (std::int64_t f = 0; f < frames; ++f, ++inputFrames) {
        double energy = 0.0;
        for (int c = 0; c < channels; ++c) {
            double x = interleaved[f * channels + c];
            in.peak = std::max(in.peak, std::fabs(x));
            energy += x * x;
        }
        in.sumSquares += energy;
        addWindowEnergy(inputWindows, inputFrames, energy);
    }
    in.samples += frames * channels;
    inLoudness.add(interleaved, frames);
}

void LevelMeter::addOutput(const float* interleaved, std::int64_t frames) {
    for (std::int64_t f = 0; f < frames; ++f, ++outputFrames) {
        double energy = 0.0;
        for (int c = 0; c < channels; ++c) {
            double x = interleaved[f * channels + c];
            out.peak = std::max(out.peak, std::fabs(x));
            if (x >= 1.0 || x < -1.0) ++fullScaleOvers;
            energy += x * x;
        }
        out.sumSquares += energy;
        if (outputFrames >= delay) addWindowEnergy(outputWindows, outputFrames - delay, energy);
    }
    out.samples += frames * channels;
    outLoudness.add(interleaved, frames);
}

GainReduction LevelMeter::gainReduction() const {
    GainReduction result;
    double highest = -std::numeric_limits<double>::infinity();
    double lowest = std::numeric_limits<double>::infinity();
    double floor =
        std::pow(10.0, kQuietestWindowDb / 10.0) * static_cast<double>(windowFrames) * channels;
    // Only whole windows on both sides: a partial one has no fair comparison.
    std::int64_t paired = std::min(inputFrames, outputFrames - delay);
    std::size_t count = std::min(inputWindows.size(), outputWindows.size());
    for (std::size_t w = 0; w < count; ++w) {
        if ((static_cast<std::int64_t>(w) + 1) * windowFrames > paired) break;
        if (inputWindows[w] < floor || outputWindows[w] <= 0.0) continue;
        if (besideLouder(inputWindows, w)) continue;
        double gain = 10.0 * std::log10(outputWindows[w] / inputWindows[w]);
        highest = std::max(highest, gain);
        if (gain < lowest) {
            lowest = gain;
            result.atSeconds = static_cast<double>(w) * windowFrames / sampleRate;
        }
        result.measured = true;
    }
    if (result.measured) result.decibels = highest - lowest;
    return result;
}

} // namespace tarvexor
