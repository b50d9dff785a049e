#include "editor/x11/display_settings_apply.h"

#include "editor/colour_schemes.h"
#include "editor/x11/compressor_editor.h"
#include "engine/compressor_effect.h"

#include <cstring>

namespace {

void makePens(CompressorEditor& editor, const std::int32_t* words) {
    for (int colour = 0; colour < 5; ++colour)
        editor.setDisplayColour(kPenOfColour[colour], Rgb{words[colour * 3], words[colour * 3 + 1],
                                                          words[colour * 3 + 2]});
}

void applyScheme(CompressorEditor& editor, DisplaySettings& s) {
    const bool natural = s.waveColourScheme == 0, icy = s.waveColourScheme == 1;
    if (natural || icy)
        std::memcpy(s.customColours, natural ? kNaturalColours : kIcyColours,
                    sizeof(s.customColours));
    if (natural || icy || s.waveColourScheme == 2) makePens(editor, s.customColours);
}

void applyZoomRange(CompressorEditor& editor, const DisplaySettings& s) {
    if (s.zoomRange < 0 || s.zoomRange > 2) return;
    ZoomRange range = zoomRangeOf(s.zoomRange);
    if (EditorControls* c = editor.controls())
        c->zoomFader.setRange(range.minValue, range.maxValue);
    CompressorEffect& fx = editor.owner();
    fx.setParameter(kZoom, static_cast<float>(zoomWithin(s.zoomRange, fx.zoom)));
}

} // namespace

void applyDisplaySettings(CompressorEditor& editor) {
    DisplaySettings& s = editor.owner().settings;
    applyScheme(editor, s);
    applyZoomRange(editor, s);
}
