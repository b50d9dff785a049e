#include "editor/win32/compressor_editor.h"

#include "editor/control_update.h"
#include "editor/edit_gestures.h"
#include "editor/menu_commands.h"
#include "editor/win32/display_settings_apply.h"
#include "editor/win32/editor_paint.h"
#include "editor/win32/settings_registry.h"
#include "editor/win32/shared_resources.h"
#include "editor/win32/wave_display.h"
#include "editor/win32/window_procedure.h"
#include "engine/compressor_effect.h"
#include "plugin/module.h"

namespace {

ERect editorRect = {0, 0, kEditorHeight, kEditorWidth};

// Entry fields in the order output, release, ratio, threshold.
constexpr POINT kEntryPositions[4] = {{397, 51}, {118, 13}, {66, 13}, {14, 13}};

HINSTANCE module() {
    return static_cast<HINSTANCE>(moduleInstance);
}

} // namespace

CompressorEditor::CompressorEditor(CompressorEffect* effect)
    : AEffEditor(effect), compressor(effect) {
    effect->setEditor(this);
}

// A host may close the effect while the window is still open: take the window
// down first, so no timer or message ever reaches the freed effect.
CompressorEditor::~CompressorEditor() {
    takeDownWindow();
}

void CompressorEditor::takeDownWindow() {
    close();
}

HWND CompressorEditor::window() const {
    return static_cast<HWND>(compressor->editorState.editorWindow);
}

vst::IntPtr CompressorEditor::getRect(ERect** rect) {
    *rect = &editorRect;
    return 1;
}

HWND CompressorEditor::createWindow() {
    return CreateWindowExA(0, shared::kWindowClass, "Tarvexor", WS_CHILD | WS_VISIBLE,
                           CW_USEDEFAULT, CW_USEDEFAULT, kEditorWidth, kEditorHeight,
                           static_cast<HWND>(systemWindow), nullptr, module(), nullptr);
}

// A host that reopens in a new frame without closing first gets the window
// moved there: the old one goes as at a close.
vst::IntPtr CompressorEditor::open(void* parentWindow) {
    close();
    systemWindow = parentWindow;
    if (!shared::acquire()) return 0;
    HWND created = createWindow();
    if (!created || !shared::enterWindow(created)) {
        if (created) DestroyWindow(created);
        shared::release();
        return 0;
    }
    SetWindowLongPtrA(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(compressor));
    compressor->editorState.editorWindow = created;
    compressor->editorState.dragMode = 0;
    // Sums gathered while no window was open would only mislead the first reading.
    compressor->sumSquaresA = compressor->sumSquaresB = 0.0f;
    compressor->sumCount = 0;
    createDisplayPens();
    readDisplaySettings(compressor->settings);
    HDC dc = GetDC(created);
    createSurfaces(dc);
    canvas.attach(created);
    controlSet = std::make_unique<EditorControls>(&canvas);
    compressor->editorState.entryMode = 0;
    createEntryFields(created);
    contextMenu = LoadMenuA(module(), MAKEINTRESOURCEA(menu::kResourceId));
    applyDisplaySettings(*this);
    startTimers(created);
    ReleaseDC(created, dc);
    return 1;
}

void CompressorEditor::createDisplayPens() {
    const COLORREF colours[5] = {RGB(0, 140, 0), RGB(200, 220, 255), RGB(0, 200, 0), RGB(200, 0, 0),
                                 RGB(0, 180, 0)};
    for (int i = 0; i < 5; ++i)
        displayPens[i] = CreatePen(PS_SOLID, 1, colours[i]);
}

void CompressorEditor::deleteDisplayPens() {
    for (HPEN& pen : displayPens) {
        if (pen) DeleteObject(pen);
        pen = nullptr;
    }
}

