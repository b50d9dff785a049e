// What every editor window in the process shares: the window class, the
// bitmaps, the glow tables, font, pens and brushes, and the table of editor
// windows. Created by the first open, freed by the last close.
#pragma once

#include "editor/win32/win32_handles.h"

#include <windows.h>

namespace shared {

constexpr int kGlowColumns = 44;
constexpr int kGlowRows = 18;
constexpr int kWindowTableSize = 128;

struct Resources {
    int editorUseCount = 0;
    MemoryDC backgroundDC;
    float glowBase[kGlowColumns * kGlowRows] = {};
    float glowScale[kGlowColumns * kGlowRows] = {};
    Font editorFont;
    Pen redPen, greenPen, bluePen, blackPen;
    Brush whiteBrush, blackBrush, readoutBrush;
    HWND editorWindowTable[kWindowTableSize] = {};
    int editorWindowTableTop = 0;
};

Resources& resources();

// Counts one more editor; the first creates everything. False when the
// window class cannot be registered (nothing else is created then).
bool acquire();
// Counts one editor less; the last destroys the remaining editor windows and
// frees everything.
void release();

// A loaded bitmap by its resource id, or null.
HBITMAP bitmap(int id);

// Enters a new editor window in the table; false when all slots hold live windows.
bool enterWindow(HWND window);

extern const char* const kWindowClass;

} // namespace shared
