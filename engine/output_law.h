// The Output parameter's law: 24000 units at unity gain, 1000 units per dB
// of attenuation (20000 per decade of linear gain).
#pragma once

#include "engine/numeric.h"

#include <cmath>
#include <cstdint>

// The Output value that gives a linear output gain, truncated toward zero.
inline std::int32_t outputForGain(float gain) {
    return numeric::toInt32(24000.0 - 20000.0 * std::log10(static_cast<double>(gain)));
}
