#include "editor/x11/event_handling.h"

#include "editor/x11/compressor_editor.h"
#include "editor/x11/display_tick.h"
#include "editor/x11/editor_events.h"
#include "editor/x11/numeric_entry.h"

#include <X11/keysym.h>

namespace {

constexpr int kWheelUp = 4, kWheelDown = 5;

// The click takes the keyboard focus, so that F1 reaches the editor; an
// entry the click opens takes it over.
void onButtonPress(CompressorEditor& editor, const XButtonEvent& e) {
    if (e.button == Button1) {
        XSetInputFocus(e.display, editor.window(), RevertToParent, CurrentTime);
        onLeftButtonDown(editor, e.x, e.y);
    } else if (e.button == Button3) {
        onContextMenu(editor, e.x_root, e.y_root);
    } else if (e.button == kWheelUp || e.button == kWheelDown) {
        onWheel(editor, e.x, e.y, e.button == kWheelUp ? 1 : -1);
    }
}

void onEditorEvent(CompressorEditor& editor, XEvent& event) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0) editor.paint();
        break;
    case ButtonPress:
        onButtonPress(editor, event.xbutton);
        break;
    case ButtonRelease:
        if (event.xbutton.button == Button1) onLeftButtonUp(editor);
        break;
    case MotionNotify:
        onMouseMove(editor, event.xmotion.state, event.xmotion.x, event.xmotion.y);
        break;
    case LeaveNotify:
        // A grab of the pointer took it from the window (a menu, say), or the
        // window's own grab ended without its release reaching the window.
        if (event.xcrossing.mode == NotifyGrab || event.xcrossing.mode == NotifyUngrab)
            onGrabLost(editor);
        break;
    case KeyPress:
        if (XLookupKeysym(&event.xkey, 0) == XK_F1) onHelp(editor);
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == editor.window()) editor.windowDestroyed();
        break;
    case ClientMessage:
        if (editor.isTickMessage(event.xclient)) editor.hostTick();
        break;
    default:
        break;
    }
}

void onBoxEvent(CompressorEditor& editor, int box, XEvent& event) {
    if (event.type == Expose && event.xexpose.count == 0) editor.entryField(box)->draw();
    if (event.type == KeyPress) onEntryKey(editor, box, event.xkey);
}

} // namespace

void handleEditorEvent(CompressorEditor& editor, XEvent& event) {
    int box = editor.entryBoxOf(event.xany.window);
    if (box >= 0)
        onBoxEvent(editor, box, event);
    else if (event.xany.window == editor.window())
        onEditorEvent(editor, event);
}
