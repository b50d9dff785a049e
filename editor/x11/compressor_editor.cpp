#include "editor/x11/compressor_editor.h"

#include "editor/control_update.h"
#include "editor/edit_gestures.h"
#include "editor/panel_layout.h"
#include "editor/x11/display_settings_apply.h"
#include "editor/x11/display_tick.h"
#include "editor/x11/editor_paint.h"
#include "editor/x11/event_handling.h"
#include "editor/x11/settings_store.h"
#include "editor/x11/shared_resources.h"
#include "editor/x11/tick_message.h"
#include "editor/x11/wave_display.h"
#include "editor/x11/x11_connection.h"
#include "editor/x11/x11_dialogs.h"
#include "engine/compressor_effect.h"

#include <X11/Xutil.h>
#include <cstdint>

namespace {

ERect editorRect = {0, 0, kEditorHeight, kEditorWidth};

// Entry fields in the order output, release, ratio, threshold.
constexpr int kEntryPositions[4][2] = {{397, 51}, {118, 13}, {66, 13}, {14, 13}};

constexpr long kEditorEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask |
                               PointerMotionMask | KeyPressMask | StructureNotifyMask |
                               LeaveWindowMask;

} // namespace

CompressorEditor::CompressorEditor(CompressorEffect* effect)
    : AEffEditor(effect), compressor(effect), store(makeSettingsStore()) {
    effect->setEditor(this);
}

// A host may close the effect while the window is still open: take the window
// down first, so no event ever reaches the freed effect.
CompressorEditor::~CompressorEditor() {
    takeDownWindow();
}

void CompressorEditor::takeDownWindow() {
    close();
}

Display* CompressorEditor::display() const {
    return connection ? connection->display() : nullptr;
}

vst::IntPtr CompressorEditor::getRect(ERect** rect) {
    *rect = &editorRect;
    return 1;
}

// A child of the host's window, on this editor's own connection.
bool CompressorEditor::createWindow(Window parent) {
    Display* d = display();
    XWindowAttributes parentAttributes;
    if (!parent || !XGetWindowAttributes(d, parent, &parentAttributes)) return false;
    visual = parentAttributes.visual;
    XSetWindowAttributes a = {};
    a.event_mask = kEditorEvents;
    a.background_pixmap = None;
    editorWindow = XCreateWindow(d, parent, 0, 0, kEditorWidth, kEditorHeight, 0, CopyFromParent,
                                 InputOutput, CopyFromParent, CWBackPixmap | CWEventMask, &a);
    if (!editorWindow) return false;
    XStoreName(d, editorWindow, "Tarvexor");
    XMapWindow(d, editorWindow);
    // An error here means the parent is not a window we can live in.
    XSync(d, False);
    XWindowAttributes mine;
    return XGetWindowAttributes(d, editorWindow, &mine) != 0;
}

// A host that reopens in a new frame without closing first gets the window
// moved there: the old one goes as at a close.
vst::IntPtr CompressorEditor::open(void* parentWindow) {
    close();
    systemWindow = parentWindow;
    connection = std::make_unique<X11Connection>();
    if (!display()) {
        connection.reset();
        return 0;
    }
    shared::acquire();
    if (!createWindow(static_cast<Window>(reinterpret_cast<std::uintptr_t>(parentWindow)))) {
        editorWindow = 0;
        connection.reset();
        shared::release();
        return 0;
    }
    tickAtom = XInternAtom(display(), kDisplayTickAtom, False);
    compressor->editorState.editorWindow = reinterpret_cast<void*>(editorWindow);
    compressor->editorState.dragMode = 0;
    // Sums gathered while no window was open would only mislead the first reading.
    compressor->sumSquaresA = compressor->sumSquaresB = 0.0f;
    compressor->sumCount = 0;
    // The starting colours; the colour scheme applied below replaces them.
    const Rgb colours[5] = {{0, 140, 0}, {200, 220, 255}, {0, 200, 0}, {200, 0, 0}, {0, 180, 0}};
    for (int i = 0; i < 5; ++i)
        setDisplayColour(i, colours[i]);
    store->read(compressor->settings);
    shown.attach(display(), editorWindow, visual, kEditorWidth, kEditorHeight);
    createSurfaces();
    canvas.attach(&shown);
    controlSet = std::make_unique<EditorControls>(&canvas);
    compressor->editorState.entryMode = 0;
    createEntryFields(visual);
    dialogSet = makeDialogs(*this);
    applyDisplaySettings(*this);
    clock.start(steadyMs());
    XFlush(display());
    return 1;
}

