#include "editor/x11/help_scroll_bar.h"

#include <cmath>

namespace help {

int thumbLength() {
    const int length = kTroughLength * kPageLines / (kScrollMax + 1);
    return length < kMinThumb ? kMinThumb : length;
}

int thumbTop(int topLine) {
    return kTroughTop + (kTroughLength - thumbLength()) * topLine / kLastTopLine;
}

BarPart barPartAt(int x, int y, int topLine) {
    if (x < kPageWidth || x >= kWindowWidth || y < 0 || y >= kWindowHeight) return BarPart::none;
    if (y < kTroughTop) return BarPart::upArrow;
    if (y >= kTroughTop + kTroughLength) return BarPart::downArrow;
    const int top = thumbTop(topLine);
    if (y < top) return BarPart::pageUp;
    return y < top + thumbLength() ? BarPart::thumb : BarPart::pageDown;
}

int thumbLineAt(int thumbTopRow) {
    const double travel = kTroughLength - thumbLength();
    const double line = std::round((thumbTopRow - kTroughTop) * kLastTopLine / travel);
    return clampTopLine(static_cast<int>(line));
}

} // namespace help
