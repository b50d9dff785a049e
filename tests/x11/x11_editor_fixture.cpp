#include "tests/x11/x11_editor_fixture.h"

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

void X11EditorTest::SetUp() {
    ASSERT_NE(fx.get(), nullptr);
    host = std::make_unique<host::X11HostWindow>(fx.get());
    ASSERT_TRUE(host->connected()) << "no X display";
    testhost::hostCalls().clear();
}

void X11EditorTest::TearDown() {
    host.reset();
}

void X11EditorTest::openEditor() {
    ASSERT_TRUE(host->open());
    host->pump(400);
}

} // namespace x11test
