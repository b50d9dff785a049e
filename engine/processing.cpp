// The signal path: peak detector, compressor, limiter, look-ahead gain line,
// output gain, dither and the Auto Normalize clamp, with the metering feed.
//
// One block is framed in three places: BlockState's constructor takes the
// block-start copies, runBlock does the per-sample steps, storeBlock writes
// the state back.
#include "engine/compressor_effect.h"

#include "engine/dither_noise.h"
#include "engine/numeric.h"
#include "engine/release_law.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#if defined(__SSE__) || defined(__x86_64__) || defined(_M_X64)
#include <xmmintrin.h>
#define TARVEXOR_HAS_MXCSR 1
#endif

namespace {

// Denormal samples would make the arithmetic crawl: flush them to zero for
// the duration of a block and restore the host's mode afterwards.
class DenormalGuard {
  public:
#ifdef TARVEXOR_HAS_MXCSR
    DenormalGuard() : saved(_mm_getcsr()) {
        _mm_setcsr(saved | 0x8040u);
    }
    ~DenormalGuard() {
        _mm_setcsr(saved);
    }

  private:
    unsigned saved;
#endif
};

constexpr float kLookAheadDivisor = 2.266f;
constexpr float kLimiterReleaseDivisor = 152.85052f;
constexpr float kStepFloor = 1e-6f;
constexpr float kRateAfterFloor = 1e-4f;
constexpr float kDitherScale = 1.194e-7f;
constexpr float kDitherOffset = 2.2885e-5f;
// The 512 noise steps k * kDitherScale, computed once in single precision.
struct NoiseSteps {
    float step[512];
};
constexpr NoiseSteps makeNoiseSteps() {
    NoiseSteps t{};
    for (int k = 0; k < 512; ++k)
        t.step[k] = static_cast<float>(k) * kDitherScale;
    return t;
}
constexpr NoiseSteps kNoiseSteps = makeNoiseSteps();
constexpr float kShortestRelease = 10.0f; // ms, the Release control's minimum
constexpr float kRestingGain = 1.0f, kRestingRate = 0.1f, kRestingStep = 0.0f;

// A gain, rate or step that is not finite and non-negative restarts from its
// resting value, so that no block can leave the state poisoned.
inline float restartIfBroken(float v, float resting) {
    return v >= 0.0f && v <= FLT_MAX ? v : resting;
}

// Adds a block's samples to the energy count, which stops at its limit.
inline std::int32_t addCount(std::int32_t count, int frames) {
    std::int64_t total = static_cast<std::int64_t>(count) + frames;
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::min(total, limit));
}

// Samples in the look-ahead line: at least one, at most what the lines hold.
int lookAheadLength(float lookAhead) {
    float q = lookAhead / kLookAheadDivisor;
    if (!(q >= 1.0f)) return 1;
    if (q >= static_cast<float>(CompressorEffect::kLineCapacity))
        return CompressorEffect::kLineCapacity;
    return static_cast<int>(q);
}

// The block's own highest and lowest input with the gains computed for them;
// merged into both pairs of extremes at the block end.
struct Peak {
    float x, total, comp;
};

inline void mergeHigh(const Peak& p, float& x, float& total, float& comp) {
    if (p.x > x) x = p.x, total = p.total, comp = p.comp;
}

inline void mergeLow(const Peak& p, float& x, float& total, float& comp) {
    if (p.x < x) x = p.x, total = p.total, comp = p.comp;
}

// (h + L - 1) mod L and (h + 1) mod L without a division; only a read
// position left at or beyond a shortened line takes the division.
inline int newestSlot(int h, int length) {
    if (h == 0) return length - 1;
    if (h <= length) return h - 1;
    return (h + length - 1) % length;
}

inline int nextSlot(int h, int length) {
    int next = h + 1;
    if (next < length) return next;
    if (next == length) return 0;
    return next % length;
}

// Moves the read position on; the newest slot of the next sample is the
// current read position unless that lay beyond a shortened line.
inline void advance(int& n, int& h, int length) {
    int next = h + 1;
    if (next <= length) {
        n = h;
        h = next < length ? next : 0;
        return;
    }
    h = next % length;
    n = newestSlot(h, length);
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
    for (int slot = n - 1; slot >= 0; --slot) {
        if (!(v < gains[slot])) return;
        gains[slot] = v;
        v = v + step;
    }
    for (int slot = length - 1; slot > n; --slot) {
        if (!(v < gains[slot])) return;
        gains[slot] = v;
        v = v + step;
    }
}

} // namespace

// Everything a block works on, copied from the effect at its start.
struct CompressorEffect::BlockState {
    int length;
    float threshold;
    int readPos;
    std::int32_t releaseLength, shortestRelease;
    float compGain, compRate, compStep;
    float limThreshold, limGain, limRate, limStep;
    float gain;
    float ceiling;
    float autoBase, autoOffset;
    float ratio, kneeCoefficient;
    float limRelease;
    bool softKnee, dither, normalize;
    bool gainLowered = false;
    Extremes extremes;
    float sumA = 0.0f, sumB = 0.0f;
    std::uint32_t noise;

