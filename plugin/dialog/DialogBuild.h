// Building the settings dialog from the record: its items, then its lists.
#ifndef CONTOUR_DIALOG_DIALOGBUILD_H
#define CONTOUR_DIALOG_DIALOGBUILD_H

#include "plugin/host/AllSuites.h"
#include "plugin/params/ContourParams.h"

// Creates the 78 items in their order, each showing its field, with its
// range, procedure and visibility. `swatchCount` bounds the swatch numbers.
void createDialogItems(ADMDialogRef dialog, const ContourParams& record, int32_t swatchCount);
// Fills the ten popup lists, chooses in each the entry of its field, and
// attaches each list's procedure at its point.
void fillDialogLists(ADMDialogRef dialog, const ContourParams& record);

#endif
