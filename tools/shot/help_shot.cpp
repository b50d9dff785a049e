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
    RECT frame;
    GetWindowRect(window, &frame);
    HDC dc = GetWindowDC(window);
    image::Picture picture = host::capture(dc, frame.right - frame.left, frame.bottom - frame.top);
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
