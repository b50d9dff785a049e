// The display settings in the per-user registry.
#pragma once

#include "engine/display_settings.h"

// Takes every stored value that can be read; the others stay as they are.
void readDisplaySettings(DisplaySettings& settings);
// Stores all six values; nothing happens when the key cannot be written.
void saveDisplaySettings(const DisplaySettings& settings);
