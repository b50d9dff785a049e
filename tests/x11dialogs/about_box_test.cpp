// The about box closes on its OK button.
// Google Test before Xlib, whose None and Bool macros would clash with it.
#include <gtest/gtest.h>

#include "editor/x11/about_box.h"
#include "x11_fixture.h"

using AboutBoxTest = X11Fixture;

TEST_F(AboutBoxTest, OkClosesIt) {
    bool closed = false;
    AboutBox box(display, owner, [&] { closed = true; });
    auto route = [&](const XEvent& e) { box.handle(e); };
    ASSERT_TRUE(waitShown(route, box.window()));
    const Window shown = box.window();
    int x, y;
    toRoot(shown, AboutBox::kOkButton.x + 30, AboutBox::kOkButton.y + 10, x, y);
    moveTo(x, y);
    click();
    ASSERT_TRUE(pumpUntil(route, [&] { return closed; }));
    EXPECT_FALSE(box.isOpen());
    XWindowAttributes a;
    XSync(display, False);
    auto ignore = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    EXPECT_FALSE(XGetWindowAttributes(display, shown, &a)); // the window is gone
    XSetErrorHandler(ignore);
}
