// Editor tests on an X display: an instance of the plug-in, an X11 host
// window with its editor, real input through XTest and what the host was told.
#pragma once

#include "tests/host/plugin_host.h"
#include "tools/host/x11_host_window.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace x11test {

// The automation calls the host received for an effect, in order.
std::vector<testhost::HostCall> callsOf(AEffect* effect, vst::Int32 opcode);

// Whether a top-level window of the display bears the title.
bool topLevelShown(const char* title);

// The pixels of a rectangle of a picture, as 0xRRGGBB.
std::vector<std::uint32_t> area(const image::Picture& p, int left, int top, int width, int height);

class X11EditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the editor and lets it settle: mapped, painted, idle calls.
    void openEditor();

    // The editor's settings file, in a folder of this test's own.
    std::string settingsText() const;

    std::filesystem::path configHome;
    testhost::Instance fx;
    std::unique_ptr<host::X11HostWindow> host;
};

} // namespace x11test
