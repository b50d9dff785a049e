// A host's side of a plug-in editor on Linux: a top-level X window that the
// editor opens in (its id passed to effEditOpen), a loop that handles the
// host window's events and sends idle calls, real input through the XTest
// extension, and a capture of what the editor shows.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/png_writer.h"

// Xlib stays out of this header: its macros clash with other libraries'
// names. Windows are X ids.
struct _XDisplay;

namespace host {

using XWindowId = unsigned long;

class X11HostWindow {
  public:
    // Opens the host's own connection to the display in $DISPLAY.
    explicit X11HostWindow(AEffect* effect);
    ~X11HostWindow();
    X11HostWindow(const X11HostWindow&) = delete;
    X11HostWindow& operator=(const X11HostWindow&) = delete;

    bool connected() const { return display != nullptr; }
    // Asks the editor's size, creates and maps the host window at (x, y) of
    // the screen and opens the editor in it.
    bool open(int x = 0, int y = 0);
    void close();
    // The host destroys its window with the editor still open in it.
    void destroyParent();
    // The host destroyed the effect behind the editor's back: no more calls to it.
    void forgetEffect() { editorOpen = false; }
    XWindowId parent() const { return hostWindow; }
    // The editor's own window: the first child of the host window.
    XWindowId editorWindow() const;
    ERect rect() const { return editorRect; }

    // Handles events for a while, with an idle call to the editor every 20 ms.
    void pump(int milliseconds);
    // One idle call.
    void idle();
    // Asks the editor for one display tick, as a host feeding audio faster
    // than real time does.
    void sendDisplayTick();

    // Real input at a point of the editor window: the pointer moves there
    // first. Buttons 1 left, 3 right, 4 and 5 the wheel.
    void movePointer(int x, int y);
    void pressButton(int button, int x, int y);
    void releaseButton(int button, int x, int y);
    void click(int button, int x, int y);
    // A key by its X keysym, pressed and released.
    void typeKey(unsigned long keysym);
    // Printable ASCII as key presses.
    void typeText(const char* text);

    // What the editor window shows, read from the X server.
    image::Picture capture() const;

  private:
    void toScreen(int x, int y, int& sx, int& sy) const;
    void settle();

    AEffect* effect;
    _XDisplay* display;
    XWindowId hostWindow = 0;
    ERect editorRect = {0, 0, 0, 0};
    bool editorOpen = false;
};

} // namespace host
