// Rendering a file through the plug-in, block by block.
#pragma once

#include "tools/tarvexor/command_line.h"
#include "tools/tarvexor/report.h"

#include <string>

namespace tarvexor {

struct RenderJob {
    std::string input, output;
    std::string format; // --format, empty: as the input
    bool compensateLatency = true;
    EffectOptions effect;
};

// Reads the input, processes it and writes the output through a temporary
// file. Throws Failure; on any failure no output file is left behind and an
// existing one is untouched.
RenderReport render(const RenderJob& job);

} // namespace tarvexor
