#include "editor/x11/help_window.h"

#include "editor/help_text.h"
#include "editor/x11/dialog_window.h"
#include "editor/x11/help_scroll_bar.h"

#include <string>

namespace {

using help::kLineHeight;

// Draws a block as DrawText with word breaks does: at every line break, and
// before a word that would pass the right edge.
void drawBlock(cairo_t* cr, const char* block, int left, int right, int top) {
    std::string text(block);
    int row = top;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        while (dialog::textWidth(cr, line.c_str()) > right - left) {
            size_t cut = line.find_last_of(' ');
            while (cut != std::string::npos && cut > 0 &&
                   dialog::textWidth(cr, line.substr(0, cut).c_str()) > right - left)
                cut = line.find_last_of(' ', cut - 1);
            if (cut == std::string::npos || cut == 0) break;
            dialog::drawText(cr, left, row, line.substr(0, cut).c_str());
            row += kLineHeight;
            line = line.substr(cut + 1);
        }
        dialog::drawText(cr, left, row, line.c_str());
        row += kLineHeight;
        start = end + 1;
    }
}

void drawArrowButton(cairo_t* cr, int top, bool up) {
    const int x = help::kPageWidth;
    dialog::fillRect(cr, {x, top, help::kBarWidth, help::kArrowHeight}, 240, 240, 240);
    dialog::setColour(cr, 96, 96, 96);
    const double cx = x + help::kBarWidth / 2.0, cy = top + help::kArrowHeight / 2.0;
    const double dir = up ? -1 : 1;
    cairo_move_to(cr, cx - 4, cy - 2 * dir);
    cairo_line_to(cr, cx + 4, cy - 2 * dir);
    cairo_line_to(cr, cx, cy + 2 * dir);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void drawScrollBar(cairo_t* cr, int topLine) {
    dialog::fillRect(cr, {help::kPageWidth, 0, help::kBarWidth, help::kWindowHeight}, 240, 240,
                     240);
    drawArrowButton(cr, 0, true);
    drawArrowButton(cr, help::kWindowHeight - help::kArrowHeight, false);
    dialog::fillRect(
        cr,
        {help::kPageWidth + 2, help::thumbTop(topLine), help::kBarWidth - 4, help::thumbLength()},
        192, 192, 192);
}

void drawPage(cairo_t* cr, int topLine) {
    dialog::fillRect(cr, {0, 0, help::kPageWidth, help::kWindowHeight}, 255, 255, 255);
    for (const help::Band& band : help::kBands) {
        const help::Rows rows = help::bandRows(band, topLine);
        const dialog::Rect r{0, rows.top, help::kPageWidth, rows.bottom - rows.top};
        if (help::isSubheading(band))
            dialog::fillRect(cr, r, 240, 240, 240);
        else
            dialog::fillRect(cr, r, 220, 242, 255);
    }
    dialog::selectPageFont(cr);
    dialog::setColour(cr, 0, 0, 0);
    for (int b = 0; b < help::kBlockCount; ++b)
        drawBlock(cr, help::kBlocks[b], 4, help::kPageWidth - 4, help::blockTop(b, topLine));
}

// Asks the window manager to give the window the focus and bring it up.
void activate(Display* display, Window window) {
    XEvent e = {};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = 2; // from a pager: taken at once
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &e);
}

} // namespace

HelpWindow::HelpWindow(Display* d) : display(d) {}

HelpWindow::~HelpWindow() {
    close();
}

bool HelpWindow::open(Window owner) {
    if (help != None) {
        XMapRaised(display, help);
        activate(display, help);
        XFlush(display);
        return false;
    }
    help = dialog::createTopLevel(display, owner, help::kWindowWidth, help::kWindowHeight,
                                  "Tarvexor Help");
    firstLine = 0;
    dragging = false;
    XMapRaised(display, help);
    XFlush(display);
    return true;
}

void HelpWindow::close() {
    if (help == None) return;
    XDestroyWindow(display, help);
    XFlush(display);
    help = None;
}

void HelpWindow::paint() const {
    dialog::Painter painter(display, help, help::kWindowWidth, help::kWindowHeight);
    cairo_rectangle(painter.cr(), 0, 0, help::kWindowWidth, help::kWindowHeight);
    cairo_clip(painter.cr());
    drawPage(painter.cr(), firstLine);
    drawScrollBar(painter.cr(), firstLine);
}

void HelpWindow::scrollBy(int delta) {
    const int line = help::clampTopLine(firstLine + delta);
    if (line == firstLine) return;
    firstLine = line;
    paint();
}

void HelpWindow::press(int x, int y, unsigned button) {
    if (button == Button4 || button == Button5) {
        scrollBy((button == Button4 ? -1 : 1) * help::kWheelLines);
        return;
    }
    if (button != Button1) return;
    using help::BarPart;
    using help::ScrollRequest;
    const BarPart part = help::barPartAt(x, y, firstLine);
    ScrollRequest request = ScrollRequest::other;
    switch (part) {
    case BarPart::upArrow:
        request = ScrollRequest::lineUp;
        break;
    case BarPart::downArrow:
        request = ScrollRequest::lineDown;
        break;
    case BarPart::pageUp:
        request = ScrollRequest::pageUp;
        break;
    case BarPart::pageDown:
        request = ScrollRequest::pageDown;
        break;
    case BarPart::thumb:
        dragging = true;
        dragOffset = y - help::thumbTop(firstLine);
        return;
    default:
        return;
    }
    scrollBy(help::scrollDelta(request, 0, firstLine));
}

void HelpWindow::handle(const XEvent& e) {
    if (help == None || e.xany.window != help) return;
    if (e.type == Expose && e.xexpose.count == 0) {
        paint();
    } else if (e.type == ButtonPress) {
        press(e.xbutton.x, e.xbutton.y, e.xbutton.button);
    } else if (e.type == MotionNotify && dragging) {
        const int line = help::thumbLineAt(e.xmotion.y - dragOffset);
        scrollBy(help::scrollDelta(help::ScrollRequest::thumbTrack, line, firstLine));
    } else if (e.type == ButtonRelease && e.xbutton.button == Button1) {
        dragging = false;
    } else if (dialog::isCloseRequest(display, e)) {
        close();
    } else if (e.type == DestroyNotify && e.xdestroywindow.window == help) {
        help = None;
    }
}
