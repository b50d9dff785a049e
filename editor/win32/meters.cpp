#include "editor/win32/meters.h"

#include "editor/display_feed.h"
#include "editor/meter_law.h"
#include "editor/panel_layout.h"
#include "editor/win32/shared_resources.h"
#include "resources/resource_ids.h"

#include <algorithm>

namespace {

using panel::kLevelLeftA;
using panel::kLevelLeftB;
using panel::kLevelWidth;
constexpr int kMeterRows = panel::kReduction.height;
constexpr int kReductionLeft = panel::kReduction.surfaceX;
constexpr int kReductionWidth = panel::kReduction.width;

void drawLine(HDC dc, HPEN pen, int x0, int x1, int y) {
    Selection selected(dc, pen);
    MoveToEx(dc, x0, y, nullptr);
    LineTo(dc, x1, y);
}

// The bar bitmap at its column, shown only outside the excluded rectangle.
void drawBar(HDC dc, int bitmapId, int left, int width, RECT hidden) {
    ExcludeClipRect(dc, hidden.left, hidden.top, hidden.right, hidden.bottom);
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(shared::bitmap(bitmapId)), 0, left, 0,
               width, kMeterRows, DST_BITMAP);
}

void drawLevelPeak(HDC dc, int left, int row, bool red) {
    const shared::Resources& r = shared::resources();
    if (row >= 0) drawLine(dc, red ? r.redPen : r.greenPen, left, left + kLevelWidth, row);
}

} // namespace

// The bar hangs from the top: rows 0 to R - 1 show the bar, rows R and below
// the empty well, with the held peak's line in it.
void drawReductionMeter(HDC surface, const feed::TickFrame& frame) {
    const shared::Resources& r = shared::resources();
    int level = frame.reductionLevel;
    BitBlt(surface, kReductionLeft, level, kReductionWidth, kMeterRows - level, r.backgroundDC,
           panel::kReduction.windowX, panel::kReduction.windowY + level, SRCCOPY);
    if (frame.reductionPeakRow >= 0)
        drawLine(surface, r.bluePen, kReductionLeft, kReductionLeft + kReductionWidth,
                 frame.reductionPeakRow);
    drawBar(surface, IDB_REDUCTION_BAR, kReductionLeft, kReductionWidth,
            RECT{kReductionLeft, level, kReductionLeft + kReductionWidth, kMeterRows});
}

// The bars rise from the bottom: each covers as many bottom rows as its level.
void drawLevelMeters(HDC surface, const feed::TickFrame& frame) {
    const shared::Resources& r = shared::resources();
    int lower = std::min(frame.levelA, frame.levelB);
    BitBlt(surface, kLevelLeftA, 0, panel::kLevels.width, kMeterRows - lower, r.backgroundDC,
           panel::kLevels.windowX, panel::kLevels.windowY, SRCCOPY);
    drawLevelPeak(surface, kLevelLeftA, frame.levelPeaks.rowA, frame.levelPeaks.redA);
    drawLevelPeak(surface, kLevelLeftB, frame.levelPeaks.rowB, frame.levelPeaks.redB);
    drawBar(surface, IDB_LEVEL_BAR, kLevelLeftA, kLevelWidth,
            RECT{kLevelLeftA, 0, kLevelLeftA + kLevelWidth, kMeterRows - frame.levelA});
    drawBar(surface, IDB_LEVEL_BAR, kLevelLeftB, kLevelWidth,
            RECT{kLevelLeftB, 0, kLevelLeftB + kLevelWidth, kMeterRows - frame.levelB});
}
