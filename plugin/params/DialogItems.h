// The settings dialog's 78 items as data, in creation order: id, type,
// rectangle, text, the record field shown and the range of a spin edit (both
// from the field table), the procedure attached, and the order of the calls
// that set it up.
#ifndef CONTOUR_PARAMS_DIALOGITEMS_H
#define CONTOUR_PARAMS_DIALOGITEMS_H

#include <cstdint>
#include <span>

#include "plugin/host/ADMTypes.h"
#include "plugin/params/FieldRef.h"
#include "plugin/params/ItemIds.h"

// The name under which the plug-in runs its settings dialog: the dialog the
// host drives with the user's actions.
inline constexpr const char kSettingsDialogName[] = "Tesk_Contour";

enum class ItemType : uint8_t { SpinEdit, StaticText, CheckBox, PictureButton, TextButton, PopupList };

// The procedures the dialog hands to its items.
enum class ItemProc : uint8_t { None, CommonValue, Zoom, PageButton, PickTracker, Tumble, Preset };

// When an item's calls are made, where the items differ.
enum class SetupOrder : uint8_t {
  Standard,             // spin edits: value, limits, units, precision, procedure, hide
  UnitsFirst,           // spin edits: units, limits, precision, value, procedure, hide
  AttachAtCreation,     // popup lists: procedure when the list is created
  AttachBeforeFilling,  // popup lists: procedure before the entries are inserted
  AttachAfterFilling,   // popup lists: procedure once an entry is chosen
};

struct ItemSpec {
  ItemId id;
  ItemType type;
  ADMRect rect;
  const char* text;        // null: none
  FieldRef field;          // empty: the item shows no field
  float minimum, maximum;  // spin edits; the maximum of swatchBound items is the swatch count
  bool swatchBound;
  ItemProc proc;
  SetupOrder order;
};

// Every item in creation order.
std::span<const ItemSpec> dialogItems();
// The item with this id, or null.
const ItemSpec* dialogItem(int32_t id);

// The type names the dialog manager knows the item types by.
const char* itemTypeName(ItemType type);

#endif
