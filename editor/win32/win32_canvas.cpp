#include "editor/win32/win32_canvas.h"

#include "editor/display_text.h"
#include "editor/panel_layout.h"
#include "editor/win32/shared_resources.h"

void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, x, y, width, height,
               DST_BITMAP);
}

namespace panel {

void copyFromWindow(HDC surface, HDC window) {
    for (const Area& a : kAreas)
        BitBlt(surface, a.surfaceX, 0, a.width, a.height, window, a.windowX, a.windowY, SRCCOPY);
}

void copyToWindow(HDC window, HDC surface) {
    for (const Area& a : kAreas)
        BitBlt(window, a.windowX, a.windowY, a.width, a.height, surface, a.surfaceX, 0, SRCCOPY);
}

} // namespace panel

namespace {

// Draws the handle, then restores the track around it from the background.
void paintHandleOverTrack(HWND window, HBITMAP handle, RECT handleRect, RECT track) {
    WindowDC dc(window);
    drawBitmap(dc, handle, handleRect.left, handleRect.top, handleRect.right - handleRect.left,
               handleRect.bottom - handleRect.top);
    ExcludeClipRect(dc, handleRect.left, handleRect.top, handleRect.right, handleRect.bottom);
    BitBlt(dc, track.left, track.top, track.right - track.left, track.bottom - track.top,
           shared::resources().backgroundDC, track.left, track.top, SRCCOPY);
    SelectClipRgn(dc, nullptr);
}

} // namespace

void Win32Canvas::paintHandle(const ValueFader& f) {
    int top = f.y + f.handlePos - 16;
    RECT drawn{f.x, top, f.x + f.width, top + 34};
    RECT excluded{f.x, top, f.x + f.width, f.y + f.handlePos + 18};
    WindowDC dc(window);
    drawBitmap(dc, shared::bitmap(f.handleBitmap), drawn.left, drawn.top, f.width, 34);
    ExcludeClipRect(dc, excluded.left, excluded.top, excluded.right, excluded.bottom);
    BitBlt(dc, f.x, f.y - 16, f.width, static_cast<int>(f.travel) + 34,
           shared::resources().backgroundDC, f.x, f.y - 16, SRCCOPY);
    SelectClipRgn(dc, nullptr);
}

void Win32Canvas::paintDisplay(const ValueFader& f) {
    WindowDC dc(window);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    Selection font(dc, shared::resources().editorFont);
    drawBitmap(dc, shared::bitmap(f.faceBitmap), f.textX, f.textY, 45, 12);
    Rgb colour = displayColour(f);
    SetTextColor(dc, RGB(colour.red, colour.green, colour.blue));
    std::string text = displayText(f.kind, f.value);
    TextBox box = displayTextBox(f);
    RECT rect{box.left, box.top, box.right, box.bottom};
    DrawTextA(dc, text.c_str(), -1, &rect, DT_CENTER);
}

void Win32Canvas::paintHandle(const LinearFader& f) {
    HBITMAP handle = shared::bitmap(f.handleBitmap);
    int track = static_cast<int>(f.travel);
    if (f.axis == LinearFader::Axis::horizontal) {
        int left = f.x + f.handlePos - 11;
        paintHandleOverTrack(window, handle, RECT{left, f.y, left + 21, f.y + f.thickness},
                             RECT{f.x - 11, f.y, f.x - 11 + track + 21, f.y + f.thickness});
    } else {
        int top = f.y + f.handlePos - 11;
        paintHandleOverTrack(window, handle, RECT{f.x, top, f.x + f.thickness, top + 21},
                             RECT{f.x, f.y - 11, f.x + f.thickness, f.y - 11 + track + 21});
    }
}

void Win32Canvas::paintSwitch(const Switch& s) {
    WindowDC dc(window);
    if (s.on)
        drawBitmap(dc, shared::bitmap(s.faceBitmap), s.x, s.y, s.width, s.height);
    else
        BitBlt(dc, s.x, s.y, s.width, s.height, shared::resources().backgroundDC, s.x, s.y,
               SRCCOPY);
}
