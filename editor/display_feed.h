// What one display tick makes of the values processing left since the last
// one: the pair of extremes to show, the wave column, the meter targets and
// ballistics, the RMS reading and the two values fed back into the controls.
// Nothing here draws; the window draws what a tick returns.
#pragma once

#include "editor/meter_law.h"
#include "engine/editor_state.h"

#include <cstdint>
#include <string>

struct Extremes;
class CompressorEffect;

namespace feed {

// The six values of one pair of extremes, without its letter.
struct Pair {
    float inMax, inMin;
    float totalGainAtMax, totalGainAtMin;
    float compGainAtMax, compGainAtMin;
};
Pair pairA(const Extremes& e);
Pair pairB(const Extremes& e);

// A pair's larger input excursion as a magnitude, and that same extreme
// after compressor and limiter.
struct Peak {
    float input, limited;
};
Peak peakOf(const Pair& p);
// Pair A when its limited peak is strictly the larger, else pair B.
bool pairAChosen(const Extremes& e);

// One wave column in 1/32768 of full scale: the input's top and bottom, the
// same after compressor and limiter, and after the compressor alone.
struct Column {
    std::int32_t inMax, inMin, limMax, limMin, compMax, compMin;
};
Column columnOf(const Pair& p);
Column historyColumn(const WaveHistory& h, int slot);
// Writes the column into the oldest slot of the history and moves on.
void storeColumn(WaveHistory& h, const Column& c);

// Bar targets in pixels. `capped` lowers the level targets to the Auto
// Normalize ceiling of the bars.
struct MeterTargets {
    int reduction, levelA, levelB;
};
MeterTargets meterTargets(const Extremes& e, float outputGain, bool capped);
// Moves the three bars one tick toward their targets; bypassed bars are empty.
void followTargets(MeterState& m, const MeterTargets& t, bool bypass);

// The release time automatic release settled on, in milliseconds.
float automaticReleaseMs(std::int32_t releaseSamples, float sampleRate);

// Everything a tick has to draw, after the effect's state has moved on.
struct TickFrame {
    bool showRelease = false; // the release display shows releaseMs
    float releaseMs = 0.0f;
    bool showOutput = false; // the Output control shows output
    float output = 0.0f;
    bool rmsDue = false; // the readout shows rmsText
    std::string rmsText;
    int reductionLevel = 0, levelA = 0, levelB = 0;
    int reductionPeakRow = -1;
    meter::LevelPeakLines levelPeaks = {-1, -1, false, false};
    bool bypass = false; // the new column stays empty
    Column column = {};
};

// One display tick: the automatic release and normalized output feedbacks,
// every 12th tick the RMS reading (which clears the sums), the meters, the new
// wave column into the history, and the extremes cleared for the next tick.
TickFrame advanceDisplay(CompressorEffect& fx);

} // namespace feed
