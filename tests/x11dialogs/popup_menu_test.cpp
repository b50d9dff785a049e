// The context menu under real input: a choice in a submenu and its check
// marks, and Escape.
// Google Test before Xlib, whose None and Bool macros would clash with it.
#include <gtest/gtest.h>

#include "editor/menu_commands.h"
#include "editor/x11/popup_menu.h"
#include "x11_fixture.h"

#include <X11/keysym.h>

namespace {

// Items of the menu and of its "WaveDisplay zoom" submenu.
constexpr int kZoomSubmenu = 2;
constexpr int kHalfTo10x = 1, k1xTo16x = 2;

class PopupMenuTest : public X11Fixture {
  protected:
    void SetUp() override {
        X11Fixture::SetUp();
        menu = std::make_unique<PopupMenu>(display, menu::kContextMenu,
                                           PopupMenu::checkedIn({menu::kZoomRange10}),
                                           [this](int command) { chosen.push_back(command); });
    }
    void TearDown() override {
        menu.reset();
        X11Fixture::TearDown();
    }
    Route toMenu() {
        return [this](const XEvent& e) {
            if (menu->owns(e.xany.window)) menu->handle(e);
        };
    }
    void hoverItem(int depth, int index) {
        dialog::Rect r;
        ASSERT_TRUE(menu->itemRect(depth, index, r));
        moveTo(r.x + r.width / 2, r.y + r.height / 2);
    }
    // The check mark column of a shown item.
    int checkColumnInk(int depth, int index) {
        dialog::Rect r;
        if (!menu->itemRect(depth, index, r)) return -1;
        return darkPixels({r.x + 2, r.y, 18, r.height});
    }

    std::unique_ptr<PopupMenu> menu;
    std::vector<int> chosen;
};

} // namespace

TEST_F(PopupMenuTest, ChoiceInASubmenuGivesItsCommandAndTheMarkedItemIsChecked) {
    menu->open(100, 100);
    ASSERT_TRUE(waitShown(toMenu(), menu->window()));
    hoverItem(0, kZoomSubmenu);
    ASSERT_TRUE(pumpUntil(toMenu(), [&] {
        dialog::Rect r;
        return menu->itemRect(1, k1xTo16x, r);
    }));
    pumpFor(toMenu(), 100);
    EXPECT_GT(checkColumnInk(1, kHalfTo10x), 5);
    EXPECT_EQ(checkColumnInk(1, k1xTo16x), 0);

    hoverItem(1, k1xTo16x);
    pumpFor(toMenu(), 50);
    click();
    ASSERT_TRUE(pumpUntil(toMenu(), [&] { return !chosen.empty(); }));
    EXPECT_EQ(chosen, std::vector<int>{menu::kZoomRange16});
    EXPECT_FALSE(menu->isOpen());
}

TEST_F(PopupMenuTest, EscapeClosesWithoutAChoice) {
    menu->open(100, 100);
    ASSERT_TRUE(waitShown(toMenu(), menu->window()));
    hoverItem(0, kZoomSubmenu);
    pumpFor(toMenu(), 50);
    key(XK_Escape);
    ASSERT_TRUE(pumpUntil(toMenu(), [&] { return !menu->isOpen(); }));
    pumpFor(toMenu(), 50);
    EXPECT_TRUE(chosen.empty());
}

TEST_F(PopupMenuTest, ArrowKeysAndEnterChooseInASubmenu) {
    menu->open(100, 100);
    ASSERT_TRUE(waitShown(toMenu(), menu->window()));
    const unsigned long keys[] = {XK_Down, XK_Down, XK_Down, XK_Right, XK_Down, XK_Return};
    for (unsigned long k : keys)
        key(k); // down to "WaveDisplay zoom", into it, down to "0.5x - 10x"
    ASSERT_TRUE(pumpUntil(toMenu(), [&] { return !chosen.empty(); }));
    EXPECT_EQ(chosen, std::vector<int>{menu::kZoomRange10});
}
