#include "editor/x11/entry_field.h"

#include "editor/x11/editor_font.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cairo-xlib.h>

namespace {

constexpr int kMargin = 1;
constexpr int kTextWidth = EntryField::kWidth - 2 * kMargin;
constexpr std::size_t kMaxLength = 64;
constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kSelection{0, 0, 128};

// Lines of one paragraph when it wraps at the box's width, breaking between
// characters.
int wrappedLines(const std::string& paragraph) {
    int lines = 1;
    std::string line;
    for (char c : paragraph) {
        line += c;
        if (line.size() > 1 && textWidth(line) > kTextWidth) {
            ++lines;
            line = std::string(1, c);
        }
    }
    return lines;
}

} // namespace

void EntryField::create(Display* d, Window parent, Visual* visual, int x, int y) {
    display = d;
    XSetWindowAttributes a = {};
    a.background_pixel = WhitePixel(d, DefaultScreen(d));
    a.event_mask = ExposureMask | KeyPressMask | ButtonPressMask;
    box = XCreateWindow(d, parent, x, y, kWidth, kHeight, 0, CopyFromParent, InputOutput,
                        CopyFromParent, CWBackPixel | CWEventMask, &a);
    surface.reset(cairo_xlib_surface_create(d, box, visual, kWidth, kHeight));
    content = "---";
    allSelected = false;
}

void EntryField::destroy() {
    surface.reset();
    if (display && box) XDestroyWindow(display, box);
    box = 0;
    display = nullptr;
}

void EntryField::show(const std::string& text) {
    if (!box) return;
    content = text;
    allSelected = true;
    XMapRaised(display, box);
    XSetInputFocus(display, box, RevertToParent, CurrentTime);
    draw();
}

void EntryField::hide() {
    if (box) XUnmapWindow(display, box);
    allSelected = false;
}

int EntryField::lineCount() const {
    int lines = 0;
    std::string::size_type start = 0;
    for (;;) {
        std::string::size_type end = content.find('\n', start);
        lines += wrappedLines(content.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

bool EntryField::edit(unsigned long keysym, const char* typed, int length) {
    if (keysym == XK_BackSpace) {
        if (content.empty() && !allSelected) return false;
        if (allSelected)
            content.clear();
        else
            content.pop_back();
    } else if (keysym == XK_Return || keysym == XK_KP_Enter) {
        if (allSelected) content.clear();
        content += '\n';
    } else if (length == 1 && typed[0] >= 0x20 && typed[0] < 0x7f) {
        if (allSelected) content.clear();
        if (content.size() >= kMaxLength) return false;
        content += typed[0];
    } else {
        return false;
    }
    allSelected = false;
    return true;
}

bool EntryField::keyPress(XKeyEvent& event) {
    char typed[8] = {};
    KeySym keysym = NoSymbol;
    int length = XLookupString(&event, typed, sizeof(typed) - 1, &keysym, nullptr);
    if (!edit(keysym, typed, length)) return false;
    draw();
    return true;
}

// The first line, centred between the margins; lines below it lie outside
// the box.
void EntryField::draw() {
    if (!surface) return;
    Context cr = contextOn(surface.get());
    fillRect(cr.get(), 0, 0, kWidth, kHeight, kWhite);
    std::string first = content.substr(0, content.find('\n'));
    const int width = textWidth(first);
    const int left = kMargin + (kTextWidth - width) / 2;
    if (allSelected && !first.empty()) fillRect(cr.get(), left, 0, left + width, 14, kSelection);
    drawCentredText(cr.get(), first, TextBox{kMargin, 0, kWidth - kMargin, kHeight},
                    allSelected ? kWhite : kBlack);
    cr.reset();
    cairo_surface_flush(surface.get());
}