EntryField* CompressorEditor::entryField(int box) {
    return box >= 0 && box < 4 && entryFields[box].window() ? &entryFields[box] : nullptr;
}

int CompressorEditor::entryBoxOf(Window candidate) const {
    for (int i = 0; i < 4; ++i)
        if (candidate && entryFields[i].window() == candidate) return i;
    return -1;
}

void CompressorEditor::createSurfaces() {
    EditorSurfaces& s = surfaceSet;
    s.waveImage = makeImage(123, 256);
    fillRect(contextOn(s.waveImage.get()).get(), 0, 0, 123, 256, Rgb{0, 0, 0});
    s.panelImage = makeImage(panel::kSurfaceWidth, panel::kSurfaceHeight);
    panel::copyFromWindow(s.panelImage.get(), shared::background());
    applyGlow(s.panelImage.get());
    s.waveMaskImage = makeImage(123, 256);
    fillRect(contextOn(s.waveMaskImage.get()).get(), 0, 0, 123, 256, Rgb{255, 255, 255});
}

void CompressorEditor::createEntryFields(Visual* boxVisual) {
    for (int i = 0; i < 4; ++i)
        entryFields[i].create(display(), editorWindow, boxVisual, kEntryPositions[i][0],
                              kEntryPositions[i][1]);
}

bool CompressorEditor::isTickMessage(const XClientMessageEvent& message) const {
    return tickAtom && message.message_type == tickAtom;
}

void CompressorEditor::hostTick() {
    displayTick(*this);
    clock.start(steadyMs());
}

// Closing frees what the window used and destroys the window, so a host that
// keeps its frame for the next opening finds it empty. A drag under way ends.
void CompressorEditor::close() {
    closeWindow(true);
}

void CompressorEditor::windowDestroyed() {
    closeWindow(false);
}

void CompressorEditor::closeWindow(bool destroy) {
    if (!editorWindow) return;
    compressor->editorState.dragMode = 0;
    gestures::endAll(*compressor);
    dialogSet.reset();
    surfaceSet = EditorSurfaces{};
    controlSet.reset();
    compressor->editorState.entryMode = 0;
    for (EntryField& field : entryFields)
        field.destroy();
    canvas.detach();
    shown.detach();
    compressor->editorState.editorWindow = nullptr;
    if (destroy) XDestroyWindow(display(), editorWindow);
    editorWindow = 0;
    handlers = EventHandlers{};
    // Closing the connection destroys whatever else it still holds.
    connection.reset();
    shared::release();
}

// The events waiting now, and the ticks due after each; a round trip first,
// so that what the host sent before this call is here.
void CompressorEditor::pumpEvents() {
    Display* d = display();
    if (!d) return;
    XSync(d, False);
    while (display() && XPending(d)) {
        XEvent event;
        XNextEvent(d, &event);
        if (entryBoxOf(event.xany.window) >= 0 || event.xany.window == editorWindow)
            handleEditorEvent(*this, event);
        else if (!handlers.dispatch(event) && dialogSet)
            dialogSet->routeEvent(event);
        runDueTicks();
    }
    runDueTicks();
}

void CompressorEditor::runDueTicks() {
    if (editorWindow && clock.tickDue(steadyMs(), compressor->settings.displaySpeed))
        displayTick(*this);
}

void CompressorEditor::idle() {
    pumpEvents();
    if (updateFlag) {
        updateFlag = 0;
        update();
    }
    if (!display()) return;
    shown.present();
    XFlush(display());
}

void CompressorEditor::update() {
    if (!controlSet) return;
    bringControlsUp(*controlSet, *compressor);
    redrawWave(*this);
}

void CompressorEditor::paint() {
    paintEditor(*this);
}
