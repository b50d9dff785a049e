// Feeding audio through the plug-in while its editor is open, so that the
// display ticks see it as they would in a host: in real time with the
// editor's own timer, or faster, one tick's worth of samples per tick.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/editor_host_window.h"
#include "tools/shot/shot_options.h"

#include <vector>

namespace shot {

// Blocks at the pace of the sample clock; the editor's timer drives the ticks.
void feedInRealTime(AEffect* effect, host::EditorHostWindow& window,
                    const std::vector<float>& samples, const FeedOptions& options);

// As fast as the editor draws: after each tick period's worth of samples the
// editor gets one tick, and ticks its timer posts meanwhile are dropped.
// Leftover samples at the end make one last, shorter column.
void feedTickByTick(AEffect* effect, host::EditorHostWindow& window,
                    const std::vector<float>& samples, const FeedOptions& options);

} // namespace shot
