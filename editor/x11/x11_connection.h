// An editor's own connection to the X server, opened with the window and
// closed with it; its errors are swallowed (x11_errors.h).
#pragma once

#include <X11/Xlib.h>

class X11Connection {
  public:
    // Opens the default display; display() is null when that fails.
    X11Connection();
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    Display* display() const { return connection; }

  private:
    Display* connection;
};
