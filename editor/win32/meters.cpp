#include "editor/win32/meters.h"

#include "editor/display_feed.h"
#include "editor/meter_law.h"
#include "editor/win32/shared_resources.h"
#include "resources/resource_ids.h"

#include <algorithm>

namespace {

constexpr int kMeterRows = 257;
constexpr int kReductionLeft = 122, kReductionWidth = 13;
constexpr int kLevelLeftA = 136, kLevelLeftB = 152, kLevelWidth = 15;
constexpr int kLevelPairWidth = 31;
constexpr int kWindowTop = 13, kReductionWindowX = 328, kLevelWindowX = 460;

void drawLine(HDC dc, HPEN pen, int x0, int x1, int y) {
    HGDIOBJ saved = SelectObject(dc, pen);
    MoveToEx(dc, x0, y, nullptr);
    LineTo(dc, x1, y);
    SelectObject(dc, saved);
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
void drawReductionMeter(HDC panel, const feed::TickFrame& frame) {
    const shared::Resources& r = shared::resources();
    int level = frame.reductionLevel;
    BitBlt(panel, kReductionLeft, level, kReductionWidth, kMeterRows - level, r.backgroundDC,
           kReductionWindowX, kWindowTop + level, SRCCOPY);
    if (frame.reductionPeakRow >= 0)
        drawLine(panel, r.bluePen, kReductionLeft, kReductionLeft + kReductionWidth,
                 frame.reductionPeakRow);
    drawBar(panel, IDB_REDUCTION_BAR, kReductionLeft, kReductionWidth,
            RECT{kReductionLeft, level, kReductionLeft + kReductionWidth, kMeterRows});
}

// The bars rise from the bottom: each covers as many bottom rows as its level.
void drawLevelMeters(HDC panel, const feed::TickFrame& frame) {
    const shared::Resources& r = shared::resources();
    int lower = std::min(frame.levelA, frame.levelB);
    BitBlt(panel, kLevelLeftA, 0, kLevelPairWidth, kMeterRows - lower, r.backgroundDC,
           kLevelWindowX, kWindowTop, SRCCOPY);
    drawLevelPeak(panel, kLevelLeftA, frame.levelPeaks.rowA, frame.levelPeaks.redA);
    drawLevelPeak(panel, kLevelLeftB, frame.levelPeaks.rowB, frame.levelPeaks.redB);
    drawBar(panel, IDB_LEVEL_BAR, kLevelLeftA, kLevelWidth,
            RECT{kLevelLeftA, 0, kLevelLeftA + kLevelWidth, kMeterRows - frame.levelA});
    drawBar(panel, IDB_LEVEL_BAR, kLevelLeftB, kLevelWidth,
            RECT{kLevelLeftB, 0, kLevelLeftB + kLevelWidth, kMeterRows - frame.levelB});
}
