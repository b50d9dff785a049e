#include "editor/x11/wave_display.h"

#include "editor/display_feed.h"
#include "editor/panel_layout.h"
#include "editor/wave_geometry.h"
#include "editor/x11/compressor_editor.h"
#include "editor/x11/shared_resources.h"
#include "engine/compressor_effect.h"

namespace {

constexpr int kPanelWidth = panel::kWave.width;
constexpr int kPanelHeight = panel::kWave.height;
constexpr int kNewColumn = kPanelWidth; // just right of what the panel shows
constexpr int kTraceWidth = kPanelWidth + 1;
constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

void drawBar(cairo_t* cr, Rgb colour, int x, wave::Bar b) {
    drawLine(cr, x, b.from, x, b.to, colour);
}

// The input bar (also as the mask's silhouette), then the compressed and the
// limited bars over it, so the innermost envelope wins where they overlap.
void drawColumn(CompressorEditor& editor, cairo_t* waves, cairo_t* mask, int x,
                const feed::Column& c) {
    std::int32_t zoom = editor.owner().zoom;
    wave::Bar input = wave::bar(c.inMax, c.inMin, zoom);
    drawBar(waves, editor.displayColour(0), x, input);
    drawBar(mask, kBlack, x, input);
    drawBar(waves, editor.displayColour(4), x, wave::bar(c.compMax, c.compMin, zoom));
    drawBar(waves, editor.displayColour(1), x, wave::bar(c.limMax, c.limMin, zoom));
}

void scrollTraces(cairo_t* waves, cairo_t* mask, const EditorSurfaces& s) {
    scrollLeft(s.waveImage.get(), kPanelWidth, kPanelHeight);
    scrollLeft(s.waveMaskImage.get(), kPanelWidth, kPanelHeight);
    fillRect(mask, kNewColumn, 0, kNewColumn + 1, kPanelHeight, kWhite);
    fillRect(waves, kNewColumn, 0, kNewColumn + 1, kPanelHeight, kBlack);
}

// The grid, the input's silhouette cut out of it, the traces filled in.
void composePanel(const EditorSurfaces& s) {
    {
        Context cr = contextOn(s.panelImage.get());
        copyArea(cr.get(), shared::background(), panel::kWave.windowX, panel::kWave.windowY,
                 kPanelWidth, kPanelHeight, 0, 0);
    }
    andArea(s.panelImage.get(), s.waveMaskImage.get(), kPanelWidth, kPanelHeight);
    orArea(s.panelImage.get(), s.waveImage.get(), kPanelWidth, kPanelHeight);
}

void drawThreshold(cairo_t* cr, Rgb colour, wave::ThresholdRows rows) {
    if (rows.upper < 0) return;
    drawLine(cr, 0, rows.upper, kPanelWidth, rows.upper, colour);
    drawLine(cr, 0, rows.lower, kPanelWidth, rows.lower, colour);
}

void drawThresholds(CompressorEditor& editor) {
    const CompressorEffect& fx = editor.owner();
    Context cr = contextOn(editor.surfaces().panelImage.get());
    drawThreshold(cr.get(), editor.displayColour(2),
                  wave::compressorThresholdRows(fx.compThresholdLin, fx.zoom));
    drawThreshold(cr.get(), editor.displayColour(3),
                  wave::limiterThresholdRows(fx.limThresholdLin, fx.zoom));
}

} // namespace

void advanceWave(CompressorEditor& editor, const feed::TickFrame& frame) {
    const EditorSurfaces& s = editor.surfaces();
    {
        Context waves = contextOn(s.waveImage.get()), mask = contextOn(s.waveMaskImage.get());
        scrollTraces(waves.get(), mask.get(), s);
        if (!frame.bypass) drawColumn(editor, waves.get(), mask.get(), kNewColumn, frame.column);
    }
    composePanel(s);
    drawThresholds(editor);
    applyGlow(s.panelImage.get());
}

void redrawWave(CompressorEditor& editor) {
    const EditorSurfaces& s = editor.surfaces();
    if (!s.waveImage || !s.waveMaskImage) return;
    Context waves = contextOn(s.waveImage.get()), mask = contextOn(s.waveMaskImage.get());
    fillRect(waves.get(), 0, 0, kTraceWidth, kPanelHeight, kBlack);
    fillRect(mask.get(), 0, 0, kTraceWidth, kPanelHeight, kWhite);
    const WaveHistory& h = editor.owner().editorState.wave;
    int ring = h.waveRingIndex;
    for (int x = 1; x <= kWaveColumns; ++x) {
        drawColumn(editor, waves.get(), mask.get(), x, feed::historyColumn(h, ring));
        ring = (ring + 1) % kWaveColumns;
    }
}

void applyGlow(cairo_surface_t* surface) {
    const shared::Resources& r = shared::resources();
    for (int x = 0; x <= 41; ++x) {
        for (int y = 0; y <= 15; ++y) {
            int i = x * shared::kGlowRows + y;
            float g = r.glowScale[i], b = r.glowBase[i];
            Rgb c = pixelAt(surface, x, y);
            setPixel(surface, x, y,
                     {static_cast<int>(c.red * g + b), static_cast<int>(c.green * g + b),
                      static_cast<int>(c.blue * g + b)});
        }
    }
}
