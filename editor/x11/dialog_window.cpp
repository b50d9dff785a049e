#include "editor/x11/dialog_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cairo-xlib.h>
#include <cstring>

namespace dialog {
namespace {

constexpr long kEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                         KeyPressMask | StructureNotifyMask;

// The top-level window that holds the given one, or None.
Window topLevelOf(Display* display, Window window) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    while (window != None && XQueryTree(display, window, &root, &parent, &children, &count)) {
        if (children) XFree(children);
        if (parent == root) return window;
        window = parent;
    }
    return None;
}

void fixSize(Display* display, Window window, int width, int height) {
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PMinSize | PMaxSize;
    hints->min_width = hints->max_width = width;
    hints->min_height = hints->max_height = height;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
}

void setTitle(Display* display, Window window, const char* title) {
    XStoreName(display, window, title);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title),
                    static_cast<int>(std::strlen(title)));
}

} // namespace

Window createTopLevel(Display* display, Window owner, int width, int height, const char* title) {
    const int screen = DefaultScreen(display);
    XSetWindowAttributes a = {};
    a.background_pixel = WhitePixel(display, screen);
    a.event_mask = kEvents;
    Window window =
        XCreateWindow(display, RootWindow(display, screen), 0, 0, static_cast<unsigned>(width),
                      static_cast<unsigned>(height), 0, CopyFromParent, InputOutput, CopyFromParent,
                      CWBackPixel | CWEventMask, &a);
    setTitle(display, window, title);
    fixSize(display, window, width, height);
    Atom close = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &close, 1);
    if (Window top = owner != None ? topLevelOf(display, owner) : None)
        XSetTransientForHint(display, window, top);
    return window;
}

void centreOver(Display* display, Window window, Window owner) {
    XWindowAttributes self, over;
    if (owner == None || !XGetWindowAttributes(display, window, &self) ||
        !XGetWindowAttributes(display, owner, &over))
        return;
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, owner, DefaultRootWindow(display), (over.width - self.width) / 2,
                          (over.height - self.height) / 2, &x, &y, &child);
    const int screen = DefaultScreen(display);
    x = std::max(0, std::min(x, DisplayWidth(display, screen) - self.width));
    y = std::max(0, std::min(y, DisplayHeight(display, screen) - self.height));
    XMoveWindow(display, window, x, y);
    XSizeHints* hints = XAllocSizeHints();
    long supplied = 0;
    XGetWMNormalHints(display, window, hints, &supplied);
    hints->flags |= PPosition | USPosition;
    hints->x = x;
    hints->y = y;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
}

Window createOverrideRedirect(Display* display, const Rect& r) {
    const int screen = DefaultScreen(display);
    XSetWindowAttributes a = {};
    a.override_redirect = True;
    a.save_under = True;
    a.event_mask = kEvents;
    return XCreateWindow(display, RootWindow(display, screen), r.x, r.y,
                         static_cast<unsigned>(r.width), static_cast<unsigned>(r.height), 0,
                         CopyFromParent, InputOutput, CopyFromParent,
                         CWOverrideRedirect | CWSaveUnder | CWEventMask, &a);
}

bool isCloseRequest(Display* display, const XEvent& e) {
    return e.type == ClientMessage && e.xclient.format == 32 &&
           e.xclient.message_type == XInternAtom(display, "WM_PROTOCOLS", False) &&
           static_cast<Atom>(e.xclient.data.l[0]) ==
               XInternAtom(display, "WM_DELETE_WINDOW", False);
}

bool pointerOf(const XEvent& e, int& x, int& y) {
    if (e.type == ButtonPress || e.type == ButtonRelease) {
        x = e.xbutton.x;
        y = e.xbutton.y;
        return true;
    }
    if (e.type == MotionNotify) {
        x = e.xmotion.x;
        y = e.xmotion.y;
        return true;
    }
    return false;
}

unsigned long keyOf(const XEvent& e) {
    if (e.type != KeyPress) return NoSymbol;
    XKeyEvent key = e.xkey;
    return XLookupKeysym(&key, 0);
}

Painter::Painter(Display* display, Window window, int width, int height)
    : surface(cairo_xlib_surface_create(
          display, window, DefaultVisual(display, DefaultScreen(display)), width, height)),
      context(cairo_create(surface)) {
    cairo_push_group(context);
}

Painter::~Painter() {
    cairo_pop_group_to_source(context);
    cairo_paint(context);
    cairo_destroy(context);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
}

void selectPageFont(cairo_t* cr) {
    // A font 14 pixels from the top of its tallest letter to the bottom of
    // its lowest has an em of 14 x 2048 / 2288; its average letter is then
    // 5.52 pixels wide, narrowed to 5.
    constexpr double em = 14.0 * 2048 / 2288, widthScale = 5.0 / 5.52;
    cairo_select_font_face(cr, "Arial", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, em * widthScale, em);
    cairo_set_font_matrix(cr, &m);
}

double pageFontAscent(cairo_t* cr) {
    cairo_font_extents_t e;
    cairo_font_extents(cr, &e);
    return e.ascent;
}

double textWidth(cairo_t* cr, const char* text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    return e.x_advance;
}

void drawText(cairo_t* cr, double x, double y, const char* text) {
    cairo_move_to(cr, x, y + pageFontAscent(cr));
    cairo_show_text(cr, text);
}

void setColour(cairo_t* cr, int red, int green, int blue) {
    cairo_set_source_rgb(cr, red / 255.0, green / 255.0, blue / 255.0);
}

void fillRect(cairo_t* cr, const Rect& r, int red, int green, int blue) {
    setColour(cr, red, green, blue);
    cairo_rectangle(cr, r.x, r.y, r.width, r.height);
    cairo_fill(cr);
}

void drawButton(cairo_t* cr, const Rect& r, const char* label, bool pressed) {
    fillRect(cr, r, 225, 225, 225);
    setColour(cr, pressed ? 0 : 173, pressed ? 120 : 173, pressed ? 215 : 173);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, r.x + 0.5, r.y + 0.5, r.width - 1, r.height - 1);
    cairo_stroke(cr);
    setColour(cr, 0, 0, 0);
    double w = textWidth(cr, label);
    drawText(cr, r.x + (r.width - w) / 2, r.y + (r.height - 14) / 2.0, label);
}

void takeFocusWhenMapped(Display* display, const XEvent& event) {
    if (event.type == MapNotify)
        XSetInputFocus(display, event.xmap.window, RevertToParent, CurrentTime);
}

} // namespace dialog
