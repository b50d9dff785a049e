#include "editor/win32/help_window.h"

#include "editor/help_text.h"
#include "editor/win32/win32_handles.h"

namespace {

const char* const kClassName = "TarvexHelp";

// Shared by every help window of the process while any HelpWindow exists.
struct HelpResources {
    Brush page, subheading, heading;
    Font font;
};
HelpResources resources;
int helpUseCount = 0;

LRESULT CALLBACK helpWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* help = reinterpret_cast<HelpWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (help && message == WM_PAINT) {
        help->paint();
        return 0;
    }
    if (help && message == WM_VSCROLL) {
        help->scroll(wParam);
        return 0;
    }
    if (help && message == WM_MOUSEWHEEL) {
        help->wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void createResources() {
    resources.page.reset(CreateSolidBrush(RGB(255, 255, 255)));
    resources.subheading.reset(CreateSolidBrush(RGB(240, 240, 240)));
    resources.heading.reset(CreateSolidBrush(RGB(220, 242, 255)));
    resources.font.reset(createArialFont());
    WNDCLASSA wc = {};
    wc.lpfnWndProc = helpWindowProcedure;
    wc.hInstance = module();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(nullptr, IDI_QUESTION);
    wc.hbrBackground = resources.page;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}

void freeResources() {
    UnregisterClassA(kClassName, module());
    resources.page.reset();
    resources.subheading.reset();
    resources.heading.reset();
    resources.font.reset();
}

help::ScrollRequest requestOf(WORD code) {
    switch (code) {
    case SB_LINEUP:
        return help::ScrollRequest::lineUp;
    case SB_LINEDOWN:
        return help::ScrollRequest::lineDown;
    case SB_PAGEUP:
        return help::ScrollRequest::pageUp;
    case SB_PAGEDOWN:
        return help::ScrollRequest::pageDown;
    case SB_THUMBTRACK:
        return help::ScrollRequest::thumbTrack;
    default:
        return help::ScrollRequest::other;
    }
}

void paintBands(HDC dc, const RECT& client, int topLine) {
    for (const help::Band& band : help::kBands) {
        help::Rows rows = help::bandRows(band, topLine);
        RECT r{client.left, client.top + rows.top, client.right, client.top + rows.bottom};
        FillRect(dc, &r, help::isSubheading(band) ? resources.subheading : resources.heading);
    }
}

void paintText(HDC dc, const RECT& client, int topLine) {
    SetTextColor(dc, RGB(0, 0, 0));
    for (int b = 0; b < help::kBlockCount; ++b) {
        RECT r{client.left + 4, client.top + help::blockTop(b, topLine), client.right - 4, 1024};
        DrawTextA(dc, help::kBlocks[b], -1, &r, DT_WORDBREAK);
    }
}

} // namespace

HelpWindow::HelpWindow() {
    if (helpUseCount++ == 0) createResources();
}

HelpWindow::~HelpWindow() {
    if (isOpen()) DestroyWindow(window);
    if (--helpUseCount == 0) freeResources();
}

// The handle of a window closed by the user may be reused: only a live
// window that still points back here is ours.
bool HelpWindow::isOpen() const {
    return window && IsWindow(window) &&
           GetWindowLongPtrA(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this);
}

int HelpWindow::open(HWND owner) {
    if (isOpen()) {
        ShowWindow(window, SW_RESTORE);
        SetActiveWindow(window);
        return 0;
    }
    const DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VSCROLL | WS_VISIBLE;
    HWND created =
        CreateWindowExA(WS_EX_APPWINDOW, kClassName, "Tarvexor Help", style, CW_USEDEFAULT,
                        CW_USEDEFAULT, 360, 484, owner, nullptr, module(), nullptr);
    if (!created) return 0;
    SetWindowLongPtrA(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    scrollInfo = {};
    scrollInfo.cbSize = sizeof(scrollInfo);
    scrollInfo.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    scrollInfo.nMax = help::kScrollMax;
    scrollInfo.nPage = help::kPageLines;
    SetScrollInfo(created, SB_VERT, &scrollInfo, TRUE);
    window = created;
    topLine = 0;
    return 1;
}

void HelpWindow::paint() {
    RECT client;
    GetClientRect(window, &client);
    PaintDC dc(window);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    Selection font(dc, resources.font);
    SetBkMode(dc, TRANSPARENT);
    FillRect(dc, &client, resources.page);
    paintBands(dc, client, topLine);
    paintText(dc, client, topLine);
}

// The thumb's line arrives as a signed 16-bit value. The window scrolls by
// the requested move even when the clamp shortened it; the repaint that
// follows draws the page from the new first line anyway.
void HelpWindow::scroll(WPARAM request) {
    scrollBy(help::scrollDelta(requestOf(LOWORD(request)), static_cast<short>(HIWORD(request)),
                               topLine));
}

void HelpWindow::wheel(int travel) {
    wheelTravel += travel;
    const int notches = wheelTravel / WHEEL_DELTA;
    wheelTravel -= notches * WHEEL_DELTA;
    if (notches != 0) scrollBy(-notches * help::kWheelLines);
}

void HelpWindow::scrollBy(int delta) {
    int line = help::clampTopLine(topLine + delta);
    if (line == topLine) return;
    topLine = line;
    ScrollWindowEx(window, 0, -delta * help::kLineHeight, nullptr, nullptr, nullptr, nullptr,
                   SW_INVALIDATE);
    scrollInfo.fMask = SIF_POS;
    scrollInfo.nPos = topLine;
    SetScrollInfo(window, SB_VERT, &scrollInfo, TRUE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE);
}
