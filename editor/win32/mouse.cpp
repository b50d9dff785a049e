#include "editor/interaction.h"
#include "editor/win32/compressor_editor.h"
#include "editor/win32/editor_messages.h"
#include "editor/win32/numeric_entry.h"
#include "engine/compressor_effect.h"

#include <windowsx.h>

namespace {

template <typename Action> void interact(CompressorEditor& editor, Action&& act) {
    EditorControls* controls = editor.controls();
    if (!controls) return;
    EntryBoxes view(editor);
    Interaction interaction(*controls, editor.owner(), view);
    act(interaction);
}

} // namespace

// The editor holds the mouse while a fader is dragged, so a button released
// outside the window still ends the drag.
void onLeftButtonDown(CompressorEditor& editor, int x, int y) {
    interact(editor, [&](Interaction& i) { i.leftButtonDown(x, y); });
    HWND window = editor.window();
    if (window && editor.owner().editorState.dragMode != kNoDrag) SetCapture(window);
}

void onMouseMove(CompressorEditor& editor, WPARAM keys, int x, int y) {
    interact(editor, [&](Interaction& i) { i.mouseMove(keys, x, y); });
}

void onLeftButtonUp(CompressorEditor& editor) {
    interact(editor, [](Interaction& i) { i.leftButtonUp(); });
    HWND window = editor.window();
    if (window && GetCapture() == window) ReleaseCapture();
}

// Another window took the mouse: the drag is over.
void onCaptureChanged(CompressorEditor& editor) {
    HWND window = editor.window();
    if (window && GetCapture() == window) return;
    if (editor.owner().editorState.dragMode == kNoDrag) return;
    interact(editor, [](Interaction& i) { i.endDrag(); });
}

// Fine wheels send parts of a notch; they add up to whole ones.
void onMouseWheel(CompressorEditor& editor, WPARAM wParam, LPARAM lParam) {
    int& travel = editor.wheelTravel;
    travel += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = travel / WHEEL_DELTA;
    travel -= notches * WHEEL_DELTA;
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(editor.window(), &p);
    interact(editor, [&](Interaction& i) { i.wheel(p.x, p.y, notches); });
}
