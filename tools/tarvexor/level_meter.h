// Levels of a render: peak, RMS and loudness of the input and the output, and
// the largest gain reduction, measured from the signals alone.
//
// Gain reduction: both signals are cut into 10 ms windows (all channels
// together), the output window lined up with the input window it came from.
// Each window whose input RMS is above -60 dBFS has a gain, output RMS over
// input RMS. The largest gain reduction is the highest of these gains minus
// the lowest: how far the gain went below the gain applied when nothing was
// reduced, so a fixed output (make-up) gain cancels out. Windows beside one
// that is 20 dB louder are left out (see besideLouder).
#pragma once

#include "tools/tarvexor/loudness_meter.h"

#include <cstdint>
#include <vector>

namespace tarvexor {

struct SignalLevels {
    double peak = 0.0;       // largest absolute sample
    double sumSquares = 0.0; // over all samples of all channels
    std::int64_t samples = 0;
    double peakDb() const;
    double rmsDb() const;
};

struct GainReduction {
    bool measured = false; // false: no window loud enough
    double decibels = 0.0;
    double atSeconds = 0.0; // start of the window with the lowest gain
};

class LevelMeter {
  public:
    LevelMeter(int channels, double sampleRate);
    // Frames by which the output lags the input (the uncompensated latency),
    // set before the first output arrives.
    void setOutputDelay(std::int64_t frames) { delay = frames; }
    void addInput(const float* interleaved, std::int64_t frames);
    void addOutput(const float* interleaved, std::int64_t frames);

    const SignalLevels& input() const { return in; }
    const SignalLevels& output() const { return out; }
    Loudness inputLoudness() const { return inLoudness.result(); }
    Loudness outputLoudness() const { return outLoudness.result(); }
    std::int64_t overs() const { return fullScaleOvers; } // output samples beyond full scale
    GainReduction gainReduction() const;

  private:
    void addWindowEnergy(std::vector<double>& windows, std::int64_t frame, double energy);

    int channels;
    double sampleRate;
    std::int64_t windowFrames;
    std::int64_t delay = 0;
    std::int64_t inputFrames = 0, outputFrames = 0;
    SignalLevels in, out;
    LoudnessMeter inLoudness, outLoudness;
    std::int64_t fullScaleOvers = 0;
    std::vector<double> inputWindows, outputWindows; // energy per window
};

} // namespace tarvexor
