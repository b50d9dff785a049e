#include "editor/win32/numeric_entry.h"

#include "editor/entry_conversion.h"
#include "editor/win32/about_box.h"
#include "editor/win32/compressor_editor.h"

HWND EntryBoxes::boxWindow(int box) const {
    return editor.entryBox(box);
}

std::string EntryBoxes::entryText(int box) {
    char text[kEntryTextLimit + 1] = {};
    HWND edit = boxWindow(box);
    if (edit) SendMessageA(edit, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

int EntryBoxes::entryLineCount(int box) {
    HWND edit = boxWindow(box);
    return edit ? static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0)) : 0;
}

void EntryBoxes::showEntry(int box, const std::string& text) {
    HWND edit = boxWindow(box);
    if (!edit) return;
    ShowWindow(edit, SW_SHOW);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
}

void EntryBoxes::hideEntry(int box) {
    HWND edit = boxWindow(box);
    if (edit) ShowWindow(edit, SW_HIDE);
}

void EntryBoxes::showAboutBox() {
    ::showAboutBox(editor);
}

// Enter puts a line break into the box, whose change arrives here.
bool handleEntryCommand(CompressorEditor& editor, WPARAM wParam, LPARAM lParam) {
    if (!editor.isEntryBox(reinterpret_cast<HWND>(lParam))) return false;
    EditorControls* controls = editor.controls();
    if (HIWORD(wParam) == EN_CHANGE && controls) {
        EntryBoxes view(editor);
        Interaction(*controls, editor.owner(), view).entryChanged();
    }
    return true;
}
