#include "editor/x11/settings_store.h"

namespace {

class NoStore : public SettingsStore {
  public:
    void read(DisplaySettings&) override {}
    void save(const DisplaySettings&) override {}
};

} // namespace

std::unique_ptr<SettingsStore> makeSettingsStore() {
    return std::make_unique<NoStore>();
}
