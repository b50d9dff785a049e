#include "tests/signal/reference_model.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iterator>
#include <limits>
#include <xmmintrin.h>

namespace model {
namespace {

// Single-precision constants keep their float values; the one double is marked.
constexpr float kLookAheadDivisor = 2.266f;
constexpr float kLevelScale = 32.768f;
constexpr double kReleaseNormalizer = 0.6542338728904724;
constexpr float kRecoveryOffset = 4.25e-5f;
constexpr float kRecoveryDecay = 8.5e-5f;
constexpr float kAutoReleaseOffset = 0.95f;
constexpr float kStepFloor = 1e-6f;
constexpr float kRateAfterFloor = 1e-4f;
constexpr float kLimiterDivisor = 152.85052f;
constexpr float kDitherScale = 1.194e-7f;
constexpr float kDitherOffset = 2.2885e-5f;
constexpr float kNormalizeStartGain = 15.849309921264648f;
// Bounds on raw values that keep thresholds and the output gain finite.
constexpr float kLowestThresholdSteps = -1440.0f;
constexpr std::int32_t kLowestOutput = -696000;

// The dither generator, one for the process: state * 214013 + 2531011, the
// value is bits 16 to 30 of the state.
std::uint32_t randomState = 1;

int nextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7fff);
}

// Anything but a finite non-negative value goes back to the construction value.
float sane(float v, float constructionValue) {
    return std::isfinite(v) && v >= 0.0f ? v : constructionValue;
}

const Program kPresets[kProgramCount] = {
    {1, 0, 0, 0, 20, 24000, 250, 6, 2, 1.0f, 1.0f, 1, 999.0f, "Init"},
    {1, 1, 1, 0, 24, 16000, 250, 6, 2, 1.0f, 1.0f, 14, 999.0f, "Mastering 1"},
    {1, 1, 1, 0, 28, 24000, 250, 4, 2, 1.0f, 1.0f, 12, 999.0f, "Mastering 2"},
    {1, 1, 1, 0, 28, 14020, 250, 8, 5, 1.0f, 1.0f, 20, 999.0f, "Mastering 3"},
    {1, 1, 1, 0, 41, 7520, 250, 12, 9, 1.0f, 1.0f, 33, 999.0f, "Mastering 4"},
    {1, 1, 0, 0, 60, 16000, 10, 60, 4, 1.0f, 0.0f, 48, 3.0f, "Violator"},
    {1, 0, 0, 0, 20, 24000, 600, 20, 2, 1.0f, 0.0f, 1, 3.0f, "User 1"},
    {1, 0, 0, 0, 20, 24000, 600, 20, 2, 1.0f, 0.0f, 1, 3.0f, "User 2"},
    {1, 0, 0, 0, 20, 24000, 600, 20, 2, 1.0f, 0.0f, 1, 3.0f, "User 3"},
};

// Truncation toward zero that saturates at the integer type's limits.
template <class Int> Int truncate(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::numeric_limits<Int>::max();
    }
    if (v <= static_cast<double>(std::numeric_limits<Int>::min())) {
        return std::numeric_limits<Int>::min();
    }
    return static_cast<Int>(v);
}

bool isNormalized(float v) {
    return v > 0.0f && v < 1.0f;
}

float ceilingFactor(std::int32_t code) {
    switch (code) {
    case 1:
        return 0.9988f;
    case 2:
        return 0.9895f;
    case 3:
        return 0.9941f;
    default:
        return 0.99995f;
    }
}

float decibelStepsToLinear(std::int16_t steps) {
    return static_cast<float>(std::pow(10.0, static_cast<float>(steps) / -40.0));
}

float outputToGain(std::int32_t output) {
    return static_cast<float>(std::pow(10.0, (24000.0 - output) / 20000.0));
}

std::int32_t gainToOutput(float gain) {
    return truncate<std::int32_t>(24000.0 - 20000.0 * std::log10(static_cast<double>(gain)));
}

// Whole samples of look-ahead, 0 to the lines' capacity (a negative value counts as 0).
std::int32_t lookAheadSamples(float lookAhead) {
    float quotient = lookAhead / kLookAheadDivisor;
    if (quotient >= static_cast<float>(kLineCapacity)) return kLineCapacity;
    return std::max<std::int32_t>(truncate<std::int32_t>(quotient), 0);
}

