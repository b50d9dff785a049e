#include "tools/shot/help_shot.h"

#include "resources/resource_ids.h"

#include <cstdio>

namespace shot {

namespace {

BOOL CALLBACK takeHelpWindow(HWND w, LPARAM found) {
    char name[32] = {};
    GetClassNameA(w, name, sizeof(name));
    if (lstrcmpA(name, "TarvexHelp") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

HWND findHelpWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), takeHelpWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The window as drawn into its own surface, including the frame.
image::Picture captureWindow(HWND window) {
    image::Picture picture;
    RECT frame;
    GetWindowRect(window, &frame);
    picture.width = frame.right - frame.left;
    picture.height = frame.bottom - frame.top;
    HDC dc = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info = {};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ saved = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, picture.width, picture.height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const unsigned char*>(bits);
    picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
    for (std::size_t i = 0; i < picture.rgb.size() / 3; ++i) {
        picture.rgb[i * 3] = p[i * 4 + 2];
        picture.rgb[i * 3 + 1] = p[i * 4 + 1];
        picture.rgb[i * 3 + 2] = p[i * 4];
    }
    SelectObject(memory, saved);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return picture;
}

} // namespace

bool writeHelpShot(host::EditorHostWindow& window, const std::string& path) {
    SendMessageA(window.editorWindow(), WM_COMMAND, IDM_HELP, 0);
    window.pump(200);
    HWND help = findHelpWindow();
    if (!help) {
        std::fprintf(stderr, "tarvexor-shot: the help window did not open\n");
        return false;
    }
    RedrawWindow(help, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    if (!image::writePng(path, captureWindow(help))) {
        std::fprintf(stderr, "tarvexor-shot: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace shot
