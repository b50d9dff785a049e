// Names, labels and display texts of the parameters.
#include "engine/compressor_effect.h"

#include "plugin/text.h"

#include <cstdio>

namespace {

struct ParameterText {
    const char* name;
    const char* label;
};

const ParameterText kTexts[kNumParams] = {
    {"Soft     ", "   "}, {"Normalize", "   "}, {"Dither   ", "   "}, {"Bypass   ", "   "},
    {"ThrComp  ", "dB "}, {"Output   ", "dB "}, {"Release  ", "ms "}, {"Ratio    ", "   "},
    {"Zoom     ", "   "}, {"---      ", "---"}, {"AutoRel  ", "   "}, {"ThrLim   ", "dB "},
    {"LookAhead", "ms "},
};

const char* const kUnknown = " --- ";

bool isKnown(vst::Int32 index) {
    return index >= 0 && index < kNumParams;
}

// sprintf bounded to what every text buffer here holds.
template <typename... Args> void format(char* text, const char* pattern, Args... args) {
    std::snprintf(text, bounded::kMaxLength + 1, pattern, args...);
}

const char* onOff(bool on) {
    return on ? "On" : "Off";
}

} // namespace

void CompressorEffect::getParameterName(vst::Int32 index, char* text) {
    bounded::copy(text, isKnown(index) ? kTexts[index].name : kUnknown);
}

void CompressorEffect::getParameterLabel(vst::Int32 index, char* label) {
    bounded::copy(label, isKnown(index) ? kTexts[index].label : kUnknown);
}

void CompressorEffect::getParameterDisplay(vst::Int32 index, char* text) {
    switch (index) {
    case kSoft:
        return bounded::copy(text, onOff(soft != 0));
    case kNormalize:
        return bounded::copy(text, onOff(normalize != 0));
    case kDither:
        return bounded::copy(text, onOff(dither != 0));
    case kBypass:
        return bounded::copy(text, onOff(bypass != 0));
    case kThrComp:
        return format(text, "%2.1f", -thrComp / 2.0);
    case kOutput:
        return format(text, "%2.2f", (24000.0 - output) / 1000.0);
    case kRelease:
        return format(text, "%3.0f", static_cast<double>(release));
    case kRatio:
        return format(text, "%2.1f : 1", ratio / 2.0);
    case kZoom:
        return format(text, "%2.0f", static_cast<double>(zoom));
    case kSpare:
        return bounded::copy(text, "---");
    case kAutoRel:
        return bounded::copy(text, onOff(autoRel == 1.0f));
    case kThrLim:
        return format(text, "%2.1f", -thrLim / 2.0);
    case kLookAhead:
        return format(text, "%2.0f", static_cast<double>(lookAhead / 100.0f));
    default:
        return bounded::copy(text, kUnknown);
    }
}
