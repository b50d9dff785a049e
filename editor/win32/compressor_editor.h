// The editor object the host talks to, and the per-window drawing surfaces,
// pens, menu, entry boxes and controls that exist while its window is open.
#pragma once

#include "editor/control_layout.h"
#include "editor/win32/help_window.h"
#include "editor/win32/win32_canvas.h"
#include "editor/win32/win32_handles.h"
#include "plugin/aeffeditor.h"

#include <memory>
#include <windows.h>

class CompressorEffect;

// Surfaces of one open window: the wave traces, the input mask, and the
// composing surface for the wave panel and the meters.
struct EditorSurfaces {
    MemoryDC waveDC, waveMaskDC, panelDC;
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
    // WM_DESTROY of the open window: everything close does but the destroying.
    void windowDestroyed();
    void idle() override;
    void update() override;

    CompressorEffect& owner() { return *compressor; }
    HWND window() const;
    EditorControls* controls() { return controlSet.get(); }
    const EditorSurfaces& surfaces() const { return surfaceSet; }

    // The wave display's pens: [0] input, [1] limited, [2] compressor
    // threshold, [3] limiter threshold, [4] compressed.
    HPEN displayPen(int index) const { return displayPens[index]; }
    void setDisplayColour(int pen, COLORREF colour);
    // The context menu's check marks, and the menu itself at a screen point.
    void checkMenuItem(int command, bool checked);
    void trackContextMenu(POINT screen);
    // The numeric entry boxes: 0 output, 1 release, 2 ratio, 3 threshold.
    HWND entryBox(int box) const;
    bool isEntryBox(HWND window) const;

    // The manual's window; it lives as long as the editor, window or not.
    HelpWindow helpWindow;
    // Wheel travel short of a whole notch.
    int wheelTravel = 0;

    // Whole-window repaint, the same as for WM_PAINT.
    void paint();

  private:
    HWND createWindow();
    void createSurfaces(HDC windowDC);
    void createEntryFields(HWND window);
    void startTimers(HWND window);
    void detachFromWindow();
    void closeWindow(bool destroy);

    CompressorEffect* compressor;
    Win32Canvas canvas;
    std::unique_ptr<EditorControls> controlSet;
    EditorSurfaces surfaceSet;
    Pen displayPens[5];
    Menu contextMenu;
    ChildWindow entryEdits[4];
};
