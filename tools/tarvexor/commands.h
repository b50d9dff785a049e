// The three subcommands.
#pragma once

#include "tools/tarvexor/command_line.h"

namespace tarvexor {

int runRender(const Command& command);
int runInfo(const Command& command);
int runDemo(const Command& command);

} // namespace tarvexor
