// The wave display's colour schemes and zoom ranges.
#pragma once

#include <cstdint>

// Five colours as R, G, B words: input trace, compressed trace, limited
// trace, compressor threshold lines, limiter threshold lines.
using ColourWords = std::int32_t[15];

extern const ColourWords kNaturalColours;
extern const ColourWords kIcyColours;

// The pen each colour word triple feeds: colour 0 to pen 0, 1 to 4, 2 to 1,
// 3 to 2, 4 to 3.
constexpr int kPenOfColour[5] = {0, 4, 1, 2, 3};

struct ZoomRange {
    float minValue, maxValue;
};
// The Zoom fader's range for a zoom-range setting 0..2.
ZoomRange zoomRangeOf(std::int32_t setting);
// Zoom limited into a range setting's bounds, as the parameter takes it.
std::int32_t zoomWithin(std::int32_t setting, std::int32_t zoom);
