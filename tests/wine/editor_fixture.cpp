#include "tests/wine/editor_fixture.h"

namespace editortest {

HMODULE pluginModule() {
    return static_cast<HMODULE>(testhost::plugin().nativeHandle());
}

ResourceBitmap::ResourceBitmap(int id) {
    bitmap = static_cast<HBITMAP>(
        LoadImageA(pluginModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bitmap) return;
    BITMAP info;
    GetObjectA(bitmap, sizeof(info), &info);
    size = {info.bmWidth, info.bmHeight};
    dc = CreateCompatibleDC(nullptr);
    saved = SelectObject(dc, bitmap);
}

ResourceBitmap::~ResourceBitmap() {
    if (dc) SelectObject(dc, saved), DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
}

std::uint32_t rgbOf(COLORREF c) {
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

void EditorTest::SetUp() {
    ASSERT_NE(fx.get(), nullptr);
    host = std::make_unique<host::EditorHostWindow>(fx.get());
}

void EditorTest::TearDown() {
    host.reset();
}

void EditorTest::openEditor(int settleMs) {
    ASSERT_TRUE(host->open());
    host->pump(settleMs);
}

COLORREF EditorTest::windowPixel(int x, int y) const {
    HWND window = host->editorWindow();
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

} // namespace editortest
