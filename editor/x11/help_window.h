// The help window: a fixed-size top-level window with the built-in manual
// and a scroll bar of its own, scrolled by its arrows, by clicks in its
// trough, by dragging its thumb and by the wheel. Each editor owns one;
// opening it again raises the window that is open.
#pragma once

#include <X11/Xlib.h>

class HelpWindow {
  public:
    explicit HelpWindow(Display* display);
    ~HelpWindow();
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    // Shows the manual over the top-level window that holds owner. true when
    // a window was created; an open one is raised and keeps its place (false).
    bool open(Window owner);
    // Takes the window down, as when its owner goes; the next open makes a
    // new one.
    void close();
    bool isOpen() const { return help != None; }
    // The open window, or None.
    Window window() const { return help; }
    void handle(const XEvent& event);

    // The first line of the manual shown, 0..121.
    int topLine() const { return firstLine; }

  private:
    void paint() const;
    void press(int x, int y, unsigned button);
    void scrollBy(int delta);

    Display* display;
    Window help = None;
    int firstLine = 0;
    // While the thumb is dragged: how far below its top it was taken.
    bool dragging = false;
    int dragOffset = 0;
};
