// The wave display's drawing: one new column per tick composed over the
// background grid, the history redrawn at the current zoom, and the glow over
// the panel's top-left corner.
#pragma once

#include <cairo.h>

class CompressorEditor;
namespace feed {
struct TickFrame;
}

// The tick's step: scrolls the traces one column to the left, draws the new
// column at the right edge and composes the panel with the threshold lines
// and the glow in the composing surface.
void advanceWave(CompressorEditor& editor, const feed::TickFrame& frame);
// Rebuilds the trace and mask surfaces from the history at the current Zoom.
void redrawWave(CompressorEditor& editor);
// Screen-blends the glow bitmap over the top-left 42 x 16 pixels of a surface.
void applyGlow(cairo_surface_t* surface);
