#include "editor/x11/editor_paint.h"

#include "editor/meter_law.h"
#include "editor/x11/compressor_editor.h"
#include "editor/x11/rms_readout.h"
#include "editor/x11/shared_resources.h"
#include "editor/x11/x11_canvas.h"
#include "engine/compressor_effect.h"

void paintEditor(CompressorEditor& editor) {
    EditorPicture& picture = editor.picture();
    if (!picture.exists()) return;
    {
        Context cr = picture.draw();
        copyArea(cr.get(), shared::background(), 0, 0, kEditorWidth, kEditorHeight, 0, 0);
        picture.touch(0, 0, kEditorWidth, kEditorHeight);
    }
    const CompressorEffect& fx = editor.owner();
    drawRmsReadout(picture, meter::rmsText(fx.sumSquaresA, fx.sumSquaresB, fx.sumCount, -99.999));
    if (cairo_surface_t* panel = editor.surfaces().panelImage.get()) {
        Context cr = picture.draw();
        panel::copyToWindow(cr.get(), panel);
    }
    if (EditorControls* c = editor.controls()) c->drawAll();
}
