// The editors' X error handler is process-wide: errors on the host's own
// connection still reach the handler the host installed, and the last editor
// to close puts that handler back.
#include "tests/x11/x11_editor_fixture.h"

#include <X11/Xlib.h>

using namespace x11test;

namespace {

int hostErrors = 0;
int countHostErrors(Display*, XErrorEvent*) {
    ++hostErrors;
    return 0;
}

} // namespace

TEST_F(X11EditorTest, ErrorsOfTheHostsConnectionReachTheHostsHandler) {
    XSetErrorHandler(countHostErrors);
    openEditor();
    Display* hostDisplay = XOpenDisplay(nullptr);
    ASSERT_NE(hostDisplay, nullptr);
    hostErrors = 0;
    XDestroyWindow(hostDisplay, 0);
    XSync(hostDisplay, False);
    EXPECT_EQ(hostErrors, 1);
    host->close();
    EXPECT_EQ(XSetErrorHandler(nullptr), countHostErrors);
    XCloseDisplay(hostDisplay);
}
