// The common value notifier: runs for every change of a value item, for
// "Shuffle" and for every page re-notification. With Preview on it copies the
// items into the record, sets the enabled states and draws the preview; with
// Preview off it keeps only the Preview flag and the dialog's place.
#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/dialog/EnablingRules.h"
#include "plugin/dialog/ItemValues.h"
#include "plugin/engine/RunContours.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/ItemIds.h"

void commonValueNotify(ADMItemRef item, ADMNotifierRef notifier) {
  (void)sADMItem->defaultNotify(item, notifier);
  DialogContext context = contextOf(item);
  if (context.record == nullptr) return;
  ContourParams& record = *context.record;

  record.finalRun = 0;
  ASBoolean preview = record.previewOn != 0 ? 1 : 0;
  (void)sADMItem->getBooleanValue(itemById(context.dialog, kPreviewCheck), &preview);
  record.previewOn = preview != 0 ? 1 : 0;

  // The place the dialog opens at next time.
  ADMRect bounds{record.dialogBoundsLeft, record.dialogBoundsTop, record.dialogBoundsRight, record.dialogBoundsBottom};
  (void)sADMDialog->getBoundsRect(context.dialog, &bounds);
  record.dialogBoundsLeft = bounds.left;
  record.dialogBoundsTop = bounds.top;
  record.dialogBoundsRight = bounds.right;
  record.dialogBoundsBottom = bounds.bottom;
  record.dialogBoundsSaved = 1;

  if (record.previewOn == 0) {
    record.previewShown = 0;
    return;
  }
  record.previewShown = 1;
  readValueItems(context.dialog, record);
  applyEnablingRules(context.dialog, record);
  (void)runContours(&record);  // a failed preview shows no message
}
