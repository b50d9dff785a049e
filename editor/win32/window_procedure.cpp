#include "editor/win32/window_procedure.h"

#include "editor/win32/compressor_editor.h"
#include "editor/win32/display_tick.h"
#include "editor/win32/editor_messages.h"
#include "engine/compressor_effect.h"

namespace {

CompressorEffect* effectOf(HWND window) {
    return reinterpret_cast<CompressorEffect*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

CompressorEditor* editorOf(CompressorEffect* effect) {
    return effect ? static_cast<CompressorEditor*>(effect->getEditor()) : nullptr;
}

// Client coordinates as signed 16-bit values.
int pointerX(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
int pointerY(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

} // namespace

LRESULT CALLBACK editorWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CompressorEffect* effect = effectOf(window);
    CompressorEditor* editor = editorOf(effect);
    if (!editor) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        if (effect->editorState.editorWindow == window) editor->windowDestroyed();
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_PAINT:
        editor->paint();
        return 0;
    case WM_HELP:
        onHelp(*editor);
        return 0;
    case WM_CONTEXTMENU:
        onContextMenu(*editor, lParam);
        return 0;
    case WM_COMMAND:
        onCommand(*editor, wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(*editor, wParam, pointerX(lParam), pointerY(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        onLeftButtonDown(*editor, pointerX(lParam), pointerY(lParam));
        return 0;
    case WM_LBUTTONUP:
        onLeftButtonUp(*editor);
        return 0;
    case WM_MOUSEWHEEL:
        onMouseWheel(*editor, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        onCaptureChanged(*editor);
        return 0;
    case kDisplayTickMessage:
        displayTick(*editor);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

VOID CALLBACK displayTimerProcedure(HWND window, UINT message, UINT_PTR id, DWORD time) {
    (void)message, (void)time;
    CompressorEffect* effect = effectOf(window);
    if (effect && static_cast<std::int32_t>(id) == effect->settings.displaySpeed)
        PostMessageA(window, kDisplayTickMessage, 0, 0);
}