int stepMaximum(int index) {
    switch (index) {
    case 4:
        return 72;
    case 5:
        return 24000;
    case 6:
        return 999;
    case 7:
        return 60;
    case 8:
        return 20;
    case 11:
        return 48;
    case 12:
        return 1000;
    default:
        return 0;
    }
}

// The release law's rate term, in double and stored as float.
double levelTerm(float level) {
    return std::log10(static_cast<double>(kLevelScale) * static_cast<double>(level) + 1.0);
}

float lawRate(float target, double denominator) {
    double t = static_cast<double>(target);
    return static_cast<float>((1.0 - t) / denominator +
                              (t + 1.0) * static_cast<double>(kRecoveryOffset));
}

float compressorLawRate(float level, float target, std::int32_t length) {
    float samples = static_cast<float>(std::max<std::int32_t>(length, 1));
    double denominator = levelTerm(level) * static_cast<double>(samples) * kReleaseNormalizer;
    return lawRate(target, denominator);
}

float limiterLawRate(float level, float target, float releaseTerm) {
    return lawRate(target, levelTerm(level) * static_cast<double>(releaseTerm));
}

// Denormals flushed for the length of a block.
class FlushDenormals {
  public:
    FlushDenormals() : saved(_mm_getcsr()) { _mm_setcsr(saved | 0x8040u); }
    ~FlushDenormals() { _mm_setcsr(saved); }
    FlushDenormals(const FlushDenormals&) = delete;
    FlushDenormals& operator=(const FlushDenormals&) = delete;

  private:
    unsigned saved;
};

} // namespace

struct Compressor::Block {
    int L;
    float T, TL, G, S;
    std::int32_t h, R, Rmin;
    float gc, rc, sc, gl, rl, sl;
    float A, B, Q, K, RL;
    bool soft, normalize, dither, bypass;
    bool lowered = false;
    // Sample i of the block adds its square to lane i mod 4.
    int lane = 0;
    float sumA[4] = {}, sumB[4] = {};
};

Compressor::Compressor() {
    randomState = 1;
    std::copy(std::begin(kPresets), std::end(kPresets), programs);
    std::fill(std::begin(state.delayA), std::end(state.delayA), 0.0f);
    std::fill(std::begin(state.delayB), std::end(state.delayB), 0.0f);
    std::fill(std::begin(state.gainDelay), std::end(state.gainDelay), 1.0f);
    setProgram(0);
}

// ---- Parameters -------------------------------------------------------------

void Compressor::setParameterFromHost(int index, float value) {
    if (value == 1.0f && stepMaximum(index) != 0) value = static_cast<float>(stepMaximum(index));
    setParameter(index, value);
}

void Compressor::setParameter(int index, float value) {
    if (!std::isfinite(value)) return;
    Program& record = programs[curProgram];
    if (index >= 0 && index <= 3) {
        setSwitch(index, value, record);
    } else if (stepMaximum(index) != 0 && index != 12) {
        setStepped(index, value, record);
    } else if (index == 9) {
        params.spareParam = record.spareParam = value;
    } else if (index == 10) {
        params.autoRel = record.autoRel = value;
    } else if (index == 12) {
        setLookAhead(value, record);
    }
    tail(record);
}

void Compressor::setSwitch(int index, float value, Program& record) {
    std::int16_t v = truncate<std::int16_t>(value);
    switch (index) {
    case 0:
        params.soft = record.soft = v;
        break;
    case 1:
        params.normalize = record.normalize = v;
        params.normalizeJustOn = v != 0 ? 1 : 0;
        if (v == 0) params.shownOutputGain = 0.0f;
        break;
    case 2:
        params.dither = record.dither = v;
        break;
    default:
        params.bypass = record.bypass = v;
        break;
    }
}

