#include "editor/x11/colour_dialog.h"

#include <X11/keysym.h>
#include <utility>

namespace {

const char* const kSwatchNames[5] = {"Input", "Compr.", "Limited", "Comp. thr", "Limit thr"};

constexpr DialogColour rgb(int r, int g, int b) {
    return static_cast<DialogColour>(r) | static_cast<DialogColour>(g) << 8 |
           static_cast<DialogColour>(b) << 16;
}

const DialogColour kPalette[ColourDialog::kPaletteColumns * ColourDialog::kPaletteRows] = {
    rgb(255, 128, 128), rgb(255, 255, 128), rgb(128, 255, 128), rgb(0, 255, 128),
    rgb(128, 255, 255), rgb(0, 128, 255),   rgb(255, 128, 192), rgb(255, 128, 255),
    rgb(255, 0, 0),     rgb(255, 255, 0),   rgb(128, 255, 0),   rgb(0, 255, 64),
    rgb(0, 255, 255),   rgb(0, 128, 192),   rgb(128, 128, 192), rgb(255, 0, 255),
    rgb(128, 64, 64),   rgb(255, 128, 64),  rgb(0, 255, 0),     rgb(0, 128, 128),
    rgb(0, 64, 128),    rgb(128, 128, 255), rgb(128, 0, 64),    rgb(255, 0, 128),
    rgb(128, 0, 0),     rgb(255, 128, 0),   rgb(0, 128, 0),     rgb(0, 128, 64),
    rgb(0, 0, 255),     rgb(0, 0, 160),     rgb(128, 0, 128),   rgb(128, 0, 255),
    rgb(64, 0, 0),      rgb(128, 64, 0),    rgb(0, 64, 0),      rgb(0, 64, 64),
    rgb(0, 0, 128),     rgb(0, 0, 64),      rgb(64, 0, 64),     rgb(64, 0, 128),
    rgb(0, 0, 0),       rgb(128, 128, 0),   rgb(128, 128, 64),  rgb(128, 128, 128),
    rgb(64, 128, 128),  rgb(192, 192, 192), rgb(200, 220, 255), rgb(255, 255, 255),
};

void fillColour(cairo_t* cr, const dialog::Rect& r, DialogColour c) {
    dialog::fillRect(cr, r, static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                     static_cast<int>(c >> 16 & 0xFF));
}

void frame(cairo_t* cr, const dialog::Rect& r, double width) {
    cairo_set_line_width(cr, width);
    cairo_rectangle(cr, r.x - width / 2, r.y - width / 2, r.width + width, r.height + width);
    cairo_stroke(cr);
}

} // namespace

ColourDialogState& colourDialogState() {
    static ColourDialogState state;
    return state;
}

dialog::Rect ColourDialog::swatch(int colour) {
    return {14 + colour * 56, 30, 44, 28};
}

dialog::Rect ColourDialog::paletteCell(int index) {
    return {14 + index % kPaletteColumns * 34, 84 + index / kPaletteColumns * 24, 28, 18};
}

DialogColour ColourDialog::paletteColour(int index) {
    return kPalette[index];
}

ColourDialog::ColourDialog(Display* d, Window owner, ColourDialogState& s, std::int32_t (&c)[15],
                           Done whenDone)
    : display(d), dialogWindow(dialog::createTopLevel(d, owner, kWidth, kHeight, "Color")),
      state(s), colours(c), done(std::move(whenDone)) {
    prepareColourDialog(state, colours);
    dialog::centreOver(display, dialogWindow, owner);
    XMapRaised(display, dialogWindow);
    XFlush(display);
}

ColourDialog::~ColourDialog() {
    if (dialogWindow != None) XDestroyWindow(display, dialogWindow);
}

void ColourDialog::paint() const {
    dialog::Painter painter(display, dialogWindow, kWidth, kHeight);
    cairo_t* cr = painter.cr();
    dialog::fillRect(cr, {0, 0, kWidth, kHeight}, 240, 240, 240);
    dialog::selectPageFont(cr);
    for (int i = 0; i < 5; ++i) {
        const dialog::Rect r = swatch(i);
        dialog::setColour(cr, 0, 0, 0);
        dialog::drawText(cr, r.x, 10, kSwatchNames[i]);
        fillColour(cr, r, state.slots[i]);
        dialog::setColour(cr, i == selected ? 0 : 128, i == selected ? 120 : 128,
                          i == selected ? 215 : 128);
        frame(cr, r, i == selected ? 3 : 1);
    }
    for (int i = 0; i < kPaletteColumns * kPaletteRows; ++i) {
        fillColour(cr, paletteCell(i), kPalette[i]);
        dialog::setColour(cr, 128, 128, 128);
        frame(cr, paletteCell(i), 1);
    }
    dialog::drawButton(cr, kOkButton, "OK", false);
    dialog::drawButton(cr, kCancelButton, "Cancel", false);
}

void ColourDialog::click(int x, int y) {
    for (int i = 0; i < 5; ++i)
        if (swatch(i).contains(x, y)) selected = i;
    for (int i = 0; i < kPaletteColumns * kPaletteRows; ++i)
        if (paletteCell(i).contains(x, y)) state.slots[selected] = kPalette[i];
    if (kOkButton.contains(x, y))
        finish(true);
    else if (kCancelButton.contains(x, y))
        finish(false);
    else
        paint();
}

// The dialog's result as ChooseColor gives it: 1 for OK, 0 otherwise.
void ColourDialog::finish(bool ok) {
    takeColourDialogResult(state, ok ? 1 : 0, colours);
    XDestroyWindow(display, dialogWindow);
    XFlush(display);
    dialogWindow = None;
    Done callback = std::move(done);
    if (callback) callback(ok);
}

void ColourDialog::handle(const XEvent& e) {
    if (dialogWindow == None || e.xany.window != dialogWindow) return;
    dialog::takeFocusWhenMapped(display, e);
    if (e.type == Expose && e.xexpose.count == 0) {
        paint();
    } else if (e.type == ButtonPress && e.xbutton.button == Button1) {
        click(e.xbutton.x, e.xbutton.y);
    } else if (e.type == KeyPress) {
        const unsigned long key = dialog::keyOf(e);
        if (key == XK_Return || key == XK_KP_Enter) finish(true);
        if (key == XK_Escape) finish(false);
    } else if (dialog::isCloseRequest(display, e)) {
        finish(false);
    }
}
