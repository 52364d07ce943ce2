// Names the plug-in linked into this program to the loader, as the module
// file the host opens (easel/core/ModuleLinked.cpp).
#include "easel/core/Module.h"

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);
extern "C" ASErr PluginResourceTable(const uint8_t** bytes, uint32_t* size);

namespace {

const bool kLinked = (easel::Module::link("Tesk_Contour.wasm", PluginMain, PluginResourceTable), true);

}  // namespace
