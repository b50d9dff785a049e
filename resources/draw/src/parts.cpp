// The small pictures drawn over the background: handles, display face, meter bars, glow.
#include "artwork.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

struct CapColours {
    Rgb dark, light, outline;
};

CapColours capColours(CapStyle style) {
    if (style == CapStyle::Grey) return {grey(112), grey(196), grey(52)};
    return {{118, 126, 142}, {242, 245, 250}, {36, 42, 56}};
}

bool isGroove(int a, int mark, double half) {
    const int distance = std::abs(a - mark);
    return distance >= 5 && distance % 5 == 0 && distance < half - 2;
}

// Brightness of a cap along its length: light at the marked middle, darker towards both
// ends, a lit top lip, a shaded bottom lip and a few grip grooves whose lower edge catches
// the light.
Rgb capAlong(const CapColours& c, int a, int length, int mark) {
    const double half = length / 2.0;
    double f = std::clamp(1.0 - std::abs(a - mark) / half, 0.0, 1.0);
    if (a < mark) f = std::min(1.0, f + 0.08);
    const Rgb colour = mix(c.dark, c.light, std::pow(f, 0.6));
    if (a == 1) return mix(colour, grey(255), 0.45);
    if (a == length - 2) return scaled(colour, 0.78);
    if (isGroove(a, mark, half)) return scaled(colour, 0.82);
    if (isGroove(a - 1, mark, half)) return mix(colour, grey(255), 0.3);
    return colour;
}

// Shading across a cap: a highlight on the lit edge and a shade on the far one.
Rgb capAcross(Rgb colour, int c, int thickness) {
    const double t = double(c - 1) / std::max(1, thickness - 3);
    colour = scaled(colour, 1.03 - 0.10 * t);
    if (c == 1) colour = mix(colour, grey(255), 0.35);
    if (c == thickness - 2) colour = scaled(colour, 0.82);
    return colour;
}

// One pixel of a cap; the line at `mark` runs across the whole cap, through the outline.
Rgb capPixel(const CapColours& colours, int a, int c, int length, int thickness, int mark,
             Rgb line) {
    if (a == mark) return line;
    if (a == 0 || a == length - 1 || c == 0 || c == thickness - 1) return colours.outline;
    return capAcross(capAlong(colours, a, length, mark), c, thickness);
}

// Paints a cap of length x thickness, the length running along y unless horizontal.
Canvas drawCap(int length, int thickness, int mark, bool horizontal, CapStyle style, Rgb line) {
    const CapColours colours = capColours(style);
    Canvas cap(horizontal ? length : thickness, horizontal ? thickness : length);
    cap.beginPixels();
    for (int a = 0; a < length; ++a)
        for (int c = 0; c < thickness; ++c) {
            const Rgb colour = capPixel(colours, a, c, length, thickness, mark, line);
            horizontal ? cap.setPixel(a, c, colour) : cap.setPixel(c, a, colour);
        }
    cap.endPixels();
    return cap;
}

// Brightness across a meter bar: a rounded tube lit from the left, at full colour along its
// brightest column.
double tube(int c, int width) {
    const double t = (c + 0.5) / width;
    return 0.72 + 0.28 * std::sin(M_PI * std::pow(t, 0.85));
}

template <typename ColourAt> Canvas drawBar(int width, ColourAt colourAt) {
    Canvas bar(width, 257);
    bar.beginPixels();
    for (int y = 0; y < 257; ++y)
        for (int x = 0; x < width; ++x)
            bar.setPixel(x, y, scaled(colourAt(y), tube(x, width)));
    bar.endPixels();
    return bar;
}

} // namespace

Canvas drawValueHandle(int width, CapStyle style, Rgb line) {
    return drawCap(34, width, 16, false, style, line);
}

Canvas drawSmallHandle(bool horizontal) {
    return drawCap(21, 13, 10, horizontal, CapStyle::Metal, {40, 52, 84});
}

Canvas drawDisplayFace() {
    Canvas face(45, 12);
    gradient(face, {0, 0, 45, 12}, {8, 12, 28}, {24, 32, 56});
    face.hline(0, 44, 0, grey(0), 0.45);
    face.vline(0, 1, 11, grey(0), 0.3);
    return face;
}

Canvas drawReductionBar() {
    return drawBar(13, [](int y) { return mix({118, 144, 244}, {245, 52, 143}, y / 256.0); });
}

Canvas drawLevelBar() {
    return drawBar(15, [](int y) {
        if (y < 64) return mix({245, 22, 20}, {250, 128, 24}, y / 63.0);
        return mix({231, 231, 25}, {18, 159, 54}, (y - 64) / 192.0);
    });
}

Canvas drawGlow() {
    Canvas glow(44, 18);
    glow.beginPixels();
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 44; ++x) {
            const double d = std::hypot(x / 41.0, y / 15.0);
            const double v = d >= 1 ? 0.0 : std::pow(1 - d, 3.0);
            glow.setPixel(x, y, grey(255 * v));
        }
    glow.endPixels();
    return glow;
}

} // namespace art
