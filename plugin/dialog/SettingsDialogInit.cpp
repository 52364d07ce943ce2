// The settings dialog's init procedure: the dialog is rebuilt from the record
// at every opening, at the place and on the page where it was last used.
#include "plugin/dialog/SettingsDialog.h"

#include "plugin/dialog/DialogBuild.h"
#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/engine/GatherSelection.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/ContourParams.h"

namespace {
constexpr int32_t kDialogWidth = 520;
constexpr int32_t kDialogHeight = 240;
}  // namespace

// Nothing the host answers here is checked: a dialog that is missing a piece
// still lets the user cancel, and a failed gathering leaves nothing to process.
ASErr settingsDialogInit(ADMDialogRef dialog) {
  ContourParams* record = recordOf(dialog);
  if (record == nullptr) return kNoErr;

  if (record->dialogBoundsSaved != 0) {
    const ADMRect bounds{record->dialogBoundsLeft, record->dialogBoundsTop, record->dialogBoundsRight,
                         record->dialogBoundsBottom};
    (void)sADMDialog->setBoundsRect(dialog, &bounds);
  }
  int32_t swatchCount = 0;
  (void)sAISwatchList->countSwatches(nullptr, &swatchCount);
  // After the place, so that a restored rectangle gives the place only.
  (void)sADMDialog->setSize(dialog, kDialogWidth, kDialogHeight);

  createDialogItems(dialog, *record, swatchCount);
  fillDialogLists(dialog, *record);

  // The previews and the final run work on the selection as it is now. The
  // gathering gives back a list that an earlier command left behind.
  (void)gatherSelection();

  renotifyPage(dialog, *record);
  return kNoErr;
}
