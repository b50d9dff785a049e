// The render's summary as JSON, for scripts: the same figures, notes and
// settings the terminal shows, numbers unrounded, null where the summary has
// no number.
#pragma once

#include "tools/tarvexor/report.h"

#include <string>

namespace tarvexor {

// Refuses a report path that is the input or the output (UsageError), a
// folder or in a folder that does not exist (RuntimeError), before rendering.
void checkReportPath(const std::string& report, const std::string& input,
                     const std::string& output);

// Throws RuntimeError when the file cannot be written.
void writeJsonReport(const RenderReport& report, const std::string& path);

} // namespace tarvexor
