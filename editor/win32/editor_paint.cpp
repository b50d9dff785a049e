#include "editor/win32/editor_paint.h"

#include "editor/meter_law.h"
#include "editor/win32/compressor_editor.h"
#include "editor/win32/rms_readout.h"
#include "editor/win32/shared_resources.h"
#include "editor/win32/win32_canvas.h"
#include "editor/win32/win32_handles.h"
#include "engine/compressor_effect.h"

void paintEditor(CompressorEditor& editor) {
    {
        PaintDC dc(editor.window());
        const shared::Resources& r = shared::resources();
        BitBlt(dc, 0, 0, kEditorWidth, kEditorHeight, r.backgroundDC, 0, 0, SRCCOPY);
        const CompressorEffect& fx = editor.owner();
        drawRmsReadout(dc, meter::rmsText(fx.sumSquaresA, fx.sumSquaresB, fx.sumCount, -99.999));
        if (HDC panel = editor.surfaces().panelDC.get()) panel::copyToWindow(dc, panel);
    }
    if (EditorControls* c = editor.controls()) c->drawAll();
}
