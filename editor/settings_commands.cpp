#include "editor/settings_commands.h"

#include "editor/menu_commands.h"

namespace {

template <int N> int indexOf(const int (&ids)[N], int id) {
    for (int i = 0; i < N; ++i)
        if (ids[i] == id) return i;
    return -1;
}

constexpr int kSchemeCommands[3] = {menu::kNatural, menu::kIcy, menu::kCustom};
constexpr int kZoomCommands[3] = {menu::kZoomRange5, menu::kZoomRange10, menu::kZoomRange16};

} // namespace

bool applySettingsCommand(DisplaySettings& s, int id) {
    if (int i = indexOf(menu::kCeilingCommands, id); i >= 0)
        s.normalizeCeiling = i;
    else if (int p = indexOf(menu::kPeakHoldCommands, id); p >= 0)
        s.peakHoldTicks = menu::kPeakHoldTicks[p];
    else if (int c = indexOf(kSchemeCommands, id); c >= 0)
        s.waveColourScheme = c;
    else if (int z = indexOf(kZoomCommands, id); z >= 0)
        s.zoomRange = z;
    else if (int d = indexOf(menu::kSpeedCommands, id); d >= 0)
        s.displaySpeed = d + 1;
    else
        return false;
    return true;
}

DialogColour dialogColourOf(const std::int32_t* rgb) {
    auto byte = [](std::int32_t v) { return static_cast<DialogColour>(v) & 0xFFu; };
    return byte(rgb[0]) | byte(rgb[1]) << 8 | byte(rgb[2]) << 16;
}

void prepareColourDialog(ColourDialogState& dialog, const std::int32_t (&colours)[15]) {
    if (!dialog.selectedChosen) {
        dialog.selected = dialogColourOf(colours);
        dialog.selectedChosen = true;
    }
    for (int i = 0; i < 5; ++i)
        dialog.slots[i] = dialogColourOf(colours + i * 3);
}

void takeColourDialogResult(const ColourDialogState& dialog, std::intptr_t result,
                            std::int32_t (&colours)[15]) {
    if (result != 1) return;
    for (int i = 0; i < 5; ++i) {
        DialogColour c = dialog.slots[i];
        colours[i * 3] = static_cast<std::int32_t>(c & 0xFFu);
        colours[i * 3 + 1] = static_cast<std::int32_t>(c >> 8 & 0xFFu);
        colours[i * 3 + 2] = static_cast<std::int32_t>(c >> 16 & 0xFFu);
    }
}
