// X errors on the editors' own display connections are expected (a window the
// host destroyed before it closed the editor) and are swallowed; errors on any
// other connection in the process go to the handler that was there before.
// The handler is process-wide: it is installed with the first editor
// connection and taken back with the last, unless someone has put their own
// in its place meanwhile.
#pragma once

#include <X11/Xlib.h>

namespace xerrors {

// Errors on this connection are swallowed from now on.
void adopt(Display* display);
// After the connection is closed: its errors are no longer ours.
void forget(Display* display);
// How many errors our connections produced since the process started.
unsigned long swallowedCount();

} // namespace xerrors
