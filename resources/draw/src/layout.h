// Where everything sits in the 511 x 283 editor window. The editor code places its
// controls at these positions; the background is drawn to match them.
#pragma once

#include "canvas.h"

namespace art {

constexpr int kWindowWidth = 511;
constexpr int kWindowHeight = 283;

// A bitmap fader with a 34-row handle: x is the handle's left edge, y the track origin; the
// handle's row 16 marks the value at rows y .. y + travel - 1.
struct ValueFaderPlace {
    int x, y, travel, width;
};

// A small fader with a 21-pixel handle whose middle pixel (index 10) marks the value at
// origin - 1 .. origin + travel - 2 along the track.
struct SmallFaderPlace {
    int x, y, travel, thickness;
};

constexpr ValueFaderPlace kLimitFader{14, 66, 93, 16};
constexpr ValueFaderPlace kThresholdFader{35, 66, 155, 20};
constexpr ValueFaderPlace kRatioFader{78, 66, 155, 20};
constexpr ValueFaderPlace kReleaseFader{127, 66, 138, 20};
constexpr ValueFaderPlace kOutputFader{411, 103, 110, 20};
constexpr SmallFaderPlace kLookAheadFader{86, 256, 57, 13}; // horizontal
constexpr SmallFaderPlace kZoomFader{304, 221, 41, 13};     // vertical

constexpr Box kThresholdDisplay{14, 13, 45, 12};
constexpr Box kRatioDisplay{66, 13, 45, 12};
constexpr Box kReleaseDisplay{118, 13, 45, 12};
constexpr Box kOutputDisplay{398, 51, 45, 12};
constexpr Box kRmsReadout{398, 14, 46, 14};

constexpr Box kAutoSwitch{124, 223, 26, 14};
constexpr Box kSoftSwitch{354, 118, 44, 21};
constexpr Box kNormalizeSwitch{354, 144, 44, 21};
constexpr Box kDitherSwitch{354, 170, 44, 21};
constexpr Box kBypassSwitch{354, 196, 44, 21};

constexpr Box kWavePanel{175, 13, 122, 256};
constexpr Box kReductionMeter{328, 13, 13, 257};
constexpr Box kLevelMeters{460, 13, 31, 257}; // two bars of 15 with one pixel between
constexpr Box kLogo{355, 239, 92, 28};

// Scale marks: window rows and their captions.
struct ScaleMark {
    int row;
    const char* text;
};
constexpr ScaleMark kReductionMarks[] = {{13, "0"}, {77, "-3"}, {141, "-6"}, {205, "-9"}};
constexpr ScaleMark kLevelMarks[] = {{77, "0"}, {109, "-3"}, {141, "-6"}, {205, "-12"}};

} // namespace art
