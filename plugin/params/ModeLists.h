// The ten popup lists of the settings dialog as data: the item that shows
// each list, the record field it sets, and its entries. An entry's id is its
// 0-based position, which is also the value stored in the field.
#ifndef CONTOUR_PARAMS_MODELISTS_H
#define CONTOUR_PARAMS_MODELISTS_H

#include <cstdint>
#include <span>

#include "plugin/params/ContourParams.h"
#include "plugin/params/ItemIds.h"

struct ModeList {
  ItemId itemId;
  int32_t ContourParams::*field;
  std::span<const char* const> entries;  // shown texts, leading blank included
};

// In the order the dialog fills them.
std::span<const ModeList> modeLists();

// The list shown by the popup item `itemId`, or null.
const ModeList* modeListByItem(int32_t itemId);

#endif
