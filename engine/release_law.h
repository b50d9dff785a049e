// The release law shared by the compressor and the limiter: after a trigger
// the gain climbs back toward unity, quickly at first and slowing near 1.0,
// faster for lower peak levels. Rates are evaluated in double precision and
// kept as floats.
#pragma once

#include <cmath>
#include <cstdint>

namespace releaseLaw {

constexpr float kLevelScale = 32.768f;
constexpr double kNormalizer = 0.6542338728904724; // 1 / log10(33.768)
constexpr float kOffset = 4.25e-5f;
constexpr float kDecay = 8.5e-5f;

inline double levelTerm(float level) {
    return std::log10(static_cast<double>(kLevelScale) * level + 1.0);
}

inline float rate(float target, double denominator) {
    return static_cast<float>((1.0 - target) / denominator +
                              (target + 1.0) * static_cast<double>(kOffset));
}

// A release length below one sample counts as one sample.
inline float compressorRate(float level, float target, std::int32_t length) {
    double samples = static_cast<float>(length < 1 ? 1 : length);
    return rate(target, levelTerm(level) * samples * kNormalizer);
}

// The limiter's length term is the sample rate over a fixed divisor: 10 ms.
inline float limiterRate(float level, float target, float lengthTerm) {
    return rate(target, levelTerm(level) * static_cast<double>(lengthTerm));
}

} // namespace releaseLaw
