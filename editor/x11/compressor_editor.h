// The editor object the host talks to on Linux, and what exists while its
// window is open: its own display connection, the window's picture, the
// drawing surfaces, the display colours, the text boxes, the controls and the
// display timers. The host passes its window's X id to open; the editor's
// window is a child of it, and the host's idle calls run its events.
#pragma once

#include "editor/control_layout.h"
#include "editor/display_text.h"
#include "editor/x11/display_clock.h"
#include "editor/x11/editor_picture.h"
#include "editor/x11/entry_field.h"
#include "editor/x11/event_handlers.h"
#include "editor/x11/x11_canvas.h"
#include "plugin/aeffeditor.h"

#include <X11/Xlib.h>
#include <memory>

class CompressorEffect;
class SettingsStore;
class X11Connection;
class X11Dialogs;

// Surfaces of one open window: the wave traces, the input mask, and the
// composing surface for the wave panel and the meters.
struct EditorSurfaces {
    Surface waveImage, waveMaskImage, panelImage;
};

class CompressorEditor : public AEffEditor {
  public:
    explicit CompressorEditor(CompressorEffect* effect);
    ~CompressorEditor() override;

    // Closes an open window and destroys it, so nothing reaches the effect any more.
    void takeDownWindow();

    vst::IntPtr getRect(ERect** rect) override;
    vst::IntPtr open(void* parentWindow) override;
    void close() override;
    // The window is gone (its parent was destroyed): everything close does
    // but the destroying.
    void windowDestroyed();
    // Runs the window's events and the display ticks that are due, then
    // brings the controls up to a parameter change.
    void idle() override;
    void update() override;

    CompressorEffect& owner() { return *compressor; }
    Display* display() const;
    Window window() const { return editorWindow; }
    EditorControls* controls() { return controlSet.get(); }
    const EditorSurfaces& surfaces() const { return surfaceSet; }
    EditorPicture& picture() { return shown; }

    // The wave display's colours: [0] input, [1] limited, [2] compressor
    // threshold, [3] limiter threshold, [4] compressed.
    Rgb displayColour(int index) const { return displayColours[index]; }
    void setDisplayColour(int index, Rgb colour) { displayColours[index] = colour; }
    // The numeric entry boxes: 0 output, 1 release, 2 ratio, 3 threshold.
    EntryField* entryField(int box);
    // The box a window is, or -1.
    int entryBoxOf(Window candidate) const;

    // Windows of the menus and dialogs, and those pieces themselves.
    EventHandlers& eventHandlers() { return handlers; }
    X11Dialogs& dialogs() { return *dialogSet; }
    SettingsStore& settingsStore() { return *store; }

    // A display tick sent by the host.
    bool isTickMessage(const XClientMessageEvent& message) const;
    void hostTick();

    // Whole-window repaint, as after an exposure.
    void paint();

  private:
    bool createWindow(Window parent);
    void createSurfaces();
    void createEntryFields(Visual* visual);
    void pumpEvents();
    void runDueTicks();
    void closeWindow(bool destroy);

    CompressorEffect* compressor;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<X11Connection> connection;
    Window editorWindow = 0;
    Visual* visual = nullptr;
    Atom tickAtom = 0;
    EditorPicture shown;
    X11Canvas canvas;
    std::unique_ptr<EditorControls> controlSet;
    EditorSurfaces surfaceSet;
    Rgb displayColours[5] = {};
    EntryField entryFields[4];
    EventHandlers handlers;
    std::unique_ptr<X11Dialogs> dialogSet;
    DisplayClock clock;
};
