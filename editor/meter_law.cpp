#include "editor/meter_law.h"

#include <cmath>
#include <cstdio>

namespace meter {

namespace {

// Truncated toward zero and kept within the bar; a logarithm that is not a
// finite number (silence, a zero output) gives an empty bar.
int toBar(double pixels) {
    if (!std::isfinite(pixels) || pixels <= 0.0) return 0;
    if (pixels >= kFullBar) return kFullBar;
    return static_cast<int>(pixels);
}

// A peak row lies on the meter when it is strictly inside its frame.
int lineRow(std::int32_t windowRow) {
    return windowRow > kMeterTop && windowRow < kMeterBottom ? windowRow - kMeterTop : -1;
}

} // namespace

int levelPixels(float peak) {
    double sample = static_cast<double>(peak) * 32768.0;
    return toBar(213.3333282470703 * std::log10(sample) - 769.2990112304688);
}

int reductionPixels(float input, float output) {
    double ratio = static_cast<double>(input) / static_cast<double>(output);
    if (!std::isfinite(ratio)) return 0;
    return toBar(426.6665954589844 * std::log10(ratio));
}

int follow(int shown, int target) {
    int next = target > shown ? target : shown - ((shown - target) / 2 + 1);
    return next < 0 ? 0 : next;
}

std::int32_t holdTicks(std::int32_t peakHoldTicks) {
    return peakHoldTicks > 0 ? peakHoldTicks : 1;
}

int holdReductionPeak(MeterState& m, std::int32_t peakHoldTicks) {
    std::int32_t row = m.reductionLevel + kMeterTop;
    if (row > m.reductionPeak) {
        m.reductionPeak = row;
        m.reductionHold = 0;
    }
    if (m.reductionHold == 0) m.reductionPeak = row;
    m.reductionHold = (m.reductionHold + 1) % holdTicks(peakHoldTicks);
    return lineRow(m.reductionPeak);
}

namespace {

void holdLevelPeak(std::int32_t& peak, std::int32_t& hold, int level) {
    std::int32_t row = kMeterBottom - level;
    if (row < peak) {
        peak = row;
        hold = 0;
    }
    if (hold == 0) peak = row;
}

} // namespace

LevelPeakLines holdLevelPeaks(MeterState& m, std::int32_t peakHoldTicks) {
    holdLevelPeak(m.levelPeakA, m.levelHold, m.levelA);
    holdLevelPeak(m.levelPeakB, m.levelHold, m.levelB);
    m.levelHold = (m.levelHold + 1) % holdTicks(peakHoldTicks);
    return {lineRow(m.levelPeakA), lineRow(m.levelPeakB), m.levelPeakA < kFullScaleRow,
            m.levelPeakB < kFullScaleRow};
}

std::string rmsText(float sumSquaresA, float sumSquaresB, std::int32_t count, double threshold) {
    float s = sumSquaresA > sumSquaresB ? sumSquaresA : sumSquaresB;
    if (count == 0 || s == 0.0f) return "-INF";
    double level = 20 * std::log10(32768 * std::sqrt(s / count)) - 87.2979965209961;
    if (!(level >= threshold)) return "-INF";
    char text[32];
    std::snprintf(text, sizeof(text), "%2.1f dB", level);
    return text;
}

} // namespace meter
