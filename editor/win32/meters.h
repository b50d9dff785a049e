// The gain-reduction meter and the two output level meters, drawn into the
// composing surface, where the reduction meter takes columns 122..134 and the
// level bars columns 136..150 and 152..166.
#pragma once

#include <windows.h>

namespace feed {
struct TickFrame;
}

// Leaves clip exclusions on the surface: the caller resets its clip region
// before copying it to the window.
void drawReductionMeter(HDC surface, const feed::TickFrame& frame);
void drawLevelMeters(HDC surface, const feed::TickFrame& frame);
