// Parameter values: the host's normalized view, the raw fields and the values
// derived from them.
#include "engine/compressor_effect.h"

#include "engine/numeric.h"
#include "engine/output_law.h"

#include <algorithm>
#include <cmath>

namespace {

// Raw values beyond these would overflow a threshold or the output gain: no
// threshold and no output gain goes above +720 dB.
constexpr float kLoudestThreshold = -1440.0f;    // half-decibel steps
constexpr std::int32_t kLoudestOutput = -696000; // thousandths of a decibel below +24 dB

// The raw value that a normalized value of 1 stands for.
float maximumOf(vst::Int32 index) {
    switch (index) {
    case kThrComp:
        return 72.0f;
    case kOutput:
        return 24000.0f;
    case kRelease:
        return 999.0f;
    case kRatio:
        return 60.0f;
    case kZoom:
        return 20.0f;
    case kThrLim:
        return 48.0f;
    case kLookAhead:
        return 1000.0f;
    default:
        return 0.0f;
    }
}

bool isNormalized(float value) {
    return value > 0.0f && value < 1.0f;
}

// Field divided by its maximum; exactly 1 would read back as a raw 1.
float toHost(float raw, float maximum) {
    float v = raw / maximum;
    return v == 1.0f ? 0.99999f : v;
}

float decibelsToGain(double decibels) {
    return static_cast<float>(std::pow(10.0, decibels));
}

float thresholdToLinear(std::int16_t halfDecibels) {
    return static_cast<float>(std::pow(10.0, static_cast<float>(halfDecibels) / -40.0));
}

// Samples in the look-ahead line for a look-ahead value, limited to what the lines hold.
std::int32_t lineLengthOf(float lookAhead) {
    if (lookAhead == 0.0f) return 0;
    float samples = lookAhead / 2.266f;
    if (samples >= static_cast<float>(CompressorEffect::kLineCapacity))
        return CompressorEffect::kLineCapacity;
    return samples < 0.0f ? 0 : static_cast<std::int32_t>(samples);
}

// A line of L samples delays the sound by L - 1; that is what the host compensates.
std::int32_t latencyOf(float lookAhead) {
    const std::int32_t length = lineLengthOf(lookAhead);
    return length > 1 ? length - 1 : 0;
}

} // namespace

void CompressorEffect::setSwitch(vst::Int32 index, std::int16_t value, CompressorProgram& p) {
    switch (index) {
    case kSoft:
        soft = p.soft = value;
        break;
    case kNormalize:
        normalize = p.normalize = value;
        normalizeJustOn = value != 0 ? 1 : 0;
        if (value == 0) shownOutputGain = 0.0f;
        break;
    case kDither:
        dither = p.dither = value;
        break;
    default:
        bypass = p.bypass = value;
        break;
    }
}

void CompressorEffect::applyOutputGain() {
    outputGain = decibelsToGain((24000.0 - static_cast<double>(output)) / 20000.0);
}

void CompressorEffect::setStepped(vst::Int32 index, float value, CompressorProgram& p) {
    if (isNormalized(value)) value = value * maximumOf(index) + 0.5f;
    switch (index) {
    case kThrComp:
        thrComp = p.thrComp = numeric::toInt16(std::max(value, kLoudestThreshold));
        compThresholdLin = thresholdToLinear(thrComp);
        break;
    case kOutput:
        output = p.output = std::max(numeric::toInt32(value), kLoudestOutput);
        applyOutputGain();
        break;
    case kRelease:
        release = p.release = numeric::toInt16(value);
        releaseSamples = numeric::toInt32(getSampleRate() / 1000.0f * static_cast<float>(release));
        break;
    case kRatio:
        ratio = p.ratio = numeric::toInt16(value);
        break;
    case kZoom:
        zoom = p.zoom = numeric::toInt32(value);
        break;
    default:
        value = std::max(value, kLoudestThreshold);
        thrLim = p.thrLim = numeric::toInt16(value);
        limThresholdLin = thresholdToLinear(thrLim);
        if (normalize != 0) relinkOutputToLimiter(value, p);
        break;
    }
}

