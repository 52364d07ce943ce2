// What the host knows about its loaded plug-ins: their references and
// resources, the filters they registered and the filters' menu items.
#ifndef EASEL_CORE_PLUGINREGISTRY_H
#define EASEL_CORE_PLUGINREGISTRY_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plugin/host/HostTypes.h"

namespace easel {

class ResourceSource;

struct FilterEntry {
  std::string name;      // the filter's name, as registered
  std::string category;  // menu category
  std::string title;     // menu title
  int32_t options = 0;
  SPPluginRef plugin = nullptr;
  // The seven values of the automatic menu-item update, once set.
  bool autoUpdateSet = false;
  std::array<int32_t, 7> autoUpdate{};
};

class PluginRegistry {
 public:
  // Registers a loaded plug-in and returns the reference handed to it.
  SPPluginRef addPlugin(const std::string& path, const ResourceSource* resources);
  // Null for a foreign reference.
  const ResourceSource* resources(SPPluginRef plugin) const;
  const std::string* pluginPath(SPPluginRef plugin) const;

  AIFilterHandle addFilter(FilterEntry entry);
  // Null for a foreign handle.
  FilterEntry* filter(AIFilterHandle handle);
  AIMenuItemHandle menuItem(AIFilterHandle handle) const;
  FilterEntry* filterOfMenuItem(AIMenuItemHandle item);
  const std::vector<FilterEntry>& filters() const { return filters_; }
  AIFilterHandle filterHandle(std::size_t index) const;

 private:
  struct PluginEntry {
    std::string path;
    const ResourceSource* resources;
  };
  std::vector<PluginEntry> plugins_;
  std::vector<FilterEntry> filters_;
};

}  // namespace easel

#endif
