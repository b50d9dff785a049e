// The output stage: output gain, 16-bit dither and the Auto Normalize clamp,
// with the energy sums of both paths. It runs over a stretch of delayed,
// gain-reduced samples after the gain computer has produced them, in place.
//
// Four samples go at a time while the clamp stays idle: the output gain is
// then the same for all four, so each sample is computed exactly as alone.
// Where the clamp acts, the four go one by one. The energy sums are added in
// sample order either way, so every result is the one-by-one result.
#pragma once

#include "engine/dither_noise.h"

#include <cmath>
#include <cstdint>

#if defined(__SSE2__) || defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#define TARVEXOR_OUTPUT_SSE2 1
#endif

namespace outputStage {

constexpr float kDitherScale = 1.194e-7f;
constexpr float kDitherOffset = 2.2885e-5f;

struct State {
    float gain;
    float ceiling;
    float sumA = 0.0f, sumB = 0.0f;
    std::uint32_t noise;
    bool gainLowered = false;
};

// A generator value as a noise step: its low nine bits times the scale.
inline float noiseStep(int value) {
    return static_cast<float>(value & 511) * kDitherScale;
}

// One sample oA with path A's and path B's noise steps; returns path A's
// output. Both lines hold the same samples, so path B's delayed sample is
// path A's; without dither its output and energy are path A's too.
template <bool Dither, bool Clamp> inline float one(State& st, float oA, float nA, float nB) {
    float dA, dB = 0.0f;
    if (Dither) {
        dA = nA + oA * st.gain - kDitherOffset;
        dB = nB + oA * st.gain - kDitherOffset;
    } else {
        dA = oA * st.gain;
    }
    if (Clamp) {
        float peak = std::fabs(oA) * st.gain;
        if (peak > st.ceiling) {
            float f = st.ceiling / peak;
            st.gain = st.gain * f;
            dA = dA * f;
            dB = dB * f;
            st.gainLowered = true;
        }
    }
    st.sumA = st.sumA + dA * dA;
    if (Dither) st.sumB = st.sumB + dB * dB;
    return dA;
}

template <bool Dither, bool Clamp> inline void oneByOne(State& st, float* io, int count) {
    for (int k = 0; k < count; ++k) {
        int a = 0, b = 0;
        if (Dither) ditherNoise::drawTwo(st.noise, a, b);
        io[k] = one<Dither, Clamp>(st, io[k], noiseStep(a), noiseStep(b));
    }
}

#ifdef TARVEXOR_OUTPUT_SSE2
// Low 32 bits of each lane's product with a constant.
inline __m128i multiplyLow(__m128i a, __m128i factor) {
    __m128i even = _mm_mul_epu32(a, factor);
    __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), factor);
    even = _mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0));
    odd = _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0));
    return _mm_unpacklo_epi32(even, odd);
}

// s -> s * m + c in each lane.
inline __m128i affine(__m128i s, std::uint32_t m, std::uint32_t c) {
    return _mm_add_epi32(multiplyLow(s, _mm_set1_epi32(static_cast<int>(m))),
                         _mm_set1_epi32(static_cast<int>(c)));
}

inline __m128 noiseSteps(__m128i states) {
    __m128i k = _mm_and_si128(_mm_srli_epi32(states, 16), _mm_set1_epi32(511));
    return _mm_mul_ps(_mm_cvtepi32_ps(k), _mm_set1_ps(kDitherScale));
}

// The generator n steps on: s -> s * m + c.
struct Jump {
    std::uint32_t m = 1, c = 0;
    constexpr Jump after(int n) const {
        Jump j = *this;
        for (int i = 0; i < n; ++i)
            j = {j.m * ditherNoise::kMultiplier,
                 j.c * ditherNoise::kMultiplier + ditherNoise::kIncrement};
        return j;
    }
    constexpr std::uint32_t of(std::uint32_t s) const { return s * m + c; }
};

// Path A's generator states of four samples: steps 1, 3, 5 and 7 from s.
inline __m128i firstStates(std::uint32_t s) {
    constexpr Jump one = Jump{}.after(1), three = Jump{}.after(3), five = Jump{}.after(5),
                   seven = Jump{}.after(7);
    return _mm_set_epi32(static_cast<int>(seven.of(s)), static_cast<int>(five.of(s)),
                         static_cast<int>(three.of(s)), static_cast<int>(one.of(s)));
}

inline void addInOrder(float& sum, __m128 squares) {
    alignas(16) float q[4];
    _mm_store_ps(q, squares);
    sum = sum + q[0];
    sum = sum + q[1];
    sum = sum + q[2];
    sum = sum + q[3];
}

template <bool Dither, bool Clamp> void run(State& st, float* io, int count) {
    constexpr Jump next = Jump{}.after(1), eight = Jump{}.after(8);
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 offset = _mm_set1_ps(kDitherOffset), ceiling = _mm_set1_ps(st.ceiling);
    __m128 gain = _mm_set1_ps(st.gain);
    __m128i statesA = firstStates(st.noise);
    int k = 0;
    for (; k + 4 <= count; k += 4) {
        __m128 oA = _mm_loadu_ps(io + k), nA = _mm_setzero_ps(), nB = nA;
        if (Dither) {
            nA = noiseSteps(statesA);
            nB = noiseSteps(affine(statesA, next.m, next.c));
            statesA = affine(statesA, eight.m, eight.c);
        }
        if (Clamp) {
            __m128 peak = _mm_mul_ps(_mm_and_ps(oA, magnitude), gain);
            if (_mm_movemask_ps(_mm_cmpgt_ps(peak, ceiling)) != 0) {
                alignas(16) float a[4], b[4];
                _mm_store_ps(a, nA);
                _mm_store_ps(b, nB);
                for (int i = 0; i < 4; ++i)
                    io[k + i] = one<Dither, Clamp>(st, io[k + i], a[i], b[i]);
                gain = _mm_set1_ps(st.gain);
                if (Dither) st.noise = eight.of(st.noise);
                continue;
            }
        }
        __m128 g = _mm_mul_ps(oA, gain);
        __m128 dA = Dither ? _mm_sub_ps(_mm_add_ps(nA, g), offset) : g;
        _mm_storeu_ps(io + k, dA);
        addInOrder(st.sumA, _mm_mul_ps(dA, dA));
        if (Dither) {
            __m128 dB = _mm_sub_ps(_mm_add_ps(nB, g), offset);
            addInOrder(st.sumB, _mm_mul_ps(dB, dB));
            st.noise = eight.of(st.noise);
        }
    }
    oneByOne<Dither, Clamp>(st, io + k, count - k);
}
#else
template <bool Dither, bool Clamp> void run(State& st, float* io, int count) {
    oneByOne<Dither, Clamp>(st, io, count);
}
#endif

} // namespace outputStage
