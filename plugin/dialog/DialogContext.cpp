#include "plugin/dialog/DialogContext.h"

#include "plugin/globals/SuiteSlots.h"

DialogContext contextOf(ADMItemRef item) {
  DialogContext context;
  (void)sADMItem->getDialog(item, &context.dialog);
  context.record = recordOf(context.dialog);
  return context;
}

ContourParams* recordOf(ADMDialogRef dialog) {
  ADMUserData data = nullptr;
  (void)sADMDialog->getUserData(dialog, &data);
  return static_cast<ContourParams*>(data);
}

ADMItemRef itemById(ADMDialogRef dialog, int32_t itemId) {
  ADMItemRef item = nullptr;
  (void)sADMDialog->getItem(dialog, itemId, &item);
  return item;
}

void notifyItem(ADMDialogRef dialog, int32_t itemId) {
  (void)sADMItem->sendNotify(itemById(dialog, itemId), kADMUserChangedNotifier);
}
