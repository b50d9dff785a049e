// The output stage: output gain, 16-bit dither and the Auto Normalize clamp,
// with the energy sums of both paths. It runs over a stretch of delayed,
// gain-reduced samples after the gain computer has produced them, in place.
//
// Each energy sum is kept in four lanes: sample k of a block adds to lane
// k mod 4, in sample order within the lane, and the block's sum is
// (lane 0 + lane 1) + (lane 2 + lane 3). That order is fixed, so the
// one-by-one and the vector paths give the same bits; the four lanes let the
// additions of four samples overlap instead of waiting for each other.
//
// Eight samples go at a time while the clamp stays idle: the output gain is
// then the same for all eight, so each sample is computed exactly as alone.
// Where the clamp acts, the eight go one by one.
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

constexpr int kLanes = 4;

struct State {
    float gain;
    float ceiling;
    float sumA[kLanes] = {}, sumB[kLanes] = {};
    std::uint32_t noise;
    bool gainLowered = false;
};

// A block's energy sum from its lanes.
inline float laneTotal(const float (&sum)[kLanes]) {
    return (sum[0] + sum[1]) + (sum[2] + sum[3]);
}

// A generator value as a noise step: its low nine bits times the scale.
inline float noiseStep(int value) {
    return static_cast<float>(value & 511) * kDitherScale;
}

// One sample oA with path A's and path B's noise steps; returns path A's
// output. Both lines hold the same samples, so path B's delayed sample is
// path A's; without dither its output and energy are path A's too.
template <bool Dither, bool Clamp>
inline float one(State& st, int lane, float oA, float nA, float nB) {
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
    st.sumA[lane] = st.sumA[lane] + dA * dA;
    if (Dither) st.sumB[lane] = st.sumB[lane] + dB * dB;
    return dA;
}

// Samples first to count - 1 of a stretch that starts at lane 0.
template <bool Dither, bool Clamp>
inline void oneByOne(State& st, float* io, int count, int first = 0) {
    for (int k = first; k < count; ++k) {
        int a = 0, b = 0;
        if (Dither) ditherNoise::drawTwo(st.noise, a, b);
        io[k] = one<Dither, Clamp>(st, k % kLanes, io[k], noiseStep(a), noiseStep(b));
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

// Dither noise for eight samples: path A's and path B's steps of samples
// 0 to 3 and 4 to 7, from the generator states of path A's draws.
struct Noise8 {
    __m128 a0, b0, a1, b1;
};

inline Noise8 noiseOf(__m128i statesA0, __m128i statesA1) {
    constexpr Jump next = Jump{}.after(1);
    return {noiseSteps(statesA0), noiseSteps(affine(statesA0, next.m, next.c)),
            noiseSteps(statesA1), noiseSteps(affine(statesA1, next.m, next.c))};
}

// Output samples of four with their noise, added to the lanes' sums.
template <bool Dither>
inline __m128 four(__m128 o, __m128 gain, __m128 nA, __m128 nB, __m128& sumA, __m128& sumB) {
    const __m128 offset = _mm_set1_ps(kDitherOffset);
    __m128 g = _mm_mul_ps(o, gain);
    __m128 dA = Dither ? _mm_sub_ps(_mm_add_ps(nA, g), offset) : g;
    sumA = _mm_add_ps(sumA, _mm_mul_ps(dA, dA));
    if (Dither) {
        __m128 dB = _mm_sub_ps(_mm_add_ps(nB, g), offset);
        sumB = _mm_add_ps(sumB, _mm_mul_ps(dB, dB));
    }
    return dA;
}

// Whether the clamp acts on one of eight samples at gain.
inline bool clampActs(const float* io, __m128 gain, __m128 ceiling) {
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    __m128 peak0 = _mm_mul_ps(_mm_and_ps(_mm_loadu_ps(io), magnitude), gain);
    __m128 peak1 = _mm_mul_ps(_mm_and_ps(_mm_loadu_ps(io + 4), magnitude), gain);
    __m128 over = _mm_or_ps(_mm_cmpgt_ps(peak0, ceiling), _mm_cmpgt_ps(peak1, ceiling));
    return _mm_movemask_ps(over) != 0;
}

template <bool Dither, bool Clamp> void run(State& st, float* io, int count) {
    constexpr Jump eight = Jump{}.after(8), sixteen = Jump{}.after(16);
    const __m128 ceiling = _mm_set1_ps(st.ceiling);
    __m128 gain = _mm_set1_ps(st.gain);
    __m128 sumA = _mm_loadu_ps(st.sumA), sumB = _mm_loadu_ps(st.sumB);
    __m128i statesA0 = firstStates(st.noise), statesA1 = firstStates(eight.of(st.noise));
    int k = 0;
    for (; k + 8 <= count; k += 8) {
        if (Clamp && clampActs(io + k, gain, ceiling)) {
            _mm_storeu_ps(st.sumA, sumA);
            _mm_storeu_ps(st.sumB, sumB);
            oneByOne<Dither, Clamp>(st, io, k + 8, k);
            sumA = _mm_loadu_ps(st.sumA);
            sumB = _mm_loadu_ps(st.sumB);
            gain = _mm_set1_ps(st.gain);
            statesA0 = firstStates(st.noise);
            statesA1 = firstStates(eight.of(st.noise));
            continue;
        }
        Noise8 n{};
        if (Dither) {
            n = noiseOf(statesA0, statesA1);
            statesA0 = affine(statesA0, sixteen.m, sixteen.c);
            statesA1 = affine(statesA1, sixteen.m, sixteen.c);
            st.noise = sixteen.of(st.noise);
        }
        _mm_storeu_ps(io + k, four<Dither>(_mm_loadu_ps(io + k), gain, n.a0, n.b0, sumA, sumB));
        _mm_storeu_ps(io + k + 4,
                      four<Dither>(_mm_loadu_ps(io + k + 4), gain, n.a1, n.b1, sumA, sumB));
    }
    _mm_storeu_ps(st.sumA, sumA);
    _mm_storeu_ps(st.sumB, sumB);
    oneByOne<Dither, Clamp>(st, io, count, k);
}
#else
template <bool Dither, bool Clamp> void run(State& st, float* io, int count) {
    oneByOne<Dither, Clamp>(st, io, count);
}
#endif

} // namespace outputStage
