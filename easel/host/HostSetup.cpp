#include "HostSetup.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "plugin/params/DialogItems.h"

namespace easel::host {

std::string defaultPluginPath() {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  std::filesystem::path dir = error ? std::filesystem::current_path() : self.parent_path();
  // Beside the executable in a build tree; in the private library folder of
  // an installed one (bin/../lib/contour, as the install rules place it),
  // wherever that tree was installed or moved to.
  std::filesystem::path beside = dir / "Tesk_Contour.so";
  std::filesystem::path installed = dir.parent_path() / "lib" / "contour" / "Tesk_Contour.so";
  return (std::filesystem::exists(beside, error) || !std::filesystem::exists(installed, error) ? beside : installed)
      .string();
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
