#include "plugin/engine/RunStart.h"

#include "plugin/engine/ArtTransforms.h"
#include "plugin/engine/GatherSelection.h"
#include "plugin/engine/RandomDraws.h"
#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/ModeIds.h"

namespace {

// The 1-based "Use path" number as an entry index: numbers past the end of the
// selection, and numbers below 1, which no entry has, mean the first entry.
int32_t rotationPathIndex(int32_t pathNumber, int32_t selectionCount) {
  if (pathNumber < 1 || pathNumber > selectionCount) return 0;
  return pathNumber - 1;
}

// The centre of the entry at `index`. An entry cleared by the gathering was a
// member of a compound path, which the host lists just before its members: the
// nearest filled entry before it is that compound path, whose centre stands in.
// Failing that the nearest filled entry after it, and with no entries at all
// the document centre (there is then nothing to turn anyway).
ASErr suppliedPathCenter(int32_t index, AIRealPoint documentCenter, AIRealPoint* center) {
  AIArtHandle* entries = nullptr;
  int32_t count = 0;
  ASErr err = selectionEntries(&entries, &count);
  if (err != kNoErr) return err;
  *center = documentCenter;
  if (index >= count) return kNoErr;
  for (int32_t i = index; i >= 0; --i) {
    if (entries[i] != nullptr) return artCenter(entries[i], center);
  }
  for (int32_t i = index + 1; i < count; ++i) {
    if (entries[i] != nullptr) return artCenter(entries[i], center);
  }
  return kNoErr;
}

}  // namespace

ASErr computeRunValues(const ContourParams& params, RunValues& run) {
  run = RunValues{};
  ASErr err = sAIRealMath->degreesToRadians(90.0f, &run.flipAngle);
  if (err != kNoErr) return err;

  run.scaleStepH = params.scaleH / 100.0f;
  run.scaleStepV = params.linkContourScale != 0 ? run.scaleStepH : params.scaleV / 100.0f;
  run.pointStep = params.pointsContourAmount / 10.0f;
  run.pointVarianceStep = params.pointsVariance / 10.0f;
  run.pointsActive = (run.pointStep != 0.0f || run.pointVarianceStep != 0.0f) ? 1 : 0;
  run.anchorInterpolation = params.interpolateAnchor / 100.0f;
  run.directionInterpolation = params.interpolateDirection / 100.0f;

  RandomDraws draws;
  run.pulsePeriod = static_cast<int32_t>(10.0f * nextDraw(draws));
  if (draws.error != kNoErr) return draws.error;

  run.rotationPathIndex = rotationPathIndex(params.rotationPathNumber, gPluginGlobals->selectionCount);
  run.paintOrder = params.placeAbove != 0 ? kPlaceAboveAll : kPlaceBelowAll;
  run.placeBelowFlag = params.placeAbove != 0 ? 0 : 1;

  AIDocumentSetup setup{};
  if (sAIDocument->getDocumentSetup(&setup) != kNoErr) setup = AIDocumentSetup{};
  run.pageWidth = setup.width;
  run.pageHeight = setup.height;
  run.documentCenter = {run.pageWidth * 0.5f, run.pageHeight * 0.5f};

  err = sAISwatchList->countSwatches(nullptr, &run.swatchCount);
  if (err != kNoErr) return err;
  run.widthStep = params.widthAmount * 0.1f;
  run.styleFraction = params.interpolateStyle * 0.01f;

  if (static_cast<RotationCenterMode>(params.rotationCenterMode) == RotationCenterMode::SuppliedPath) {
    return suppliedPathCenter(run.rotationPathIndex, run.documentCenter, &run.suppliedPathCenter);
  }
  return kNoErr;
}
