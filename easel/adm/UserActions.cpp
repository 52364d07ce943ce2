// What the user's actions do to a dialog: typing into a spin edit, setting a
// check box, choosing a list entry, pressing a button, picking a point. Each
// changes the item as the user would and then runs its notify or track
// procedure; an action the item cannot take is refused with the reason.
// Actions reach hidden and disabled items too: a script names items by id,
// whatever page is shown.
#include <cmath>

#include "DialogManager.h"
#include "ViewPoint.h"

namespace easel::adm {

namespace {

std::string itemText(const Item& item) { return "item " + std::to_string(item.id); }

std::string isA(const Item& item) { return itemText(item) + " is a " + std::string(kindLabel(item.kind)); }

}  // namespace

std::string DialogManager::apply(Dialog& dialog, const Event& event) {
  if (event.kind == Event::Kind::End) {
    pressToEnd(dialog, event.result);
    return {};
  }
  Item* item = dialog.findItem(event.item);
  if (item == nullptr) return "item " + std::to_string(event.item) + " does not exist";
  switch (event.kind) {
    case Event::Kind::SetValue: return typeValue(*item, event.value);
    case Event::Kind::ChooseEntry: return chooseEntry(*item, event.entry);
    case Event::Kind::Press: return press(*item);
    case Event::Kind::Pick: return pick(*item, event.x, event.y, event.modifiers);
    case Event::Kind::End: break;
  }
  return {};
}

std::string DialogManager::typeValue(Item& item, double value) {
  if (!std::isfinite(value)) return itemText(item) + ": the value is not a number";
  if (item.kind == ItemKind::SpinEdit) {
    const TypedValue typed = typedValue(item, value);
    item.value = typed.value;
    if ((typed.rounded || typed.held) && source_ != nullptr) source_->changedOnTyping(item, value, typed);
  } else if (item.kind == ItemKind::TextCheckBox) {
    if (value != 0 && value != 1) return isA(item) + ": its value is 0 or 1";
    item.value = value;
  } else if (item.kind == ItemKind::PopupList) {
    return isA(item) + ": choose an entry instead of typing a value";
  } else {
    return isA(item) + ": it takes no value";
  }
  (void)notify(item, kADMUserChangedNotifier);
  return {};
}

std::string DialogManager::chooseEntry(Item& item, int32_t entryId) {
  if (item.kind != ItemKind::PopupList) return isA(item) + ", not a popup list";
  Entry* entry = item.findEntry(entryId);
  if (entry == nullptr) return itemText(item) + " has no entry with id " + std::to_string(entryId);
  item.select(*entry);
  (void)notify(item, kADMUserChangedNotifier);
  return {};
}

std::string DialogManager::press(Item& item) {
  if (item.kind == ItemKind::TextCheckBox) {
    item.value = item.value != 0 ? 0 : 1;  // a click turns it over
  } else if (!isPushButton(item.kind)) {
    return isA(item) + ": it cannot be pressed";
  }
  (void)notify(item, kADMUserChangedNotifier);
  return {};
}

std::string DialogManager::pick(Item& item, float x, float y, int32_t modifiers) {
  if (item.trackProc == nullptr) return itemText(item) + " has no track procedure: it cannot pick a point";
  (void)track(item, artworkToViewPoint(x, y), modifiers);
  return {};
}

}  // namespace easel::adm
