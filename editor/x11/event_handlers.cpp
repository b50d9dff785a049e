#include "editor/x11/event_handlers.h"

void EventHandlers::addHandler(Window window, Handler handler) {
    handlers[window] = std::move(handler);
}

void EventHandlers::removeHandler(Window window) {
    handlers.erase(window);
}

// A copy runs, so a handler may remove itself.
bool EventHandlers::dispatch(const XEvent& event) {
    auto found = handlers.find(event.xany.window);
    if (found == handlers.end()) return false;
    Handler handler = found->second;
    handler(event);
    return true;
}
