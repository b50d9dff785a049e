// Where the display settings are kept between windows and processes.
#pragma once

#include "engine/display_settings.h"

#include <memory>

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Takes every stored value that can be read; the others stay as they are.
    virtual void read(DisplaySettings& settings) = 0;
    // Stores all the values; nothing happens when they cannot be written.
    virtual void save(const DisplaySettings& settings) = 0;
};

// The per-user settings file; values it lacks or cannot give keep what the
// effect holds, its defaults at first.
std::unique_ptr<SettingsStore> makeSettingsStore();
