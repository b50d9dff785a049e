#include "tests/x11/x11_editor_fixture.h"

#include <X11/Xlib.h>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace x11test {

std::vector<testhost::HostCall> callsOf(AEffect* effect, vst::Int32 opcode) {
    std::vector<testhost::HostCall> found;
    for (const testhost::HostCall& c : testhost::hostCalls())
        if (c.effect == effect && c.opcode == opcode) found.push_back(c);
    return found;
}

std::vector<std::uint32_t> area(const image::Picture& p, int left, int top, int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            pixels.push_back(p.pixel(x, y));
    return pixels;
}

bool topLevelShown(const char* title) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    bool found = false;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes a;
        char* name = nullptr;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable &&
            XFetchName(d, children[i], &name) && name)
            found = std::string(name) == title;
        if (name) XFree(name);
    }
    if (children) XFree(children);
    XCloseDisplay(d);
    return found;
}

void X11EditorTest::SetUp() {
    char folder[] = "/tmp/tarvexor-x11-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    configHome = folder;
    setenv("XDG_CONFIG_HOME", folder, 1);
    ASSERT_NE(fx.get(), nullptr);
    host = std::make_unique<host::X11HostWindow>(fx.get());
    ASSERT_TRUE(host->connected()) << "no X display";
    testhost::hostCalls().clear();
}

void X11EditorTest::TearDown() {
    host.reset();
    std::filesystem::remove_all(configHome);
}

std::string X11EditorTest::settingsText() const {
    std::ifstream file(configHome / "OrbanePlugIns" / "Tarvexor.conf");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void X11EditorTest::openEditor() {
    ASSERT_TRUE(host->open());
    host->pump(400);
}

} // namespace x11test
