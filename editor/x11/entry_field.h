// A text box of our own over a numeric display, as the Windows editor's
// multi-line edit boxes behave: a child window, white, the text centred and
// black (white on blue while all of it is selected), wrapping where it grows
// wider than the box. Typing replaces a selection or adds at the end,
// Backspace takes back, Enter adds a line break: the second line that commits
// the entry.
#pragma once

#include "editor/x11/cairo_drawing.h"

#include <X11/Xlib.h>
#include <string>

class EntryField {
  public:
    static constexpr int kWidth = 47, kHeight = 15;

    // Created hidden, holding "---".
    void create(Display* display, Window parent, Visual* visual, int x, int y);
    void destroy();
    Window window() const { return box; }

    // Shows the text, all of it selected, and takes the keyboard focus.
    void show(const std::string& text);
    void hide();
    const std::string& text() const { return content; }
    // Lines as the box shows them: line breaks and wrapping.
    int lineCount() const;

    // A key pressed in the box; true when its text changed.
    bool keyPress(XKeyEvent& event);
    void draw();

  private:
    bool edit(unsigned long keysym, const char* typed, int length);

    Display* display = nullptr;
    Window box = 0;
    Surface surface;
    std::string content = "---";
    bool allSelected = false;
};
