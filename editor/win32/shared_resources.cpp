#include "editor/win32/shared_resources.h"

#include "editor/win32/window_procedure.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

namespace shared {

const char* const kWindowClass = "Tarvex";

namespace {

// Bitmaps in the order they are loaded.
constexpr int kBitmapIds[] = {IDB_BACKGROUND,       IDB_NORMALIZE_ON, IDB_SOFT_ON,
                              IDB_DITHER_ON,        IDB_BYPASS_ON,    IDB_LEVEL_BAR,
                              IDB_REDUCTION_BAR,    IDB_AUTO_ON,      IDB_HANDLE_BLUE,
                              IDB_HANDLE_THRESHOLD, IDB_HANDLE_LIMIT, IDB_HANDLE_AUTO_RELEASE,
                              IDB_DISPLAY_FACE,     IDB_GLOW,         IDB_HANDLE_ZOOM,
                              IDB_HANDLE_LOOKAHEAD};
constexpr int kBitmapCount = sizeof(kBitmapIds) / sizeof(kBitmapIds[0]);
Bitmap loadedBitmaps[kBitmapCount];

bool registerWindowClass() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = editorWindowProcedure;
    wc.hInstance = module();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOWFRAME + 1));
    wc.lpszClassName = kWindowClass;
    // A class this module registered before, and never unregistered, serves as well.
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void loadBitmaps() {
    for (int i = 0; i < kBitmapCount; ++i)
        loadedBitmaps[i].reset(LoadBitmapA(module(), MAKEINTRESOURCEA(kBitmapIds[i])));
    if (!loadedBitmaps[0]) MessageBoxA(nullptr, "Not enough memory !", "Error", MB_OK);
}

// The glow bitmap is read once, into the two tables.
void fillGlowTables(Resources& r) {
    MemoryDC glow(bitmap(IDB_GLOW));
    for (int x = 0; x < kGlowColumns; ++x) {
        for (int y = 0; y < kGlowRows; ++y) {
            int red = GetRValue(GetPixel(glow, x, y));
            r.glowBase[x * kGlowRows + y] = static_cast<float>(red);
            r.glowScale[x * kGlowRows + y] = static_cast<float>(255 - red) / 255;
        }
    }
}

void createDrawingTools(Resources& r) {
    r.editorFont.reset(createArialFont());
    r.redPen.reset(CreatePen(PS_SOLID, 1, RGB(200, 0, 0)));
    r.greenPen.reset(CreatePen(PS_SOLID, 1, RGB(0, 160, 0)));
    r.bluePen.reset(CreatePen(PS_SOLID, 1, RGB(110, 131, 241)));
    r.blackPen.reset(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    r.whiteBrush.reset(CreateSolidBrush(RGB(255, 255, 255)));
    r.blackBrush.reset(CreateSolidBrush(RGB(0, 0, 0)));
    r.readoutBrush.reset(CreateSolidBrush(RGB(154, 172, 194)));
}

void create(Resources& r) {
    InitCommonControls();
    loadBitmaps();
    r.backgroundDC = MemoryDC(bitmap(IDB_BACKGROUND));
    fillGlowTables(r);
    createDrawingTools(r);
}

void destroyEditorWindows(Resources& r) {
    for (int i = 0; i <= r.editorWindowTableTop && i < kWindowTableSize; ++i) {
        if (r.editorWindowTable[i] && IsWindow(r.editorWindowTable[i]))
            DestroyWindow(r.editorWindowTable[i]);
        r.editorWindowTable[i] = nullptr;
    }
    r.editorWindowTableTop = 0;
}

void destroy(Resources& r) {
    destroyEditorWindows(r);
    r.backgroundDC = MemoryDC();
    for (Bitmap& b : loadedBitmaps)
        b.reset();
    r.editorFont.reset();
    r.redPen.reset(), r.greenPen.reset(), r.bluePen.reset(), r.blackPen.reset();
    r.whiteBrush.reset(), r.blackBrush.reset(), r.readoutBrush.reset();
    UnregisterClassA(kWindowClass, module());
}

} // namespace

Resources& resources() {
    static Resources r;
    return r;
}

HBITMAP bitmap(int id) {
    for (int i = 0; i < kBitmapCount; ++i)
        if (kBitmapIds[i] == id) return loadedBitmaps[i].get();
    return nullptr;
}

bool acquire() {
    Resources& r = resources();
    if (r.editorUseCount > 0) {
        ++r.editorUseCount;
        return true;
    }
    if (!registerWindowClass()) return false;
    r.editorUseCount = 1;
    create(r);
    return true;
}

void release() {
    Resources& r = resources();
    if (r.editorUseCount <= 0) return;
    if (--r.editorUseCount == 0) destroy(r);
}

bool enterWindow(HWND window) {
    Resources& r = resources();
    for (int slot = 0; slot < kWindowTableSize; ++slot) {
        if (r.editorWindowTable[slot] && IsWindow(r.editorWindowTable[slot])) continue;
        r.editorWindowTable[slot] = window;
        if (slot > r.editorWindowTableTop) r.editorWindowTableTop = slot;
        return true;
    }
    return false;
}

} // namespace shared
