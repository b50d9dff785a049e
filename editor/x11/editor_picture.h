// What the editor window shows, kept in an image of the whole window: every
// drawing goes into the image, and the part that changed is put on the window
// at the end of each round of events. A repaint after an exposure shows the
// image again; a capture of the window reads what was drawn.
#pragma once

#include "editor/x11/cairo_drawing.h"

#include <X11/Xlib.h>

class EditorPicture {
  public:
    // An image of the window's size, shown on the window.
    void attach(Display* display, Window window, Visual* visual, int width, int height);
    void detach();
    bool exists() const { return image != nullptr; }

    cairo_surface_t* surface() const { return image.get(); }
    Context draw() const { return contextOn(image.get()); }
    // The rectangle changed; right and bottom excluded.
    void touch(int left, int top, int right, int bottom);
    // What changed since the last time onto the window.
    void present();

  private:
    Surface image, window;
    int width = 0, height = 0;
    int changedLeft = 0, changedTop = 0, changedRight = 0, changedBottom = 0;
};
