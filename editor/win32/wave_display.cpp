#include "editor/win32/wave_display.h"

#include "editor/display_feed.h"
#include "editor/panel_layout.h"
#include "editor/wave_geometry.h"
#include "editor/win32/compressor_editor.h"
#include "editor/win32/shared_resources.h"
#include "engine/compressor_effect.h"

namespace {

constexpr int kPanelWidth = panel::kWave.width;
constexpr int kPanelHeight = panel::kWave.height;
constexpr int kNewColumn = kPanelWidth; // just right of what the panel shows

void drawLine(HDC dc, HPEN pen, int x0, int y0, int x1, int y1) {
    Selection selected(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void drawBar(HDC dc, HPEN pen, int x, wave::Bar b) {
    drawLine(dc, pen, x, b.from, x, b.to);
}

// The input bar (also as the mask's silhouette), then the compressed and the
// limited bars over it, so the innermost envelope wins where they overlap.
void drawColumn(CompressorEditor& editor, int x, const feed::Column& c) {
    const EditorSurfaces& s = editor.surfaces();
    std::int32_t zoom = editor.owner().zoom;
    wave::Bar input = wave::bar(c.inMax, c.inMin, zoom);
    drawBar(s.waveDC, editor.displayPen(0), x, input);
    drawBar(s.waveMaskDC, shared::resources().blackPen, x, input);
    drawBar(s.waveDC, editor.displayPen(4), x, wave::bar(c.compMax, c.compMin, zoom));
    drawBar(s.waveDC, editor.displayPen(1), x, wave::bar(c.limMax, c.limMin, zoom));
}

void scrollTraces(const EditorSurfaces& s) {
    const shared::Resources& r = shared::resources();
    BitBlt(s.waveDC, 0, 0, kPanelWidth, kPanelHeight, s.waveDC, 1, 0, SRCCOPY);
    BitBlt(s.waveMaskDC, 0, 0, kPanelWidth, kPanelHeight, s.waveMaskDC, 1, 0, SRCCOPY);
    RECT column{kNewColumn, 0, kNewColumn + 1, kPanelHeight};
    FillRect(s.waveMaskDC, &column, r.whiteBrush);
    FillRect(s.waveDC, &column, r.blackBrush);
}

// The grid, the input's silhouette cut out of it, the traces filled in.
void composePanel(const EditorSurfaces& s) {
    const shared::Resources& r = shared::resources();
    BitBlt(s.panelDC, 0, 0, kPanelWidth, kPanelHeight, r.backgroundDC, panel::kWave.windowX,
           panel::kWave.windowY, SRCCOPY);
    BitBlt(s.panelDC, 0, 0, kPanelWidth, kPanelHeight, s.waveMaskDC, 0, 0, SRCAND);
    BitBlt(s.panelDC, 0, 0, kPanelWidth, kPanelHeight, s.waveDC, 0, 0, SRCPAINT);
}

void drawThreshold(HDC dc, HPEN pen, wave::ThresholdRows rows) {
    if (rows.upper < 0) return;
    drawLine(dc, pen, 0, rows.upper, kPanelWidth, rows.upper);
    drawLine(dc, pen, 0, rows.lower, kPanelWidth, rows.lower);
}

void drawThresholds(CompressorEditor& editor) {
    const CompressorEffect& fx = editor.owner();
    HDC surface = editor.surfaces().panelDC;
    drawThreshold(surface, editor.displayPen(2),
                  wave::compressorThresholdRows(fx.compThresholdLin, fx.zoom));
    drawThreshold(surface, editor.displayPen(3),
                  wave::limiterThresholdRows(fx.limThresholdLin, fx.zoom));
}

} // namespace

void advanceWave(CompressorEditor& editor, const feed::TickFrame& frame) {
    const EditorSurfaces& s = editor.surfaces();
    scrollTraces(s);
    if (!frame.bypass) drawColumn(editor, kNewColumn, frame.column);
    composePanel(s);
    drawThresholds(editor);
    applyGlow(s.panelDC);
}

void redrawWave(CompressorEditor& editor) {
    const EditorSurfaces& s = editor.surfaces();
    if (!s.waveDC.get() || !s.waveMaskDC.get()) return;
    const shared::Resources& r = shared::resources();
    RECT all{0, 0, 123, 256};
    FillRect(s.waveDC, &all, r.blackBrush);
    FillRect(s.waveMaskDC, &all, r.whiteBrush);
    const WaveHistory& h = editor.owner().editorState.wave;
    int ring = h.waveRingIndex;
    for (int x = 1; x <= kWaveColumns; ++x) {
        drawColumn(editor, x, feed::historyColumn(h, ring));
        ring = (ring + 1) % kWaveColumns;
    }
}

void applyGlow(HDC surface) {
    const shared::Resources& r = shared::resources();
    for (int x = 0; x <= 41; ++x) {
        for (int y = 0; y <= 15; ++y) {
            int i = x * shared::kGlowRows + y;
            float g = r.glowScale[i], b = r.glowBase[i];
            COLORREF c = GetPixel(surface, x, y);
            int red = static_cast<int>(GetRValue(c) * g + b);
            int green = static_cast<int>(GetGValue(c) * g + b);
            int blue = static_cast<int>(GetBValue(c) * g + b);
            SetPixelV(surface, x, y, RGB(red, green, blue));
        }
    }
}
