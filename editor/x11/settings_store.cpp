#include "editor/x11/settings_store.h"

#include "editor/x11/settings_file.h"

namespace {

// The per-user settings file.
class FileStore : public SettingsStore {
  public:
    void read(DisplaySettings& settings) override { readDisplaySettings(settings); }
    void save(const DisplaySettings& settings) override { saveDisplaySettings(settings); }
};

} // namespace

std::unique_ptr<SettingsStore> makeSettingsStore() {
    return std::make_unique<FileStore>();
}