void Compressor::setStepped(int index, float value, Program& record) {
    float v = value;
    if (isNormalized(v)) {
        v = v * static_cast<float>(stepMaximum(index));
        v = v + 0.5f;
    }
    switch (index) {
    case 4:
        params.thrComp = record.thrComp =
            truncate<std::int16_t>(std::max(v, kLowestThresholdSteps));
        params.compThresholdLin = decibelStepsToLinear(params.thrComp);
        break;
    case 5:
        params.output = record.output = std::max(truncate<std::int32_t>(v), kLowestOutput);
        params.outputGain = outputToGain(params.output);
        break;
    case 6:
        params.release = record.release = truncate<std::int16_t>(v);
        params.releaseSamples = truncate<std::int32_t>(sampleRate / 1000.0f * params.release);
        break;
    case 7:
        params.ratio = record.ratio = truncate<std::int16_t>(v);
        break;
    case 8:
        params.zoom = record.zoom = truncate<std::int32_t>(v);
        break;
    default:
        v = std::max(v, kLowestThresholdSteps);
        params.thrLim = record.thrLim = truncate<std::int16_t>(v);
        params.limThresholdLin = decibelStepsToLinear(params.thrLim);
        if (params.normalize != 0) relinkOutput(v, record);
        break;
    }
}

void Compressor::setLookAhead(float value, Program& record) {
    float v = value;
    if (isNormalized(v)) v = std::trunc(v * 1000.0f + 0.5f);
    params.lookAhead = record.lookAhead = v;
    const std::int32_t length = v == 0.0f ? 0 : lookAheadSamples(v);
    params.initialDelay = length > 1 ? length - 1 : 0; // the sound leaves L - 1 samples late
}

// Ties the output gain to the limiter threshold under Auto Normalize.
void Compressor::relinkOutput(float x, Program& record) {
    params.output = record.output =
        std::max(truncate<std::int32_t>(24000.0f - x * 500.0f), kLowestOutput);
    float g = outputToGain(params.output);
    g = g * ceilingFactor(params.normalizeCeiling);
    params.outputGain = g;
    params.output = record.output = gainToOutput(g);
    params.outputRecalc = 1;
    params.outputRecalcGui = 1;
}

void Compressor::tail(Program& record) {
    if (params.normalize != 0 && params.normalizeJustOn != 0) {
        params.outputGain = kNormalizeStartGain;
        params.output = record.output = gainToOutput(kNormalizeStartGain);
        params.normalizeJustOn = 0;
    } else if (params.normalize == 0) {
        params.normalizeJustOn = 0;
    }
}

float Compressor::getParameter(int index) const {
    const Parameters& p = params;
    float field;
    switch (index) {
    case 0:
        return p.soft;
    case 1:
        return p.normalize;
    case 2:
        return p.dither;
    case 3:
        return p.bypass;
    case 9:
        return p.spareParam;
    case 10:
        return p.autoRel;
    case 4:
        field = p.thrComp;
        break;
    case 5:
        field = static_cast<float>(p.output);
        break;
    case 6:
        field = p.release;
        break;
    case 7:
        field = p.ratio;
        break;
    case 8:
        field = static_cast<float>(p.zoom);
        break;
    case 11:
        field = p.thrLim;
        break;
    case 12:
        field = p.lookAhead;
        break;
    default:
        return 0.0f;
    }
    float normalized = field / static_cast<float>(stepMaximum(index));
    return normalized == 1.0f ? 0.99999f : normalized;
}

// ---- Programs and host calls --------------------------------------------------

void Compressor::setProgram(int index) {
    for (int pair = 0; pair < 2; ++pair) {
        meter.inMax[pair] = meter.inMin[pair] = 0.0f;
        meter.totalGainAtMax[pair] = meter.totalGainAtMin[pair] = 0.0f;
        meter.compGainAtMax[pair] = meter.compGainAtMin[pair] = 0.0f;
    }
    curProgram = index;
    const Program& r = programs[index];
    setParameter(0, r.soft);
    setParameter(9, r.spareParam);
    setParameter(5, static_cast<float>(r.output));
    setParameter(1, r.normalize);
    setParameter(2, r.dither);
    setParameter(3, r.bypass);
    setParameter(4, r.thrComp);
    setParameter(7, r.ratio);
    setParameter(6, r.release);
    setParameter(8, static_cast<float>(r.zoom));
    setParameter(10, r.autoRel);
    setParameter(11, r.thrLim);
    setParameter(12, r.lookAhead);
}

