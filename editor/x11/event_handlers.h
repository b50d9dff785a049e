// Events for windows the editor does not draw itself (menus, dialogs, the
// help window, all on the editor's connection) reach whoever registered the
// window here, through the editor's event pump.
#pragma once

#include <X11/Xlib.h>
#include <functional>
#include <map>

class EventHandlers {
  public:
    using Handler = std::function<void(const XEvent&)>;

    void addHandler(Window window, Handler handler);
    void removeHandler(Window window);
    // Calls the window's handler; false when no handler has the window.
    bool dispatch(const XEvent& event);

  private:
    std::map<Window, Handler> handlers;
};
