// Editor tests under Wine: an instance of the plug-in, a host window with its
// editor, and the editor's bitmaps read from the plug-in's own resources for
// comparing pixels.
#pragma once

#include "tests/host/plugin_host.h"
#include "tools/host/editor_host_window.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace editortest {

// A bitmap resource of the plug-in, readable pixel by pixel.
class ResourceBitmap {
  public:
    explicit ResourceBitmap(int id);
    ~ResourceBitmap();
    ResourceBitmap(const ResourceBitmap&) = delete;
    ResourceBitmap& operator=(const ResourceBitmap&) = delete;
    int width() const { return size.cx; }
    int height() const { return size.cy; }
    COLORREF pixel(int x, int y) const { return GetPixel(dc, x, y); }
    HBITMAP handle() const { return bitmap; }

  private:
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    HGDIOBJ saved = nullptr;
    SIZE size = {0, 0};
};

HMODULE pluginModule();

// Red, green and blue of a window pixel as 0xRRGGBB, as GDI reads it.
std::uint32_t rgbOf(COLORREF c);

// Text as the editor draws it (its font, centred in a box) over a bitmap or
// a solid fill, read back pixel by pixel.
std::vector<std::uint32_t> renderedText(int width, int height, HBITMAP face, COLORREF fill,
                                        const char* text, COLORREF colour, RECT box);
// A numeric display as it should look: the face with the text centred in it.
std::vector<std::uint32_t> expectedDisplay(const char* text, COLORREF colour, int leftInset);
// The RMS readout box with its text.
std::vector<std::uint32_t> expectedReadout(const char* text);

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the editor and lets it settle (idle calls and paints).
    void openEditor(int settleMs = 150);
    void pump(int ms) { host->pump(ms); }
    COLORREF windowPixel(int x, int y) const;
    HWND editorWindow() const { return host->editorWindow(); }
    void setParameter(int index, float value) { fx->setParameter(fx.get(), index, value); }

    testhost::Instance fx;
    std::unique_ptr<host::EditorHostWindow> host;
};

} // namespace editortest
