// Vertical geometry of the wave display: sample values to pixel offsets
// around the centre line of the 256-row panel.
#pragma once

#include <cstdint>

namespace wave {

constexpr int kCentre = 128;

// A sample value (1.0 = full scale) in 1/32768 of full scale, truncated.
std::int32_t toUnits(float sample);

// Offset from the centre line for a value in units at a zoom; a top offset is
// limited to 128, a bottom offset to -128.
std::int32_t topOffset(std::int32_t units, std::int32_t zoom);
std::int32_t bottomOffset(std::int32_t units, std::int32_t zoom);

// A bar drawn from row `from` to row `to`, the end row excluded.
struct Bar {
    int from, to;
};
Bar bar(std::int32_t topUnits, std::int32_t bottomUnits, std::int32_t zoom);

// Rows of the threshold lines for a linear threshold, or -1 when off the panel.
// The compressor's lines sit one pixel inside the limiter's for equal thresholds.
struct ThresholdRows {
    int upper, lower;
};
ThresholdRows compressorThresholdRows(float thresholdLin, std::int32_t zoom);
ThresholdRows limiterThresholdRows(float thresholdLin, std::int32_t zoom);

} // namespace wave
