// The basic suite of every message: the door to all other suites.
#include <cstring>

#include "Suites.h"
#include "easel/suites/HostCall.h"

namespace easel::suites {
namespace {

ASErr acquireSuite(const char* name, int32_t version, const void** suite) noexcept {
  return hostCall(SuiteId::SPBasic, "acquire suite", [&](Call& c) -> ASErr {
    c.in("name", name).in("version", version);
    if (name == nullptr || suite == nullptr) return kBadParameterErr;
    *suite = nullptr;
    auto id = findSuite(name);
    if (!id || kSuiteNames[static_cast<std::size_t>(*id)].version != version) return kSuiteNotFoundErr;
    if (auto failure = c.session().faults.suiteFailure(name)) return *failure;
    c.session().acquire(*id);
    *suite = table(*id);
    return kNoErr;
  });
}

ASErr releaseSuite(const char* name, int32_t version) noexcept {
  return hostCall(SuiteId::SPBasic, "release suite", [&](Call& c) -> ASErr {
    c.in("name", name).in("version", version);
    if (name == nullptr) return kBadParameterErr;
    auto id = findSuite(name);
    if (!id || kSuiteNames[static_cast<std::size_t>(*id)].version != version) return kSuiteNotFoundErr;
    if (!c.session().release(*id)) {
      c.misuse(std::string("released \"") + name + "\", which is not held");
      return kSuiteNotFoundErr;
    }
    return kNoErr;
  });
}

ASErr compareStrings(const char* a, const char* b, ASBoolean* equal) noexcept {
  return hostCall(SuiteId::SPBasic, "compare strings", [&](Call& c) -> ASErr {
    c.in("a", a).in("b", b);
    if (a == nullptr || b == nullptr || equal == nullptr) return kBadParameterErr;
    *equal = std::strcmp(a, b) == 0 ? 1 : 0;
    c.out("equal", *equal != 0);
    return kNoErr;
  });
}

const SPBasicSuite kSuite{acquireSuite, releaseSuite, compareStrings};

}  // namespace

const SPBasicSuite* basic() { return &kSuite; }

}  // namespace easel::suites
