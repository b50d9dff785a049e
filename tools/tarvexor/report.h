// What a render tells the user: a progress bar on a terminal while it runs,
// and a short summary when it is done, on the terminal and as JSON.
#pragma once

#include "tools/tarvexor/channel_effects.h"
#include "tools/tarvexor/level_meter.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvexor {

// Everything the summary shows.
struct RenderReport {
    std::string input, output, plugin;
    std::string effectName, program;
    int channels = 0;
    int sampleRate = 0;
    int format = 0;
    std::int64_t frames = 0;
    int latency = 0;
    bool compensated = true;
    bool clips = false; // integer output: samples beyond full scale were clipped
    std::int64_t overs = 0;
    SignalLevels in, out;
    Loudness inLoudness, outLoudness;
    GainReduction gainReduction;
    std::vector<DisplayedParameter> parameters; // as the render started
    double seconds = 0.0;                       // the whole render: reading, processing, writing
    double pluginSeconds = 0.0;                 // inside the plug-in's process calls
    double audioSeconds() const { return static_cast<double>(frames) / sampleRate; }
    double timesRealTime() const { return seconds > 0 ? audioSeconds() / seconds : 0.0; }
};

// The figures the summary compares, for one signal or as the change from
// input to output: -inf for silence, NaN where there is no number (a gated
// measurement of a file too short for it, a change from or to silence).
struct Figures {
    double peak, rms, truePeak, integrated, range;
};

struct FigureColumn {
    const char* title;
    const char* unit;       // of a signal's figure
    const char* changeUnit; // of the change
    const char* key;        // its name in the JSON report
    const char* changeKey;
    double Figures::*value;
};

extern const FigureColumn kFigureColumns[5];

Figures figures(const SignalLevels& levels, const Loudness& loudness);
Figures change(const Figures& from, const Figures& to);

// Why the loudness figures have no number; empty when they all have one.
std::string gatingNote(const RenderReport& report);

void printSummary(const RenderReport& report);

// A one-line bar on stderr, drawn only when stderr is a terminal and the
// render has taken longer than half a second; erased when done.
class ProgressBar {
  public:
    explicit ProgressBar(std::int64_t totalFrames);
    ~ProgressBar();
    void update(std::int64_t doneFrames);
    void finish();

  private:
    using Clock = std::chrono::steady_clock;
    std::int64_t total;
    bool enabled;
    bool drawn = false;
    Clock::time_point start, lastDrawn;
};

} // namespace tarvexor
