// Typing values into the four numeric displays: the text boxes that open over
// them, and the change that takes a typed value over after Enter.
#pragma once

#include "editor/interaction.h"

#include <X11/Xlib.h>

class CompressorEditor;

// The editor's text boxes and about box, as the interaction uses them.
class EntryBoxes : public InteractionView {
  public:
    explicit EntryBoxes(CompressorEditor& editor) : editor(editor) {}
    std::string entryText(int box) override;
    int entryLineCount(int box) override;
    void showEntry(int box, const std::string& text) override;
    void hideEntry(int box) override;
    void showAboutBox() override;

  private:
    CompressorEditor& editor;
};

// A key pressed in a text box; a change is looked at as an edit box's change
// notification is on Windows, and the editor is repainted after it.
void onEntryKey(CompressorEditor& editor, int box, XKeyEvent& event);
