// The dialog manager's model: dialogs, their items and the entries of popup
// lists, as plain data. The suites, the modal run and the event sources all
// read and change these; none of them keeps a value of its own.
#ifndef EASEL_ADM_MODEL_H
#define EASEL_ADM_MODEL_H

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/host/ADMTypes.h"

// Items compare whole (a dialog's state is known unchanged by comparing it
// with a copy), their rectangles with them.
inline bool operator==(const ADMRect& a, const ADMRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace easel::adm {

// What an item is: the types a plug-in creates by name, and the kinds of
// control that a dialog template brings with it.
enum class ItemKind {
  SpinEdit,
  TextStatic,
  TextCheckBox,
  PicturePushButton,
  TextPushButton,
  PopupList,  // created by name
  DefaultPushButton,
  PushButton,
  StaticText,
  BlackFrame,
  Other  // from templates
};

// "ADM Spin Edit Type", ..., "default push button", "static text", ...
std::string_view kindName(ItemKind kind);
// What the user would call it: "spin edit", "popup list", ...
std::string_view kindLabel(ItemKind kind);
// The kind of a type name handed to createItem; nullopt for a name the dialog
// manager does not know.
std::optional<ItemKind> kindOfTypeName(std::string_view typeName);
// The kind of a template control ("default push button", ...).
ItemKind kindOfTemplateControl(std::string_view control);

bool isPushButton(ItemKind kind);

struct Entry {
  int32_t id = 0;
  std::string text;
  bool selected = false;
  ADMEntryRef handle = nullptr;
  ADMListRef listHandle = nullptr;  // the list it belongs to

  bool operator==(const Entry&) const = default;
};

struct Item {
  int32_t id = 0;
  ItemKind kind = ItemKind::Other;
  std::string templateKind;  // the template's control name, for kinds the manager has no name of its own for
  ADMRect rect{};
  std::string text;
  int32_t font = kADMDefaultFont;
  bool shown = true;
  bool enabled = true;

  // One number serves the boolean, integer and real views of the value; a
  // double holds every int32 and every float exactly.
  double value = 0;
  // A spin edit holds an integer until a real value, real limit or precision
  // is given to it; typed values are rounded on integer spin edits.
  bool integer = true;
  std::optional<double> minimum, maximum;
  int32_t units = 0;
  int32_t precision = 0;

  ADMItemNotifyProc notifyProc = nullptr;
  ADMItemTrackProc trackProc = nullptr;
  ADMUserData userData = nullptr;

  // Popup lists. A std::list, so entries keep their place in memory when
  // others are inserted before them.
  std::list<Entry> entries;

  ADMItemRef handle = nullptr;
  ADMListRef listHandle = nullptr;      // popup lists only
  ADMDialogRef dialogHandle = nullptr;  // the dialog it belongs to

  const Entry* activeEntry() const;
  Entry* findEntry(int32_t entryId);
  // Selects one entry and deselects the others, as a popup list does.
  void select(Entry& entry);

  bool operator==(const Item&) const = default;
};

// The text that the user sees in an item: a spin edit's number with its
// precision, a popup list's chosen entry, every other item's own text.
std::string shownText(const Item& item);

// The one rule for a value given to a spin edit, from whatever source (a
// script, the command line, a settings file, the editor): rounded when the
// item holds an integer, then held to its limits; a real one holds a
// single-precision real. Says what it changed, so that callers can warn.
struct Limits {
  bool integer = true;
  std::optional<double> minimum, maximum;
};
struct TypedValue {
  double value = 0;
  bool rounded = false;  // a real given to an integer item
  bool held = false;     // outside the limits
};
TypedValue typeWithin(const Limits& limits, double value);

// A value typed by the user, as the item takes it (typeWithin its own limits).
TypedValue typedValue(const Item& item, double value);

struct Dialog {
  std::string name;        // the name the plug-in gave the modal run
  int32_t resourceId = 0;  // its dialog template
  int32_t style = 0;
  std::string title;
  std::string fontName;
  int32_t fontSize = 0;
  ADMRect bounds{};
  ADMUserData userData = nullptr;
  ADMDialogInitProc initProc = nullptr;
  // In creation order (template items first); each item stays at its address.
  std::vector<std::unique_ptr<Item>> items;

  ADMDialogRef handle = nullptr;
  bool ended = false;
  int32_t result = 0;

  Item* findItem(int32_t itemId);
  const Item* findItem(int32_t itemId) const;
};

// A dialog as it was when it closed: what tests, `contour about` and
// `--dialog-state` report.
struct ShownDialog {
  std::string name;
  int32_t resourceId = 0;
  std::string title;
  ADMRect bounds{};
  int32_t result = 0;
  std::vector<Item> items;  // copies; their handles are stale

  const Item* findItem(int32_t itemId) const;
};

ShownDialog snapshot(const Dialog& dialog);

}  // namespace easel::adm

#endif
