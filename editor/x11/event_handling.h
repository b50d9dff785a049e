// The editor window's events, as the window procedure takes the messages on
// Windows: exposure, mouse, keys, the window's destruction, and the display
// tick a host may send.
#pragma once

#include <X11/Xlib.h>

class CompressorEditor;

// An event for the editor window or one of its text boxes.
void handleEditorEvent(CompressorEditor& editor, XEvent& event);
