// The look-ahead line's pass-through: while the gains rest at unity and the
// input stays below both thresholds, a sample only goes into the line with
// unity gain, and the sample it displaces comes out with its gain.
#pragma once

#include <cmath>

#if defined(__SSE2__) || defined(__x86_64__) || defined(_M_X64)
#include <xmmintrin.h>
#define TARVEXOR_PASS_SSE 1
#endif

namespace linePass {

// Sample k writes x[k] and unity gain at slot n and reads slot h; n follows h.
inline void one(float* gains, float* line, const float* x, float* out, int k, int& n, int& h) {
    gains[n] = 1.0f;
    line[n] = x[k];
    out[k] = line[h] * gains[h];
    n = h;
    ++h;
}

// Passes samples k to stop - 1 while their magnitude is at most limit; the
// read position stays below the line's end throughout. Returns the first
// sample above the limit, or stop.
inline int run(float* gains, float* line, const float* x, float* out, int k, int stop, int& n,
               int& h, float limit) {
    if (k < stop && n != h - 1) {
        if (std::fabs(x[k]) > limit) return k;
        one(gains, line, x, out, k++, n, h);
    }
#ifdef TARVEXOR_PASS_SSE
    // Four at a time: the four slots read are loaded before the four slots
    // behind them are written, as one by one.
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 most = _mm_set1_ps(limit), unity = _mm_set1_ps(1.0f);
    for (; k + 4 <= stop; k += 4, h += 4) {
        __m128 v = _mm_loadu_ps(x + k);
        if (_mm_movemask_ps(_mm_cmple_ps(_mm_and_ps(v, magnitude), most)) != 0xf) break;
        _mm_storeu_ps(out + k, _mm_mul_ps(_mm_loadu_ps(line + h), _mm_loadu_ps(gains + h)));
        _mm_storeu_ps(gains + h - 1, unity);
        _mm_storeu_ps(line + h - 1, v);
    }
    n = h - 1;
#endif
    for (; k < stop; ++k) {
        if (std::fabs(x[k]) > limit) break;
        one(gains, line, x, out, k, n, h);
    }
    return k;
}

} // namespace linePass
