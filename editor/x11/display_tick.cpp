#include "editor/x11/display_tick.h"

#include "editor/display_feed.h"
#include "editor/panel_layout.h"
#include "editor/x11/compressor_editor.h"
#include "editor/x11/meters.h"
#include "editor/x11/rms_readout.h"
#include "editor/x11/wave_display.h"
#include "editor/x11/x11_canvas.h"
#include "engine/compressor_effect.h"

namespace {

// The automatic release time goes to the release display (its fader is
// hidden then), the normalized output to the Output control.
void showFeedbacks(EditorControls& c, const feed::TickFrame& f) {
    if (f.showRelease) c.releaseFader.setValue(f.releaseMs);
    if (f.showOutput) c.outputFader.setValue(f.output);
}

void showPanel(EditorPicture& picture, cairo_surface_t* surface) {
    Context cr = picture.draw();
    panel::copyToWindow(cr.get(), surface);
    for (const panel::Area& a : panel::kAreas)
        picture.touch(a.windowX, a.windowY, a.windowX + a.width, a.windowY + a.height);
}

} // namespace

void displayTick(CompressorEditor& editor) {
    EditorControls* controls = editor.controls();
    cairo_surface_t* surface = editor.surfaces().panelImage.get();
    if (!controls || !surface) return;
    const feed::TickFrame frame = feed::advanceDisplay(editor.owner());
    showFeedbacks(*controls, frame);
    if (frame.rmsDue) drawRmsReadout(editor.picture(), frame.rmsText);
    drawReductionMeter(surface, frame);
    drawLevelMeters(surface, frame);
    advanceWave(editor, frame);
    showPanel(editor.picture(), surface);
}
