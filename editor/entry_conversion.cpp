#include "editor/entry_conversion.h"

#include "editor/control_layout.h"
#include "editor/display_text.h"

#include <cmath>
#include <cstdlib>

namespace {

const ValueFaderLayout* faderOf(std::int32_t mode) {
    switch (mode) {
    case kThrCompEntry:
        return &layout::thresholdFader;
    case kRatioEntry:
        return &layout::ratioFader;
    case kReleaseEntry:
        return &layout::releaseFader;
    case kOutputEntry:
        return &layout::outputFader;
    case kThrLimEntry:
        return &layout::limitFader;
    default:
        return nullptr;
    }
}

// The number at the start of the text; anything that is not one reads as 0.
double leadingNumber(const char* text) {
    double t = std::atof(text);
    return std::isnan(t) ? 0.0 : t;
}

} // namespace

int entryBox(std::int32_t mode) {
    switch (mode) {
    case kOutputEntry:
        return 0;
    case kReleaseEntry:
        return 1;
    case kRatioEntry:
        return 2;
    case kThrCompEntry:
    case kThrLimEntry:
        return 3;
    default:
        return -1;
    }
}

std::string entryOpeningText(std::int32_t mode, float faderValue) {
    const ValueFaderLayout* fader = faderOf(mode);
    return fader ? displayText(fader->kind, faderValue) : std::string();
}

float typedFaderValue(std::int32_t mode, const char* text) {
    double t = leadingNumber(text);
    switch (mode) {
    case kOutputEntry:
        return static_cast<float>(24000.0 - 1000.0 * t);
    case kRatioEntry:
        return static_cast<float>(2.0 * t);
    case kThrCompEntry:
    case kThrLimEntry:
        return static_cast<float>(2.0 * std::fabs(t));
    default:
        return static_cast<float>(t);
    }
}

float enteredFaderValue(std::int32_t mode, const char* text) {
    float v = typedFaderValue(mode, text);
    const ValueFaderLayout* fader = faderOf(mode);
    if (!fader) return v;
    if (v < fader->minValue) return fader->minValue;
    if (v > fader->maxValue) return fader->maxValue;
    return v;
}
