#include "editor/x11/meters.h"

#include "editor/display_feed.h"
#include "editor/panel_layout.h"
#include "editor/x11/cairo_drawing.h"
#include "editor/x11/shared_resources.h"
#include "resources/resource_ids.h"

#include <algorithm>

namespace {

using panel::kLevelLeftA;
using panel::kLevelLeftB;
using panel::kLevelWidth;
constexpr int kMeterRows = panel::kReduction.height;
constexpr int kReductionLeft = panel::kReduction.surfaceX;
constexpr int kReductionWidth = panel::kReduction.width;
constexpr Rgb kRed{200, 0, 0}, kGreen{0, 160, 0}, kBlue{110, 131, 241};

// The bar bitmap at its column, shown only outside the hidden rectangle.
void drawBar(cairo_t* cr, int bitmapId, int left, int width, int hiddenLeft, int hiddenTop,
             int hiddenRight, int hiddenBottom) {
    cairo_save(cr);
    excludeClip(cr, hiddenLeft, hiddenTop, hiddenRight, hiddenBottom);
    drawBitmap(cr, shared::bitmap(bitmapId), left, 0, width, kMeterRows);
    cairo_restore(cr);
}

void drawLevelPeak(cairo_t* cr, int left, int row, bool red) {
    if (row >= 0) drawLine(cr, left, row, left + kLevelWidth, row, red ? kRed : kGreen);
}

} // namespace

// The bar hangs from the top: rows 0 to R - 1 show the bar, rows R and below
// the empty well, with the held peak's line in it.
void drawReductionMeter(cairo_surface_t* surface, const feed::TickFrame& frame) {
    Context cr = contextOn(surface);
    int level = frame.reductionLevel;
    copyArea(cr.get(), shared::background(), panel::kReduction.windowX,
             panel::kReduction.windowY + level, kReductionWidth, kMeterRows - level, kReductionLeft,
             level);
    if (frame.reductionPeakRow >= 0)
        drawLine(cr.get(), kReductionLeft, frame.reductionPeakRow, kReductionLeft + kReductionWidth,
                 frame.reductionPeakRow, kBlue);
    drawBar(cr.get(), IDB_REDUCTION_BAR, kReductionLeft, kReductionWidth, kReductionLeft, level,
            kReductionLeft + kReductionWidth, kMeterRows);
}

// The bars rise from the bottom: each covers as many bottom rows as its level.
void drawLevelMeters(cairo_surface_t* surface, const feed::TickFrame& frame) {
    Context cr = contextOn(surface);
    int lower = std::min(frame.levelA, frame.levelB);
    copyArea(cr.get(), shared::background(), panel::kLevels.windowX, panel::kLevels.windowY,
             panel::kLevels.width, kMeterRows - lower, kLevelLeftA, 0);
    drawLevelPeak(cr.get(), kLevelLeftA, frame.levelPeaks.rowA, frame.levelPeaks.redA);
    drawLevelPeak(cr.get(), kLevelLeftB, frame.levelPeaks.rowB, frame.levelPeaks.redB);
    drawBar(cr.get(), IDB_LEVEL_BAR, kLevelLeftA, kLevelWidth, kLevelLeftA, 0,
            kLevelLeftA + kLevelWidth, kMeterRows - frame.levelA);
    drawBar(cr.get(), IDB_LEVEL_BAR, kLevelLeftB, kLevelWidth, kLevelLeftB, 0,
            kLevelLeftB + kLevelWidth, kMeterRows - frame.levelB);
}
