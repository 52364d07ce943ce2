#include "plugin/shell/FilterMessages.h"

#include "plugin/dialog/SettingsDialog.h"
#include "plugin/engine/RunContours.h"
#include "plugin/engine/SelectionRelease.h"
#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/ContourParams.h"
#include "plugin/params/DialogItems.h"
#include "plugin/resources/resource_ids.h"
#include "plugin/shell/ParameterBlock.h"

namespace {

// Takes back the previews, puts the record back as it was before the dialog
// and forgets the selection. An undo failure leaves everything as the dialog
// left it, so that the user still sees what the undo could not remove.
ASErr cancelDialog(ContourParams* record, const ContourParams& snapshot) {
  ASErr err = sAIUndo->undoChanges();
  if (err != kNoErr) return err;
  *record = snapshot;
  record->previewShown = 0;
  releaseSelection();
  return kNoErr;
}

// A block that is new gets the defaults; an existing block is used as it is.
ASErr recordForDialog(AIFilterMessage* message, ContourParams** record) {
  bool isNew = false;
  if (message->parameters == nullptr) {
    ASErr err = sAIMdMemory->newHandle(sizeof(ContourParams), &message->parameters);
    if (err != kNoErr) return err;
    if (message->parameters == nullptr) return kNoParameterBlockErr;
    isNew = true;
  }
  ASErr err = contourRecord(message->parameters, record);
  if (err != kNoErr) return err;
  if (*record == nullptr) return kNoParameterBlockErr;
  if (isNew) setContourDefaults(**record);
  return kNoErr;
}

}  // namespace

ASErr getParameters(AIFilterMessage* message) {
  if (message->filter != gPluginGlobals->filterHandle) return kNoErr;

  ContourParams* record = nullptr;
  ASErr err = recordForDialog(message, &record);
  if (err != kNoErr) return err;

  const ContourParams snapshot = *record;
  int32_t itemHit = 0;
  ASErr modalErr = sADMDialog->modal(message->d.self, kSettingsDialogName, CONTOUR_SETTINGS_DIALOG_ID, 0,
                                     settingsDialogInit, record, &itemHit);
  if (modalErr == kNoErr && itemHit == kADMDefaultItemID) return kNoErr;

  // A dialog that could not run is treated like a cancelled one, so that no
  // preview it drew is left behind; its own error is what the user hears of.
  err = cancelDialog(record, snapshot);
  if (err != kNoErr) return err;
  return modalErr != kNoErr ? modalErr : kUserCanceledErr;
}

ASErr goFilter(AIFilterMessage* message) {
  ContourParams* params = nullptr;
  if (contourRecord(message->parameters, &params) != kNoErr || params == nullptr) return kNoErr;
  params->finalRun = 1;
  (void)runContours(params);
  return kNoErr;
}
