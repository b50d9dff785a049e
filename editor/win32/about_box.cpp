#include "editor/win32/about_box.h"

#include "editor/about_text.h"
#include "editor/win32/compressor_editor.h"

#include <windows.h>

void showAboutBox(CompressorEditor& editor) {
    MessageBoxA(editor.window(), about::kText, about::kTitle, MB_OK | MB_ICONINFORMATION);
}