void Compressor::suspend() {
    std::fill(std::begin(state.delayA), std::end(state.delayA), 0.0f);
    std::fill(std::begin(state.delayB), std::end(state.delayB), 0.0f);
    std::fill(std::begin(state.gainDelay), std::end(state.gainDelay), 1.0f);
}

// ---- Processing -------------------------------------------------------------------

void Compressor::processReplacing(const float* in, float* out, int frames) {
    FlushDenormals flush;
    Block b = startBlock();
    if (b.bypass) {
        for (int i = 0; i < frames; ++i)
            out[i] = in[i];
        return;
    }
    if (b.L > state.lineLength) {
        // A line read from its start would play its last slot again.
        int from = state.writePos == 0 ? state.lineLength - 1 : state.lineLength;
        std::fill(state.delayA + from, state.delayA + b.L, 0.0f);
        std::fill(state.delayB + from, state.delayB + b.L, 0.0f);
        std::fill(state.gainDelay + from, state.gainDelay + b.L, 1.0f);
    }
    state.lineLength = b.L;
    for (int i = 0; i < frames; ++i)
        processSample(b, in[i], out[i]);
    endBlock(b);
    std::int64_t count = static_cast<std::int64_t>(meter.sumCount) + std::max(frames, 0);
    meter.sumCount = static_cast<std::int32_t>(
        std::min<std::int64_t>(count, std::numeric_limits<std::int32_t>::max()));
}

Compressor::Block Compressor::startBlock() const {
    Block b;
    b.L = lookAheadSamples(params.lookAhead);
    if (b.L < 1) b.L = 1;
    b.T = params.compThresholdLin;
    b.h = state.writePos;
    b.R = params.releaseSamples;
    b.gc = state.compGain;
    b.rc = state.compRate;
    b.sc = state.compStep;
    b.gl = state.limGain;
    b.rl = state.limRate;
    b.sl = state.limStep;
    b.TL = params.limThresholdLin;
    b.G = params.outputGain;
    b.S = ceilingFactor(params.normalizeCeiling);
    b.soft = params.soft != 0;
    b.normalize = params.normalize != 0;
    b.dither = params.dither != 0;
    b.bypass = params.bypass != 0;
    b.A = sampleRate / 5.0f;
    b.B = b.A * kAutoReleaseOffset;
    b.Q = std::max(static_cast<float>(params.ratio) / 2.0f, 1.0f);
    b.K = b.Q == 1.0f ? 0.0f : (b.Q - 1.0f) / (1.0f - b.T);
    b.RL = sampleRate / kLimiterDivisor;
    b.Rmin = truncate<std::int32_t>(sampleRate / 1000.0f * 10.0f);
    return b;
}

void Compressor::processSample(Block& b, float input, float& output) {
    float x = std::isfinite(input) ? input : 0.0f;
    float a = std::fabs(x);
    int n = (b.h + b.L - 1) % b.L;
    compressorDetect(b, a);
    float y = compressorRelease(b, a);
    limiter(b, y);
    state.gainDelay[n] = b.gl * b.gc;
    state.delayA[n] = x;
    state.delayB[n] = x;
    if (b.L > 1) rampLine(b, n);
    float oA = state.delayA[b.h] * state.gainDelay[b.h];
    float oB = state.delayB[b.h] * state.gainDelay[b.h];
    recordExtremes(x, state.gainDelay[n], b.gc);
    outputStage(b, oA, oB, output);
    b.h = (b.h + 1) % b.L;
}

void Compressor::compressorDetect(Block& b, float a) {
    if (!(a > b.T)) return;
    float d = a - b.T;
    float w = b.soft ? d / (b.K * d + 1.0f) : d / b.Q;
    float gt = (b.T + w) / a;
    if (!(gt < b.gc)) return;
    b.gc = gt;
    if (params.autoRel == 1.0f) b.R = truncate<std::int32_t>(b.A / gt - b.B);
    b.rc = compressorLawRate(a, gt, std::max(b.R, b.Rmin));
}