void CompressorEditor::createSurfaces(HDC windowDC) {
    shared::Resources& r = shared::resources();
    EditorSurfaces& s = surfaceSet;
    RECT all{0, 0, 123, 256};
    s.waveDC = CreateCompatibleDC(windowDC);
    s.waveBitmap = CreateCompatibleBitmap(windowDC, 123, 256);
    s.savedWave = SelectObject(s.waveDC, s.waveBitmap);
    FillRect(s.waveDC, &all, r.blackBrush);
    s.panelDC = CreateCompatibleDC(windowDC);
    s.panelBitmap = CreateCompatibleBitmap(windowDC, 170, 257);
    s.savedPanel = SelectObject(s.panelDC, s.panelBitmap);
    BitBlt(s.panelDC, 0, 0, 122, 256, r.backgroundDC, 175, 13, SRCCOPY);
    BitBlt(s.panelDC, 122, 0, 13, 257, r.backgroundDC, 328, 13, SRCCOPY);
    BitBlt(s.panelDC, 136, 0, 31, 257, r.backgroundDC, 460, 13, SRCCOPY);
    applyGlow(s.panelDC);
    s.waveMaskDC = CreateCompatibleDC(windowDC);
    s.waveMaskBitmap = CreateCompatibleBitmap(windowDC, 123, 256);
    s.savedMask = SelectObject(s.waveMaskDC, s.waveMaskBitmap);
    FillRect(s.waveMaskDC, &all, r.whiteBrush);
}

void CompressorEditor::destroySurfaces() {
    EditorSurfaces& s = surfaceSet;
    if (s.waveDC) SelectObject(s.waveDC, s.savedWave), DeleteDC(s.waveDC);
    if (s.panelDC) SelectObject(s.panelDC, s.savedPanel), DeleteDC(s.panelDC);
    if (s.waveMaskDC) SelectObject(s.waveMaskDC, s.savedMask), DeleteDC(s.waveMaskDC);
    if (s.waveBitmap) DeleteObject(s.waveBitmap);
    if (s.panelBitmap) DeleteObject(s.panelBitmap);
    if (s.waveMaskBitmap) DeleteObject(s.waveMaskBitmap);
    surfaceSet = EditorSurfaces{};
}

void CompressorEditor::createEntryFields(HWND parent) {
    // Auto-scrolling lets the line break that commits an entry through under
    // Wine, which clips the formatting rectangle to the box.
    const DWORD style = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_MULTILINE | ES_AUTOVSCROLL;
    for (int i = 0; i < 4; ++i) {
        HWND edit =
            CreateWindowExA(0, "EDIT", "---", style, kEntryPositions[i].x, kEntryPositions[i].y, 47,
                            15, parent, nullptr, module(), nullptr);
        entryEdits[i] = edit;
        if (!edit) continue;
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(shared::resources().editorFont),
                     TRUE);
        SendMessageA(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(1, 1));
        ShowWindow(edit, SW_HIDE);
        RECT formatting{0, 0, 47, 30};
        SendMessageA(edit, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&formatting));
    }
}

void CompressorEditor::startTimers(HWND window) {
    SetTimer(window, 1, 166, displayTimerProcedure);
    SetTimer(window, 2, 125, displayTimerProcedure);
    SetTimer(window, 3, 100, displayTimerProcedure);
}

// Closing frees what the window used and destroys the window, so a host that
// keeps its frame for the next opening finds it empty. A drag under way ends.
void CompressorEditor::close() {
    closeWindow(true);
}

// The parent took the window down: the same, but the window is going already.
void CompressorEditor::windowDestroyed() {
    closeWindow(false);
}

void CompressorEditor::closeWindow(bool destroy) {
    HWND open = window();
    if (!open) return;
    compressor->editorState.dragMode = 0;
    gestures::endAll(*compressor);
    wheelTravel = 0;
    if (GetCapture() == open) ReleaseCapture();
    destroySurfaces();
    controlSet.reset();
    compressor->editorState.entryMode = 0;
    for (HWND& edit : entryEdits) {
        if (edit) DestroyWindow(edit);
        edit = nullptr;
    }
    if (contextMenu) DestroyMenu(contextMenu);
    contextMenu = nullptr;
    deleteDisplayPens();
    for (UINT_PTR id = 1; id <= 3; ++id)
        KillTimer(open, id);
    detachFromWindow();
    if (destroy && IsWindow(open)) DestroyWindow(open);
    shared::release();
}

void CompressorEditor::detachFromWindow() {
    HWND open = window();
    compressor->editorState.editorWindow = nullptr;
    compressor->editorState.dragMode = 0;
    canvas.detach();
    if (open && IsWindow(open)) SetWindowLongPtrA(open, GWLP_USERDATA, 0);
}

void CompressorEditor::idle() {
    if (!updateFlag) return;
    updateFlag = 0;
    update();
}

void CompressorEditor::update() {
    if (!controlSet) return;
    bringControlsUp(*controlSet, *compressor);
    redrawWave(*this);
}

void CompressorEditor::paint() {
    paintEditor(*this);
}
