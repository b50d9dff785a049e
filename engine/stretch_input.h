// What the per-sample loop takes from a stretch of input before it starts:
// the input with non-finite samples as silence, and the stretch's highest and
// lowest sample. None of it depends on the gain state, so it is computed four
// samples at a time.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__) || defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#define TARVEXOR_STRETCH_SSE2 1
#endif

namespace stretch {

constexpr int kSamples = 256;

struct Stretch {
    alignas(16) float x[kSamples];
    float highest, lowest;
};

// Non-finite samples count as silence.
inline float finiteOrSilence(float x) {
    return std::fabs(x) <= FLT_MAX ? x : 0.0f;
}

#ifdef TARVEXOR_STRETCH_SSE2
inline void takeInput(Stretch& s, const float* in, int count) {
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 largest = _mm_set1_ps(FLT_MAX);
    __m128 hi = _mm_set1_ps(-INFINITY), lo = _mm_set1_ps(INFINITY);
    int k = 0;
    for (; k + 4 <= count; k += 4) {
        __m128 x = _mm_loadu_ps(in + k);
        __m128 finite = _mm_cmple_ps(_mm_and_ps(x, magnitude), largest);
        x = _mm_and_ps(x, finite);
        _mm_store_ps(s.x + k, x);
        hi = _mm_max_ps(hi, x);
        lo = _mm_min_ps(lo, x);
    }
    alignas(16) float h[4], l[4];
    _mm_store_ps(h, hi);
    _mm_store_ps(l, lo);
    s.highest = std::fmax(std::fmax(h[0], h[1]), std::fmax(h[2], h[3]));
    s.lowest = std::fmin(std::fmin(l[0], l[1]), std::fmin(l[2], l[3]));
    for (; k < count; ++k) {
        float x = s.x[k] = finiteOrSilence(in[k]);
        s.highest = std::fmax(s.highest, x);
        s.lowest = std::fmin(s.lowest, x);
    }
}

#else
inline void takeInput(Stretch& s, const float* in, int count) {
    s.highest = -INFINITY;
    s.lowest = INFINITY;
    for (int k = 0; k < count; ++k) {
        float x = s.x[k] = finiteOrSilence(in[k]);
        s.highest = std::fmax(s.highest, x);
        s.lowest = std::fmin(s.lowest, x);
    }
}

#endif

// The first of the stretch's samples equal to v, which one of them is.
inline int firstAt(const Stretch& s, int count, float v) {
    int k = 0;
#ifdef TARVEXOR_STRETCH_SSE2
    const __m128 target = _mm_set1_ps(v);
    for (; k + 4 <= count; k += 4) {
        int equal = _mm_movemask_ps(_mm_cmpeq_ps(_mm_load_ps(s.x + k), target));
        if (equal != 0) return k + __builtin_ctz(static_cast<unsigned>(equal));
    }
#else
    (void)count;
#endif
    while (!(s.x[k] == v))
        ++k;
    return k;
}

} // namespace stretch
