// What every editor in the process shares: the bitmaps decoded from the
// library's own bytes, and the glow tables. Created by the first open, freed
// by the last close. Each editor has its own display connection, so nothing
// here belongs to a display.
#pragma once

#include <cairo.h>

namespace shared {

constexpr int kGlowColumns = 44;
constexpr int kGlowRows = 18;

struct Resources {
    int editorUseCount = 0;
    float glowBase[kGlowColumns * kGlowRows] = {};
    float glowScale[kGlowColumns * kGlowRows] = {};
};

Resources& resources();

// Counts one more editor; the first decodes the bitmaps and fills the tables.
void acquire();
// Counts one editor less; the last frees the bitmaps.
void release();

// A decoded bitmap by its resource id, or null.
cairo_surface_t* bitmap(int id);
// The background picture of the whole editor (bitmap 118).
cairo_surface_t* background();

} // namespace shared