    explicit BlockState(CompressorEffect& fx);
};

CompressorEffect::BlockState::BlockState(CompressorEffect& fx)
    : length(lookAheadLength(fx.lookAhead)), threshold(fx.compThresholdLin), readPos(fx.writePos),
      releaseLength(fx.releaseSamples), compGain(fx.compGain), compRate(fx.compRate),
      compStep(fx.compStep), limThreshold(fx.limThresholdLin), limGain(fx.limGain),
      limRate(fx.limRate), limStep(fx.limStep), gain(fx.outputGain),
      ceiling(normalizeCeilingFactor(fx.settings.normalizeCeiling)), softKnee(fx.soft != 0),
      dither(fx.dither != 0), normalize(fx.normalize != 0), extremes(fx.extremes),
      noise(ditherNoise::sharedState) {
    shortestRelease = numeric::toInt32(fx.getSampleRate() / 1000.0f * kShortestRelease);
    autoBase = fx.getSampleRate() / 5;
    autoOffset = autoBase * 0.95f;
    // A ratio below 1:1 compresses like 1:1, and a 1:1 soft knee stays linear.
    ratio = static_cast<float>(fx.ratio) / 2;
    if (ratio < 1.0f) ratio = 1.0f;
    kneeCoefficient = ratio > 1.0f ? (ratio - 1) / (1 - threshold) : 0.0f;
    limRelease = fx.getSampleRate() / kLimiterReleaseDivisor;
}

// Compressor detection on the peak level a: instant attack to a deeper target,
// with a release rate set for the level and the release length.
inline void CompressorEffect::detectCompression(BlockState& b, float a) {
    if (!(a > b.threshold)) return;
    float d = a - b.threshold;
    float w = b.softKnee ? d / (b.kneeCoefficient * d + 1) : d / b.ratio;
    float target = (b.threshold + w) / a;
    if (!(target < b.compGain)) return;
    b.compGain = target;
    if (autoRel == 1.0f) b.releaseLength = numeric::toInt32(b.autoBase / target - b.autoOffset);
    b.compRate =
        releaseLaw::compressorRate(a, target, std::max(b.releaseLength, b.shortestRelease));
}

// The compressor's increment is taken from the current gain and applied in the
// same sample. Returns the compressed level.
inline float CompressorEffect::releaseCompression(BlockState& b, float a) {
    if (b.compGain >= 1.0f) {
        b.compGain = 1.0f;
        return a;
    }
    b.compStep = b.compRate - releaseLaw::kDecay * b.compGain;
    b.compGain = b.compGain + b.compStep;
    return a * b.compGain;
}

// The limiter applies the increment of the previous sample and zeroes it on a
// trigger, so a triggering sample meets its threshold exactly.
inline void CompressorEffect::limit(BlockState& b, float y) {
    if (y > b.limThreshold) {
        float target = b.limThreshold / y;
        if (b.limGain + b.limStep > target) {
            b.limGain = target;
            b.limStep = 0.0f;
            b.limRate = releaseLaw::limiterRate(y, target, b.limRelease);
        }
    }
    if (b.limGain >= 1.0f) {
        b.limGain = 1.0f;
        return;
    }
    b.limGain = b.limGain + b.limStep;
    b.limStep = b.limRate - releaseLaw::kDecay * b.limGain;
}

// Output gain, dither and the Auto Normalize clamp; returns path A's sample.
// Both lines hold the same samples, so path B's delayed sample is path A's;
// without dither its output and energy are path A's too.
template <bool Dither, bool Normalize>
inline float CompressorEffect::outputStage(BlockState& b, float oA) {
    float dA, dB = 0.0f;
    if (Dither) {
        int k1, k2; // path A draws first
        ditherNoise::drawTwo(b.noise, k1, k2);
        dA = kNoiseSteps.step[k1 % 512] + oA * b.gain - kDitherOffset;
        dB = kNoiseSteps.step[k2 % 512] + oA * b.gain - kDitherOffset;
    } else {
        dA = oA * b.gain;
    }
    if (Normalize || outputRecalc != 0) {
        float peak = std::fabs(oA) * b.gain;
        if (peak > b.ceiling) {
            float f = b.ceiling / peak;
            b.gain = b.gain * f;
            dA = dA * f;
            dB = dB * f;
            b.gainLowered = true;
        }
    }
    b.sumA = b.sumA + dA * dA;
    if (Dither) b.sumB = b.sumB + dB * dB;
    return dA;
}

