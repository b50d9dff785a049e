// The gain-reduction meter and the two output level meters, drawn into the
// composing surface, where the reduction meter takes columns 122..134 and the
// level bars columns 136..150 and 152..166.
#pragma once

#include <cairo.h>

namespace feed {
struct TickFrame;
}

void drawReductionMeter(cairo_surface_t* surface, const feed::TickFrame& frame);
void drawLevelMeters(cairo_surface_t* surface, const feed::TickFrame& frame);
