// The editor window's procedure and the display timer.
#pragma once

#include <windows.h>

constexpr UINT kDisplayTickMessage = WM_USER + 5;

LRESULT CALLBACK editorWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
VOID CALLBACK displayTimerProcedure(HWND window, UINT message, UINT_PTR id, DWORD time);
