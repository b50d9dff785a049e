// The look-ahead ramp: when the gain falls, the older gains still waiting in
// the line are lowered to a straight line toward the new gain, so the output
// fades into a gain reduction instead of jumping.
#pragma once

#if defined(__SSE2__) || defined(__x86_64__) || defined(_M_X64)
#include <xmmintrin.h>
#define TARVEXOR_RAMP_SSE2 1
#endif

namespace {

#ifdef TARVEXOR_RAMP_SSE2
// Four slots g[3], g[2], g[1], g[0] of which the first ones in that order
// lie above the line (bits 3, 2, 1 of below): those take the line's values.
inline bool lowerPart(float* g, int below, float v0, float v1, float v2) {
    if (below & 8) {
        g[3] = v0;
        if (below & 4) {
            g[2] = v1;
            if (below & 2) g[1] = v2;
        }
    }
    return false;
}
#endif

// Lowers slots top, top - 1, ... down to bottom to the line that v starts
// and step continues, while the line stays below them; false where it stopped.
inline bool lowerSlots(float* gains, int top, int bottom, float& v, float step) {
    int slot = top;
#ifdef TARVEXOR_RAMP_SSE2
    // Four slots at a time; the line's values are still added one by one.
    for (; slot - 3 >= bottom; slot -= 4) {
        float v1 = v + step, v2 = v1 + step, v3 = v2 + step;
        float* g = gains + slot - 3;
        __m128 line = _mm_set_ps(v, v1, v2, v3);
        int below = _mm_movemask_ps(_mm_cmplt_ps(line, _mm_loadu_ps(g)));
        if (below != 0xf) return lowerPart(g, below, v, v1, v2);
        _mm_storeu_ps(g, line);
        v = v3 + step;
    }
#endif
    for (; slot >= bottom; --slot) {
        if (!(v < gains[slot])) return false;
        gains[slot] = v;
        v = v + step;
    }
    return true;
}

// Lowers the older gains still in the line to a straight line from 1.0 at the
// read position down to the new gain at slot n; never raises one, and stops at
// the first slot already at or below the line. The walk goes from n - 1 back
// to 0 and on from L - 1 down to n + 1: L - 1 slots at most. previous is the
// gain at slot n - 1, which the previous sample wrote.
inline void rampLookAhead(float* gains, int n, int length, float previous, float newest) {
    if (!(previous > newest)) return;
    float step = (1.0f - newest) / static_cast<float>(length - 1);
    float v = newest + step;
    if (lowerSlots(gains, n - 1, 0, v, step)) lowerSlots(gains, length - 1, n + 1, v, step);
}

} // namespace
