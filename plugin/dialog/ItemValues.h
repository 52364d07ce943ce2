// The value items and the two directions between them and the record: the
// common value notifier reads the items into the record, the item refresh
// shows the record in the items. The value items are every item that shows a
// field, except the zoom field and the Preset style list, which only their
// own procedures touch.
#ifndef CONTOUR_DIALOG_ITEMVALUES_H
#define CONTOUR_DIALOG_ITEMVALUES_H

#include "plugin/host/AllSuites.h"
#include "plugin/params/ContourParams.h"
#include "plugin/params/DialogItems.h"

bool isValueItem(const ItemSpec& item);

// Shows the field's value in the item, as it is (also outside the item's range).
void showField(ADMItemRef item, const ItemSpec& spec, const ContourParams& record);
// Reads the item's value into its field. A read the host does not answer
// leaves the field as it was.
void readField(ADMItemRef item, const ItemSpec& spec, ContourParams& record);

// Chooses the list's entry with this id; an id that names no entry leaves the
// list as it is.
void chooseEntry(ADMListRef list, int32_t entryId);

// Every value item read into the record, but for the Preview check box.
void readValueItems(ADMDialogRef dialog, ContourParams& record);
// Every value item set from the record (the item refresh).
void refreshValueItems(ADMDialogRef dialog, const ContourParams& record);

#endif
