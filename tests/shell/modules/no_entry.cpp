// A module with a good property list whose entry point is not exported.
extern "C" __attribute__((visibility("hidden"))) int PluginMain(const char*, const char*, void*) { return 0; }
