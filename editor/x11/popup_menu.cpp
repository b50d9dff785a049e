#include "editor/x11/popup_menu.h"

#include <X11/keysym.h>
#include <algorithm>
#include <utility>

namespace {

constexpr int kInset = 3;           // border and padding around the items
constexpr int kItemHeight = 20;     // a text item
constexpr int kSeparatorHeight = 9; // a separator
constexpr int kCheckColumn = 22;    // left of the text: the check mark
constexpr int kArrowColumn = 22;    // right of the text: a submenu's arrow
constexpr int kMinWidth = 90;

int heightOf(const menu::Item& item) {
    return menu::isSeparator(item) ? kSeparatorHeight : kItemHeight;
}

// The widest text decides the width of a level.
int paneWidth(const menu::ItemList& items) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* cr = cairo_create(s);
    dialog::selectPageFont(cr);
    double widest = 0;
    for (int i = 0; i < items.count; ++i)
        if (!menu::isSeparator(items.items[i]))
            widest = std::max(widest, dialog::textWidth(cr, items.items[i].text));
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return std::max(kMinWidth,
                    2 * kInset + kCheckColumn + static_cast<int>(widest) + 1 + kArrowColumn);
}

// Moves a rectangle inside the screen, its left edge first.
void keepOnScreen(Display* display, dialog::Rect& r) {
    const int screen = DefaultScreen(display);
    const int w = DisplayWidth(display, screen), h = DisplayHeight(display, screen);
    r.x = std::max(0, std::min(r.x, w - r.width));
    r.y = std::max(0, std::min(r.y, h - r.height));
}

void drawCheckMark(cairo_t* cr, int x, int y) {
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + 7, y + 10);
    cairo_line_to(cr, x + 10, y + 13);
    cairo_line_to(cr, x + 16, y + 6);
    cairo_stroke(cr);
}

void drawArrow(cairo_t* cr, int right, int y) {
    cairo_move_to(cr, right - 12, y + 6);
    cairo_line_to(cr, right - 8, y + 10);
    cairo_line_to(cr, right - 12, y + 14);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void drawItem(cairo_t* cr, const menu::Item& item, const dialog::Rect& r, bool highlighted,
              bool checked) {
    if (menu::isSeparator(item)) {
        dialog::fillRect(cr, {r.x + 1, r.y + 4, r.width - 2, 1}, 160, 160, 160);
        dialog::fillRect(cr, {r.x + 1, r.y + 5, r.width - 2, 1}, 255, 255, 255);
        return;
    }
    if (highlighted) dialog::fillRect(cr, r, 0, 120, 215);
    const int ink = highlighted ? 255 : 0;
    dialog::setColour(cr, ink, ink, ink);
    if (checked) drawCheckMark(cr, r.x, r.y);
    if (menu::hasSubmenu(item)) drawArrow(cr, r.x + r.width, r.y);
    dialog::drawText(cr, r.x + kCheckColumn, r.y + (kItemHeight - 14) / 2.0, item.text);
}

} // namespace

PopupMenu::PopupMenu(Display* d, const menu::ItemList& list, IsChecked checked, Chosen choice)
    : display(d), items(list), isChecked(std::move(checked)), chosen(std::move(choice)) {}

PopupMenu::~PopupMenu() {
    close();
}

PopupMenu::IsChecked PopupMenu::checkedIn(std::set<int> commands) {
    return [commands = std::move(commands)](int command) { return commands.count(command) > 0; };
}

Window PopupMenu::window() const {
    return panes.empty() ? None : panes.front().window;
}

bool PopupMenu::owns(Window w) const {
    return std::any_of(panes.begin(), panes.end(), [w](const Pane& p) { return p.window == w; });
}

void PopupMenu::open(int rootX, int rootY) {
    close();
    armed = false;
    openPane(items, rootX, rootY);
    grab();
}

