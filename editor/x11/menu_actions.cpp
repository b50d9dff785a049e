#include "editor/x11/menu_actions.h"

#include "editor/colour_schemes.h"
#include "editor/menu_commands.h"
#include "editor/settings_commands.h"
#include "editor/x11/settings_file.h"

#include <cstring>

namespace {

void applyScheme(MenuTarget& target, DisplaySettings& s) {
    if (s.waveColourScheme == 0 || s.waveColourScheme == 1)
        std::memcpy(s.customColours, s.waveColourScheme == 0 ? kNaturalColours : kIcyColours,
                    sizeof(s.customColours));
    if (s.waveColourScheme >= 0 && s.waveColourScheme <= 2) target.applyColours();
}

void applyZoomRange(MenuTarget& target, std::int32_t setting) {
    if (setting < 0 || setting > 2) return;
    const ZoomRange range = zoomRangeOf(setting);
    target.setZoomFaderRange(range.minValue, range.maxValue);
    target.setZoomQuietly(zoomWithin(setting, target.zoom()));
}

void applyAndSave(MenuTarget& target) {
    applySettings(target);
    saveDisplaySettings(target.displaySettings());
}

template <int N> bool checkedIn(const int (&commands)[N], int command, int index) {
    return index >= 0 && index < N && commands[index] == command;
}

int peakHoldIndex(std::int32_t ticks) {
    for (int i = 0; i < 7; ++i)
        if (menu::kPeakHoldTicks[i] == ticks) return i;
    return -1;
}

} // namespace

void applySettings(MenuTarget& target) {
    DisplaySettings& s = target.displaySettings();
    applyScheme(target, s);
    applyZoomRange(target, s.zoomRange);
}

bool isMenuItemChecked(const DisplaySettings& s, int command) {
    const int schemes[2] = {menu::kNatural, menu::kIcy};
    const int zooms[3] = {menu::kZoomRange5, menu::kZoomRange10, menu::kZoomRange16};
    return checkedIn(menu::kCeilingCommands, command, s.normalizeCeiling) ||
           checkedIn(menu::kPeakHoldCommands, command, peakHoldIndex(s.peakHoldTicks)) ||
           checkedIn(schemes, command, s.waveColourScheme) ||
           checkedIn(zooms, command, s.zoomRange) ||
           checkedIn(menu::kSpeedCommands, command, s.displaySpeed - 1);
}

bool handleMenuCommand(MenuTarget& target, int id) {
    if (id == menu::kInfo || id == menu::kHelp) {
        if (id == menu::kInfo)
            target.showAbout();
        else
            target.openHelp();
        target.repaint();
        return true;
    }
    const bool isCommand = applySettingsCommand(target.displaySettings(), id);
    if (isCommand && id == menu::kCustom) {
        target.openColourDialog([&target](bool) {
            applyAndSave(target);
            target.repaint();
        });
    } else if (isCommand) {
        applyAndSave(target);
    }
    target.repaint();
    return isCommand;
}
