// Typing values into the four numeric displays: the edit boxes that open over
// them, and the notification that takes a typed value over after Enter.
#pragma once

#include "editor/interaction.h"

#include <windows.h>

class CompressorEditor;

// The editor's edit boxes and about box, as the interaction uses them.
class EntryBoxes : public InteractionView {
  public:
    explicit EntryBoxes(CompressorEditor& editor) : editor(editor) {}
    std::string entryText(int box) override;
    int entryLineCount(int box) override;
    void showEntry(int box, const std::string& text) override;
    void hideEntry(int box) override;
    void showAboutBox() override;

  private:
    HWND boxWindow(int box) const;
    CompressorEditor& editor;
};

// An edit box's notification; true when it was one of the entry boxes'.
bool handleEntryCommand(CompressorEditor& editor, WPARAM wParam, LPARAM lParam);
