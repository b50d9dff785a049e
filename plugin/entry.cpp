// The library's entry points: the host's entry function and, on Windows, the
// library entry that remembers the module.
#include "plugin/compressor_effect_edit.h"
#include "plugin/module.h"

#include <new>

#ifdef _WIN32
#include <windows.h>
#endif

void* moduleInstance = nullptr;

// Builds one instance; null when the host does not speak the interface or
// memory runs out.
extern "C" AEffect* VST_CALL pluginMain(audioMasterCallback audioMaster) {
    if (!audioMaster) return nullptr;
    if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    auto* effect = new (std::nothrow) CompressorEffectEdit(audioMaster);
    if (!effect) return nullptr;
    if (!effect->isReady()) {
        delete effect;
        return nullptr;
    }
    return effect->getAeffect();
}

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reason, (void)reserved;
    moduleInstance = instance;
    return TRUE;
}
#else
extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(audioMasterCallback cb) {
    return pluginMain(cb);
}
extern "C" __attribute__((visibility("default"))) AEffect*
vstMainAlias(audioMasterCallback cb) __asm__("main");
extern "C" AEffect* vstMainAlias(audioMasterCallback cb) {
    return pluginMain(cb);
}
#endif
