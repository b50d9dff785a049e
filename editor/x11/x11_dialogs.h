// The editor's windows beyond its own: the context menu, the help window, the
// about box and the colour dialog. None of them blocks: their events come
// through the editor's event pump like its own.
#pragma once

#include <X11/Xlib.h>
#include <functional>
#include <memory>

class CompressorEditor;

class X11Dialogs {
  public:
    virtual ~X11Dialogs() = default;
    // Right click, at the pointer's position on the screen.
    virtual void openContextMenu(int rootX, int rootY) = 0;
    // F1 and the menu's Help.
    virtual void openHelp() = 0;
    // A click on the logo panel and the menu's Info.
    virtual void showAbout() = 0;
    // The Custom colours; done runs when the dialog closes, OK or not.
    virtual void openColourDialog(std::function<void(bool ok)> done) = 0;
    // An event for one of these windows; false for any other window.
    virtual bool routeEvent(const XEvent& event) = 0;
};

// The dialogs of an open editor window.
std::unique_ptr<X11Dialogs> makeDialogs(CompressorEditor& editor);
