// The page re-notification, shared by the init procedure, the pick tracker,
// Tumble and the presets.
#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogPages.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/dialog/ItemValues.h"

void renotifyPage(ADMDialogRef dialog, const ContourParams& record) {
  const DialogPage& page = pageOrFirst(record.currentPage);
  notifyItem(dialog, page.firstItem);
  notifyItem(dialog, page.button);
}

void showRecordAndRenotify(ADMDialogRef dialog, const ContourParams& record) {
  refreshValueItems(dialog, record);
  renotifyPage(dialog, record);
}
