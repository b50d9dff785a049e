// The whole editor put together the way the editor window draws it, for judging the artwork.
#include "bitmaps.h"
#include "layout.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace art {

namespace {

using Bitmaps = std::map<int, Canvas>;

// Settings shown in a preview: fader values in the parameters' own units, switch states,
// meter heights in pixels.
struct Scene {
    double threshold, ratio, release, output, limit, zoom, lookAhead;
    bool soft, normalize, dither, bypass, autoRelease;
    int reduction, levelA, levelB;
    const char *thresholdText, *ratioText, *releaseText, *outputText, *rmsText;
};

const Scene kScenes[2] = {
    {24,    8,     200, 21000, 2,   2,          500,       true,     false,     true,
     false, false, 52,  168,   160, "-12.0 dB", "4.0 : 1", "200 ms", "3.00 dB", "-9.4 dB"},
    {10,   40,   420, 24000, 0, 8,         3,          false,   true,      false,
     true, true, 0,   0,     0, "-5.0 dB", "20.0 : 1", "87 ms", "0.00 dB", "-INF"},
};

int handlePos(double value, double min, double max, int travel) {
    return int((std::clamp(value, min, max) - min) / (max - min) * (travel - 1));
}

void placeValueHandle(const Canvas& c, const Canvas& handle, const ValueFaderPlace& f, double v,
                      double min, double max) {
    c.paste(handle, f.x, f.y + handlePos(v, min, max, f.travel) - 16);
}

void placeHandles(const Canvas& c, const Bitmaps& b, const Scene& s) {
    placeValueHandle(c, b.at(125), kThresholdFader, s.threshold, 1, 72);
    placeValueHandle(c, b.at(117), kRatioFader, s.ratio, 2, 60);
    placeValueHandle(c, b.at(s.autoRelease ? 132 : 117), kReleaseFader, s.release, 10, 999);
    placeValueHandle(c, b.at(117), kOutputFader, s.output, 0, 24000);
    placeValueHandle(c, b.at(116), kLimitFader, s.limit, 0, 48);
    const SmallFaderPlace z = kZoomFader, l = kLookAheadFader;
    c.paste(b.at(129), z.x, z.y + handlePos(s.zoom, 1, 20, z.travel) - 11);
    c.paste(b.at(130), l.x + handlePos(s.lookAhead, 3, 999, l.travel) - 11, l.y);
}

void placeSwitches(const Canvas& c, const Bitmaps& b, const Scene& s) {
    if (s.soft) c.paste(b.at(142), kSoftSwitch.x, kSoftSwitch.y);
    if (s.normalize) c.paste(b.at(141), kNormalizeSwitch.x, kNormalizeSwitch.y);
    if (s.dither) c.paste(b.at(140), kDitherSwitch.x, kDitherSwitch.y);
    if (s.bypass) c.paste(b.at(103), kBypassSwitch.x, kBypassSwitch.y);
    if (s.autoRelease) c.paste(b.at(133), kAutoSwitch.x, kAutoSwitch.y);
}

// The editor's text font: Arial with a 14-pixel cell and 5-pixel average width.
const TextStyle kDisplayFont{Font::Arial, 12.53, grey(255), 0.905};

void displayText(const Canvas& c, const Fonts& fonts, Box face, const char* text, Rgb colour) {
    const TextPainter painter(fonts, c);
    const TextStyle style{kDisplayFont.font, kDisplayFont.size, colour, kDisplayFont.stretch};
    painter.draw(style, text, face.x + 23, face.y + 7.5, Align::Centre);
}

void placeDisplays(const Canvas& c, const Bitmaps& b, const Fonts& fonts, const Scene& s) {
    const Rgb white = grey(255), light{204, 228, 255};
    for (Box face : {kThresholdDisplay, kRatioDisplay, kReleaseDisplay, kOutputDisplay})
        c.paste(b.at(120), face.x, face.y);
    displayText(c, fonts, kThresholdDisplay, s.thresholdText, white);
    displayText(c, fonts, kRatioDisplay, s.ratioText, white);
    displayText(c, fonts, kReleaseDisplay, s.releaseText, s.autoRelease ? light : white);
    displayText(c, fonts, kOutputDisplay, s.outputText, s.normalize ? light : white);
    c.fillRect(kRmsReadout, {154, 172, 194});
    const TextPainter painter(fonts, c);
    painter.draw(kDisplayFont, s.rmsText, kRmsReadout.x + 23, kRmsReadout.y + 6.5, Align::Centre);
}

void placeMeters(const Canvas& c, const Bitmaps& b, const Scene& s) {
    const Box r = kReductionMeter, m = kLevelMeters;
    if (s.reduction > 0) {
        c.blit(b.at(107), {0, 0, 13, s.reduction}, r.x, r.y);
        c.hline(r.x, r.x + 12, r.y + s.reduction + 9, {110, 131, 241});
    }
    const int levels[2] = {s.levelA, s.levelB};
    for (int i = 0; i < 2; ++i) {
        const int x = m.x + 16 * i, top = 257 - levels[i];
        if (levels[i] > 0) c.blit(b.at(106), {0, top, 15, levels[i]}, x, m.y + top);
        if (levels[i] > 0) c.hline(x, x + 14, m.y + top - 7, {0, 160, 0});
    }
}

// Envelope of some programme material, 0..1 of full scale.
double programme(int x) {
    const double swell = 0.55 + 0.45 * std::sin(x * 0.045 + 1.0);
    return std::clamp(0.12 + 0.7 * swell * std::abs(std::sin(x * 0.17)) +
                          0.1 * brushed(x * 5, 3, 2.3, 7),
                      0.02, 1.0);
}

void waveBar(Canvas& c, int x, double top, double bottom, Rgb colour) {
    const int a = std::min(128, int(std::trunc(top * 32768) * 2 / 512));
    const int z = std::max(-128, int(std::trunc(bottom * 32768) * 2 / 512));
    for (int y = 128 - a; y < 128 - z; ++y)
        c.setPixel(kWavePanel.x + x, kWavePanel.y + y, colour);
}

void placeWave(Canvas& c) {
    const double thrComp = std::pow(10, -12 / 20.0), thrLim = std::pow(10, -1 / 20.0);
    c.beginPixels();
    for (int x = 0; x < 122; ++x) {
        const double in = programme(x);
        const double comp = in > thrComp ? thrComp * std::pow(in / thrComp, 0.25) : in;
        const double lim = std::min(comp, thrLim);
        waveBar(c, x, in, -in * 0.93, {108, 116, 188});
        waveBar(c, x, comp, -comp * 0.93, {148, 156, 218});
        waveBar(c, x, lim, -lim * 0.93, {200, 220, 255});
    }
    c.endPixels();
    const Box p = kWavePanel;
    const int tc = int(thrComp * 64 * 2 - 1), tl = int(thrLim * 64 * 2);
    for (int row : {127 - tc, 128 + tc})
        c.hline(p.x, p.right() - 1, p.y + row, {0, 200, 0});
    for (int row : {127 - tl, 128 + tl})
        c.hline(p.x, p.right() - 1, p.y + row, {200, 0, 0});
}

// The glow is a screen blend of the glow bitmap's red channel over the panel's corner.
void placeGlow(Canvas& c, const Bitmaps& b) {
    const Canvas& glow = b.at(127);
    glow.beginPixels();
    c.beginPixels();
    for (int x = 0; x <= 41; ++x)
        for (int y = 0; y <= 15; ++y) {
            const double base = glow.pixel(x, y).r, scale = (255 - base) / 255;
            const Rgb p = c.pixel(kWavePanel.x + x, kWavePanel.y + y);
            c.setPixel(kWavePanel.x + x, kWavePanel.y + y,
                       {std::trunc(p.r * scale + base), std::trunc(p.g * scale + base),
                        std::trunc(p.b * scale + base)});
        }
    c.endPixels();
}

} // namespace

Canvas composePreview(const Bitmaps& b, const Fonts& fonts, bool variant) {
    const Scene& s = kScenes[variant ? 1 : 0];
    Canvas c = b.at(118).crop({0, 0, kWindowWidth, kWindowHeight});
    if (!s.bypass) placeWave(c);
    placeGlow(c, b);
    placeMeters(c, b, s);
    placeDisplays(c, b, fonts, s);
    placeHandles(c, b, s);
    placeSwitches(c, b, s);
    return c;
}

} // namespace art
