// The context menu's items as a table, for the platforms that draw the menu
// themselves: texts, command ids, submenus and separators in menu order.
#pragma once

namespace menu {

struct Item;

// A list of items: the menu shown, or one of its submenus.
struct ItemList {
    const Item* items;
    int count;
};

// A separator has no text; a submenu item has its submenu and no command.
struct Item {
    const char* text;
    int command;
    ItemList submenu;
};

inline bool isSeparator(const Item& item) {
    return item.text == nullptr;
}
inline bool hasSubmenu(const Item& item) {
    return item.submenu.count > 0;
}

// The text of the menu's one top-level item, which is never shown.
extern const char* const kTopLevelText;
// The submenu of that item: the menu the editor shows.
extern const ItemList kContextMenu;

} // namespace menu
