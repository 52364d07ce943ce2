// The six pages of the settings dialog: each page's button, label, the items
// shown only on it, and its first item (a value item whose notification
// redraws the preview when the page is re-notified).
#ifndef CONTOUR_DIALOG_DIALOGPAGES_H
#define CONTOUR_DIALOG_DIALOGPAGES_H

#include <cstdint>
#include <span>

#include "plugin/params/ItemIds.h"

struct DialogPage {
  int32_t number;  // 1 Contour, 2 Rotate, 3 Shift, 4 Points, 5 Style, 6 Settings
  int32_t button;  // 99 + number
  int32_t label;   // 105 + number
  int32_t firstItem;
  std::span<const int32_t> members;
};

// Pages 1 to 6 in order.
std::span<const DialogPage> dialogPages();
// The page `currentPage` names; page 1 for a value outside 1 to 6.
const DialogPage& pageOrFirst(int32_t currentPage);
// The page whose button this is, or null.
const DialogPage* pageOfButton(int32_t itemId);
// Whether the item is shown right after the dialog is built: the items of
// page 1 and those shown on every page are.
bool shownAtCreation(int32_t itemId);

#endif
