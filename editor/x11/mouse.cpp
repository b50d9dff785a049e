#include "editor/interaction.h"
#include "editor/x11/compressor_editor.h"
#include "editor/x11/editor_events.h"
#include "editor/x11/numeric_entry.h"
#include "editor/x11/x11_dialogs.h"
#include "engine/compressor_effect.h"

#include <X11/Xlib.h>

namespace {

template <typename Action> void interact(CompressorEditor& editor, Action&& act) {
    EditorControls* controls = editor.controls();
    if (!controls) return;
    EntryBoxes view(editor);
    Interaction interaction(*controls, editor.owner(), view);
    act(interaction);
}

} // namespace

std::uintptr_t mouseKeys(unsigned int state) {
    std::uintptr_t keys = 0;
    if (state & Button1Mask) keys |= 0x0001;
    if (state & Button3Mask) keys |= 0x0002;
    if (state & ShiftMask) keys |= 0x0004;
    if (state & ControlMask) keys |= 0x0008;
    if (state & Button2Mask) keys |= 0x0010;
    return keys;
}

// X holds the pointer for the window from a button press to its release, so
// a button released outside the window still ends the drag.
void onLeftButtonDown(CompressorEditor& editor, int x, int y) {
    interact(editor, [&](Interaction& i) { i.leftButtonDown(x, y); });
}

void onMouseMove(CompressorEditor& editor, unsigned int state, int x, int y) {
    interact(editor, [&](Interaction& i) { i.mouseMove(mouseKeys(state), x, y); });
}

void onLeftButtonUp(CompressorEditor& editor) {
    interact(editor, [](Interaction& i) { i.leftButtonUp(); });
}

void onGrabLost(CompressorEditor& editor) {
    if (editor.owner().editorState.dragMode == kNoDrag) return;
    interact(editor, [](Interaction& i) { i.endDrag(); });
}

void onWheel(CompressorEditor& editor, int x, int y, int notches) {
    interact(editor, [&](Interaction& i) { i.wheel(x, y, notches); });
}

void onContextMenu(CompressorEditor& editor, int rootX, int rootY) {
    editor.dialogs().openContextMenu(rootX, rootY);
}

void onHelp(CompressorEditor& editor) {
    editor.dialogs().openHelp();
}
