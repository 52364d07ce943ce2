#include "Suites.h"
#include "easel/suites/HostCall.h"
#include "easel/core/PluginRegistry.h"

namespace easel::suites {
namespace {

ASErr getPluginFilePath(SPPluginRef plugin, const char** path) noexcept {
  return hostCall(SuiteId::SPAccess, "get plug-in file path", [&](Call& c) -> ASErr {
    c.in("plugin", plugin);
    if (path == nullptr) return kBadParameterErr;
    const std::string* file = c.session().plugins().pluginPath(plugin);
    if (file == nullptr) {
      c.misuse("foreign plug-in reference");
      return kBadHandleErr;
    }
    *path = file->c_str();
    c.out("path", *path);
    return kNoErr;
  });
}

const SPAccessSuite kSuite{getPluginFilePath};

}  // namespace

const SPAccessSuite* access() { return &kSuite; }

}  // namespace easel::suites
