#include "editor/win32/compressor_editor.h"

#include "editor/control_update.h"
#include "editor/edit_gestures.h"
#include "editor/menu_commands.h"
#include "editor/panel_layout.h"
#include "editor/win32/display_settings_apply.h"
#include "editor/win32/editor_paint.h"
#include "editor/win32/settings_registry.h"
#include "editor/win32/shared_resources.h"
#include "editor/win32/wave_display.h"
#include "editor/win32/window_procedure.h"
#include "engine/compressor_effect.h"

namespace {

ERect editorRect = {0, 0, kEditorHeight, kEditorWidth};

// Entry fields in the order output, release, ratio, threshold.
constexpr POINT kEntryPositions[4] = {{397, 51}, {118, 13}, {66, 13}, {14, 13}};

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
    // The starting colours; the colour scheme applied below replaces them.
    const COLORREF colours[5] = {RGB(0, 140, 0), RGB(200, 220, 255), RGB(0, 200, 0), RGB(200, 0, 0),
                                 RGB(0, 180, 0)};
    for (int i = 0; i < 5; ++i)
        setDisplayColour(i, colours[i]);
    readDisplaySettings(compressor->settings);
    createSurfaces(WindowDC(created));
    canvas.attach(created);
    controlSet = std::make_unique<EditorControls>(&canvas);
    compressor->editorState.entryMode = 0;
    createEntryFields(created);
    contextMenu.reset(LoadMenuA(module(), MAKEINTRESOURCEA(menu::kResourceId)));
    applyDisplaySettings(*this);
    startTimers(created);
    return 1;
}

void CompressorEditor::setDisplayColour(int pen, COLORREF colour) {
    displayPens[pen].reset(CreatePen(PS_SOLID, 1, colour));
}

void CompressorEditor::checkMenuItem(int command, bool checked) {
    if (contextMenu.get())
        CheckMenuItem(contextMenu.get(), command,
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void CompressorEditor::trackContextMenu(POINT screen) {
    if (contextMenu.get())
        TrackPopupMenu(GetSubMenu(contextMenu.get(), 0), TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                       window(), nullptr);
}

HWND CompressorEditor::entryBox(int box) const {
    return box >= 0 && box < 4 ? entryEdits[box].get() : nullptr;
}

bool CompressorEditor::isEntryBox(HWND candidate) const {
    for (const ChildWindow& edit : entryEdits)
        if (candidate && edit.get() == candidate) return true;
    return false;
}

void CompressorEditor::createSurfaces(HDC windowDC) {
    const shared::Resources& r = shared::resources();
    EditorSurfaces& s = surfaceSet;
    RECT all{0, 0, 123, 256};
    s.waveDC = MemoryDC(windowDC, 123, 256);
    FillRect(s.waveDC, &all, r.blackBrush);
    s.panelDC = MemoryDC(windowDC, panel::kSurfaceWidth, panel::kSurfaceHeight);
    panel::copyFromWindow(s.panelDC, r.backgroundDC);
    applyGlow(s.panelDC);
    s.waveMaskDC = MemoryDC(windowDC, 123, 256);
    FillRect(s.waveMaskDC, &all, r.whiteBrush);
}

void CompressorEditor::createEntryFields(HWND parent) {
    // Auto-scrolling lets the line break that commits an entry through under
    // Wine, which clips the formatting rectangle to the box.
    const DWORD style = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_MULTILINE | ES_AUTOVSCROLL;
    for (int i = 0; i < 4; ++i) {
        HWND edit =
            CreateWindowExA(0, "EDIT", "---", style, kEntryPositions[i].x, kEntryPositions[i].y, 47,
                            15, parent, nullptr, module(), nullptr);
        entryEdits[i].reset(edit);
        if (!edit) continue;
        SendMessageA(edit, WM_SETFONT,
                     reinterpret_cast<WPARAM>(shared::resources().editorFont.get()), TRUE);
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
    surfaceSet = EditorSurfaces{};
    controlSet.reset();
    compressor->editorState.entryMode = 0;
    for (ChildWindow& edit : entryEdits)
        edit.reset();
    contextMenu.reset();
    for (Pen& pen : displayPens)
        pen.reset();
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
