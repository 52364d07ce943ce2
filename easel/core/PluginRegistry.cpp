#include "PluginRegistry.h"

#include <cstdint>

namespace easel {

namespace {
// References are small tagged numbers, never addresses, so a foreign value is
// recognised by range. Each kind has its own tag so that one kind of reference
// is never taken for another.
constexpr uintptr_t kPluginTag = 0x504C0000;
constexpr uintptr_t kFilterTag = 0x46490000;
constexpr uintptr_t kMenuTag = 0x4D450000;

template <class Ref>
Ref encode(uintptr_t tag, std::size_t index) {
  return reinterpret_cast<Ref>(tag + index + 1);
}

template <class Ref>
bool decode(Ref ref, uintptr_t tag, std::size_t count, std::size_t* index) {
  auto value = reinterpret_cast<uintptr_t>(ref);
  if (value <= tag || value > tag + count) return false;
  *index = value - tag - 1;
  return true;
}
}  // namespace

SPPluginRef PluginRegistry::addPlugin(const std::string& path, const ResourceSource* resources) {
  plugins_.push_back({path, resources});
  return encode<SPPluginRef>(kPluginTag, plugins_.size() - 1);
}

const ResourceSource* PluginRegistry::resources(SPPluginRef plugin) const {
  std::size_t i;
  return decode(plugin, kPluginTag, plugins_.size(), &i) ? plugins_[i].resources : nullptr;
}

const std::string* PluginRegistry::pluginPath(SPPluginRef plugin) const {
  std::size_t i;
  return decode(plugin, kPluginTag, plugins_.size(), &i) ? &plugins_[i].path : nullptr;
}

AIFilterHandle PluginRegistry::addFilter(FilterEntry entry) {
  filters_.push_back(std::move(entry));
  return encode<AIFilterHandle>(kFilterTag, filters_.size() - 1);
}

FilterEntry* PluginRegistry::filter(AIFilterHandle handle) {
  std::size_t i;
  return decode(handle, kFilterTag, filters_.size(), &i) ? &filters_[i] : nullptr;
}

AIMenuItemHandle PluginRegistry::menuItem(AIFilterHandle handle) const {
  std::size_t i;
  return decode(handle, kFilterTag, filters_.size(), &i) ? encode<AIMenuItemHandle>(kMenuTag, i) : nullptr;
}

FilterEntry* PluginRegistry::filterOfMenuItem(AIMenuItemHandle item) {
  std::size_t i;
  return decode(item, kMenuTag, filters_.size(), &i) ? &filters_[i] : nullptr;
}

AIFilterHandle PluginRegistry::filterHandle(std::size_t index) const {
  return index < filters_.size() ? encode<AIFilterHandle>(kFilterTag, index) : nullptr;
}

}  // namespace easel
