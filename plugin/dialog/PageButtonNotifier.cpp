// The page button notifier: the pressed button's page becomes the current
// one; its label is drawn emphasised and only its items are shown.
#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogPages.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/globals/SuiteSlots.h"

void pageButtonNotify(ADMItemRef item, ADMNotifierRef) {
  DialogContext context = contextOf(item);
  if (context.record == nullptr) return;
  for (const DialogPage& page : dialogPages())
    (void)sADMItem->setFont(itemById(context.dialog, page.label), kADMDefaultFont);

  int32_t buttonId = 0;
  (void)sADMItem->getID(item, &buttonId);
  const DialogPage* pressed = pageOfButton(buttonId);
  if (pressed == nullptr) return;
  context.record->currentPage = pressed->number;
  (void)sADMItem->setFont(itemById(context.dialog, pressed->label), kADMEmphasizedFont);

  for (const DialogPage& page : dialogPages())
    for (int32_t member : page.members)
      (void)sADMItem->show(itemById(context.dialog, member), page.number == pressed->number ? 1 : 0);
}
