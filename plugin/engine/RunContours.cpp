#include "plugin/engine/RunContours.h"

#include "plugin/engine/ContourLoop.h"
#include "plugin/engine/GatherSelection.h"
#include "plugin/engine/RunStart.h"
#include "plugin/engine/SelectionRelease.h"
#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"

namespace {

ASErr failRun(ASErr err) {
  releaseSelection();
  return err;
}

ASErr deleteSelectedArt() {
  AIArtHandle* entries = nullptr;
  int32_t count = 0;
  ASErr err = selectionEntries(&entries, &count);
  for (int32_t i = 0; err == kNoErr && i < count; ++i) {
    if (entries[i] != nullptr) err = sAIArt->disposeArt(entries[i]);
  }
  return err;
}

// A preview keeps the selection for the next preview or the final run; a
// final run deletes the selected art when asked and gives the list back.
ASErr endRun(const ContourParams& params) {
  if (params.finalRun == 0) {
    (void)sAIDocument->redrawDocument();
    return kNoErr;
  }
  if (params.pathDelete != 0) {
    ASErr err = deleteSelectedArt();
    if (err != kNoErr) return failRun(err);
  }
  releaseSelection();
  return kNoErr;
}

ASErr runObjects(const ContourParams& params, RunValues& run) {
  AIArtHandle* entries = nullptr;
  int32_t count = 0;
  ASErr err = selectionEntries(&entries, &count);
  // Highest index first; the entries of compound path members are empty.
  for (int32_t i = count - 1; err == kNoErr && i >= 0; --i) {
    if (entries[i] != nullptr) err = runObjectContours(entries[i], i, params, run);
  }
  return err;
}

}  // namespace

ASErr runContours(ContourParams* params) {
  if (params->finalRun != 0 && params->previewShown != 0) {
    // The preview's contours are the result: nothing is undone or made again.
    params->previewShown = 0;
    return endRun(*params);
  }
  // Takes back the previous preview, so only one set of contours is ever shown.
  ASErr err = sAIUndo->undoChanges();
  if (err != kNoErr) return failRun(err);
  if (gPluginGlobals->selectionCount < 0) (void)gatherSelection();

  RunValues run{};
  err = computeRunValues(*params, run);
  if (err == kNoErr) err = runObjects(*params, run);
  if (err != kNoErr) return failRun(err);
  return endRun(*params);
}
