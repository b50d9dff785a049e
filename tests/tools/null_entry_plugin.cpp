// A library with a VST 2 entry function that refuses to create an effect.
extern "C" __attribute__((visibility("default"))) void* VSTPluginMain(void*) {
    return nullptr;
}
