#include "editor/wave_geometry.h"

#include "engine/numeric.h"

namespace wave {

namespace {
std::int32_t offset(std::int32_t units, std::int32_t zoom) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(zoom) * units / 512);
}

ThresholdRows rowsFor(float product) {
    std::int16_t t = numeric::truncSaturate<std::int16_t>(product);
    if (t > 127) return {-1, -1};
    return {127 - t, 128 + t};
}
} // namespace

std::int32_t toUnits(float sample) {
    return numeric::toInt32(sample * 32768.0f);
}

std::int32_t topOffset(std::int32_t units, std::int32_t zoom) {
    std::int32_t d = offset(units, zoom);
    return d > 128 ? 128 : d;
}

std::int32_t bottomOffset(std::int32_t units, std::int32_t zoom) {
    std::int32_t d = offset(units, zoom);
    return d < -128 ? -128 : d;
}

Bar bar(std::int32_t topUnits, std::int32_t bottomUnits, std::int32_t zoom) {
    return {kCentre - topOffset(topUnits, zoom), kCentre - bottomOffset(bottomUnits, zoom)};
}

ThresholdRows compressorThresholdRows(float thresholdLin, std::int32_t zoom) {
    return rowsFor(thresholdLin * 64 * static_cast<float>(zoom) - 1);
}

ThresholdRows limiterThresholdRows(float thresholdLin, std::int32_t zoom) {
    return rowsFor(thresholdLin * 64 * static_cast<float>(zoom));
}

} // namespace wave
