#include "tools/host/editor_host_window.h"

namespace host {

namespace {

const char* const kHostClass = "TarvexorTestHost";

ATOM registerHostClass() {
    static ATOM atom = 0;
    if (atom) return atom;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = kHostClass;
    atom = RegisterClassA(&wc);
    return atom;
}

} // namespace

EditorHostWindow::EditorHostWindow(AEffect* e) : effect(e) {}

EditorHostWindow::~EditorHostWindow() {
    close();
    if (hostWindow) DestroyWindow(hostWindow);
}

bool EditorHostWindow::open() {
    ERect* r = nullptr;
    if (!effect->dispatcher(effect, effEditGetRect, 0, 0, &r, 0.0f) || !r) return false;
    editorRect = *r;
    registerHostClass();
    RECT frame{0, 0, editorRect.right - editorRect.left, editorRect.bottom - editorRect.top};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    hostWindow = CreateWindowExA(0, kHostClass, "Tarvexor host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 0, 0, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hostWindow) return false;
    editorOpen = effect->dispatcher(effect, effEditOpen, 0, 0, hostWindow, 0.0f) != 0;
    return editorOpen;
}

void EditorHostWindow::close() {
    if (!editorOpen) return;
    effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0.0f);
    editorOpen = false;
}

HWND EditorHostWindow::editorWindow() const {
    return hostWindow ? GetWindow(hostWindow, GW_CHILD) : nullptr;
}

void EditorHostWindow::pump(int milliseconds) {
    DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    DWORD nextIdle = 0;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (editorOpen && GetTickCount() >= nextIdle) {
            effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f);
            nextIdle = GetTickCount() + 20;
        }
        Sleep(1);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

image::Picture capture(HDC dc, int width, int height) {
    image::Picture picture;
    picture.width = width;
    picture.height = height;
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ saved = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const unsigned char* p = static_cast<const unsigned char*>(bits);
    picture.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < picture.rgb.size() / 3; ++i) {
        picture.rgb[i * 3] = p[i * 4 + 2];
        picture.rgb[i * 3 + 1] = p[i * 4 + 1];
        picture.rgb[i * 3 + 2] = p[i * 4];
    }
    SelectObject(memory, saved);
    DeleteObject(dib);
    DeleteDC(memory);
    return picture;
}

image::Picture EditorHostWindow::capture() const {
    HWND window = editorWindow();
    if (!window) return {};
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    image::Picture picture = host::capture(dc, client.right, client.bottom);
    ReleaseDC(window, dc);
    return picture;
}

} // namespace host
