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

constexpr std::uint32_t kMultiplier = 214013u, kIncrement = 2531011u;
// Two steps at once: state * kMultiplier^2 + kIncrement * (kMultiplier + 1).
constexpr std::uint32_t kMultiplier2 = kMultiplier * kMultiplier;
constexpr std::uint32_t kIncrement2 = kIncrement * kMultiplier + kIncrement;

inline int valueOf(std::uint32_t state) {
    return static_cast<int>((state >> 16) & 0x7fffu);
}

// The next two values, 0 to 32767 each. Both steps are taken from the state
// as it was, so that the second does not wait for the first.
inline void drawTwo(std::uint32_t& state, int& first, int& second) {
    std::uint32_t next = state * kMultiplier + kIncrement;
    state = state * kMultiplier2 + kIncrement2;
    first = valueOf(next);
    second = valueOf(state);
}

} // namespace ditherNoise
