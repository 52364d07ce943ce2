// A module with a good property list whose entry point is not exported.
#if defined(_WIN32)
// A Windows library exports only what is marked or listed (linked with --exclude-all-symbols).
#define NOT_EXPORTED
#else
#define NOT_EXPORTED __attribute__((visibility("hidden")))
#endif
extern "C" NOT_EXPORTED int PluginMain(const char*, const char*, void*) { return 0; }
