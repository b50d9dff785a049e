#include "editor/win32/compressor_editor.h"
#include "editor/win32/context_menu.h"
#include "editor/win32/editor_messages.h"
#include "editor/win32/numeric_entry.h"

// An entry box's notification or a menu command; every command ends with a
// full repaint of the editor.
void onCommand(CompressorEditor& editor, WPARAM wParam, LPARAM lParam) {
    if (lParam == 0 || !handleEntryCommand(editor, wParam, lParam))
        handleMenuCommand(editor, LOWORD(wParam));
    InvalidateRect(editor.window(), nullptr, FALSE);
    UpdateWindow(editor.window());
}
