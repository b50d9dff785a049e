#include "editor/interaction.h"
#include "editor/win32/compressor_editor.h"
#include "editor/win32/editor_messages.h"
#include "editor/win32/numeric_entry.h"
#include "engine/compressor_effect.h"

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
    if (!window || GetCapture() != window) editor.owner().editorState.dragMode = kNoDrag;
}
