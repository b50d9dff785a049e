// What the editor's secondary windows share: creating a top-level window
// that the window manager may close, and drawing with Cairo in the page font.
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>

namespace dialog {

struct Rect {
    int x, y, width, height;
    bool contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

// A top-level window of a fixed size with a title, transient for the
// top-level window that holds owner (when there is one), closable through
// WM_DELETE_WINDOW and listening to exposure, the mouse and the keyboard.
// Not yet mapped.
Window createTopLevel(Display* display, Window owner, int width, int height, const char* title);
// Places a window made by createTopLevel over the middle of owner, kept on
// the screen, as a message box sits over the window that asked for it.
void centreOver(Display* display, Window window, Window owner);
// A borderless window on the root that the window manager leaves alone.
Window createOverrideRedirect(Display* display, const Rect& where);
// True for the window manager's request to close the window.
bool isCloseRequest(Display* display, const XEvent& event);
// A dialog takes the keyboard once it is shown, as a message box does.
void takeFocusWhenMapped(Display* display, const XEvent& event);
// The pointer's place in window coordinates for button and motion events.
bool pointerOf(const XEvent& event, int& x, int& y);
// The keysym of a key press; NoSymbol for other events.
unsigned long keyOf(const XEvent& event);

// Draws a whole window: the painter draws into a group that is then shown
// in one step, so nothing flickers.
class Painter {
  public:
    Painter(Display* display, Window window, int width, int height);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;
    cairo_t* cr() const { return context; }

  private:
    cairo_surface_t* surface;
    cairo_t* context;
};

// Arial 14 pixels high and 5 wide on average, as the Windows editor's font:
// fontconfig gives a metric twin when Arial itself is missing.
void selectPageFont(cairo_t* cr);
// The distance from a text line's top to its baseline.
double pageFontAscent(cairo_t* cr);
double textWidth(cairo_t* cr, const char* text);
// Text with its line's top at y.
void drawText(cairo_t* cr, double x, double y, const char* text);
void setColour(cairo_t* cr, int red, int green, int blue);
void fillRect(cairo_t* cr, const Rect& r, int red, int green, int blue);
// A push button in the system's plain style, its label centred.
void drawButton(cairo_t* cr, const Rect& r, const char* label, bool pressed);

} // namespace dialog
