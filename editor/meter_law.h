// Meter laws: levels and reductions to pixels, the fall of the bars, the
// held peaks, and the RMS readout's text.
#pragma once

#include "engine/editor_state.h"

#include <cstdint>
#include <string>

namespace meter {

// Bars are 256 pixels tall; the bottom of each meter is window row 270.
constexpr int kFullBar = 256;
constexpr int kMeterTop = 13;
constexpr int kMeterBottom = 270;
// The level bar's top at 0 dBFS, as a window row: held peaks above it are red.
constexpr int kFullScaleRow = 77;
// The highest level Auto Normalize lets a bar show (about -0.19 dBFS).
constexpr int kNormalizedLevel = 192;

// An output peak (1.0 = full scale) as a level bar height: 10.667 pixels per
// dB, 193 at 0 dBFS, 0 to 256.
int levelPixels(float peak);
// The reduction from an input peak to its output as a bar length: 21.333
// pixels per dB, 0 to 256 (12 dB).
int reductionPixels(float input, float output);

// One tick of a bar: it jumps up to a higher target and falls half the way
// (at least one pixel) toward a lower one; never below 0.
int follow(int shown, int target);

// The hold time in ticks as the counters use it: a stored value of 0 or
// below holds for one tick.
std::int32_t holdTicks(std::int32_t peakHoldTicks);

// The reduction peak memory after the bar moved to `reductionLevel`; the row
// of the held peak line within the meter surface, or -1 when there is none.
int holdReductionPeak(MeterState& m, std::int32_t peakHoldTicks);

// Held peak lines of the two level bars (rows within the meter surface, -1
// for none); red when the held peak lies above 0 dBFS.
struct LevelPeakLines {
    int rowA, rowB;
    bool redA, redB;
};
// The two bars share one hold counter: a new peak on either restarts both.
LevelPeakLines holdLevelPeaks(MeterState& m, std::int32_t peakHoldTicks);

// The RMS readout for the larger of two sums of squares over a count of
// samples: "-INF" for silence or a level below the threshold, else "%2.1f dB".
std::string rmsText(float sumSquaresA, float sumSquaresB, std::int32_t count, double threshold);

} // namespace meter
