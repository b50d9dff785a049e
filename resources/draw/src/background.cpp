// The background picture: a brushed grey-blue panel with the captions, display boxes,
// fader tracks, wave panel, meter wells, switches and logo of the editor.
#include "artwork.h"
#include "layout.h"
#include "shapes.h"

#include <cmath>

namespace art {

namespace {

const TextStyle kLabel{kLabelFont, 10, palette::kInk};
const TextStyle kSmall{kLabelFont, 8, palette::kInk};

// Brushed metal: a gentle fall of light from the top left, with fine horizontal grain.
Rgb panelColour(int x, int y) {
    const Rgb base = mix(palette::kPanelTop, palette::kPanelBottom, y / double(kWindowHeight - 1));
    const double light = 5.0 * (0.5 - x / double(kWindowWidth - 1));
    const double grain = 1.6 * brushed(x, y, 47, 11) + 0.9 * brushed(x, y, 13, 29);
    const double shift = light + grain;
    return {base.r + shift, base.g + shift, base.b + shift};
}

void paintMetal(Canvas& canvas) {
    canvas.beginPixels();
    for (int y = 0; y < kWindowHeight; ++y)
        for (int x = 0; x < kWindowWidth; ++x)
            canvas.setPixel(x, y, panelColour(x, y));
    canvas.endPixels();
    raise(canvas, {0, 0, kWindowWidth, kWindowHeight}, 0.5, 0.45);
    raise(canvas, {1, 1, kWindowWidth - 2, kWindowHeight - 2}, 0.15, 0.12);
}

void paintDisplay(const Canvas& canvas, const TextPainter& text, Box box, const char* label) {
    canvas.paste(drawDisplayFace(), box.x, box.y);
    recess(canvas, box);
    text.engrave(kLabel, label, box.x + box.w / 2.0, box.bottom() + 8, Align::Centre);
}

void paintReadout(const Canvas& canvas, const TextPainter& text) {
    const Box box = kRmsReadout;
    canvas.fillRect(box, palette::kReadout);
    recess(canvas, box);
    text.engrave(kLabel, "RMS", box.x + box.w / 2.0, box.bottom() + 7, Align::Centre);
}

void paintDisplays(const Canvas& canvas, const TextPainter& text) {
    paintDisplay(canvas, text, kThresholdDisplay, "Threshold");
    paintDisplay(canvas, text, kRatioDisplay, "Ratio");
    paintDisplay(canvas, text, kReleaseDisplay, "Release");
    paintDisplay(canvas, text, kOutputDisplay, "Output");
    paintReadout(canvas, text);
}

// A dark slot cut into the panel.
void paintSlot(const Canvas& canvas, Box slot) {
    gradient(canvas, slot, {14, 18, 32}, {34, 42, 62}, slot.w > slot.h);
    recess(canvas, slot);
}

// Graduation beside a value fader: eleven marks, the ends and the middle longer.
void paintTicks(const Canvas& canvas, const ValueFaderPlace& f) {
    const int centre = f.x + f.width / 2;
    for (int k = 0; k <= 10; ++k) {
        const int row = f.y + int(std::lround(k * (f.travel - 1) / 10.0));
        const int length = k % 5 == 0 ? 4 : 2;
        const Rgb ink = palette::kInk;
        canvas.hline(centre - 4 - length, centre - 5, row, ink, 0.55);
        canvas.hline(centre + 4, centre + 3 + length, row, ink, 0.55);
        canvas.hline(centre - 4 - length, centre - 5, row + 1, grey(255), 0.3);
        canvas.hline(centre + 4, centre + 3 + length, row + 1, grey(255), 0.3);
    }
}

void paintValueTrack(const Canvas& canvas, const ValueFaderPlace& f) {
    paintTicks(canvas, f);
    paintSlot(canvas, {f.x + f.width / 2 - 2, f.y - 5, 4, f.travel + 9});
}

void paintTracks(const Canvas& canvas) {
    for (const ValueFaderPlace& f :
         {kLimitFader, kThresholdFader, kRatioFader, kReleaseFader, kOutputFader})
        paintValueTrack(canvas, f);
    const SmallFaderPlace look = kLookAheadFader, zoom = kZoomFader;
    paintSlot(canvas, {look.x - 6, look.y + look.thickness / 2 - 1, look.travel + 10, 3});
    paintSlot(canvas, {zoom.x + zoom.thickness / 2 - 1, zoom.y - 6, 3, zoom.travel + 10});
}

void paintTrackLabels(const TextPainter& text) {
    const int lookRow = kLookAheadFader.y + kLookAheadFader.thickness / 2;
    text.engrave(kLabel, "LookAhead", 14, lookRow, Align::Left);
    text.engrave(kSmall, "MAX", kLookAheadFader.x + kLookAheadFader.travel + 10, lookRow,
                 Align::Left);
    // LIMIT, one letter under the other, below the end of the limiter's track and clear of
    // both handles.
    const std::string limit = "LIMIT";
    const int column = kLimitFader.x + kLimitFader.width - 3;
    const int top = kLimitFader.y + kLimitFader.travel + 27;
    for (size_t i = 0; i < limit.size(); ++i)
        text.engrave(kSmall, limit.substr(i, 1), column, top + 9 * int(i), Align::Centre);
}

// The wave panel: dark blue, a grid of 32-pixel squares around the centre line.
void paintWavePanel(const Canvas& canvas) {
    const Box p = kWavePanel;
    gradient(canvas, p, {10, 18, 50}, {8, 14, 40});
    const Rgb line{26, 42, 92};
    for (int k = 1; k <= 3; ++k) {
        canvas.hline(p.x, p.right() - 1, p.y + 128 - 32 * k, line);
        canvas.hline(p.x, p.right() - 1, p.y + 128 + 32 * k, line);
    }
    for (int x : {29, 61, 93})
        canvas.vline(p.x + x, p.y, p.bottom() - 1, line);
    canvas.hline(p.x, p.right() - 1, p.y + 128, {44, 68, 132});
    recess(canvas, p, 1.3);
}

void paintWell(const Canvas& canvas, Box well, const ScaleMark* marks, int count) {
    canvas.fillRect(well, palette::kWell);
    for (int i = 0; i < count; ++i)
        if (marks[i].row > well.y)
            canvas.hline(well.x, well.right() - 1, marks[i].row, {34, 42, 64});
    recess(canvas, well, 1.3);
}

void paintScale(const Canvas& canvas, const TextPainter& text, Box well, const ScaleMark* marks,
                int count) {
    for (int i = 0; i < count; ++i) {
        canvas.hline(well.x - 5, well.x - 3, marks[i].row, palette::kInk, 0.8);
        text.engrave(kSmall, marks[i].text, well.x - 7, marks[i].row, Align::Right);
    }
}

void paintMeters(const Canvas& canvas, const TextPainter& text) {
    paintWell(canvas, kReductionMeter, kReductionMarks, 4);
    paintScale(canvas, text, kReductionMeter, kReductionMarks, 4);
    paintWell(canvas, kLevelMeters, kLevelMarks, 4);
    // The gap between the two level bars.
    const Box m = kLevelMeters;
    canvas.vline(m.x + 15, m.y, m.bottom() - 1, grey(0), 0.5);
    paintScale(canvas, text, kLevelMeters, kLevelMarks, 4);
}

void paintLogo(const Canvas& canvas, const TextPainter& text) {
    const Box b = kLogo;
    gradient(canvas, b, {46, 62, 104}, {18, 26, 54});
    raise(canvas, b, 0.45, 0.6);
    recess(canvas, b, 0.8);
    const TextStyle name{Font::SerifBoldItalic, 17, {226, 234, 250}};
    text.draw({name.font, name.size, grey(0)}, "Tarvexor", b.x + b.w / 2.0 + 1, b.y + 14,
              Align::Centre);
    text.draw(name, "Tarvexor", b.x + b.w / 2.0, b.y + 13, Align::Centre);
}

void paintSwitchShadows(const Canvas& canvas) {
    for (const SwitchArt& s : switches()) {
        canvas.hline(s.box.x + 2, s.box.right(), s.box.bottom(), grey(0), 0.22);
        canvas.vline(s.box.right(), s.box.y + 2, s.box.bottom() - 1, grey(0), 0.22);
    }
}

} // namespace

Canvas drawPanel(const Fonts& fonts) {
    Canvas canvas(kWindowWidth, kWindowHeight);
    const TextPainter text(fonts, canvas);
    paintMetal(canvas);
    paintDisplays(canvas, text);
    paintTracks(canvas);
    paintTrackLabels(text);
    paintWavePanel(canvas);
    paintMeters(canvas, text);
    paintLogo(canvas, text);
    paintSwitchShadows(canvas);
    return canvas;
}

Canvas drawBackground(const Canvas& panel, const Fonts& fonts) {
    Canvas canvas = panel.crop({0, 0, panel.width(), panel.height()});
    for (const SwitchArt& button : switches())
        paintSwitch(canvas, fonts, button, false);
    return canvas;
}

Canvas drawLitSwitch(const Canvas& panel, const Fonts& fonts, const SwitchArt& button) {
    Canvas canvas = panel.crop({0, 0, panel.width(), panel.height()});
    paintSwitch(canvas, fonts, button, true);
    return canvas.crop(button.box);
}

} // namespace art
