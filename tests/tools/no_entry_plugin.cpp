// A shared library that is no plug-in: it has no VST 2 entry function.
extern "C" __attribute__((visibility("default"))) int notAPlugin() {
    return 42;
}
