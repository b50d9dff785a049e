// What a render tells the user: a progress bar on a terminal while it runs,
// and a short summary when it is done.
#pragma once

#include "tools/tarvexor/level_meter.h"

#include <chrono>
#include <cstdint>
#include <string>

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
    GainReduction gainReduction;
    double seconds = 0.0;       // the whole render: reading, processing, writing
    double pluginSeconds = 0.0; // inside the plug-in's process calls
};

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
