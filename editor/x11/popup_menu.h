// A context menu of the editor's own drawing: an override-redirect window per
// open level, submenus cascading to the side of their item as the Windows
// menu does. Open, it holds the pointer and the keyboard; it closes after a
// choice, on Escape and on a click outside it. The arrow keys and Enter work
// as in a plain menu.
#pragma once

#include "editor/menu_items.h"
#include "editor/x11/dialog_window.h"

#include <X11/Xlib.h>
#include <functional>
#include <set>
#include <vector>

class PopupMenu {
  public:
    // Whether a command's item carries a check mark; asked at every drawing.
    using IsChecked = std::function<bool(int command)>;
    // A chosen command, given after the menu has closed; the callback may
    // destroy the menu.
    using Chosen = std::function<void(int command)>;

    PopupMenu(Display* display, const menu::ItemList& items, IsChecked isChecked, Chosen chosen);
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // The check marks of the commands in a set.
    static IsChecked checkedIn(std::set<int> commands);

    // Shows the menu with its top left corner at a point of the screen (moved
    // inside the screen when it does not fit). An open menu closes first.
    void open(int rootX, int rootY);
    // Closes without a choice.
    void close();
    bool isOpen() const { return !panes.empty(); }

    // The window of the menu's first level, which holds the grab; every
    // pointer and key event arrives there while the menu is open.
    Window window() const;
    // Whether a window is one of the menu's levels: their exposures arrive
    // on their own windows.
    bool owns(Window window) const;
    void handle(const XEvent& event);

    // Where an item of an open level lies on the screen (depth 0 is the
    // first level); false when that level or item is not shown.
    bool itemRect(int depth, int index, dialog::Rect& onScreen) const;

  private:
    struct Pane {
        const menu::ItemList* items;
        Window window;
        dialog::Rect rect; // on the screen
        std::vector<dialog::Rect> itemRects;
        int highlighted = -1;
    };

    void grab();
    void openPane(const menu::ItemList& items, int rootX, int rootY);
    void closePanesAfter(int depth);
    void paint(const Pane& pane) const;
    bool hit(int rootX, int rootY, int& depth, int& index) const;
    void hover(int rootX, int rootY);
    void openSubmenu(int depth, int index);
    void press(int rootX, int rootY);
    void release(int rootX, int rootY);
    void choose(int command);
    void step(int depth, int direction);
    void key(unsigned long keysym);

    Display* display;
    const menu::ItemList& items;
    IsChecked isChecked;
    Chosen chosen;
    std::vector<Pane> panes;
    // A release chooses only after the pointer moved or a button went down
    // in the menu, so the release of the click that opened it does not.
    bool armed = false;
    bool pointerGrabbed = false, keyboardGrabbed = false;
};
