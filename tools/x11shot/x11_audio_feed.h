// Feeding audio through the plug-in while its Linux editor is open, as
// tools/shot does on Windows: in real time with the editor's own timers, or
// one tick's worth of samples per display tick the host asks for.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/x11_host_window.h"
#include "tools/shot/shot_options.h"

#include <vector>

namespace x11shot {

using shot::FeedOptions;

// Blocks at the pace of the sample clock; the editor's timers drive the ticks.
void feedInRealTime(AEffect* effect, host::X11HostWindow& window, const std::vector<float>& samples,
                    const FeedOptions& options);

// As fast as the editor draws: after each tick period's worth of samples the
// host sends the editor one tick. Leftover samples at the end make one last,
// shorter column.
void feedTickByTick(AEffect* effect, host::X11HostWindow& window, const std::vector<float>& samples,
                    const FeedOptions& options);

} // namespace x11shot
