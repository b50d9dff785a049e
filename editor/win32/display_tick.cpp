#include "editor/win32/display_tick.h"

#include "editor/display_feed.h"
#include "editor/win32/compressor_editor.h"
#include "editor/win32/meters.h"
#include "editor/win32/rms_readout.h"
#include "editor/win32/shared_resources.h"
#include "editor/win32/wave_display.h"
#include "engine/compressor_effect.h"

namespace {

// The automatic release time goes to the release display (its fader is
// hidden then), the normalized output to the Output control.
void showFeedbacks(EditorControls& c, const feed::TickFrame& f) {
    if (f.showRelease) c.releaseFader.setValue(f.releaseMs);
    if (f.showOutput) c.outputFader.setValue(f.output);
}

void copyPanel(HDC dc, HDC panel) {
    SelectClipRgn(panel, nullptr);
    BitBlt(dc, 175, 13, 122, 256, panel, 0, 0, SRCCOPY);
    BitBlt(dc, 328, 13, 13, 257, panel, 122, 0, SRCCOPY);
    BitBlt(dc, 460, 13, 31, 257, panel, 136, 0, SRCCOPY);
}

} // namespace

void displayTick(CompressorEditor& editor) {
    EditorControls* controls = editor.controls();
    HDC panel = editor.surfaces().panelDC;
    if (!controls || !panel) return;
    const feed::TickFrame frame = feed::advanceDisplay(editor.owner());
    showFeedbacks(*controls, frame);
    HWND window = editor.window();
    HDC dc = GetDC(window);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HGDIOBJ savedFont = SelectObject(dc, shared::resources().editorFont);
    if (frame.rmsDue) drawRmsReadout(dc, frame.rmsText);
    drawReductionMeter(panel, frame);
    drawLevelMeters(panel, frame);
    advanceWave(editor, frame);
    copyPanel(dc, panel);
    SelectObject(dc, savedFont);
    ReleaseDC(window, dc);
}
