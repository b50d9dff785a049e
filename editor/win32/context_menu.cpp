#include "editor/win32/context_menu.h"

#include "editor/menu_commands.h"
#include "editor/win32/about_box.h"
#include "editor/win32/compressor_editor.h"
#include "editor/win32/display_settings_apply.h"
#include "editor/win32/editor_messages.h"
#include "editor/win32/settings_registry.h"
#include "engine/compressor_effect.h"

#include <commdlg.h>

namespace {

// The dialog edits the five display colours through its first five custom
// colour slots; the slots outlive the dialog, so extra colours the user
// keeps there survive until the process ends.
void chooseCustomColours(CompressorEditor& editor) {
    DisplaySettings& s = editor.owner().settings;
    ColourDialogState& dialog = colourDialogState();
    prepareColourDialog(dialog, s.customColours);
    COLORREF slots[16];
    for (int i = 0; i < 16; ++i)
        slots[i] = dialog.slots[i];
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = editor.window();
    cc.rgbResult = dialog.selected;
    cc.lpCustColors = slots;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    BOOL result = ChooseColorA(&cc);
    for (int i = 0; i < 16; ++i)
        dialog.slots[i] = slots[i];
    takeColourDialogResult(dialog, result, s.customColours);
}

} // namespace

ColourDialogState& colourDialogState() {
    static ColourDialogState state;
    return state;
}

// Only a position inside the client area opens the menu there.
void onContextMenu(CompressorEditor& editor, LPARAM lParam) {
    HWND window = editor.window();
    SetFocus(window);
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(window, &p);
    RECT client;
    GetClientRect(window, &client);
    if (!PtInRect(&client, p)) return;
    ClientToScreen(window, &p);
    editor.trackContextMenu(p);
}

void onHelp(CompressorEditor& editor) {
    editor.helpWindow.open(editor.window());
}

bool handleMenuCommand(CompressorEditor& editor, int id) {
    if (id == menu::kInfo || id == menu::kHelp) {
        if (id == menu::kInfo)
            showAboutBox(editor);
        else
            editor.helpWindow.open(editor.window());
        UpdateWindow(editor.window());
        return true;
    }
    DisplaySettings& s = editor.owner().settings;
    if (!applySettingsCommand(s, id)) return false;
    if (id == menu::kCustom) chooseCustomColours(editor);
    applyDisplaySettings(editor);
    saveDisplaySettings(s);
    return true;
}
