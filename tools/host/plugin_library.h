// Loading a VST 2 plug-in library and creating instances, as a host does.
#pragma once

#include "plugin/vst2.h"

#include <string>

namespace host {

class PluginLibrary {
  public:
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool loaded() const { return handle != nullptr; }
    // The system's handle of the loaded library (a module handle on Windows).
    void* nativeHandle() const { return handle; }
    // Why loading failed, when it did.
    const std::string& error() const { return loadError; }
    // An exported symbol, or null.
    void* symbol(const char* name) const;
    // The entry function: "VSTPluginMain", else "main"; null when neither exists.
    void* entryFunction() const;
    // Calls the entry function with the host callback; null when the library
    // has no entry function or the plug-in refused.
    AEffect* create(audioMasterCallback callback) const;

  private:
    void* handle = nullptr;
    std::string loadError;
};

} // namespace host
