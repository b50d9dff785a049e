#include "editor/win32/about_box.h"

#include "editor/win32/compressor_editor.h"

#include <windows.h>

namespace {
const char* const kAboutText = "Tarvexor\n"
                               "Mono peak compressor and limiter\n"
                               "with look-ahead and auto normalize\n"
                               "\n"
                               "OrbaneWeb";
} // namespace

void showAboutBox(CompressorEditor& editor) {
    MessageBoxA(editor.window(), kAboutText, "Info", MB_OK | MB_ICONINFORMATION);
}
