// The editor object the host talks to, and the per-window drawing surfaces
// and controls that exist while its window is open.
#pragma once

#include "editor/control_layout.h"
#include "editor/win32/help_window.h"
#include "editor/win32/win32_canvas.h"
#include "plugin/aeffeditor.h"

#include <memory>
#include <windows.h>

class CompressorEffect;

// Surfaces of one open window: the wave traces, the input mask, and the
// composing surface for the wave panel and the meters.
struct EditorSurfaces {
    HDC waveDC = nullptr, waveMaskDC = nullptr, panelDC = nullptr;
    HBITMAP waveBitmap = nullptr, waveMaskBitmap = nullptr, panelBitmap = nullptr;
    HGDIOBJ savedWave = nullptr, savedMask = nullptr, savedPanel = nullptr;
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
    EditorSurfaces& surfaces() { return surfaceSet; }
    HPEN displayPens[5] = {};
    HMENU contextMenu = nullptr;
    HWND entryEdits[4] = {};
    // The manual's window; it lives as long as the editor, window or not.
    HelpWindow helpWindow;
    // Wheel travel short of a whole notch.
    int wheelTravel = 0;

    // Whole-window repaint, the same as for WM_PAINT.
    void paint();

  private:
    HWND createWindow();
    void createSurfaces(HDC windowDC);
    void destroySurfaces();
    void createEntryFields(HWND window);
    void createDisplayPens();
    void deleteDisplayPens();
    void startTimers(HWND window);
    void detachFromWindow();
    void closeWindow(bool destroy);

    CompressorEffect* compressor;
    Win32Canvas canvas;
    std::unique_ptr<EditorControls> controlSet;
    EditorSurfaces surfaceSet;
};
