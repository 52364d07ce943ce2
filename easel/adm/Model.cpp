#include "Model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace easel::adm {

namespace {

struct KindName {
  ItemKind kind;
  std::string_view name;
  std::string_view label;
};

// The first six are the type names of createItem, the rest template controls.
constexpr KindName kKindNames[] = {
    {ItemKind::SpinEdit, kADMSpinEditType, "spin edit"},
    {ItemKind::TextStatic, kADMTextStaticType, "static text"},
    {ItemKind::TextCheckBox, kADMTextCheckBoxType, "check box"},
    {ItemKind::PicturePushButton, kADMPicturePushButtonType, "picture push button"},
    {ItemKind::TextPushButton, kADMTextPushButtonType, "push button"},
    {ItemKind::PopupList, kADMPopupListType, "popup list"},
    {ItemKind::DefaultPushButton, "default push button", "default push button"},
    {ItemKind::PushButton, "push button", "push button"},
    {ItemKind::StaticText, "static text", "static text"},
    {ItemKind::BlackFrame, "black frame", "black frame"},
    {ItemKind::Other, "other", "control"},
};
constexpr std::size_t kCreatableKinds = 6;

}  // namespace

std::string_view kindName(ItemKind kind) {
  for (const auto& k : kKindNames)
    if (k.kind == kind) return k.name;
  return "other";
}

std::optional<ItemKind> kindOfTypeName(std::string_view typeName) {
  for (std::size_t i = 0; i < kCreatableKinds; ++i)
    if (kKindNames[i].name == typeName) return kKindNames[i].kind;
  return std::nullopt;
}

ItemKind kindOfTemplateControl(std::string_view control) {
  for (std::size_t i = kCreatableKinds; i < std::size(kKindNames); ++i)
    if (kKindNames[i].name == control) return kKindNames[i].kind;
  if (control == "check box") return ItemKind::TextCheckBox;
  return ItemKind::Other;
}

std::string_view kindLabel(ItemKind kind) {
  for (const auto& k : kKindNames)
    if (k.kind == kind) return k.label;
  return "control";
}

bool isPushButton(ItemKind kind) {
  return kind == ItemKind::PicturePushButton || kind == ItemKind::TextPushButton ||
         kind == ItemKind::DefaultPushButton || kind == ItemKind::PushButton;
}

const Entry* Item::activeEntry() const {
  for (const auto& e : entries)
    if (e.selected) return &e;
  return nullptr;
}

Entry* Item::findEntry(int32_t entryId) {
  for (auto& e : entries)
    if (e.id == entryId) return &e;
  return nullptr;
}

void Item::select(Entry& entry) {
  for (auto& e : entries) e.selected = false;
  entry.selected = true;
}

std::string shownText(const Item& item) {
  if (item.kind == ItemKind::PopupList) {
    const Entry* active = item.activeEntry();
    return active ? active->text : std::string();
  }
  if (item.kind != ItemKind::SpinEdit) return item.text;
  char buffer[400];  // enough for any double in fixed notation
  std::snprintf(buffer, sizeof buffer, "%.*f", item.integer ? 0 : std::clamp(item.precision, 0, 9), item.value);
  std::string text = buffer;
  // A value that rounds to zero is shown without a sign.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

TypedValue typeWithin(const Limits& limits, double value) {
  TypedValue typed{value};
  if (limits.integer && std::round(value) != value) {
    typed.value = std::round(value);
    typed.rounded = true;
  }
  if (limits.minimum && typed.value < *limits.minimum) {
    typed.value = *limits.minimum;
    typed.held = true;
  } else if (limits.maximum && typed.value > *limits.maximum) {
    typed.value = *limits.maximum;
    typed.held = true;
  }
  if (!limits.integer) typed.value = static_cast<float>(typed.value);
  return typed;
}

TypedValue typedValue(const Item& item, double value) {
  return typeWithin({item.integer, item.minimum, item.maximum}, value);
}

Item* Dialog::findItem(int32_t itemId) {
  for (auto& item : items)
    if (item->id == itemId) return item.get();
  return nullptr;
}

const Item* Dialog::findItem(int32_t itemId) const { return const_cast<Dialog*>(this)->findItem(itemId); }

const Item* ShownDialog::findItem(int32_t itemId) const {
  for (const auto& item : items)
    if (item.id == itemId) return &item;
  return nullptr;
}

ShownDialog snapshot(const Dialog& dialog) {
  ShownDialog shown{dialog.name, dialog.resourceId, dialog.title, dialog.bounds, dialog.result, {}};
  shown.items.reserve(dialog.items.size());
  for (const auto& item : dialog.items) shown.items.push_back(*item);
  return shown;
}

}  // namespace easel::adm
