#include "tools/host/x11_host_window.h"

#include "editor/x11/tick_message.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <cstdint>
#include <thread>

namespace host {

namespace {

using Clock = std::chrono::steady_clock;

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

X11HostWindow::X11HostWindow(AEffect* e) : effect(e), display(XOpenDisplay(nullptr)) {}

X11HostWindow::~X11HostWindow() {
    close();
    if (!display) return;
    if (hostWindow) XDestroyWindow(display, hostWindow);
    XCloseDisplay(display);
}

bool X11HostWindow::open(int x, int y) {
    if (!display) return false;
    ERect* r = nullptr;
    if (!effect->dispatcher(effect, effEditGetRect, 0, 0, &r, 0.0f) || !r) return false;
    editorRect = *r;
    const int screen = DefaultScreen(display);
    hostWindow =
        XCreateSimpleWindow(display, RootWindow(display, screen), x, y,
                            editorRect.right - editorRect.left, editorRect.bottom - editorRect.top,
                            0, BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, hostWindow, "Tarvexor host");
    XMapWindow(display, hostWindow);
    XSync(display, False);
    void* id = reinterpret_cast<void*>(static_cast<std::uintptr_t>(hostWindow));
    editorOpen = effect->dispatcher(effect, effEditOpen, 0, 0, id, 0.0f) != 0;
    return editorOpen;
}

void X11HostWindow::close() {
    if (!editorOpen) return;
    effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0.0f);
    editorOpen = false;
}

void X11HostWindow::destroyParent() {
    if (!hostWindow) return;
    XDestroyWindow(display, hostWindow);
    XSync(display, False);
    hostWindow = 0;
}

XWindowId X11HostWindow::editorWindow() const {
    if (!hostWindow) return 0;
    Window root = 0, parentOf = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, hostWindow, &root, &parentOf, &children, &count)) return 0;
    Window first = count > 0 ? children[0] : 0;
    if (children) XFree(children);
    return first;
}

void X11HostWindow::idle() {
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }
    if (editorOpen) effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f);
}

void X11HostWindow::pump(int milliseconds) {
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    auto nextIdle = Clock::now();
    do {
        if (Clock::now() >= nextIdle) {
            idle();
            nextIdle = Clock::now() + std::chrono::milliseconds(20);
        }
        sleepMs(1);
    } while (Clock::now() < end);
}

void X11HostWindow::sendDisplayTick() {
    Window editor = editorWindow();
    if (!editor) return;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = editor;
    event.xclient.message_type = XInternAtom(display, kDisplayTickAtom, False);
    event.xclient.format = 32;
    XSendEvent(display, editor, False, NoEventMask, &event);
    XSync(display, False);
}

void X11HostWindow::toScreen(int x, int y, int& sx, int& sy) const {
    Window child = 0;
    Window from = editorWindow() ? editorWindow() : hostWindow;
    XTranslateCoordinates(display, from, DefaultRootWindow(display), x, y, &sx, &sy, &child);
}

// The server has the input and the editor has had an idle call to take it.
void X11HostWindow::settle() {
    XSync(display, False);
    idle();
}

void X11HostWindow::movePointer(int x, int y) {
    int sx = 0, sy = 0;
    toScreen(x, y, sx, sy);
    XTestFakeMotionEvent(display, DefaultScreen(display), sx, sy, CurrentTime);
    settle();
}

void X11HostWindow::pressButton(int button, int x, int y) {
    movePointer(x, y);
    XTestFakeButtonEvent(display, static_cast<unsigned>(button), True, CurrentTime);
    settle();
}

void X11HostWindow::releaseButton(int button, int x, int y) {
    movePointer(x, y);
    XTestFakeButtonEvent(display, static_cast<unsigned>(button), False, CurrentTime);
    settle();
}

void X11HostWindow::click(int button, int x, int y) {
    pressButton(button, x, y);
    XTestFakeButtonEvent(display, static_cast<unsigned>(button), False, CurrentTime);
    settle();
}

void X11HostWindow::typeKey(unsigned long keysym) {
    KeyCode code = XKeysymToKeycode(display, keysym);
    if (!code) return;
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    settle();
}

void X11HostWindow::typeText(const char* text) {
    for (; *text; ++text)
        typeKey(static_cast<unsigned char>(*text));
}

image::Picture X11HostWindow::capture() const {
    image::Picture picture;
    Window window = editorWindow();
    XWindowAttributes a;
    if (!window || !XGetWindowAttributes(display, window, &a)) return picture;
    XImage* shot = XGetImage(display, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!shot) return picture;
    picture.width = a.width;
    picture.height = a.height;
    picture.rgb.resize(static_cast<std::size_t>(a.width) * a.height * 3);
    std::size_t i = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            unsigned long p = XGetPixel(shot, x, y);
            picture.rgb[i++] = static_cast<std::uint8_t>(p >> 16);
            picture.rgb[i++] = static_cast<std::uint8_t>(p >> 8);
            picture.rgb[i++] = static_cast<std::uint8_t>(p);
        }
    }
    XDestroyImage(shot);
    return picture;
}

} // namespace host
