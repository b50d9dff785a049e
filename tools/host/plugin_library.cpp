#include "tools/host/plugin_library.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace host {

namespace {
using EntryFunction = AEffect*(VST_CALL*)(audioMasterCallback);

#ifdef _WIN32
// Wine maps the Linux file system to drive Z:.
std::string nativePath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    return path;
}
#endif
#ifndef _WIN32
// Under the leak checker the plug-in and the X and font libraries it brings
// stay mapped after closing: what those libraries keep for the process (thread
// storage, caches) would otherwise be reported as lost once they are unmapped.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kResident = RTLD_NODELETE;
#else
constexpr int kResident = 0;
#endif
#endif
} // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
#ifdef _WIN32
    handle = reinterpret_cast<void*>(LoadLibraryA(nativePath(path).c_str()));
    if (!handle) loadError = "cannot load " + path;
#else
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | kResident);
    if (!handle) {
        const char* why = dlerror();
        loadError = why ? why : "cannot load " + path;
    }
#endif
}

PluginLibrary::~PluginLibrary() {
    if (!handle) return;
#ifdef _WIN32
    FreeLibrary(reinterpret_cast<HMODULE>(handle));
#else
    dlclose(handle);
#endif
}

void* PluginLibrary::symbol(const char* name) const {
    if (!handle) return nullptr;
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle), name));
#else
    return dlsym(handle, name);
#endif
}

void* PluginLibrary::entryFunction() const {
    void* entry = symbol("VSTPluginMain");
    return entry ? entry : symbol("main");
}

AEffect* PluginLibrary::create(audioMasterCallback callback) const {
    void* entry = entryFunction();
    if (!entry) return nullptr;
    return reinterpret_cast<EntryFunction>(entry)(callback);
}

} // namespace host
