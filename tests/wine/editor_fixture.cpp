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

// Text as the editor draws it: the font it uses, centred in a box, over
// either a bitmap or a solid fill.
std::vector<std::uint32_t> renderedText(int width, int height, HBITMAP face, COLORREF fill,
                                        const char* text, COLORREF colour, RECT box) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height + 2);
    HGDIOBJ saved = SelectObject(dc, canvas);
    RECT all{0, 0, width, height + 2};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    if (face)
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(face), 0, 0, 0, width, height,
                   DST_BITMAP);
    HFONT font = CreateFontA(14, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HGDIOBJ savedFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextA(dc, text, -1, &box, DT_CENTER);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(rgbOf(GetPixel(dc, x, y)));
    SelectObject(dc, savedFont);
    DeleteObject(font);
    SelectObject(dc, saved);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The numeric display as it should look: the face with the text centred in it.
std::vector<std::uint32_t> expectedDisplay(const char* text, COLORREF colour, int leftInset) {
    HBITMAP face = static_cast<HBITMAP>(
        LoadImageA(pluginModule(), MAKEINTRESOURCEA(120), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    auto pixels = renderedText(45, 12, face, 0, text, colour, RECT{leftInset, 1, 45, 14});
    DeleteObject(face);
    return pixels;
}

// The RMS readout box with its text.
std::vector<std::uint32_t> expectedReadout(const char* text) {
    return renderedText(46, 14, nullptr, RGB(154, 172, 194), text, RGB(255, 255, 255),
                        RECT{0, 0, 46, 14});
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
