// A host's side of a plug-in editor on Windows: a top-level window that the
// editor opens in, a message pump that also sends idle calls, and a capture
// of what the editor drew.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/png_writer.h"

#include <windows.h>

namespace host {

// What a device context shows in its top-left width x height pixels.
image::Picture capture(HDC dc, int width, int height);

class EditorHostWindow {
  public:
    explicit EditorHostWindow(AEffect* effect);
    ~EditorHostWindow();
    EditorHostWindow(const EditorHostWindow&) = delete;
    EditorHostWindow& operator=(const EditorHostWindow&) = delete;

    // Asks the editor's size, creates the host window and opens the editor in it.
    bool open();
    void close();
    // The host destroyed the effect behind the editor's back: make no more calls to it.
    void forgetEffect() { editorOpen = false; }
    HWND parent() const { return hostWindow; }
    // The editor's own window: the first child of the host window.
    HWND editorWindow() const;
    ERect rect() const { return editorRect; }
    // Dispatches messages for a while, with an idle call to the editor every 20 ms.
    void pump(int milliseconds);
    // What the editor window shows, read from its own device context.
    image::Picture capture() const;

  private:
    AEffect* effect;
    HWND hostWindow = nullptr;
    ERect editorRect = {0, 0, 0, 0};
    bool editorOpen = false;
};

} // namespace host
