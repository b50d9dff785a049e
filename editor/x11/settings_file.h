// The display settings in a per-user text file,
// $XDG_CONFIG_HOME/OrbanePlugIns/Tarvexor.conf (~/.config when that is not
// set), one "name = value" line for each of the six values under the names
// they have in the Windows registry.
#pragma once

#include "engine/display_settings.h"

#include <string>

// Takes every stored value that can be read; the others stay as they are.
void readDisplaySettings(DisplaySettings& settings);
// Stores all six values, replacing the file in one step; nothing happens
// when the file cannot be written.
void saveDisplaySettings(const DisplaySettings& settings);

// The file's path; empty when there is no home to put it in.
std::string settingsFilePath();

// The file's text, and reading it: a value is taken only when it is a list
// of whole 32-bit numbers no longer than its field (a shorter list fills the
// field's first words); missing, unreadable and over-long values leave
// their field as it is, and neither type nor range is checked. Names are
// matched without regard to case.
std::string displaySettingsText(const DisplaySettings& settings);
void readDisplaySettingsText(const std::string& text, DisplaySettings& settings);
