#include "Lifecycle.h"
#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/resources/resource_ids.h"

namespace {

constexpr int32_t kAboutDialog = CONTOUR_ABOUT_DIALOG_ID;
constexpr int32_t kOkItem = 1;

void closeOnly(ADMItemRef item, ADMNotifierRef notifier) { sADMItem->defaultNotify(item, notifier); }

ASErr aboutDialogInit(ADMDialogRef dialog) {
  ADMItemRef ok = nullptr;
  sADMDialog->getItem(dialog, kOkItem, &ok);
  sADMItem->setNotifyProc(ok, closeOnly);
  return kNoErr;
}

}  // namespace

ASErr about(SPMessageData*) {
  int32_t itemHit = 0;
  sADMDialog->modal(gPluginRef, "About Dialog", kAboutDialog, 0, aboutDialogInit, nullptr, &itemHit);
  return kNoErr;
}
