// Filter registration: the host keeps each filter's name and menu texts and
// sends "AI Filter" messages for it.
#include <string>

#include "Suites.h"
#include "easel/suites/HostCall.h"
#include "easel/core/PluginRegistry.h"

namespace easel::suites {
namespace {

std::string fromLengthPrefixed(const unsigned char* text) {
  return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

ASErr addFilter(SPPluginRef self, const char* name, const PlatformAddFilterData* data, int32_t options,
                AIFilterHandle* filter) noexcept {
  return hostCall(SuiteId::AIFilter, "add filter", [&](Call& c) -> ASErr {
    c.in("plugin", self).in("name", name).in("options", options);
    if (name == nullptr || data == nullptr || data->category == nullptr || data->title == nullptr || filter == nullptr)
      return kBadParameterErr;
    FilterEntry entry;
    entry.name = name;
    entry.category = fromLengthPrefixed(data->category);
    entry.title = fromLengthPrefixed(data->title);
    entry.options = options;
    entry.plugin = self;
    c.in("category", entry.category).in("title", entry.title);
    PluginRegistry& plugins = c.session().plugins();
    if (plugins.resources(self) == nullptr) {
      c.misuse("foreign plug-in reference");
      return kBadHandleErr;
    }
    for (const FilterEntry& existing : plugins.filters())
      if (existing.name == entry.name) return kBadParameterErr;
    *filter = plugins.addFilter(std::move(entry));
    c.out("filter", *filter);
    return kNoErr;
  });
}

ASErr getFilterMenuItem(AIFilterHandle filter, AIMenuItemHandle* menuItem) noexcept {
  return hostCall(SuiteId::AIFilter, "get filter menu item", [&](Call& c) -> ASErr {
    c.in("filter", filter);
    if (menuItem == nullptr) return kBadParameterErr;
    *menuItem = c.session().plugins().menuItem(filter);
    if (*menuItem == nullptr) {
      c.misuse("foreign filter handle");
      return kBadHandleErr;
    }
    c.out("menuItem", *menuItem);
    return kNoErr;
  });
}

const AIFilterSuite kSuite{addFilter, getFilterMenuItem};

}  // namespace

const AIFilterSuite* filter() { return &kSuite; }

}  // namespace easel::suites
