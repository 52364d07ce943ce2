// The dialog manager's list suite: the entries of popup lists.
#include "AdmLookup.h"
#include "Suites.h"

namespace easel::suites {
namespace {

using adm::Item;

ASErr insertEntry(ADMListRef list, int32_t index, ADMEntryRef* entry) noexcept {
  return hostCall(SuiteId::ADMList, "insert entry", [&](Call& c) -> ASErr {
    c.in("list", list).in("index", index);
    if (entry != nullptr) *entry = nullptr;
    Item* found = admListOf(c, list);
    if (found == nullptr) return kBadHandleErr;
    if (entry == nullptr || index < 0 || static_cast<std::size_t>(index) > found->entries.size())
      return kBadParameterErr;
    adm::Entry& added = adm::DialogManager::current()->insertEntry(*found, static_cast<std::size_t>(index));
    *entry = added.handle;
    c.out("entry", *entry);
    return kNoErr;
  });
}

ASErr findEntry(ADMListRef list, int32_t entryId, ADMEntryRef* entry) noexcept {
  return hostCall(SuiteId::ADMList, "find entry by id", [&](Call& c) -> ASErr {
    c.in("list", list).in("entryId", entryId);
    if (entry == nullptr) return kBadParameterErr;
    *entry = nullptr;
    Item* found = admListOf(c, list);
    if (found == nullptr) return kBadHandleErr;
    adm::Entry* target = found->findEntry(entryId);
    if (target == nullptr) return kBadParameterErr;
    *entry = target->handle;
    c.out("entry", *entry);
    return kNoErr;
  });
}

ASErr getActiveEntry(ADMListRef list, ADMEntryRef* entry) noexcept {
  return hostCall(SuiteId::ADMList, "get active entry", [&](Call& c) -> ASErr {
    c.in("list", list);
    if (entry == nullptr) return kBadParameterErr;
    *entry = nullptr;
    Item* found = admListOf(c, list);
    if (found == nullptr) return kBadHandleErr;
    if (const adm::Entry* active = found->activeEntry()) {
      *entry = active->handle;
      c.out("entryId", active->id);
    }
    c.out("entry", *entry);
    return kNoErr;
  });
}

ASErr numberOfEntries(ADMListRef list, int32_t* count) noexcept {
  return hostCall(SuiteId::ADMList, "number of entries", [&](Call& c) -> ASErr {
    c.in("list", list);
    if (count == nullptr) return kBadParameterErr;
    Item* found = admListOf(c, list);
    if (found == nullptr) return kBadHandleErr;
    *count = static_cast<int32_t>(found->entries.size());
    c.out("count", *count);
    return kNoErr;
  });
}

const ADMListSuite kSuite{insertEntry, findEntry, getActiveEntry, numberOfEntries};

}  // namespace

const ADMListSuite* admList() { return &kSuite; }

}  // namespace easel::suites
