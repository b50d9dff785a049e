// Owners for the GDI and USER handles the editor uses, so that every
// selection is undone and every handle released by a destructor, and the two
// things several files need of the module: its instance handle and the font.
#pragma once

#include "plugin/module.h"

#include <utility>
#include <windows.h>

inline HINSTANCE module() {
    return static_cast<HINSTANCE>(moduleInstance);
}

// The editor's and the help page's font: Arial 14 x 5, everything else default.
inline HFONT createArialFont() {
    return CreateFontA(14, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

// A pen, brush, font, bitmap or region, deleted with the owner.
template <typename Handle> class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : handle(h) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& o) noexcept : handle(std::exchange(o.handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) reset(std::exchange(o.handle, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    void reset(Handle h = nullptr) {
        if (handle) DeleteObject(handle);
        handle = h;
    }
    Handle release() { return std::exchange(handle, nullptr); }
    Handle get() const { return handle; }
    operator Handle() const { return handle; }

  private:
    Handle handle = nullptr;
};
using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// A window's device context, released with the owner.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDC() {
        if (dc) ReleaseDC(window, dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc; }

  private:
    HWND window;
    HDC dc;
};

// The device context of a WM_PAINT, ended with the owner.
class PaintDC {
  public:
    explicit PaintDC(HWND window) : window(window), dc(BeginPaint(window, &ps)) {}
    ~PaintDC() { EndPaint(window, &ps); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    operator HDC() const { return dc; }

  private:
    HWND window;
    PAINTSTRUCT ps = {};
    HDC dc;
};

// An object selected into a device context for the owner's lifetime.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc(dc), saved(SelectObject(dc, object)) {}
    ~Selection() {
        if (saved) SelectObject(dc, saved);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc;
    HGDIOBJ saved;
};

// A menu loaded from the resources, destroyed with the owner.
class Menu {
  public:
    Menu() = default;
    ~Menu() { reset(); }
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    void reset(HMENU h = nullptr) {
        if (menu) DestroyMenu(menu);
        menu = h;
    }
    HMENU get() const { return menu; }

  private:
    HMENU menu = nullptr;
};

// A child window (an edit box), destroyed with the owner.
class ChildWindow {
  public:
    ChildWindow() = default;
    ~ChildWindow() { reset(); }
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;
    void reset(HWND h = nullptr) {
        if (window && IsWindow(window)) DestroyWindow(window);
        window = h;
    }
    HWND get() const { return window; }

  private:
    HWND window = nullptr;
};

// A memory device context holding a bitmap: one it made (width x height,
// compatible with a device context) or one it was given and does not own.
class MemoryDC {
  public:
    MemoryDC() = default;
    MemoryDC(HDC compatibleWith, int width, int height)
        : dc(CreateCompatibleDC(compatibleWith)),
          owned(CreateCompatibleBitmap(compatibleWith, width, height)),
          saved(SelectObject(dc, owned)) {}
    explicit MemoryDC(HBITMAP shown)
        : dc(CreateCompatibleDC(nullptr)), saved(SelectObject(dc, shown)) {}
    ~MemoryDC() { release(); }
    MemoryDC(MemoryDC&& o) noexcept { *this = std::move(o); }
    MemoryDC& operator=(MemoryDC&& o) noexcept {
        if (this == &o) return *this;
        release();
        dc = std::exchange(o.dc, nullptr);
        owned.reset(o.owned.release());
        saved = std::exchange(o.saved, nullptr);
        return *this;
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc; }
    operator HDC() const { return dc; }

  private:
    void release() {
        if (!dc) return;
        SelectObject(dc, saved);
        DeleteDC(dc);
        dc = nullptr;
        owned.reset();
    }

    HDC dc = nullptr;
    Bitmap owned;
    HGDIOBJ saved = nullptr;
};
