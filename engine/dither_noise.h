// The dither noise source: a linear congruential generator with one state for
// the whole library, shared by all instances and restarted with 1 by every
// construction. Processing copies the state at a block's start and stores it
// at the block's end, like the other shared fields: no lock, and every build
// gives the same sequence.
#pragma once

#include <cstdint>

namespace ditherNoise {

constexpr std::uint32_t kSeed = 1;

inline std::uint32_t sharedState = kSeed;

inline void restart() {
    sharedState = kSeed;
}

// Advances the state and returns the next value, 0 to 32767.
inline int draw(std::uint32_t& state) {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fffu);
}

} // namespace ditherNoise