// Another client may hold the pointer for a moment (a host's own menu, a
// drag): the grab is tried again with every event until it holds.
void PopupMenu::grab() {
    Window first = panes.front().window;
    const unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    if (!pointerGrabbed)
        pointerGrabbed = XGrabPointer(display, first, False, mask, GrabModeAsync, GrabModeAsync,
                                      None, None, CurrentTime) == GrabSuccess;
    if (!keyboardGrabbed)
        keyboardGrabbed = XGrabKeyboard(display, first, False, GrabModeAsync, GrabModeAsync,
                                        CurrentTime) == GrabSuccess;
    XFlush(display);
}

void PopupMenu::openPane(const menu::ItemList& list, int rootX, int rootY) {
    Pane pane{&list, None, {rootX, rootY, paneWidth(list), 2 * kInset}, {}, -1};
    for (int i = 0; i < list.count; ++i) {
        const int h = heightOf(list.items[i]);
        pane.itemRects.push_back(
            {kInset, pane.rect.height - kInset, pane.rect.width - 2 * kInset, h});
        pane.rect.height += h;
    }
    keepOnScreen(display, pane.rect);
    pane.window = dialog::createOverrideRedirect(display, pane.rect);
    XMapRaised(display, pane.window);
    panes.push_back(std::move(pane));
}

void PopupMenu::close() {
    if (panes.empty()) return;
    if (pointerGrabbed) XUngrabPointer(display, CurrentTime);
    if (keyboardGrabbed) XUngrabKeyboard(display, CurrentTime);
    pointerGrabbed = keyboardGrabbed = false;
    closePanesAfter(-1);
    XFlush(display);
}

void PopupMenu::closePanesAfter(int depth) {
    while (static_cast<int>(panes.size()) > depth + 1) {
        XDestroyWindow(display, panes.back().window);
        panes.pop_back();
    }
}

void PopupMenu::paint(const Pane& pane) const {
    dialog::Painter painter(display, pane.window, pane.rect.width, pane.rect.height);
    cairo_t* cr = painter.cr();
    dialog::fillRect(cr, {0, 0, pane.rect.width, pane.rect.height}, 160, 160, 160);
    dialog::fillRect(cr, {1, 1, pane.rect.width - 2, pane.rect.height - 2}, 240, 240, 240);
    dialog::selectPageFont(cr);
    for (int i = 0; i < pane.items->count; ++i) {
        const menu::Item& item = pane.items->items[i];
        const bool checked = item.command != 0 && isChecked && isChecked(item.command);
        drawItem(cr, item, pane.itemRects[static_cast<size_t>(i)], i == pane.highlighted, checked);
    }
}

bool PopupMenu::hit(int rootX, int rootY, int& depth, int& index) const {
    for (depth = static_cast<int>(panes.size()) - 1; depth >= 0; --depth) {
        const Pane& p = panes[static_cast<size_t>(depth)];
        if (!p.rect.contains(rootX, rootY)) continue;
        index = -1;
        for (size_t i = 0; i < p.itemRects.size(); ++i)
            if (p.itemRects[i].contains(rootX - p.rect.x, rootY - p.rect.y))
                index = static_cast<int>(i);
        return true;
    }
    return false;
}

// The item under the pointer is highlighted; a submenu item opens its
// submenu beside it, any other item closes the levels after its own. The
// border and the separators leave the open levels as they are.
void PopupMenu::hover(int rootX, int rootY) {
    armed = true;
    int depth, index;
    if (!hit(rootX, rootY, depth, index)) return;
    const size_t d = static_cast<size_t>(depth);
    if (index >= 0 && menu::isSeparator(panes[d].items->items[index])) index = -1;
    if (index < 0) {
        if (panes.size() == d + 1 && panes[d].highlighted >= 0) {
            panes[d].highlighted = -1;
            paint(panes[d]);
        }
        return;
    }
    const menu::Item& item = panes[d].items->items[index];
    const bool submenuShown = panes.size() > d + 1 && panes[d + 1].items == &item.submenu;
    if (!submenuShown) closePanesAfter(depth);
    if (panes[d].highlighted != index) {
        panes[d].highlighted = index;
        paint(panes[d]);
    }
    if (menu::hasSubmenu(item) && !submenuShown) openSubmenu(depth, index);
}