// Ties the output gain to the limiter threshold so that limited peaks land on
// the normalize ceiling.
void CompressorEffect::relinkOutputToLimiter(float x, CompressorProgram& p) {
    output = p.output = std::max(numeric::toInt32(24000.0f - x * 500.0f), kLoudestOutput);
    applyOutputGain();
    outputGain = outputGain * normalizeCeilingFactor(settings.normalizeCeiling);
    output = p.output = outputForGain(outputGain);
    outputRecalc = 1;
    outputRecalcGui = 1;
    parametersChangedBehindHost();
}

// LookAhead from the host arrives as whole hundredths of a millisecond, so a
// stored and restored session keeps its latency.
void CompressorEffect::setLookAhead(float value, CompressorProgram& p) {
    if (isNormalized(value)) value = std::trunc(value * 1000.0f + 0.5f);
    lookAhead = p.lookAhead = value;
    const std::int32_t delay = latencyOf(value);
    if (delay == cEffect.initialDelay) return;
    setInitialDelay(delay);
    if (constructed) ioChanged();
}

// Switching Normalize on starts from +24 dB; processing lowers the gain as it
// meets the highest peak.
void CompressorEffect::finishNormalizeSwitch(CompressorProgram& p) {
    if (normalize != 0 && normalizeJustOn != 0) {
        outputGain = 15.849309921264648f;
        output = p.output = outputForGain(outputGain);
        parametersChangedBehindHost();
    }
    normalizeJustOn = 0;
}

void CompressorEffect::setParameter(vst::Int32 index, float value) {
    if (!std::isfinite(value)) return;
    CompressorProgram& p = programs[curProgram];
    switch (index) {
    case kSoft:
    case kNormalize:
    case kDither:
    case kBypass:
        setSwitch(index, numeric::toInt16(value), p);
        break;
    case kThrComp:
    case kOutput:
    case kRelease:
    case kRatio:
    case kZoom:
    case kThrLim:
        setStepped(index, value, p);
        break;
    case kSpare:
        spareParam = p.spareParam = value;
        break;
    case kAutoRel:
        autoRel = p.autoRel = value;
        break;
    case kLookAhead:
        setLookAhead(value, p);
        break;
    default:
        break;
    }
    finishNormalizeSwitch(p);
    if (editor) editor->postUpdate();
}

float CompressorEffect::getParameter(vst::Int32 index) {
    switch (index) {
    case kSoft:
        return soft;
    case kNormalize:
        return normalize;
    case kDither:
        return dither;
    case kBypass:
        return bypass;
    case kThrComp:
        return toHost(thrComp, maximumOf(index));
    case kOutput:
        return toHost(static_cast<float>(output), maximumOf(index));
    case kRelease:
        return toHost(release, maximumOf(index));
    case kRatio:
        return toHost(ratio, maximumOf(index));
    case kZoom:
        return toHost(static_cast<float>(zoom), maximumOf(index));
    case kSpare:
        return spareParam;
    case kAutoRel:
        return autoRel;
    case kThrLim:
        return toHost(thrLim, maximumOf(index));
    case kLookAhead:
        return toHost(lookAhead, maximumOf(index));
    default:
        return 0.0f;
    }
}

// Host sliders and automation lanes end at exactly 1.0, which would otherwise
// read as a raw 1: from the host it means the top of the range.
void CompressorEffect::setParameterFromHost(vst::Int32 index, float value) {
    const float maximum = maximumOf(index);
    setParameter(index, value == 1.0f && maximum > 0.0f ? maximum : value);
}

// Only after construction and outside a program change, which tells the host once at its end.
void CompressorEffect::parametersChangedBehindHost() {
    if (constructed && !changingProgram) updateDisplay();
}

void CompressorEffect::setParameterAutomated(vst::Int32 index, float value) {
    if (!std::isfinite(value)) return;
    setParameter(index, value);
    if (!audioMaster) return;
    float maximum = maximumOf(index);
    float hostValue = maximum > 0.0f ? toHost(value, maximum) : value;
    audioMaster(&cEffect, audioMasterAutomate, index, 0, nullptr, hostValue);
}
