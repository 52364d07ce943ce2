// Shared by the dialog manager's suites: finding the dialog manager and the
// objects behind the handles the plug-in passes. A handle that names nothing
// live (null, stale after its dialog closed, foreign) is recorded as misuse
// and never followed.
#ifndef EASEL_SUITES_ADMLOOKUP_H
#define EASEL_SUITES_ADMLOOKUP_H

#include <string>

#include "easel/adm/DialogManager.h"
#include "easel/suites/HostCall.h"

namespace easel::suites {

// Finds the object of `ref` through `find` (one of DialogManager's resolvers)
// and traces the id it carries; null (with the misuse recorded) when the
// handle names nothing live.
template <class T, class Ref>
T* admLookup(Call& c, Ref ref, T* (adm::DialogManager::*find)(Ref) const, const char* what) {
  adm::DialogManager* manager = adm::DialogManager::current();
  T* found = manager != nullptr && ref != nullptr ? (manager->*find)(ref) : nullptr;
  if (found == nullptr) c.misuse(std::string(ref == nullptr ? "null " : "stale or foreign ") + what + " handle");
  return found;
}

inline adm::Dialog* admDialogOf(Call& c, ADMDialogRef ref) {
  return admLookup(c, ref, &adm::DialogManager::dialog, "dialog");
}

inline adm::Item* admItemOf(Call& c, ADMItemRef ref) {
  adm::Item* item = admLookup(c, ref, &adm::DialogManager::item, "item");
  if (item != nullptr) c.in("itemId", item->id);
  return item;
}

inline adm::Item* admListOf(Call& c, ADMListRef ref) {
  adm::Item* list = admLookup(c, ref, &adm::DialogManager::list, "list");
  if (list != nullptr) c.in("itemId", list->id);
  return list;
}

inline adm::Entry* admEntryOf(Call& c, ADMEntryRef ref) {
  return admLookup(c, ref, &adm::DialogManager::entry, "entry");
}

// Runs `change` on the item of `ref`; kBadHandleErr when there is none.
template <class Change>
ASErr withAdmItem(Call& c, ADMItemRef ref, Change&& change) {
  adm::Item* item = admItemOf(c, ref);
  return item != nullptr ? change(*item) : kBadHandleErr;
}

}  // namespace easel::suites

#endif
