// Feeding audio through the plug-in while its editor is open, so that the
// display ticks see it as they would in a host: in real time with the
// editor's own timer, or faster, one tick's worth of samples per tick.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/editor_host_window.h"

#include <vector>

namespace shot {

struct FeedOptions {
    int sampleRate = 44100;
    int blockSize = 512;   // samples per processReplacing call
    double tickMs = 125.0; // faster than real time: the audio time one tick stands for
};

// Prepares the effect for processing at the rate and block size.
void startProcessing(AEffect* effect, const FeedOptions& options);

// Blocks at the pace of the sample clock; the editor's timer drives the ticks.
void feedInRealTime(AEffect* effect, host::EditorHostWindow& window,
                    const std::vector<float>& samples, const FeedOptions& options);

// As fast as the editor draws: after each tick period's worth of samples the
// editor gets one tick, and ticks its timer posts meanwhile are dropped.
// Leftover samples at the end make one last, shorter column.
void feedTickByTick(AEffect* effect, host::EditorHostWindow& window,
                    const std::vector<float>& samples, const FeedOptions& options);

} // namespace shot
