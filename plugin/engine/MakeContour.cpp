#include "plugin/engine/MakeContour.h"

#include <cmath>

#include "plugin/engine/FlipRotation.h"
#include "plugin/engine/PatternCopies.h"
#include "plugin/engine/ScaleShift.h"
#include "plugin/engine/StyleVariation.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/ModeIds.h"

namespace {

// Records with NaN or infinite reals drive the factors, offsets or angle to
// values no matrix can hold. Such a contour is not even duplicated: the run
// ends as if the host had refused the matrix, and no half-made copy is left.
bool amountsFinite(const ContourParams& params, const ObjectState& o) {
  const bool userCenterUsed =
      static_cast<RotationCenterMode>(params.rotationCenterMode) == RotationCenterMode::UserCenter;
  return std::isfinite(o.scaleFactorH) && std::isfinite(o.scaleFactorV) && std::isfinite(o.shiftOffsetH) &&
         std::isfinite(o.shiftOffsetV) && std::isfinite(o.rotationAngle) &&
         (!userCenterUsed || (std::isfinite(params.centerX) && std::isfinite(params.centerY)));
}

// A compound path is painted member by member, each copy member from the
// source member in the same place.
void paint(AIArtHandle source, AIArtHandle copy, int16_t sourceType, const ContourParams& params, const RunValues& run,
           const ObjectState& o, int32_t k) {
  if (sourceType != kCompoundPathArt) {
    paintContour(params, run, o, source, copy, k);
    return;
  }
  AIArtHandle copyChild = nullptr;
  AIArtHandle sourceChild = nullptr;
  if (sAIArt->getArtFirstChild(copy, &copyChild) != kNoErr) return;
  if (sAIArt->getArtFirstChild(source, &sourceChild) != kNoErr) return;
  while (copyChild != nullptr && sourceChild != nullptr) {
    paintContour(params, run, o, sourceChild, copyChild, k);
    if (sAIArt->getArtSibling(copyChild, &copyChild) != kNoErr) return;
    if (sAIArt->getArtSibling(sourceChild, &sourceChild) != kNoErr) return;
  }
}

// The two bounds reads happen whatever the pattern mode: the source's on the
// object's first contour only. Mirror copies of the source are extras whose
// failure does not matter; those of the copy are part of the contour.
ASErr patternStep(AIArtHandle source, AIArtHandle copy, const ContourParams& params, const RunValues& run,
                  const ObjectState& o) {
  const auto pattern = static_cast<PatternMode>(params.patternMode);
  const bool patterned = pattern >= PatternMode::Center1 && pattern <= PatternMode::Center10;
  AIRealRect bounds{};
  if (o.firstContour != 0) {
    ASErr err = sAIArt->getArtBounds(source, &bounds);
    if (err != kNoErr) return err;
    if (patterned) {
      const AIRealPoint point = patternPoint(params.patternMode, bounds, run, o);
      (void)patternMirrorCopies(source, run.placeBelowFlag, point.h, point.v);
    }
  }
  ASErr err = sAIArt->getArtBounds(copy, &bounds);
  if (err != kNoErr || !patterned) return err;
  const AIRealPoint point = patternPoint(params.patternMode, bounds, run, o);
  return patternMirrorCopies(copy, run.placeBelowFlag, point.h, point.v);
}

}  // namespace

ASErr makeContour(AIArtHandle source, int16_t sourceType, const ContourParams& params, const RunValues& run,
                  const ObjectState& object, int32_t k) {
  if (!amountsFinite(params, object)) return kBadParameterErr;

  // Always a copy of the source, so each contour carries its whole distance from it.
  AIArtHandle copy = nullptr;
  ASErr err = sAIArt->duplicateArt(source, run.paintOrder, source, &copy);
  if (err != kNoErr) return err;

  err = scaleAndShiftContour(copy, sourceType, params, run, object, k);
  if (err != kNoErr) return err;
  if (contourTurns(params, object, k)) {
    err = flipAndRotateContour(copy, sourceType, params, run, object, k);
    if (err != kNoErr) return err;
  }
  paint(source, copy, sourceType, params, run, object, k);
  return patternStep(source, copy, params, run, object);
}
