#include "Suites.h"
#include "easel/suites/HostCall.h"
#include "easel/core/PluginRegistry.h"

namespace easel::suites {
namespace {

ASErr updateMenuItemAutomatically(AIMenuItemHandle item, int32_t action, int32_t ifObjectIsInArtwork,
                                  int32_t ifObjectIsNotInArtwork, int32_t ifObjectIsSelected,
                                  int32_t ifObjectIsNotSelected, int32_t ifIsTrue, int32_t ifIsNotTrue) noexcept {
  return hostCall(SuiteId::AIMenu, "set automatic menu-item update", [&](Call& c) -> ASErr {
    std::array<int32_t, 7> values{
        action,   ifObjectIsInArtwork, ifObjectIsNotInArtwork, ifObjectIsSelected, ifObjectIsNotSelected,
        ifIsTrue, ifIsNotTrue};
    c.in("menuItem", item);
    if (JsonWriter* w = c.inWriter()) {
      w->key("values").beginArray();
      for (int32_t v : values) w->value(v);
      w->endArray();
    }
    FilterEntry* filter = c.session().plugins().filterOfMenuItem(item);
    if (filter == nullptr) {
      c.misuse("foreign menu item");
      return kBadHandleErr;
    }
    filter->autoUpdateSet = true;
    filter->autoUpdate = values;
    return kNoErr;
  });
}

const AIMenuSuite kSuite{updateMenuItemAutomatically};

}  // namespace

const AIMenuSuite* menu() { return &kSuite; }

}  // namespace easel::suites
