#include "editor/x11/about_box.h"

#include "editor/about_text.h"

#include <X11/keysym.h>
#include <cmath>
#include <string>
#include <utility>

namespace {

void drawInformationMark(cairo_t* cr, double cx, double cy) {
    dialog::setColour(cr, 0, 102, 204);
    cairo_arc(cr, cx, cy, 14, 0, 2 * M_PI);
    cairo_fill(cr);
    dialog::setColour(cr, 255, 255, 255);
    cairo_arc(cr, cx, cy - 7, 2, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 1.5, cy - 3, 3, 12);
    cairo_fill(cr);
}

// One line of the text under the other, 14 pixels apart.
void drawLines(cairo_t* cr, double x, double y, const char* text) {
    std::string all(text);
    size_t start = 0;
    for (int line = 0; start <= all.size(); ++line) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        dialog::drawText(cr, x, y + line * 14, all.substr(start, end - start).c_str());
        start = end + 1;
    }
}

} // namespace

AboutBox::AboutBox(Display* d, Window owner, Closed whenClosed)
    : display(d), box(dialog::createTopLevel(d, owner, kWidth, kHeight, about::kTitle)),
      closed(std::move(whenClosed)) {
    dialog::centreOver(display, box, owner);
    XMapRaised(display, box);
    XFlush(display);
}

AboutBox::~AboutBox() {
    if (box != None) XDestroyWindow(display, box);
}

void AboutBox::paint() const {
    dialog::Painter painter(display, box, kWidth, kHeight);
    cairo_t* cr = painter.cr();
    dialog::fillRect(cr, {0, 0, kWidth, kHeight}, 255, 255, 255);
    dialog::fillRect(cr, {0, kOkButton.y - 10, kWidth, kHeight}, 240, 240, 240);
    drawInformationMark(cr, 34, 34);
    dialog::selectPageFont(cr);
    dialog::setColour(cr, 0, 0, 0);
    drawLines(cr, 62, 18, about::kText);
    dialog::drawButton(cr, kOkButton, "OK", okPressed);
}

void AboutBox::close() {
    if (box == None) return;
    XDestroyWindow(display, box);
    XFlush(display);
    box = None;
    Closed callback = std::move(closed);
    if (callback) callback();
}

void AboutBox::handle(const XEvent& e) {
    if (box == None || e.xany.window != box) return;
    int x = 0, y = 0;
    dialog::takeFocusWhenMapped(display, e);
    if (e.type == Expose && e.xexpose.count == 0) {
        paint();
    } else if (e.type == ButtonPress && e.xbutton.button == Button1 && dialog::pointerOf(e, x, y)) {
        okPressed = kOkButton.contains(x, y);
        if (okPressed) paint();
    } else if (e.type == ButtonRelease && e.xbutton.button == Button1 && okPressed) {
        okPressed = false;
        dialog::pointerOf(e, x, y);
        if (kOkButton.contains(x, y))
            close();
        else
            paint();
    } else if (e.type == KeyPress) {
        const unsigned long key = dialog::keyOf(e);
        if (key == XK_Return || key == XK_KP_Enter || key == XK_Escape) close();
    } else if (dialog::isCloseRequest(display, e)) {
        close();
    }
}
