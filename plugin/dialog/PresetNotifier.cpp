// The preset notifier: the chosen preset style replaces every setting the
// items show (but the zoom), switches Preview on and draws the preview.
#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/dialog/Presets.h"
#include "plugin/globals/SuiteSlots.h"

void presetNotify(ADMItemRef item, ADMNotifierRef notifier) {
  (void)sADMItem->defaultNotify(item, notifier);
  DialogContext context = contextOf(item);
  if (context.record == nullptr) return;
  ContourParams& record = *context.record;

  ADMListRef list = nullptr;
  ADMEntryRef active = nullptr;
  (void)sADMItem->getList(item, &list);
  (void)sADMList->getActiveEntry(list, &active);
  if (active != nullptr) (void)sADMEntry->getID(active, &record.presetStyle);

  applyPresetReset(record);
  applyPresetValues(record.presetStyle, record);
  showRecordAndRenotify(context.dialog, record);
}
