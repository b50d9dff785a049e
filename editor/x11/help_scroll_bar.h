// The help window's vertical scroll bar, drawn by the window itself: two
// arrow buttons, the trough between them and a thumb as long as the page is
// of the document, placed as the Windows scroll bar places it.
#pragma once

#include "editor/help_text.h"

namespace help {

// The window: the page on the left, the bar on the right, together the
// client area of the Windows help window (360 x 484 less its 3-pixel frame
// and 19-pixel caption).
constexpr int kPageWidth = 337;
constexpr int kBarWidth = 17;
constexpr int kWindowWidth = kPageWidth + kBarWidth;
constexpr int kWindowHeight = 459;

constexpr int kArrowHeight = 17;
constexpr int kTroughTop = kArrowHeight;
constexpr int kTroughLength = kWindowHeight - 2 * kArrowHeight;
constexpr int kMinThumb = 8;

enum class BarPart { none, upArrow, pageUp, thumb, pageDown, downArrow };

int thumbLength();
// The thumb's top row with the page's first line at topLine.
int thumbTop(int topLine);
// The part of the bar at a point of the window.
BarPart barPartAt(int x, int y, int topLine);
// The line a thumb dragged to the given top row points at, within 0..121.
int thumbLineAt(int thumbTopRow);

} // namespace help
