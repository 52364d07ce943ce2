// The dialog manager's notifier suite: what a notify procedure is called for.
#include <string_view>

#include "AdmLookup.h"
#include "Suites.h"

namespace easel::suites {
namespace {

adm::Notifier* notifierOf(Call& c, ADMNotifierRef ref) {
  return admLookup(c, ref, &adm::DialogManager::notifier, "notifier");
}

ASErr isNotifierType(ADMNotifierRef notifier, const char* notifierType, ASBoolean* isType) noexcept {
  return hostCall(SuiteId::ADMNotifier, "is notifier type", [&](Call& c) -> ASErr {
    c.in("notifier", notifier).in("notifierType", notifierType);
    if (notifierType == nullptr || isType == nullptr) return kBadParameterErr;
    adm::Notifier* found = notifierOf(c, notifier);
    if (found == nullptr) return kBadHandleErr;
    *isType = found->type == std::string_view(notifierType) ? 1 : 0;
    c.out("isType", *isType != 0);
    return kNoErr;
  });
}

ASErr getItem(ADMNotifierRef notifier, ADMItemRef* item) noexcept {
  return hostCall(SuiteId::ADMNotifier, "get item", [&](Call& c) -> ASErr {
    c.in("notifier", notifier);
    if (item == nullptr) return kBadParameterErr;
    *item = nullptr;
    adm::Notifier* found = notifierOf(c, notifier);
    if (found == nullptr) return kBadHandleErr;
    *item = found->item->handle;
    c.out("item", *item);
    return kNoErr;
  });
}

const ADMNotifierSuite kSuite{isNotifierType, getItem};

}  // namespace

const ADMNotifierSuite* admNotifier() { return &kSuite; }

}  // namespace easel::suites
