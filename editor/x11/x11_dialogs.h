// The editor's windows beyond its own: the context menu, the help window and
// the about box. The editor calls them through this interface; the build
// without them answers every call by doing nothing.
#pragma once

#include <memory>

class CompressorEditor;

class X11Dialogs {
  public:
    virtual ~X11Dialogs() = default;
    // Right click, at the pointer's position on the screen.
    virtual void openContextMenu(int rootX, int rootY) = 0;
    // F1.
    virtual void openHelp() = 0;
    // A click on the logo panel; returns when the user has closed it.
    virtual void showAbout() = 0;
};

// The dialogs of an open editor window; they may register their windows with
// the editor's event handlers.
std::unique_ptr<X11Dialogs> makeDialogs(CompressorEditor& editor);
