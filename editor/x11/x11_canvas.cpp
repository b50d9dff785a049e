#include "editor/x11/x11_canvas.h"

#include "editor/display_text.h"
#include "editor/panel_layout.h"
#include "editor/x11/editor_font.h"
#include "editor/x11/shared_resources.h"

namespace panel {

void copyFromWindow(cairo_surface_t* surface, cairo_surface_t* window) {
    Context cr = contextOn(surface);
    for (const Area& a : kAreas)
        copyArea(cr.get(), window, a.windowX, a.windowY, a.width, a.height, a.surfaceX, 0);
}

void copyToWindow(cairo_t* window, cairo_surface_t* surface) {
    for (const Area& a : kAreas)
        copyArea(window, surface, a.surfaceX, 0, a.width, a.height, a.windowX, a.windowY);
}

} // namespace panel

// Draws the handle, then restores the track around it from the background.
void X11Canvas::paintHandleOverTrack(int handleBitmap, int left, int top, int width, int height,
                                     int trackLeft, int trackTop, int trackWidth, int trackHeight) {
    Context cr = picture->draw();
    drawBitmap(cr.get(), shared::bitmap(handleBitmap), left, top, width, height);
    excludeClip(cr.get(), left, top, left + width, top + height);
    copyArea(cr.get(), shared::background(), trackLeft, trackTop, trackWidth, trackHeight,
             trackLeft, trackTop);
    picture->touch(trackLeft, trackTop, trackLeft + trackWidth, trackTop + trackHeight);
    picture->touch(left, top, left + width, top + height);
}

void X11Canvas::paintHandle(const ValueFader& f) {
    int top = f.y + f.handlePos - 16;
    Context cr = picture->draw();
    drawBitmap(cr.get(), shared::bitmap(f.handleBitmap), f.x, top, f.width, 34);
    excludeClip(cr.get(), f.x, top, f.x + f.width, f.y + f.handlePos + 18);
    const int trackHeight = static_cast<int>(f.travel) + 34;
    copyArea(cr.get(), shared::background(), f.x, f.y - 16, f.width, trackHeight, f.x, f.y - 16);
    picture->touch(f.x, f.y - 16, f.x + f.width, f.y - 16 + trackHeight);
    picture->touch(f.x, top, f.x + f.width, top + 34);
}

void X11Canvas::paintDisplay(const ValueFader& f) {
    Context cr = picture->draw();
    drawBitmap(cr.get(), shared::bitmap(f.faceBitmap), f.textX, f.textY, 45, 12);
    drawCentredText(cr.get(), displayText(f.kind, f.value), displayTextBox(f), displayColour(f));
    TextBox box = displayTextBox(f);
    picture->touch(f.textX, f.textY, f.textX + 45, f.textY + 12);
    picture->touch(box.left, box.top, box.right, box.bottom);
}

void X11Canvas::paintHandle(const LinearFader& f) {
    int track = static_cast<int>(f.travel);
    if (f.axis == LinearFader::Axis::horizontal) {
        int left = f.x + f.handlePos - 11;
        paintHandleOverTrack(f.handleBitmap, left, f.y, 21, f.thickness, f.x - 11, f.y, track + 21,
                             f.thickness);
    } else {
        int top = f.y + f.handlePos - 11;
        paintHandleOverTrack(f.handleBitmap, f.x, top, f.thickness, 21, f.x, f.y - 11, f.thickness,
                             track + 21);
    }
}

void X11Canvas::paintSwitch(const Switch& s) {
    Context cr = picture->draw();
    if (s.on)
        drawBitmap(cr.get(), shared::bitmap(s.faceBitmap), s.x, s.y, s.width, s.height);
    else
        copyArea(cr.get(), shared::background(), s.x, s.y, s.width, s.height, s.x, s.y);
    picture->touch(s.x, s.y, s.x + s.width, s.y + s.height);
}
