// Loudness of a signal as broadcast loudness metering defines it (ITU-R
// BS.1770, EBU R128), measured by libebur128: integrated loudness, loudness
// range and true peak, all channels together with the library's own channel
// weights (a mono file is one front channel, not two).
#pragma once

#include <ebur128.h>

#include <cstdint>

namespace tarvexor {

struct Loudness {
    double seconds = 0.0;    // how much signal was measured
    double integrated = 0.0; // LUFS; -inf when no gating block passed the gates
    double range = 0.0;      // LU
    double truePeak = 0.0;   // linear, the highest of all channels (oversampled)

    // Long enough for one gating block of the integrated loudness (400 ms)
    // and for one short-term block of the loudness range (3 s).
    bool integratedGated() const;
    bool rangeGated() const;
    double truePeakDb() const;
};

class LoudnessMeter {
  public:
    // RuntimeError when the library cannot measure such a signal.
    LoudnessMeter(int channels, double sampleRate);
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter&) = delete;
    LoudnessMeter& operator=(const LoudnessMeter&) = delete;

    void add(const float* interleaved, std::int64_t frames);
    Loudness result() const;

  private:
    ebur128_state* state;
    double sampleRate;
    std::int64_t frames = 0;
};

} // namespace tarvexor
