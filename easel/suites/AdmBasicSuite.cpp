// The dialog manager's basic suite: the plug-in's string lists and message
// alerts.
#include <algorithm>
#include <cstring>
#include <string>

#include "AdmLookup.h"
#include "Suites.h"
#include "easel/core/PluginRegistry.h"
#include "easel/core/resources/StringResources.h"

namespace easel::suites {
namespace {

ASErr getIndexString(SPPluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t maxLength) noexcept {
  return hostCall(SuiteId::ADMBasic, "get indexed string", [&](Call& c) -> ASErr {
    c.in("plugin", plugin).in("listId", listId).in("index", index).in("maxLength", maxLength);
    if (buffer == nullptr || maxLength < 1) return kBadParameterErr;
    const ResourceSource* resources = c.session().plugins().resources(plugin);
    if (resources == nullptr) {
      c.misuse("foreign plug-in reference");
      return kBadHandleErr;
    }
    // A string id outside the table's range is a missing string, like any other.
    int64_t id = int64_t{listId} + index;
    std::string text;
    if (id >= 0 && id <= 0xFFFF) text = loadString(*resources, static_cast<uint16_t>(id)).value_or("");
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(maxLength - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    c.out("text", std::string_view(buffer, length));
    return kNoErr;
  });
}

ASErr messageAlert(const char* text) noexcept {
  return hostCall(SuiteId::ADMBasic, "show message alert", [&](Call& c) -> ASErr {
    c.in("text", text);
    if (text == nullptr) return kBadParameterErr;
    // Headless, the user reads the alert and presses OK at once.
    if (auto* manager = adm::DialogManager::current()) manager->addAlert(text);
    return kNoErr;
  });
}

const ADMBasicSuite kSuite{getIndexString, messageAlert};

}  // namespace

const ADMBasicSuite* admBasic() { return &kSuite; }

}  // namespace easel::suites
