#include "editor/x11/editor_picture.h"

#include <algorithm>
#include <cairo-xlib.h>

void EditorPicture::attach(Display* display, Window target, Visual* visual, int w, int h) {
    width = w, height = h;
    image = makeImage(w, h);
    window.reset(cairo_xlib_surface_create(display, target, visual, w, h));
    changedLeft = changedTop = changedRight = changedBottom = 0;
}

void EditorPicture::detach() {
    window.reset();
    image.reset();
}

void EditorPicture::touch(int left, int top, int right, int bottom) {
    left = std::max(left, 0), top = std::max(top, 0);
    right = std::min(right, width), bottom = std::min(bottom, height);
    if (right <= left || bottom <= top) return;
    if (changedRight <= changedLeft) {
        changedLeft = left, changedTop = top, changedRight = right, changedBottom = bottom;
        return;
    }
    changedLeft = std::min(changedLeft, left), changedTop = std::min(changedTop, top);
    changedRight = std::max(changedRight, right), changedBottom = std::max(changedBottom, bottom);
}

void EditorPicture::present() {
    if (!image || !window || changedRight <= changedLeft) return;
    cairo_surface_flush(image.get());
    Context cr(cairo_create(window.get()));
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr.get(), image.get(), 0, 0);
    cairo_rectangle(cr.get(), changedLeft, changedTop, changedRight - changedLeft,
                    changedBottom - changedTop);
    cairo_fill(cr.get());
    cr.reset();
    cairo_surface_flush(window.get());
    changedLeft = changedTop = changedRight = changedBottom = 0;
}
