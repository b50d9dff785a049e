#include "editor/win32/editor_paint.h"

#include "editor/meter_law.h"
#include "editor/win32/compressor_editor.h"
#include "editor/win32/rms_readout.h"
#include "editor/win32/shared_resources.h"
#include "engine/compressor_effect.h"

namespace {

void copyPanel(HDC dc, const EditorSurfaces& s) {
    BitBlt(dc, 175, 13, 122, 256, s.panelDC, 0, 0, SRCCOPY);
    BitBlt(dc, 328, 13, 13, 257, s.panelDC, 122, 0, SRCCOPY);
    BitBlt(dc, 460, 13, 31, 257, s.panelDC, 136, 0, SRCCOPY);
}

void drawControls(EditorControls& c) {
    c.thresholdFader.draw();
    c.ratioFader.draw();
    c.releaseFader.draw();
    c.autoReleaseFader.draw();
    c.zoomFader.draw();
    c.outputFader.draw();
    c.limitFader.draw();
    c.lookAheadFader.draw();
    c.softSwitch.draw();
    c.normalizeSwitch.draw();
    c.ditherSwitch.draw();
    c.bypassSwitch.draw();
    c.autoSwitch.draw();
}

} // namespace

void paintEditor(CompressorEditor& editor) {
    HWND window = editor.window();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const shared::Resources& r = shared::resources();
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ savedFont = SelectObject(dc, r.editorFont);
    BitBlt(dc, 0, 0, 511, 283, r.backgroundDC, 0, 0, SRCCOPY);
    SetTextColor(dc, RGB(255, 255, 255));
    const CompressorEffect& fx = editor.owner();
    drawRmsReadout(dc, meter::rmsText(fx.sumSquaresA, fx.sumSquaresB, fx.sumCount, -99.999));
    if (editor.surfaces().panelDC) copyPanel(dc, editor.surfaces());
    SelectObject(dc, savedFont);
    EndPaint(window, &ps);
    if (EditorControls* c = editor.controls()) drawControls(*c);
}
