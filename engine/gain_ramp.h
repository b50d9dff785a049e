// The look-ahead ramp: when the gain falls, the older gains still waiting in
// the line are lowered to a straight line toward the new gain, so the output
// fades into a gain reduction instead of jumping.
//
// The line's values are sums taken one by one, v + step, in single precision.
// Within one binade every such sum adds the same whole number of ulps to v
// (unless step's fraction of an ulp is exactly one half, which rounds by the
// parity of v), so there the values are v + i * R ulps exactly and can be
// produced four at a time, without waiting for each sum.
#pragma once

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#define TARVEXOR_RAMP_SSE2 1
#endif

namespace gainRamp {

// Slots slot, slot - 1, ... down to bottom, at most count of them, one sum
// at a time; false where the line met a slot at or below it.
inline bool lowerOneByOne(float* gains, int& slot, int bottom, int count, float& v, float step) {
    for (; count > 0 && slot >= bottom; --count, --slot) {
        if (!(v < gains[slot])) return false;
        gains[slot] = v;
        v = v + step;
    }
    return true;
}

#ifdef TARVEXOR_RAMP_SSE2
// The line's values from v on while they stay in v's binade: first + i * ulps
// units of unit, for count values.
struct Run {
    std::int32_t first, ulps;
    float unit;
    int count;
};

inline bool runFrom(float v, float step, Run& run) {
    if (!(v >= FLT_MIN && v <= 1.0e30f && step > 0.0f && step <= 1.0e30f)) return false;
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const std::uint32_t exponent = bits >> 23; // v is positive and normal
    if (exponent < 24) return false;           // its ulp would be subnormal
    const std::uint32_t unitBits = (exponent - 23) << 23;
    std::memcpy(&run.unit, &unitBits, sizeof unitBits);
    const double q = static_cast<double>(step) / static_cast<double>(run.unit);
    if (!(q < 4194304.0)) return false;
    const auto whole = static_cast<std::int32_t>(q);
    const double fraction = q - whole;
    if (fraction == 0.5) return false;
    run.ulps = fraction < 0.5 ? whole : whole + 1;
    run.first = static_cast<std::int32_t>((bits & 0x7fffffu) | 0x800000u);
    constexpr std::int32_t kBinadeEnd = 1 << 24;
    run.count = run.ulps == 0 ? INT_MAX : (kBinadeEnd - 1 - run.first) / run.ulps + 1;
    return true;
}

// Four slots g[3], g[2], g[1], g[0] of which the first ones in that order lie
// above the line (bits 3, 2, 1 of below): those take the line's values.
inline void lowerPart(float* g, int below, __m128 line) {
    alignas(16) float v[4];
    _mm_store_ps(v, line);
    for (int lane = 3; lane >= 0 && (below & (1 << lane)) != 0; --lane)
        g[lane] = v[lane];
}

// The run four slots at a time; done counts the values stored.
inline bool lowerRun(float* gains, int& slot, int bottom, const Run& run, int& done) {
    const int fours =
        std::min((run.count < INT_MAX - 3 ? run.count : INT_MAX - 3) / 4, (slot - bottom + 1) / 4);
    const __m128i step4 = _mm_set1_epi32(4 * run.ulps);
    const __m128 unit = _mm_set1_ps(run.unit);
    __m128i lanes = _mm_set_epi32(run.first, run.first + run.ulps, run.first + 2 * run.ulps,
                                  run.first + 3 * run.ulps);
    for (int i = 0, base = slot - 3; i < fours; ++i, base -= 4) {
        float* g = gains + base;
        __m128 line = _mm_mul_ps(_mm_cvtepi32_ps(lanes), unit);
        int below = _mm_movemask_ps(_mm_cmplt_ps(line, _mm_loadu_ps(g)));
        if (below != 0xf) {
            lowerPart(g, below, line);
            return false;
        }
        _mm_storeu_ps(g, line);
        lanes = _mm_add_epi32(lanes, step4);
    }
    done = 4 * fours;
    slot -= done;
    return true;
}
#endif

// Lowers slots top, top - 1, ... down to bottom to the line that v starts
// and step continues, while the line stays below them; false where it
// stopped. v is left at the line's next value.
inline bool lowerSlots(float* gains, int top, int bottom, float& v, float step) {
    int slot = top;
#ifdef TARVEXOR_RAMP_SSE2
    while (slot - 3 >= bottom) {
        Run run;
        if (!runFrom(v, step, run)) {
            if (!lowerOneByOne(gains, slot, bottom, 8, v, step)) return false;
            continue;
        }
        int done = 0;
        if (!lowerRun(gains, slot, bottom, run, done)) return false;
        if (done < run.count)
            v = static_cast<float>(run.first + done * run.ulps) * run.unit;
        else
            v = static_cast<float>(run.first + (done - 1) * run.ulps) * run.unit + step;
        // The last values of the binade and the first sum beyond it.
        int rest = run.count - done;
        if (!lowerOneByOne(gains, slot, bottom, rest < 4 ? rest + 1 : 4, v, step)) return false;
    }
#endif
    return lowerOneByOne(gains, slot, bottom, INT_MAX, v, step);
}

// Lowers the older gains still in the line to a straight line from 1.0 at the
// read position down to the new gain at slot n; never raises one, and stops at
// the first slot already at or below the line. The walk goes from n - 1 back
// to 0 and on from L - 1 down to n + 1: L - 1 slots at most. previous is the
// gain at slot n - 1, which the previous sample wrote.
inline void lower(float* gains, int n, int length, float previous, float newest) {
    if (!(previous > newest)) return;
    float step = (1.0f - newest) / static_cast<float>(length - 1);
    float v = newest + step;
    if (lowerSlots(gains, n - 1, 0, v, step)) lowerSlots(gains, length - 1, n + 1, v, step);
}

} // namespace gainRamp