template <bool Dither, bool Normalize, bool Ramp>
void CompressorEffect::runLoop(BlockState& block, const float* in, float* out, int frames) {
    BlockState b = block;
    float* const gains = gainDelay;
    float* const line = delayA;
    const int length = b.length;
    int h = b.readPos;
    // After the first sample the newest slot is the previous read position.
    int n = newestSlot(h, length);
    float lastGain = gains[newestSlot(n, length)];
    Peak high{-INFINITY, 0.0f, 0.0f}, low{INFINITY, 0.0f, 0.0f};
    for (int i = 0; i < frames; ++i) {
        float x = in[i];
        float a = std::fabs(x);
        if (!(a <= FLT_MAX)) x = 0.0f, a = 0.0f; // NaN and infinities count as silence
        detectCompression(b, a);
        float y = releaseCompression(b, a);
        limit(b, y);
        float gn = b.limGain * b.compGain;
        gains[n] = gn;
        line[n] = x;
        if (Ramp) rampLookAhead(gains, n, length, lastGain, gn);
        lastGain = gn;
        float oA = line[h] * gains[h];
        if (x > high.x) high = {x, gn, b.compGain};
        if (x < low.x) low = {x, gn, b.compGain};
        out[i] = outputStage<Dither, Normalize>(b, oA);
        advance(n, h, length);
    }
    b.readPos = h;
    if (!Dither) b.sumB = b.sumA;
    Extremes& e = b.extremes;
    mergeHigh(high, e.inMaxA, e.totalGainAtMaxA, e.compGainAtMaxA);
    mergeLow(low, e.inMinA, e.totalGainAtMinA, e.compGainAtMinA);
    mergeHigh(high, e.inMaxB, e.totalGainAtMaxB, e.compGainAtMaxB);
    mergeLow(low, e.inMinB, e.totalGainAtMinB, e.compGainAtMinB);
    block = b;
}

// Each loop works on a local copy of the block state: the compiler can keep it
// in registers, because the stores to the lines and to the output cannot
// touch a local whose address stays in the loop. The switches are taken out of
// the loop.
void CompressorEffect::runBlock(BlockState& b, const float* in, float* out, int frames) {
    const bool ramp = b.length > 1;
    if (b.dither && b.normalize)
        ramp ? runLoop<true, true, true>(b, in, out, frames)
             : runLoop<true, true, false>(b, in, out, frames);
    else if (b.dither)
        ramp ? runLoop<true, false, true>(b, in, out, frames)
             : runLoop<true, false, false>(b, in, out, frames);
    else if (b.normalize)
        ramp ? runLoop<false, true, true>(b, in, out, frames)
             : runLoop<false, true, false>(b, in, out, frames);
    else
        ramp ? runLoop<false, false, true>(b, in, out, frames)
             : runLoop<false, false, false>(b, in, out, frames);
}

void CompressorEffect::storeBlock(BlockState& b, int frames) {
    if (b.compStep < kStepFloor) b.compRate = kRateAfterFloor;
    if (b.limStep < kStepFloor) b.limRate = kRateAfterFloor;
    compStep = restartIfBroken(b.compStep, kRestingStep);
    extremes = b.extremes;
    compRate = restartIfBroken(b.compRate, kRestingRate);
    compGain = restartIfBroken(b.compGain, kRestingGain);
    limStep = restartIfBroken(b.limStep, kRestingStep);
    limRate = restartIfBroken(b.limRate, kRestingRate);
    limGain = restartIfBroken(b.limGain, kRestingGain);
    if (outputRecalc != 0)
        outputRecalc = 0;
    else if (b.gainLowered)
        outputGain = b.gain;
    if (!std::isfinite(outputGain)) outputGain = kRestingGain;
    if (b.dither) ditherNoise::sharedState = b.noise;
    sumSquaresA = sumSquaresA + b.sumA;
    sumSquaresB = sumSquaresB + b.sumB;
    if (frames > 0) sumCount = addCount(sumCount, frames);
    writePos = b.readPos;
    if (autoRel == 1.0f) releaseSamples = b.releaseLength;
}

void CompressorEffect::processReplacing(float** inputs, float** outputs, vst::Int32 sampleFrames) {
    const bool haveBuffers = inputs && outputs && inputs[0] && outputs[0];
    if (sampleFrames > 0 && !haveBuffers) return;
    if (bypass != 0) {
        for (vst::Int32 i = 0; i < sampleFrames; ++i)
            outputs[0][i] = inputs[0][i];
        return;
    }
    DenormalGuard guard;
    BlockState block(*this);
    growLine(block.length);
    if (sampleFrames > 0) runBlock(block, inputs[0], outputs[0], sampleFrames);
    storeBlock(block, sampleFrames);
}

// Slots that come into use when the line grows still hold what they held when
// the line was last that long: they start again from silence and unity gain.
// So does the short line's last slot when the read position is at the start:
// it has been played already and would be read again before it is written.
void CompressorEffect::growLine(int length) {
    if (length > lineLength) {
        for (int i = writePos == 0 ? lineLength - 1 : lineLength; i < length; ++i) {
            delayA[i] = 0.0f;
            delayB[i] = 0.0f;
            gainDelay[i] = 1.0f;
        }
    }
    lineLength = length;
}

// The accumulating entry is not offered: it writes silence and changes nothing.
void CompressorEffect::process(float** inputs, float** outputs, vst::Int32 sampleFrames) {
    (void)inputs;
    if (!outputs || !outputs[0]) return;
    for (vst::Int32 i = 0; i < sampleFrames; ++i)
        outputs[0][i] = 0.0f;
}
