// The editor as the context menu's commands see it, and the display settings
// applied to an open editor: the wave colours of the colour scheme and the
// zoom range. The context menu shows its check marks from the settings when
// it opens.
#pragma once

#include "editor/x11/menu_actions.h"

class CompressorEditor;

class EditorMenuTarget : public MenuTarget {
  public:
    explicit EditorMenuTarget(CompressorEditor& editor) : editor(editor) {}

    DisplaySettings& displaySettings() override;
    void applyColours() override;
    void setZoomFaderRange(float minValue, float maxValue) override;
    std::int32_t zoom() const override;
    void setZoomQuietly(std::int32_t zoom) override;
    void openHelp() override;
    void showAbout() override;
    void openColourDialog(std::function<void(bool ok)> done) override;
    void repaint() override;

  private:
    CompressorEditor& editor;
};

void applyDisplaySettings(CompressorEditor& editor);
