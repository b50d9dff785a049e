// What the editor window does with each message it handles, one function per
// concern; the window procedure only dispatches.
#pragma once

#include <windows.h>

class CompressorEditor;

// Mouse: clicks on controls, drags, fine steps, switches, hot spots.
void onLeftButtonDown(CompressorEditor& editor, int x, int y);
void onMouseMove(CompressorEditor& editor, WPARAM keys, int x, int y);
void onLeftButtonUp(CompressorEditor& editor);
void onCaptureChanged(CompressorEditor& editor);
// wParam and lParam of WM_MOUSEWHEEL: the wheel's travel and the pointer on the screen.
void onMouseWheel(CompressorEditor& editor, WPARAM wParam, LPARAM lParam);

// WM_COMMAND: numeric entry notifications and menu commands, then a repaint.
void onCommand(CompressorEditor& editor, WPARAM wParam, LPARAM lParam);
// Right click: the context menu, inside the client area only.
void onContextMenu(CompressorEditor& editor, LPARAM lParam);
// F1: the help window.
void onHelp(CompressorEditor& editor);
