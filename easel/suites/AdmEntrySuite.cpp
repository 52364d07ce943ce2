// The dialog manager's entry suite: an entry's id, text and selection.
#include "AdmLookup.h"
#include "Suites.h"

namespace easel::suites {
namespace {

using adm::Entry;

// Runs `change` on the entry of `ref`; kBadHandleErr when there is none.
template <class Change>
ASErr withEntry(Call& c, ADMEntryRef ref, Change&& change) {
  Entry* entry = admEntryOf(c, ref);
  return entry != nullptr ? change(*entry) : kBadHandleErr;
}

ASErr setID(ADMEntryRef entry, int32_t entryId) noexcept {
  return hostCall(SuiteId::ADMEntry, "set id", [&](Call& c) -> ASErr {
    c.in("entry", entry).in("entryId", entryId);
    return withEntry(c, entry, [&](Entry& e) {
      e.id = entryId;
      return kNoErr;
    });
  });
}

ASErr getID(ADMEntryRef entry, int32_t* entryId) noexcept {
  return hostCall(SuiteId::ADMEntry, "get id", [&](Call& c) -> ASErr {
    c.in("entry", entry);
    if (entryId == nullptr) return kBadParameterErr;
    return withEntry(c, entry, [&](Entry& e) {
      *entryId = e.id;
      c.out("entryId", e.id);
      return kNoErr;
    });
  });
}

ASErr select(ADMEntryRef entry, ASBoolean selectIt) noexcept {
  return hostCall(SuiteId::ADMEntry, "select", [&](Call& c) -> ASErr {
    c.in("entry", entry).in("select", selectIt != 0);
    return withEntry(c, entry, [&](Entry& e) {
      c.in("entryId", e.id);
      adm::Item* list = adm::DialogManager::current()->list(e.listHandle);
      if (selectIt != 0 && list != nullptr) list->select(e);  // a popup list has one chosen entry
      else
        e.selected = selectIt != 0;
      return kNoErr;
    });
  });
}

ASErr setText(ADMEntryRef entry, const char* text) noexcept {
  return hostCall(SuiteId::ADMEntry, "set text", [&](Call& c) -> ASErr {
    c.in("entry", entry).in("text", text);
    return withEntry(c, entry, [&](Entry& e) {
      if (text == nullptr) return kBadParameterErr;
      e.text = text;
      return kNoErr;
    });
  });
}

const ADMEntrySuite kSuite{setID, getID, select, setText};

}  // namespace

const ADMEntrySuite* admEntry() { return &kSuite; }

}  // namespace easel::suites
