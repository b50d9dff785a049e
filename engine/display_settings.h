// The display and normalisation settings kept in the effect and stored per
// user: twenty consecutive 32-bit words.
#pragma once

#include <cstdint>

struct DisplaySettings {
    std::int32_t normalizeCeiling = 0;
    std::int32_t peakHoldTicks = 32;
    std::int32_t waveColourScheme = 1;
    std::int32_t customColours[15] = {0, 140, 0, 0, 180, 0, 200, 220, 255, 0, 200, 0, 200, 0, 0};
    std::int32_t zoomRange = 1;
    std::int32_t displaySpeed = 2;
};
static_assert(sizeof(DisplaySettings) == 20 * 4, "settings are twenty 32-bit words");

// Linear Auto Normalize ceiling for a ceiling code; unknown codes mean 0 dBFS.
inline float normalizeCeilingFactor(std::int32_t code) {
    switch (code) {
    case 1:
        return 0.9988f; // -0.01 dBFS
    case 2:
        return 0.9895f; // -0.09 dBFS
    case 3:
        return 0.9941f; // -0.05 dBFS
    default:
        return 0.99995f; // 0 dBFS
    }
}
