// What the context menu's commands do in the Linux editor, given the editor
// through a small interface: the settings commands change the display
// settings, apply them and store them; Info shows the about box, Help the
// help window, Custom the colour dialog first.
#pragma once

#include "engine/display_settings.h"

#include <cstdint>
#include <functional>

// The editor as the menu commands see it.
class MenuTarget {
  public:
    virtual ~MenuTarget() = default;

    // The effect's display settings.
    virtual DisplaySettings& displaySettings() = 0;
    // The wave display takes its five colours from the settings' colour words.
    virtual void applyColours() = 0;
    // The zoom fader's range, and the Zoom parameter set without telling the
    // host (a plain setParameter).
    virtual void setZoomFaderRange(float minValue, float maxValue) = 0;
    virtual std::int32_t zoom() const = 0;
    virtual void setZoomQuietly(std::int32_t zoom) = 0;
    // The windows beside the editor; none of them blocks. The colour dialog
    // edits displaySettings().customColours and calls done when it closes.
    virtual void openHelp() = 0;
    virtual void showAbout() = 0;
    virtual void openColourDialog(std::function<void(bool ok)> done) = 0;
    // The editor's whole window drawn anew.
    virtual void repaint() = 0;
};

// Carries out a menu command, as chosen from the popup menu; false for ids
// that are not menu commands (the repaint follows in every case). Custom
// applies and stores the settings when its colour dialog closes, OK or not.
bool handleMenuCommand(MenuTarget& target, int id);

// The settings as they take effect: a Natural or Icy scheme writes its
// colours into the colour words, schemes 0 to 2 give the wave display its
// colours (others leave them), and a zoom range 0 to 2 sets the zoom fader's
// range and pulls Zoom into it. The editor calls this when it opens, after
// reading the settings.
void applySettings(MenuTarget& target);

// The check marks: the item of each setting's current value; Custom never.
bool isMenuItemChecked(const DisplaySettings& settings, int command);
