// What the editor window does with each event it handles, one function per
// concern; the event handling only dispatches.
#pragma once

#include <cstdint>

class CompressorEditor;

// Mouse: clicks on controls, drags, fine steps, switches, hot spots.
void onLeftButtonDown(CompressorEditor& editor, int x, int y);
// The key and button state of a motion event, as X reports it.
void onMouseMove(CompressorEditor& editor, unsigned int state, int x, int y);
void onLeftButtonUp(CompressorEditor& editor);
// Another window took the pointer while a fader was dragged.
void onGrabLost(CompressorEditor& editor);
// Wheel notches at a point of the window, positive away from the user.
void onWheel(CompressorEditor& editor, int x, int y, int notches);

// Right click: the context menu at the pointer's place on the screen.
void onContextMenu(CompressorEditor& editor, int rootX, int rootY);
// F1: the help window.
void onHelp(CompressorEditor& editor);

// Mouse keys as the interaction takes them (left button 1, right 2, Shift 4,
// Control 8, middle 0x10) from X's key and button state.
std::uintptr_t mouseKeys(unsigned int state);
