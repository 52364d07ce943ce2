#include "plugin/engine/ScaleShift.h"

#include "plugin/engine/ArtTransforms.h"
#include "plugin/engine/ChildArt.h"
#include "plugin/engine/PointModes.h"

namespace {

ASErr scaleShiftAbout(AIArtHandle art, AIRealPoint center, bool scale, const ObjectState& o) {
  AIRealMatrix matrix{};
  ASErr err = scaleShiftMatrix(center, scale, o.scaleFactorH, o.scaleFactorV, o.shiftOffsetH, o.shiftOffsetV, &matrix);
  if (err != kNoErr) return err;
  return transformContour(art, matrix);
}

// A path (or other single art): the points are modified first, so the centre
// is read again afterwards.
ASErr placeSingle(AIArtHandle copy, const ContourParams& params, const RunValues& run, const ObjectState& o,
                  int32_t k) {
  AIRealPoint center{};
  ASErr err = artCenter(copy, &center);
  if (err != kNoErr) return err;
  if (run.pointsActive == 0) return scaleShiftAbout(copy, center, true, o);

  err = modifyPathPoints(copy, params, run, o, k);
  if (err != kNoErr) return err;
  err = artCenter(copy, &center);
  if (err != kNoErr) return err;
  return scaleShiftAbout(copy, center, params.pointsAddScale != 0, o);
}

// With points, each member is placed about its own centre and then has its
// points modified; without, all members share one matrix about the centre of
// the whole compound path, so they keep their places relative to each other.
ASErr placeCompound(AIArtHandle copy, const ContourParams& params, const RunValues& run, const ObjectState& o,
                    int32_t k) {
  if (run.pointsActive != 0) {
    const bool scale = params.pointsAddScale != 0;
    return forEachChild(copy, [&](AIArtHandle child) {
      AIRealPoint center{};
      ASErr err = artCenter(child, &center);
      if (err == kNoErr) err = scaleShiftAbout(child, center, scale, o);
      if (err == kNoErr) err = modifyPathPoints(child, params, run, o, k);
      return err;
    });
  }
  AIRealPoint center{};
  ASErr err = artCenter(copy, &center);
  if (err != kNoErr) return err;
  AIRealMatrix matrix{};
  err = scaleShiftMatrix(center, true, o.scaleFactorH, o.scaleFactorV, o.shiftOffsetH, o.shiftOffsetV, &matrix);
  if (err != kNoErr) return err;
  return forEachChild(copy, [&](AIArtHandle child) { return transformContour(child, matrix); });
}

}  // namespace

ASErr scaleAndShiftContour(AIArtHandle copy, int16_t sourceType, const ContourParams& params, const RunValues& run,
                           const ObjectState& object, int32_t k) {
  if (sourceType == kCompoundPathArt) return placeCompound(copy, params, run, object, k);
  return placeSingle(copy, params, run, object, k);
}
