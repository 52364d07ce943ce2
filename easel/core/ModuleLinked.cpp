// The plug-in linked into the program, for WebAssembly. Emscripten 3.1.6 can
// load a side module, but its Asyncify, which lets the worker wait for the
// page inside the plug-in's modal dialog, cannot unwind through one, and a
// main module that exports the whole C library for it doubles the download.
// The host still enters the plug-in only through PluginMain and its suites.
#if defined(__EMSCRIPTEN__)

#include <filesystem>

#include "Module.h"
#include "easel/core/resources/ModuleResources.h"

namespace easel {

namespace {

struct LinkedExports {
  std::string fileName;
  PluginMainProc main = nullptr;
  PluginResourceTableProc table = nullptr;
};

LinkedExports& linked() {
  static LinkedExports exports;
  return exports;
}

class LinkedModule : public Module {
 public:
  explicit LinkedModule(ResFile resources) : resources_(std::move(resources)) {}
  void* symbol(const char* name) override {
    const std::string wanted = name;
    if (wanted == "PluginMain") return reinterpret_cast<void*>(linked().main);
    if (wanted == kPluginResourceTableName) return reinterpret_cast<void*>(linked().table);
    return nullptr;
  }
  const ResourceSource& resources() const override { return resources_; }

 private:
  ResFile resources_;
};

}  // namespace

void Module::link(const std::string& fileName, PluginMainProc main, PluginResourceTableProc table) {
  linked() = {fileName, main, table};
}

std::unique_ptr<Module> Module::open(const std::string& path) {
  const LinkedExports& exports = linked();
  if (exports.main == nullptr || std::filesystem::path(path).filename() != exports.fileName)
    throw LoadError(path + ": cannot be loaded: this build has its plug-in (" + exports.fileName + ") linked in");
  Parsed<ResFile> resources = resourcesFromTable(path, exports.table);
  if (!resources) throw LoadError(resources.error());
  return std::make_unique<LinkedModule>(std::move(resources).value());
}

}  // namespace easel

#endif
