// Draws the controls straight into the editor window with GDI.
#pragma once

#include "editor/controls.h"

#include <windows.h>

class Win32Canvas : public ControlCanvas {
  public:
    void attach(HWND editorWindow) { window = editorWindow; }
    void detach() { window = nullptr; }

    bool windowExists() const override { return window != nullptr && IsWindow(window); }
    void paintHandle(const ValueFader& fader) override;
    void paintDisplay(const ValueFader& fader) override;
    void paintHandle(const LinearFader& fader) override;
    void paintSwitch(const Switch& control) override;

  private:
    HWND window = nullptr;
};

// Draws a bitmap at (x, y) in the given size, as a disabled-state-free image.
void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);

namespace panel {
// The three areas of the composing surface from the window's picture (the
// background), and from the surface to the window.
void copyFromWindow(HDC surface, HDC window);
void copyToWindow(HDC window, HDC surface);
} // namespace panel
