#include "editor/x11/display_settings_apply.h"

#include "editor/colour_schemes.h"
#include "editor/x11/compressor_editor.h"
#include "editor/x11/x11_dialogs.h"
#include "engine/compressor_effect.h"

DisplaySettings& EditorMenuTarget::displaySettings() {
    return editor.owner().settings;
}

void EditorMenuTarget::applyColours() {
    const std::int32_t* words = editor.owner().settings.customColours;
    for (int colour = 0; colour < 5; ++colour)
        editor.setDisplayColour(kPenOfColour[colour], Rgb{words[colour * 3], words[colour * 3 + 1],
                                                          words[colour * 3 + 2]});
}

void EditorMenuTarget::setZoomFaderRange(float minValue, float maxValue) {
    if (EditorControls* c = editor.controls()) c->zoomFader.setRange(minValue, maxValue);
}

std::int32_t EditorMenuTarget::zoom() const {
    return editor.owner().zoom;
}

// As on Windows, a zoom range pulls Zoom in without telling the host.
void EditorMenuTarget::setZoomQuietly(std::int32_t zoom) {
    editor.owner().setParameter(kZoom, static_cast<float>(zoom));
}

void EditorMenuTarget::openHelp() {
    editor.dialogs().openHelp();
}

void EditorMenuTarget::showAbout() {
    editor.dialogs().showAbout();
}

void EditorMenuTarget::openColourDialog(std::function<void(bool ok)> done) {
    editor.dialogs().openColourDialog(std::move(done));
}

void EditorMenuTarget::repaint() {
    editor.paint();
}

void applyDisplaySettings(CompressorEditor& editor) {
    EditorMenuTarget target(editor);
    applySettings(target);
}
