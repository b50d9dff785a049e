// What a host should read back from the plug-in, computed from the parameter
// definitions: raw fields from host values, display texts, host values and the
// reported latency. The tests compare the plug-in's answers with these.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace reference {

enum Param : int {
    Soft,
    Normalize,
    Dither,
    Bypass,
    ThrComp,
    Output,
    Release,
    Ratio,
    Zoom,
    Spare,
    AutoRel,
    ThrLim,
    LookAhead,
    ParamCount
};

// The raw value that a host value of 1 stands for; 0 for parameters that take
// host values unchanged.
inline float maximum(int index) {
    switch (index) {
    case ThrComp:
        return 72.0f;
    case Output:
        return 24000.0f;
    case Release:
        return 999.0f;
    case Ratio:
        return 60.0f;
    case Zoom:
        return 20.0f;
    case ThrLim:
        return 48.0f;
    case LookAhead:
        return 1000.0f;
    default:
        return 0.0f;
    }
}

// A parameter's name without its padding, for test names.
inline std::string shortName(int index) {
    static const char* const names[ParamCount] = {
        "Soft",  "Normalize", "Dither", "Bypass",  "ThrComp", "Output",   "Release",
        "Ratio", "Zoom",      "Spare",  "AutoRel", "ThrLim",  "LookAhead"};
    return index >= 0 && index < ParamCount ? names[index] : "Unknown";
}

inline bool isStepped(int index) {
    return maximum(index) > 0.0f && index != LookAhead;
}
inline bool isSwitch(int index) {
    return index >= Soft && index <= Bypass;
}
inline bool isNormalized(float value) {
    return value > 0.0f && value < 1.0f;
}

// Truncation toward zero into an integer field, saturating at its limits.
template <typename Int> Int truncated(double value) {
    if (value <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (value >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

inline bool isInt32Field(int index) {
    return index == Output || index == Zoom;
}

// The value a stepped parameter (or LookAhead) works with after the host
// mapping: value x max + 0.5 in single precision for host values, the maximum
// for the host's 1.0, else as is.
inline float unscaled(int index, float value) {
    if (value == 1.0f && maximum(index) > 0.0f) return maximum(index);
    if (!isNormalized(value)) return value;
    float scaled = value * maximum(index);
    return scaled + 0.5f;
}

// Raw values are bounded where a threshold or the output gain would pass +720 dB.
constexpr float kLoudestThreshold = -1440.0f;
constexpr std::int32_t kLoudestOutput = -696000;

// The field a stepped parameter ends in, widened to int64.
inline std::int64_t steppedField(int index, float value) {
    float x = unscaled(index, value);
    if (index == ThrComp || index == ThrLim) x = std::max(x, kLoudestThreshold);
    if (index == Output) return std::max(truncated<std::int32_t>(x), kLoudestOutput);
    if (isInt32Field(index)) return truncated<std::int32_t>(x);
    return truncated<std::int16_t>(x);
}

// LookAhead keeps raw values as they are and takes host values as whole
// hundredths of a millisecond.
inline float lookAheadField(float value) {
    if (value == 1.0f) return maximum(LookAhead);
    return isNormalized(value) ? std::trunc(unscaled(LookAhead, value)) : value;
}

// The look-ahead line holds at most 441 samples; a line of L delays the sound
// by L - 1, and that is what the host is told.
inline std::int32_t latency(float lookAhead) {
    if (lookAhead == 0.0f) return 0;
    float samples = lookAhead / 2.266f;
    std::int32_t length = samples >= 441.0f ? 441 : static_cast<std::int32_t>(samples);
    return samples <= 0.0f || length < 1 ? 0 : length - 1;
}

// A field's value as the host reads it: field / max, with 1 reported as 0.99999.
inline float hostValue(int index, double field) {
    float value = static_cast<float>(field) / maximum(index);
    return value == 1.0f ? 0.99999f : value;
}

inline std::string printed(const char* pattern, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof(buffer), pattern, value);
    return buffer;
}

inline std::string onOff(bool on) {
    return on ? "On" : "Off";
}

// Display texts from field values.
inline std::string thresholdText(std::int64_t halfDecibels) {
    return printed("%2.1f", -halfDecibels / 2.0);
}
inline std::string outputText(std::int64_t output) {
    return printed("%2.2f", (24000.0 - static_cast<double>(output)) / 1000.0);
}
inline std::string releaseText(std::int64_t ms) {
    return printed("%3.0f", static_cast<double>(ms));
}
inline std::string ratioText(std::int64_t halfSteps) {
    return printed("%2.1f", halfSteps / 2.0) + " : 1";
}
inline std::string zoomText(std::int64_t zoom) {
    return printed("%2.0f", static_cast<double>(zoom));
}
inline std::string lookAheadText(float lookAhead) {
    return printed("%2.0f", static_cast<double>(lookAhead / 100.0f));
}

// The display text of a stepped parameter holding the given field value.
inline std::string steppedText(int index, std::int64_t field) {
    switch (index) {
    case ThrComp:
    case ThrLim:
        return thresholdText(field);
    case Output:
        return outputText(field);
    case Release:
        return releaseText(field);
    case Ratio:
        return ratioText(field);
    default:
        return zoomText(field);
    }
}

// Linear ceiling factors (single precision) of the Auto Normalize ceiling
// settings 0 to 3: 0, -0.01, -0.09 and -0.05 dBFS.
constexpr float kCeilingFactors[] = {0.99995f, 0.9988f, 0.9895f, 0.9941f};

// The output gain the normalize link sets for an Output field: the gain of
// that field, lowered by the ceiling factor in single precision.
inline float linkedGain(std::int32_t output, float ceilingFactor) {
    float gain = static_cast<float>(std::pow(10.0, (24000.0 - output) / 20000.0));
    return gain * ceilingFactor;
}

// The Output field that the normalize link derives from the limiter value x
// (after the host mapping, before truncation).
inline std::int32_t linkedOutput(float x, float ceilingFactor = kCeilingFactors[0]) {
    x = std::max(x, kLoudestThreshold);
    std::int32_t output = std::max(truncated<std::int32_t>(24000.0f - x * 500.0f), kLoudestOutput);
    float gain = linkedGain(output, ceilingFactor);
    return truncated<std::int32_t>(24000.0 - 20000.0 * std::log10(static_cast<double>(gain)));
}

// Output when Normalize has just been switched on: the +24 dB maximum.
inline std::int32_t normalizeStartOutput() {
    return truncated<std::int32_t>(24000.0 - 20000.0 * std::log10(15.849309921264648));
}

} // namespace reference
