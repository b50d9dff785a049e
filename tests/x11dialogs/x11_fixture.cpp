// Google Test before Xlib, whose None and Bool macros would clash with it.
#include <gtest/gtest.h>

#include "x11_fixture.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <thread>

void X11Fixture::SetUp() {
    display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "no X display: run under xvfb-run";
    int event, error, major, minor;
    ASSERT_TRUE(XTestQueryExtension(display, &event, &error, &major, &minor));
    owner = dialog::createTopLevel(display, None, 511, 283, "Tarvexor");
    XMapWindow(display, owner);
    moveTo(1200, 1000);
    XSync(display, False);
}

void X11Fixture::TearDown() {
    if (display) XCloseDisplay(display);
}

bool X11Fixture::pumpUntil(const Route& route, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        XSync(display, False);
        if (XPending(display) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        XEvent e;
        XNextEvent(display, &e);
        route(e);
    }
    return true;
}

void X11Fixture::pumpFor(const Route& route, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    pumpUntil(route, [&] { return std::chrono::steady_clock::now() > end; });
}

bool X11Fixture::waitShown(const Route& route, Window window) {
    bool exposed = false;
    auto seeExposure = [&](const XEvent& e) {
        exposed = exposed || (e.type == Expose && e.xexpose.window == window);
        route(e);
    };
    return pumpUntil(seeExposure, [&] { return exposed; });
}

void X11Fixture::moveTo(int rootX, int rootY) {
    XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
    XFlush(display);
}

void X11Fixture::button(unsigned int number, bool down) {
    XTestFakeButtonEvent(display, number, down ? True : False, CurrentTime);
    XFlush(display);
}

void X11Fixture::click(unsigned int number) {
    button(number, true);
    button(number, false);
}

void X11Fixture::key(unsigned long keysym) {
    const KeyCode code = XKeysymToKeycode(display, keysym);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}

void X11Fixture::toRoot(Window window, int x, int y, int& rootX, int& rootY) {
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                          &child);
}

int X11Fixture::darkPixels(const dialog::Rect& r) {
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), r.x, r.y, static_cast<unsigned>(r.width),
                  static_cast<unsigned>(r.height), AllPlanes, ZPixmap);
    if (!image) return -1;
    int dark = 0;
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            if ((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF) < 3 * 128) ++dark;
        }
    XDestroyImage(image);
    return dark;
}
