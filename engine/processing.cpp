// The signal path: peak detector, compressor, limiter, look-ahead gain line,
// output gain, dither and the Auto Normalize clamp, with the metering feed.
//
// One block is framed in three places: BlockState's constructor takes the
// block-start copies, runBlock does the per-sample steps, storeBlock writes
// the state back.
#include "engine/compressor_effect.h"

#include "engine/dither_noise.h"
#include "engine/gain_ramp.h"
#include "engine/line_pass.h"
#include "engine/numeric.h"
#include "engine/output_stage.h"
#include "engine/release_law.h"
#include "engine/stretch_input.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iterator>
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

// (h + L - 1) mod L without a division; only a read position left at or
// beyond a shortened line takes the division.
inline int newestSlot(int h, int length) {
    if (h == 0) return length - 1;
    if (h <= length) return h - 1;
    return (h + length - 1) % length;
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
    float autoBase, autoOffset;
    float ratio, kneeCoefficient;
    float limRelease;
    float restLimit; // at or below it neither compressor nor limiter triggers
    bool softKnee, dither, normalize;
    bool clamp;
    Extremes extremes;
    outputStage::State output;

    explicit BlockState(CompressorEffect& fx);
};

CompressorEffect::BlockState::BlockState(CompressorEffect& fx)
    : length(lookAheadLength(fx.lookAhead)), threshold(fx.compThresholdLin), readPos(fx.writePos),
      releaseLength(fx.releaseSamples), compGain(fx.compGain), compRate(fx.compRate),
      compStep(fx.compStep), limThreshold(fx.limThresholdLin), limGain(fx.limGain),
      limRate(fx.limRate), limStep(fx.limStep), softKnee(fx.soft != 0), dither(fx.dither != 0),
      normalize(fx.normalize != 0), clamp(normalize || fx.outputRecalc != 0),
      extremes(fx.extremes) {
    output.gain = fx.outputGain;
    output.ceiling = normalizeCeilingFactor(fx.settings.normalizeCeiling);
    output.noise = ditherNoise::sharedState;
    shortestRelease = numeric::toInt32(fx.getSampleRate() / 1000.0f * kShortestRelease);
    autoBase = fx.getSampleRate() / 5;
    autoOffset = autoBase * 0.95f;
    // A ratio below 1:1 compresses like 1:1, and a 1:1 soft knee stays linear.
    ratio = static_cast<float>(fx.ratio) / 2;
    if (ratio < 1.0f) ratio = 1.0f;
    kneeCoefficient = ratio > 1.0f ? (ratio - 1) / (1 - threshold) : 0.0f;
    limRelease = fx.getSampleRate() / kLimiterReleaseDivisor;
    restLimit = std::fmin(threshold, limThreshold);
    if (std::isnan(threshold) || std::isnan(limThreshold)) restLimit = -INFINITY;
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

// Where the line is read and written, and the gain the last sample wrote.
struct CompressorEffect::LineWalk {
    int h, n;
    float lastGain;
};

// One sample x: writes slot n, reads slot h; returns the delayed sample with
// its gain.
template <bool Ramp> inline float CompressorEffect::runSample(BlockState& b, LineWalk& w, float x) {
    float a = std::fabs(x);
    detectCompression(b, a);
    float y = releaseCompression(b, a);
    limit(b, y);
    float gn = b.limGain * b.compGain;
    gainDelay[w.n] = gn;
    delayA[w.n] = x;
    if (Ramp) gainRamp::lower(gainDelay, w.n, b.length, w.lastGain, gn);
    w.lastGain = gn;
    return delayA[w.h] * gainDelay[w.h];
}

// While both gains rest at unity and the input stays at or below both
// thresholds, nothing triggers, nothing is released and the gain written is
// 1: the samples only pass through the line. Returns the first sample from k
// on that needs the gain computer.
inline int CompressorEffect::passAtRest(BlockState& b, LineWalk& w, const float* x, float* out,
                                        int k, int stop) {
    if (!(b.compGain >= 1.0f && b.limGain >= 1.0f && !(w.lastGain > 1.0f))) return k;
    const int start = k;
    int n = w.n, h = w.h;
    k = linePass::run(gainDelay, delayA, x, out, k, stop, n, h, b.restLimit);
    if (k == start) return k;
    b.compGain = 1.0f;
    b.limGain = 1.0f;
    w = {h, n, 1.0f};
    return k;
}

// Samples k to end - 1 of a stretch. The read position wraps at the line's
// end; a read position beyond a shortened line wraps after its one read. The
// loop works on local copies of the state, which the compiler keeps in
// registers: the stores to the lines and the output cannot touch them.
template <bool Ramp>
void CompressorEffect::runStretch(BlockState& block, LineWalk& walk, const stretch::Stretch& s,
                                  float* out, int k, int end) {
    BlockState b = block;
    LineWalk w = walk;
    const int length = b.length;
    while (k < end) {
        if (w.h >= length) {
            out[k] = runSample<Ramp>(b, w, s.x[k]);
            w.h = (w.h + 1) % length;
            w.n = newestSlot(w.h, length);
            ++k;
            continue;
        }
        const int stop = std::min(end, k + (length - w.h));
        while (k < stop) {
            k = passAtRest(b, w, s.x, out, k, stop);
            if (k == stop) break;
            out[k] = runSample<Ramp>(b, w, s.x[k]);
            w.n = w.h;
            ++w.h;
            ++k;
        }
        if (w.h == length) w.h = 0;
    }
    block = b;
    walk = w;
}

// The block goes in stretches: the input is taken, the gain computer and the
// line produce the delayed samples with their gains, and the output stage
// finishes them. The samples of the block's highest and lowest input split a
// stretch, so that the gains of those samples are taken as they are computed.
template <bool Ramp>
void CompressorEffect::runLoop(BlockState& block, const float* in, float* out, int frames) {
    BlockState b = block;
    LineWalk w{b.readPos, newestSlot(b.readPos, b.length), 0.0f};
    // After the first sample the newest slot is the previous read position.
    w.lastGain = gainDelay[newestSlot(w.n, b.length)];
    Peak high{-INFINITY, 0.0f, 0.0f}, low{INFINITY, 0.0f, 0.0f};
    stretch::Stretch s;
    for (int start = 0; start < frames; start += stretch::kSamples) {
        const int count = std::min(frames - start, stretch::kSamples);
        stretch::takeInput(s, in + start, count);
        const int highAt = s.highest > high.x ? stretch::firstAt(s, count, s.highest) : -1;
        const int lowAt = s.lowest < low.x ? stretch::firstAt(s, count, s.lowest) : -1;
        const int first = std::min(highAt < 0 ? count : highAt, lowAt < 0 ? count : lowAt);
        const int second = std::max(highAt, lowAt);
        int k = 0;
        for (int mark : {first, second}) {
            if (mark < k || mark >= count) continue;
            runStretch<Ramp>(b, w, s, out + start, k, mark + 1);
            k = mark + 1;
            if (mark == highAt) high = {s.x[mark], w.lastGain, b.compGain};
            if (mark == lowAt) low = {s.x[mark], w.lastGain, b.compGain};
        }
        runStretch<Ramp>(b, w, s, out + start, k, count);
        finishOutput(b, out + start, count);
    }
    b.readPos = w.h;
    if (!b.dither) std::copy(std::begin(b.output.sumA), std::end(b.output.sumA), b.output.sumB);
    Extremes& e = b.extremes;
    mergeHigh(high, e.inMaxA, e.totalGainAtMaxA, e.compGainAtMaxA);
    mergeLow(low, e.inMinA, e.totalGainAtMinA, e.compGainAtMinA);
    mergeHigh(high, e.inMaxB, e.totalGainAtMaxB, e.compGainAtMaxB);
    mergeLow(low, e.inMinB, e.totalGainAtMinB, e.compGainAtMinB);
    block = b;
}

void CompressorEffect::finishOutput(BlockState& b, float* io, int count) {
    if (b.dither)
        b.clamp ? outputStage::run<true, true>(b.output, io, count)
                : outputStage::run<true, false>(b.output, io, count);
    else
        b.clamp ? outputStage::run<false, true>(b.output, io, count)
                : outputStage::run<false, false>(b.output, io, count);
}

void CompressorEffect::runBlock(BlockState& b, const float* in, float* out, int frames) {
    if (b.length > 1)
        runLoop<true>(b, in, out, frames);
    else
        runLoop<false>(b, in, out, frames);
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
    else if (b.output.gainLowered)
        outputGain = b.output.gain;
    if (!std::isfinite(outputGain)) outputGain = kRestingGain;
    if (b.dither) ditherNoise::sharedState = b.output.noise;
    sumSquaresA = sumSquaresA + outputStage::laneTotal(b.output.sumA);
    sumSquaresB = sumSquaresB + outputStage::laneTotal(b.output.sumB);
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
