// A connection to the test's X display, an owner window standing in for the
// editor's, real input through XTest, and an event pump that hands every
// event to the component under test, as the editor's pump does.
#pragma once
// Google Test before Xlib, whose None and Bool macros would clash with it.
#include <gtest/gtest.h>

#include "editor/x11/dialog_window.h"

#include <X11/Xlib.h>
#include <functional>

class X11Fixture : public ::testing::Test {
  protected:
    using Route = std::function<void(const XEvent&)>;

    void SetUp() override;
    void TearDown() override;

    // Reads the events that arrive, each given to route, until done holds
    // (true) or two seconds have passed (false).
    bool pumpUntil(const Route& route, const std::function<bool()>& done);
    // Reads the events of a short while.
    void pumpFor(const Route& route, int milliseconds);
    // Waits until a window is shown and drawn.
    bool waitShown(const Route& route, Window window);

    void moveTo(int rootX, int rootY);
    void button(unsigned int number, bool down);
    void click(unsigned int number = 1);
    void key(unsigned long keysym);
    // A window's point on the screen.
    void toRoot(Window window, int x, int y, int& rootX, int& rootY);
    // Pixels of a screen area darker than mid grey.
    int darkPixels(const dialog::Rect& onScreen);

    Display* display = nullptr;
    Window owner = 0;
};
