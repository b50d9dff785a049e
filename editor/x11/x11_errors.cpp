#include "editor/x11/x11_errors.h"

#include <algorithm>
#include <vector>

namespace xerrors {

namespace {

using Handler = int (*)(Display*, XErrorEvent*);

struct Trap {
    std::vector<Display*> ours;
    Handler previous = nullptr;
    bool installed = false;
    unsigned long swallowed = 0;
};

Trap& trap() {
    static Trap t;
    return t;
}

int onError(Display* display, XErrorEvent* error) {
    Trap& t = trap();
    if (std::find(t.ours.begin(), t.ours.end(), display) != t.ours.end()) {
        ++t.swallowed;
        return 0;
    }
    // Xlib's own default handler is what XSetErrorHandler returned for none.
    return t.previous ? t.previous(display, error) : 0;
}

} // namespace

void adopt(Display* display) {
    Trap& t = trap();
    if (!display) return;
    t.ours.push_back(display);
    if (t.installed) return;
    t.previous = XSetErrorHandler(onError);
    t.installed = true;
}

void forget(Display* display) {
    Trap& t = trap();
    t.ours.erase(std::remove(t.ours.begin(), t.ours.end(), display), t.ours.end());
    if (!t.ours.empty() || !t.installed) return;
    // Put the previous handler back only if ours is still the one in place;
    // one installed after ours keeps its place and may still chain to ours,
    // which then passes everything on.
    Handler current = XSetErrorHandler(t.previous);
    if (current != onError) {
        XSetErrorHandler(current);
        return;
    }
    t.installed = false;
}

unsigned long swallowedCount() {
    return trap().swallowed;
}

} // namespace xerrors
