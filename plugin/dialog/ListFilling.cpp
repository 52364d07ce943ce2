// Filling the settings dialog's popup lists: entries at positions 0, 1, 2,
// ... with ids equal to their positions, then the entry of the list's field
// chosen.
#include "plugin/dialog/DialogBuild.h"
#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/dialog/ItemValues.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/DialogItems.h"
#include "plugin/params/ModeLists.h"

void fillDialogLists(ADMDialogRef dialog, const ContourParams& record) {
  for (const ModeList& mode : modeLists()) {
    const ItemSpec& spec = *dialogItem(mode.itemId);
    ADMItemRef item = itemById(dialog, mode.itemId);
    ADMListRef list = nullptr;
    (void)sADMItem->getList(item, &list);
    if (spec.order == SetupOrder::AttachBeforeFilling) (void)sADMItem->setNotifyProc(item, notifyProcOf(spec.proc));
    int32_t position = 0;
    for (const char* text : mode.entries) {
      ADMEntryRef entry = nullptr;
      (void)sADMList->insertEntry(list, position, &entry);
      (void)sADMEntry->setText(entry, text);
      (void)sADMEntry->setID(entry, position);
      ++position;
    }
    chooseEntry(list, record.*mode.field);
    if (spec.order == SetupOrder::AttachAfterFilling) (void)sADMItem->setNotifyProc(item, notifyProcOf(spec.proc));
  }
}