float Compressor::compressorRelease(Block& b, float a) {
    if (b.gc >= 1.0f) {
        b.gc = 1.0f;
        return a;
    }
    b.sc = b.rc - kRecoveryDecay * b.gc;
    b.gc = b.gc + b.sc;
    return a * b.gc;
}

void Compressor::limiter(Block& b, float y) {
    if (y > b.TL) {
        float gtl = b.TL / y;
        if (b.gl + b.sl > gtl) {
            b.gl = gtl;
            b.sl = 0.0f;
            b.rl = limiterLawRate(y, gtl, b.RL);
        }
    }
    if (b.gl >= 1.0f) {
        b.gl = 1.0f;
    } else {
        b.gl = b.gl + b.sl;
        b.sl = b.rl - kRecoveryDecay * b.gl;
    }
}

// Lowers the older gains still in the line to a straight line toward the new one.
void Compressor::rampLine(const Block& b, int n) {
    float* gain = state.gainDelay;
    int p = (n + b.L - 1) % b.L;
    if (!(gain[p] > gain[n])) return;
    float step = (1.0f - gain[n]) / static_cast<float>(b.L - 1);
    float v = gain[n] + step;
    for (int k = 1; k <= b.L - 1; ++k) {
        int slot = (n - k + b.L) % b.L;
        if (!(v < gain[slot])) break;
        gain[slot] = v;
        v = v + step;
    }
}

void Compressor::recordExtremes(float x, float gn, float gc) {
    for (int pair = 0; pair < 2; ++pair) {
        if (x > meter.inMax[pair]) {
            meter.inMax[pair] = x;
            meter.totalGainAtMax[pair] = gn;
            meter.compGainAtMax[pair] = gc;
        }
        if (x < meter.inMin[pair]) {
            meter.inMin[pair] = x;
            meter.totalGainAtMin[pair] = gn;
            meter.compGainAtMin[pair] = gc;
        }
    }
}

void Compressor::outputStage(Block& b, float oA, float oB, float& output) {
    float dA, dB;
    if (b.dither) {
        int k1 = nextRandom() % 512;
        dA = static_cast<float>(k1) * kDitherScale + oA * b.G - kDitherOffset;
        int k2 = nextRandom() % 512;
        dB = static_cast<float>(k2) * kDitherScale + oB * b.G - kDitherOffset;
    } else {
        dA = oA * b.G;
        dB = oB * b.G;
    }
    if (b.normalize || params.outputRecalc != 0) {
        float p = std::max(std::fabs(oA), std::fabs(oB)) * b.G;
        if (p > b.S) {
            float f = b.S / p;
            b.G = b.G * f;
            dA = dA * f;
            dB = dB * f;
            b.lowered = true;
        }
    }
    output = dA;
    b.sumA[b.lane] += dA * dA;
    b.sumB[b.lane] += dB * dB;
    b.lane = (b.lane + 1) % 4;
}

void Compressor::endBlock(Block& b) {
    if (b.sc < kStepFloor) b.rc = kRateAfterFloor;
    state.compStep = sane(b.sc, 0.0f);
    state.compRate = sane(b.rc, 0.1f);
    state.compGain = sane(b.gc, 1.0f);
    if (b.sl < kStepFloor) b.rl = kRateAfterFloor;
    state.limStep = sane(b.sl, 0.0f);
    state.limRate = sane(b.rl, 0.1f);
    state.limGain = sane(b.gl, 1.0f);
    if (params.outputRecalc != 0) {
        params.outputRecalc = 0;
    } else if (b.lowered) {
        params.outputGain = b.G;
    }
    if (!std::isfinite(params.outputGain)) params.outputGain = 1.0f;
    meter.sumSquares[0] += (b.sumA[0] + b.sumA[1]) + (b.sumA[2] + b.sumA[3]);
    meter.sumSquares[1] += (b.sumB[0] + b.sumB[1]) + (b.sumB[2] + b.sumB[3]);
    state.writePos = b.h;
    if (params.autoRel == 1.0f) params.releaseSamples = b.R;
}

} // namespace model
