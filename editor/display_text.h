// The numeric displays' texts and colours.
#pragma once

#include "editor/controls.h"

#include <string>

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

// The text a value fader shows for its value, with its unit.
std::string displayText(DisplayKind kind, float value);
// White, or the kind's alternative colour when its mark is set.
Rgb displayColour(const ValueFader& fader);

// The rectangle the text is centred in: left, top, right, bottom.
struct TextBox {
    int left, top, right, bottom;
};
TextBox displayTextBox(const ValueFader& fader);
