// How every procedure of the settings dialog finds what it works on: the
// dialog of the item it was called for, the record in the dialog's user data,
// and other items by their fixed ids.
#ifndef CONTOUR_DIALOG_DIALOGCONTEXT_H
#define CONTOUR_DIALOG_DIALOGCONTEXT_H

#include "plugin/host/AllSuites.h"
#include "plugin/params/ContourParams.h"

struct DialogContext {
  ADMDialogRef dialog = nullptr;
  ContourParams* record = nullptr;  // null when the host gave none: the procedure does nothing
};

DialogContext contextOf(ADMItemRef item);
ContourParams* recordOf(ADMDialogRef dialog);
ADMItemRef itemById(ADMDialogRef dialog, int32_t itemId);
// Sends "ADM User Changed Notifier" to the item with this id.
void notifyItem(ADMDialogRef dialog, int32_t itemId);

#endif
