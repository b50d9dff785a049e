// The about box: a small top-level window with the title "Info", the
// plug-in's text, an information mark and an OK button. It closes on OK,
// Enter, Escape and the window manager's close, and never blocks: the
// editor's event pump hands it its events.
#pragma once

#include "editor/x11/dialog_window.h"

#include <X11/Xlib.h>
#include <functional>

class AboutBox {
  public:
    // Told once, after the window is gone; it may destroy the box.
    using Closed = std::function<void()>;

    // Shows the box over the top-level window that holds owner.
    AboutBox(Display* display, Window owner, Closed closed);
    ~AboutBox();
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    Window window() const { return box; }
    bool isOpen() const { return box != None; }
    void handle(const XEvent& event);

    static constexpr int kWidth = 260, kHeight = 150;
    // The OK button in window coordinates.
    static constexpr dialog::Rect kOkButton = {(kWidth - 75) / 2, kHeight - 35, 75, 23};

  private:
    void paint() const;
    void close();

    Display* display;
    Window box;
    Closed closed;
    bool okPressed = false;
};
