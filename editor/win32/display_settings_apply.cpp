#include "editor/win32/display_settings_apply.h"

#include "editor/colour_schemes.h"
#include "editor/menu_commands.h"
#include "editor/win32/compressor_editor.h"
#include "engine/compressor_effect.h"

#include <cstring>

namespace {

void makePens(CompressorEditor& editor, const std::int32_t* words) {
    for (int colour = 0; colour < 5; ++colour)
        editor.setDisplayColour(kPenOfColour[colour], RGB(words[colour * 3], words[colour * 3 + 1],
                                                          words[colour * 3 + 2]));
}

void applyScheme(CompressorEditor& editor, DisplaySettings& s) {
    const bool natural = s.waveColourScheme == 0, icy = s.waveColourScheme == 1;
    if (natural || icy)
        std::memcpy(s.customColours, natural ? kNaturalColours : kIcyColours,
                    sizeof(s.customColours));
    if (natural || icy || s.waveColourScheme == 2) makePens(editor, s.customColours);
    editor.checkMenuItem(menu::kNatural, natural);
    editor.checkMenuItem(menu::kIcy, icy);
}

void applyZoomRange(CompressorEditor& editor, const DisplaySettings& s) {
    const int commands[3] = {menu::kZoomRange5, menu::kZoomRange10, menu::kZoomRange16};
    for (int setting = 0; setting < 3; ++setting) {
        if (s.zoomRange != setting) {
            editor.checkMenuItem(commands[setting], false);
            continue;
        }
        ZoomRange range = zoomRangeOf(setting);
        if (EditorControls* c = editor.controls())
            c->zoomFader.setRange(range.minValue, range.maxValue);
        CompressorEffect& fx = editor.owner();
        fx.setParameter(kZoom, static_cast<float>(zoomWithin(setting, fx.zoom)));
        editor.checkMenuItem(commands[setting], true);
    }
}

} // namespace

void applyDisplaySettings(CompressorEditor& editor) {
    DisplaySettings& s = editor.owner().settings;
    for (int i = 0; i < 4; ++i)
        editor.checkMenuItem(menu::kCeilingCommands[i], s.normalizeCeiling == i);
    for (int i = 0; i < 7; ++i)
        editor.checkMenuItem(menu::kPeakHoldCommands[i],
                             s.peakHoldTicks == menu::kPeakHoldTicks[i]);
    applyScheme(editor, s);
    applyZoomRange(editor, s);
    for (int i = 0; i < 3; ++i)
        editor.checkMenuItem(menu::kSpeedCommands[i], s.displaySpeed == i + 1);
}
