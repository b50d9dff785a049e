#include "editor/display_text.h"

#include <cstdio>

namespace {
const Rgb kWhite{255, 255, 255};
const Rgb kLightBlue{204, 228, 255};
const Rgb kLightRed{255, 187, 187};

std::string formatted(const char* pattern, double v, const char* suffix) {
    char text[64];
    std::snprintf(text, sizeof(text), pattern, v);
    return std::string(text) + suffix;
}
} // namespace

std::string displayText(DisplayKind kind, float v) {
    switch (kind) {
    case DisplayKind::threshold:
    case DisplayKind::limiterThreshold:
        return formatted("%2.1f", -v / 2, " dB");
    case DisplayKind::ratio:
        return formatted("%2.1f", v / 2, " : 1");
    case DisplayKind::release:
        return formatted("%3.0f", v, " ms");
    case DisplayKind::outputGain:
        return formatted("%2.2f", (24000 - v) / 1000, " dB");
    }
    return {};
}

Rgb displayColour(const ValueFader& fader) {
    switch (fader.kind) {
    case DisplayKind::release:
        return fader.autoMark == 1.0f ? kLightBlue : kWhite;
    case DisplayKind::outputGain:
        return fader.highlight != 0 ? kLightBlue : kWhite;
    case DisplayKind::limiterThreshold:
        return kLightRed;
    default:
        return kWhite;
    }
}

TextBox displayTextBox(const ValueFader& fader) {
    int left = fader.textX + (fader.kind == DisplayKind::outputGain ? 2 : 1);
    return {left, fader.textY + 1, fader.textX + 45, fader.textY + 14};
}