// Beside its item on the right, or on the left when the screen ends first.
void PopupMenu::openSubmenu(int depth, int index) {
    const Pane& parent = panes[static_cast<size_t>(depth)];
    const dialog::Rect parentRect = parent.rect;
    const int x = parentRect.x + parentRect.width - kInset;
    const int y = parentRect.y + parent.itemRects[static_cast<size_t>(index)].y - kInset;
    openPane(parent.items->items[index].submenu, x, y);
    dialog::Rect& sub = panes.back().rect;
    if (sub.x < x) {
        sub.x = std::max(0, parentRect.x - sub.width + kInset);
        XMoveWindow(display, panes.back().window, sub.x, sub.y);
    }
}

void PopupMenu::press(int rootX, int rootY) {
    int depth, index;
    if (!hit(rootX, rootY, depth, index)) {
        close();
        return;
    }
    armed = true;
    hover(rootX, rootY);
}

void PopupMenu::release(int rootX, int rootY) {
    int depth, index;
    if (!armed || !hit(rootX, rootY, depth, index) || index < 0) return;
    const menu::Item& item = panes[static_cast<size_t>(depth)].items->items[index];
    if (!menu::isSeparator(item) && !menu::hasSubmenu(item)) choose(item.command);
}

void PopupMenu::choose(int command) {
    Chosen callback = chosen;
    close();
    if (callback) callback(command);
}

// Moves the highlight of a level to its next item that is no separator,
// round past either end.
void PopupMenu::step(int depth, int direction) {
    Pane& pane = panes[static_cast<size_t>(depth)];
    const int n = pane.items->count;
    int i = pane.highlighted < 0 ? (direction > 0 ? -1 : 0) : pane.highlighted;
    for (int tries = 0; tries < n; ++tries) {
        i = (i + direction + n) % n;
        if (!menu::isSeparator(pane.items->items[i])) break;
    }
    pane.highlighted = i;
    paint(pane);
}

// The keys of a plain menu, on its last open level: Up and Down move the
// highlight, Right and Enter open a submenu, Left closes one, Enter chooses.
void PopupMenu::key(unsigned long keysym) {
    if (keysym == XK_Escape) {
        close();
        return;
    }
    const int depth = static_cast<int>(panes.size()) - 1;
    if (keysym == XK_Down || keysym == XK_Up) {
        step(depth, keysym == XK_Down ? 1 : -1);
        return;
    }
    if (keysym == XK_Left) {
        if (depth > 0) closePanesAfter(depth - 1);
        return;
    }
    const int index = panes.back().highlighted;
    const bool enter = keysym == XK_Return || keysym == XK_KP_Enter;
    if (index < 0 || !(enter || keysym == XK_Right)) return;
    const menu::Item& item = panes.back().items->items[index];
    if (menu::hasSubmenu(item)) {
        openSubmenu(depth, index);
        step(depth + 1, 1);
    } else if (enter) {
        choose(item.command);
    }
}

void PopupMenu::handle(const XEvent& e) {
    if (panes.empty()) return;
    if (!pointerGrabbed || !keyboardGrabbed) grab();
    switch (e.type) {
    case Expose:
        for (const Pane& p : panes)
            if (p.window == e.xexpose.window && e.xexpose.count == 0) paint(p);
        break;
    case MotionNotify:
        hover(e.xmotion.x_root, e.xmotion.y_root);
        break;
    case ButtonPress:
        if (e.xbutton.button <= Button3) press(e.xbutton.x_root, e.xbutton.y_root);
        break;
    case ButtonRelease:
        if (e.xbutton.button <= Button3) release(e.xbutton.x_root, e.xbutton.y_root);
        break;
    case KeyPress:
        key(dialog::keyOf(e));
        break;
    default:
        break;
    }
}

bool PopupMenu::itemRect(int depth, int index, dialog::Rect& onScreen) const {
    if (depth < 0 || depth >= static_cast<int>(panes.size())) return false;
    const Pane& p = panes[static_cast<size_t>(depth)];
    if (index < 0 || index >= static_cast<int>(p.itemRects.size())) return false;
    onScreen = p.itemRects[static_cast<size_t>(index)];
    onScreen.x += p.rect.x;
    onScreen.y += p.rect.y;
    return true;
}
