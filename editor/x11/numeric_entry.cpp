#include "editor/x11/numeric_entry.h"

#include "editor/entry_conversion.h"
#include "editor/x11/compressor_editor.h"
#include "editor/x11/editor_events.h"
#include "editor/x11/x11_dialogs.h"

#include <X11/keysym.h>

std::string EntryBoxes::entryText(int box) {
    EntryField* field = editor.entryField(box);
    return field ? field->text().substr(0, kEntryTextLimit) : std::string();
}

int EntryBoxes::entryLineCount(int box) {
    EntryField* field = editor.entryField(box);
    return field ? field->lineCount() : 0;
}

void EntryBoxes::showEntry(int box, const std::string& text) {
    if (EntryField* field = editor.entryField(box)) field->show(text);
}

void EntryBoxes::hideEntry(int box) {
    if (EntryField* field = editor.entryField(box)) field->hide();
}

void EntryBoxes::showAboutBox() {
    editor.dialogs().showAbout();
}

void onEntryKey(CompressorEditor& editor, int box, XKeyEvent& event) {
    EntryField* field = editor.entryField(box);
    if (!field) return;
    if (XLookupKeysym(&event, 0) == XK_F1) return onHelp(editor);
    if (!field->keyPress(event)) return;
    EditorControls* controls = editor.controls();
    if (!controls) return;
    EntryBoxes view(editor);
    Interaction(*controls, editor.owner(), view).entryChanged();
    editor.paint();
}
