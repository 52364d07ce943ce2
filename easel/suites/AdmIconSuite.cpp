// The dialog manager's icon suite: icons of the plug-in's resources.
#include "AdmLookup.h"
#include "Suites.h"
#include "easel/core/PluginRegistry.h"
#include "easel/core/resources/ResourceSource.h"

namespace easel::suites {
namespace {

ASErr createFromResource(SPPluginRef plugin, int32_t iconId, ADMIconRef* icon) noexcept {
  return hostCall(SuiteId::ADMIcon, "create icon from resource", [&](Call& c) -> ASErr {
    c.in("plugin", plugin).in("iconId", iconId);
    if (icon == nullptr) return kBadParameterErr;
    *icon = nullptr;
    adm::DialogManager* manager = adm::DialogManager::current();
    if (manager == nullptr) return kNotImplementedErr;
    const ResourceSource* resources = c.session().plugins().resources(plugin);
    if (resources == nullptr) {
      c.misuse("foreign plug-in reference");
      return kBadHandleErr;
    }
    if (iconId < 0 || iconId > 0xFFFF || !resources->find(rt::GroupIcon, static_cast<uint16_t>(iconId)))
      return kBadParameterErr;
    *icon = manager->createIcon(iconId);
    c.out("icon", *icon);
    return kNoErr;
  });
}

ASErr destroy(ADMIconRef icon) noexcept {
  return hostCall(SuiteId::ADMIcon, "destroy icon", [&](Call& c) -> ASErr {
    c.in("icon", icon);
    adm::DialogManager* manager = adm::DialogManager::current();
    if (manager == nullptr || !manager->destroyIcon(icon)) {
      c.misuse(std::string(icon == nullptr ? "null" : "stale or foreign") + " icon handle");
      return kBadHandleErr;
    }
    return kNoErr;
  });
}

const ADMIconSuite kSuite{createFromResource, destroy};

}  // namespace

const ADMIconSuite* admIcon() { return &kSuite; }

}  // namespace easel::suites
