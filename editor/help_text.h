// The help page: the manual's five text blocks, the coloured bands behind
// their headings, and how the page scrolls in lines of 14 pixels.
#pragma once

namespace help {

constexpr int kLineHeight = 14;

// The manual, one string per block, each drawn from its own starting line.
constexpr int kBlockCount = 5;
constexpr int kBlockStartLine[kBlockCount] = {0, 32, 65, 96, 127};
extern const char* const kBlocks[kBlockCount];

// A band behind a heading: height 14 marks a subheading and covers exactly
// its line; any other height marks a main heading and starts 5 pixels higher.
struct Band {
    int line, height;
};
constexpr int kBandCount = 17;
extern const Band kBands[kBandCount];
constexpr int kSubheadingHeight = 14;
constexpr int kHeadingLift = 5;

// Rows of a band in client coordinates, bottom excluded, with the page
// scrolled to topLine.
struct Rows {
    int top, bottom;
};
Rows bandRows(const Band& band, int topLine);
inline bool isSubheading(const Band& band) {
    return band.height == kSubheadingHeight;
}
// The client row where a block's first line is drawn.
int blockTop(int block, int topLine);

// The scroll bar: range 0..154 with a page of 34 lines, so the first line
// shown goes from 0 to 121.
constexpr int kScrollMax = 154;
constexpr int kPageLines = 34;
constexpr int kLastTopLine = kScrollMax - kPageLines + 1;

enum class ScrollRequest { lineUp, lineDown, pageUp, pageDown, thumbTrack, other };
// The move a request asks for; thumbLine is the line a dragged thumb points at.
int scrollDelta(ScrollRequest request, int thumbLine, int topLine);
int clampTopLine(int line);
// Lines one notch of the mouse wheel scrolls, down for a notch toward the user.
constexpr int kWheelLines = 3;

} // namespace help
