#include "editor/win32/display_tick.h"

#include "editor/display_feed.h"
#include "editor/win32/compressor_editor.h"
#include "editor/win32/meters.h"
#include "editor/win32/rms_readout.h"
#include "editor/win32/wave_display.h"
#include "editor/win32/win32_canvas.h"
#include "editor/win32/win32_handles.h"
#include "engine/compressor_effect.h"

namespace {

// The automatic release time goes to the release display (its fader is
// hidden then), the normalized output to the Output control.
void showFeedbacks(EditorControls& c, const feed::TickFrame& f) {
    if (f.showRelease) c.releaseFader.setValue(f.releaseMs);
    if (f.showOutput) c.outputFader.setValue(f.output);
}

} // namespace

void displayTick(CompressorEditor& editor) {
    EditorControls* controls = editor.controls();
    HDC surface = editor.surfaces().panelDC.get();
    if (!controls || !surface) return;
    const feed::TickFrame frame = feed::advanceDisplay(editor.owner());
    showFeedbacks(*controls, frame);
    WindowDC dc(editor.window());
    if (frame.rmsDue) drawRmsReadout(dc, frame.rmsText);
    drawReductionMeter(surface, frame);
    drawLevelMeters(surface, frame);
    advanceWave(editor, frame);
    SelectClipRgn(surface, nullptr);
    panel::copyToWindow(dc, surface);
}
