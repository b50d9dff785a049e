// The help window: a fixed-size top-level window with the built-in manual.
// Each editor owns one; the window class and the page's brushes and font are
// shared by all of them.
#pragma once

#include <cstdint>
#include <windows.h>

class HelpWindow {
  public:
    HelpWindow();
    ~HelpWindow();
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    // Shows the manual owned by the given window. A window already open is
    // restored and activated instead (0); 1 when a new window was created,
    // 0 when creation failed.
    int open(HWND owner);
    // The window last created; it may have been closed since.
    HWND handle() const { return window; }

    // Message handling of the window.
    void paint();
    void scroll(WPARAM request);
    // WM_MOUSEWHEEL's travel; parts of a notch add up.
    void wheel(int travel);

  private:
    bool isOpen() const;
    void scrollBy(int delta);

    SCROLLINFO scrollInfo = {};
    std::int32_t topLine = 0;
    int wheelTravel = 0;
    HWND window = nullptr;
};
