// The editor's pictures: the background, the faces, handles and bars drawn over it.
#pragma once

#include "canvas.h"
#include "fonts.h"

#include <string>
#include <vector>

namespace art {

// Colours shared by several pictures.
namespace palette {
constexpr Rgb kPanelTop{176, 188, 206};
constexpr Rgb kPanelBottom{134, 147, 168};
constexpr Rgb kInk{24, 33, 56};
constexpr Rgb kWell{12, 16, 30};
constexpr Rgb kReadout{154, 172, 194};
} // namespace palette

// Captions engraved into the panel and printed on the buttons.
constexpr Font kLabelFont = Font::CondensedBold;
constexpr Font kCaptionFont = Font::ArialBold;

// One of the five bitmap switches, as it looks unlit and lit.
struct SwitchLook {
    Rgb top, bottom, outline, caption;
};

struct SwitchArt {
    Box box;
    std::vector<std::string> caption; // one or two lines
    SwitchLook lit;
};

const std::vector<SwitchArt>& switches();
void paintSwitch(const Canvas& canvas, const Fonts& fonts, const SwitchArt& button, bool lit);

// The panel with everything but the switch faces; the background adds the unlit faces.
Canvas drawPanel(const Fonts& fonts);
Canvas drawBackground(const Canvas& panel, const Fonts& fonts);
Canvas drawLitSwitch(const Canvas& panel, const Fonts& fonts, const SwitchArt& button);

enum class CapStyle { Metal, Grey };
// A 34-row value fader handle with a line of the given colour across row 16.
Canvas drawValueHandle(int width, CapStyle style, Rgb line);
// The small 21-pixel handles of the zoom (vertical) and look-ahead (horizontal) faders.
Canvas drawSmallHandle(bool horizontal);
Canvas drawDisplayFace();
Canvas drawReductionBar();
Canvas drawLevelBar();
Canvas drawGlow();

} // namespace art
