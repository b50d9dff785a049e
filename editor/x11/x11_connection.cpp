#include "editor/x11/x11_connection.h"

#include "editor/x11/x11_errors.h"

X11Connection::X11Connection() : connection(XOpenDisplay(nullptr)) {
    xerrors::adopt(connection);
}

// Closing flushes what is left; errors it brings (a window already gone) are
// still ours then, so the connection is forgotten only afterwards.
X11Connection::~X11Connection() {
    if (!connection) return;
    XCloseDisplay(connection);
    xerrors::forget(connection);
}
