// The help window's scrolling under real input: the wheel, the thumb, the
// arrows and the trough, always within the first and the last page.
// Google Test before Xlib, whose None and Bool macros would clash with it.
#include <gtest/gtest.h>

#include "editor/x11/help_scroll_bar.h"
#include "editor/x11/help_window.h"
#include "x11_fixture.h"

namespace {

class HelpWindowTest : public X11Fixture {
  protected:
    void SetUp() override {
        X11Fixture::SetUp();
        help = std::make_unique<HelpWindow>(display);
        ASSERT_TRUE(help->open(owner));
        ASSERT_TRUE(waitShown(route(), help->window()));
    }
    void TearDown() override {
        help.reset();
        X11Fixture::TearDown();
    }
    Route route() {
        return [this](const XEvent& e) { help->handle(e); };
    }
    void pointAt(int x, int y) {
        int rx, ry;
        toRoot(help->window(), x, y, rx, ry);
        moveTo(rx, ry);
    }
    // Pumps until the page has moved to the line, or shows where it stopped.
    int settleAt(int line) {
        pumpUntil(route(), [&] { return help->topLine() == line; });
        pumpFor(route(), 30);
        return help->topLine();
    }
    void wheel(unsigned int button, int notches) {
        for (int i = 0; i < notches; ++i)
            click(button);
    }

    std::unique_ptr<HelpWindow> help;
};

constexpr int kBarX = help::kPageWidth + help::kBarWidth / 2;

} // namespace

TEST_F(HelpWindowTest, TheWheelScrollsItsLinesANotchWithinBounds) {
    pointAt(100, 100);
    wheel(Button5, 1);
    EXPECT_EQ(settleAt(help::kWheelLines), help::kWheelLines);
    wheel(Button5, 60);
    EXPECT_EQ(settleAt(help::kLastTopLine), help::kLastTopLine);
    wheel(Button4, 60);
    EXPECT_EQ(settleAt(0), 0);
}

TEST_F(HelpWindowTest, DraggingTheThumbScrollsWithinBounds) {
    pointAt(kBarX, help::thumbTop(0) + 5);
    button(Button1, true);
    pointAt(kBarX, help::kTroughTop + (help::kTroughLength - help::thumbLength()) / 2 + 5);
    EXPECT_EQ(settleAt(61), 61); // half way: half of 121, rounded
    pointAt(kBarX, help::kWindowHeight + 300);
    EXPECT_EQ(settleAt(help::kLastTopLine), help::kLastTopLine);
    pointAt(kBarX, -300);
    EXPECT_EQ(settleAt(0), 0);
    button(Button1, false);
    pointAt(kBarX, help::kWindowHeight - 30);
    EXPECT_EQ(settleAt(0), 0); // released: moving no longer drags
}

TEST_F(HelpWindowTest, ArrowsAndTroughStepByALineAndByAPage) {
    struct Case {
        int y, lineAfter;
    };
    const Case cases[] = {
        {help::kWindowHeight - 5, 1},  // down arrow
        {help::kWindowHeight - 30, 9}, // trough below the thumb: a page of 8
        {5, 8},                        // up arrow
        {help::kTroughTop + 1, 0},     // trough above the thumb
    };
    for (const Case& c : cases) {
        pointAt(kBarX, c.y);
        click();
        EXPECT_EQ(settleAt(c.lineAfter), c.lineAfter) << c.y;
    }
}

TEST_F(HelpWindowTest, OpeningAgainKeepsTheOneWindowAndAClosedOneComesBackAtTheTop) {
    const Window first = help->window();
    pointAt(100, 100);
    wheel(Button5, 2);
    settleAt(2 * help::kWheelLines);
    EXPECT_FALSE(help->open(owner));
    EXPECT_EQ(help->window(), first);
    EXPECT_EQ(help->topLine(), 2 * help::kWheelLines);

    XEvent close = {};
    close.xclient.type = ClientMessage;
    close.xclient.window = first;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, first, False, NoEventMask, &close);
    ASSERT_TRUE(pumpUntil(route(), [&] { return !help->isOpen(); }));
    EXPECT_TRUE(help->open(owner));
    EXPECT_EQ(help->topLine(), 0);
}
