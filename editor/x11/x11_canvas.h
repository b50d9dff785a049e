// Draws the controls into the editor window's picture with Cairo.
#pragma once

#include "editor/controls.h"
#include "editor/x11/editor_picture.h"

class X11Canvas : public ControlCanvas {
  public:
    void attach(EditorPicture* shown) { picture = shown; }
    void detach() { picture = nullptr; }

    bool windowExists() const override { return picture && picture->exists(); }
    void paintHandle(const ValueFader& fader) override;
    void paintDisplay(const ValueFader& fader) override;
    void paintHandle(const LinearFader& fader) override;
    void paintSwitch(const Switch& control) override;

  private:
    void paintHandleOverTrack(int handleBitmap, int left, int top, int width, int height,
                              int trackLeft, int trackTop, int trackWidth, int trackHeight);
    EditorPicture* picture = nullptr;
};

namespace panel {
// The three areas of the composing surface from the background picture, and
// from the surface to the window's picture.
void copyFromWindow(cairo_surface_t* surface, cairo_surface_t* window);
void copyToWindow(cairo_t* window, cairo_surface_t* surface);
} // namespace panel
