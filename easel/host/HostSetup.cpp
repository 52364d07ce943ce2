#include "HostSetup.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "easel/core/FileCalls.h"
#include "easel/core/FileName.h"
#include "plugin/params/DialogItems.h"

namespace easel::host {

namespace {

// The module as each platform's build names it.
#ifdef _WIN32
constexpr const char* kModuleFile = "Tesk_Contour.aip";
#elif defined(__EMSCRIPTEN__)
constexpr const char* kModuleFile = "Tesk_Contour.wasm";
#else
constexpr const char* kModuleFile = "Tesk_Contour.so";
#endif

}  // namespace

std::string defaultPluginPath() {
  namespace fs = std::filesystem;
  std::error_code error;
  const std::string self = files::programFile();
  const fs::path dir = self.empty() ? fs::current_path() : pathFromUtf8(self).parent_path();
  // Beside the executable in a build tree (and in the Windows zip); in the
  // private library folder of an installed one (bin/../lib/contour, as the
  // install rules place it), wherever that tree was installed or moved to.
  const fs::path beside = dir / kModuleFile;
  const fs::path installed = dir.parent_path() / "lib" / "contour" / kModuleFile;
  return utf8FromPath(fs::exists(beside, error) || !fs::exists(installed, error) ? beside : installed);
}

Easel::Easel() { dialogs.setDrivenDialog(kSettingsDialogName); }

void Easel::start(const std::string& pluginPath) {
  host.load(pluginPath.empty() ? defaultPluginPath() : pluginPath);
  ASErr result = host.startup();
  if (result != kNoErr) throw std::runtime_error("the plug-in's start-up failed with code " + std::to_string(result));
}

int fail(const std::string& message) {
  std::cerr << "contour: " << message << '\n';
  return 1;
}

}  // namespace easel::host
