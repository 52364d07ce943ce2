#include "plugin/engine/FlipRotation.h"

#include "plugin/engine/ArtTransforms.h"
#include "plugin/engine/ChildArt.h"
#include "plugin/engine/ContourIndex.h"
#include "plugin/params/ModeIds.h"

namespace {

bool flipsContour(const ContourParams& params, int32_t k) { return params.pathAlternateFlip != 0 && isEven(k); }

// The centre of the rotation for art whose bounds centre is `artCenter`; false
// for a list value that names no centre. `withShift` adds the shift offsets in
// the shift-as-centre mode (single art only: compound members turn about their
// own centres there).
bool rotationCenter(const ContourParams& params, const RunValues& run, const ObjectState& o, AIRealPoint artCenter,
                    bool withShift, AIRealPoint* center) {
  using enum RotationCenterMode;
  switch (static_cast<RotationCenterMode>(params.rotationCenterMode)) {
    case PathCenter: *center = artCenter; return true;
    case SuppliedPath: *center = run.suppliedPathCenter; return true;
    case UserCenter: *center = {params.centerX, params.centerY}; return true;
    case ShiftAsCenter:
      *center = artCenter;
      if (withShift) *center = {artCenter.h + o.shiftOffsetH, artCenter.v + o.shiftOffsetV};
      return true;
    case DocumentCenter: *center = run.documentCenter; return true;
    default: return false;
  }
}

ASErr turnAbout(AIArtHandle art, AIRealPoint center, AIReal radians) {
  AIRealMatrix matrix{};
  ASErr err = rotationMatrix(center, radians, &matrix);
  if (err != kNoErr) return err;
  return transformContour(art, matrix);
}

ASErr flipAndRotate(AIArtHandle art, bool withShift, const ContourParams& params, const RunValues& run,
                    const ObjectState& o, int32_t k) {
  AIRealPoint center{};
  ASErr err = kNoErr;
  if (flipsContour(params, k)) {
    err = artCenter(art, &center);
    if (err == kNoErr) err = turnAbout(art, center, run.flipAngle);
    if (err != kNoErr) return err;
  }
  err = artCenter(art, &center);
  if (err != kNoErr) return err;
  AIRealPoint pivot{};
  if (!rotationCenter(params, run, o, center, withShift, &pivot)) return kNoErr;
  return turnAbout(art, pivot, o.rotationAngle);
}

}  // namespace

bool contourTurns(const ContourParams& params, const ObjectState& object, int32_t k) {
  return object.rotationAngle != 0.0f || flipsContour(params, k);
}

ASErr flipAndRotateContour(AIArtHandle copy, int16_t sourceType, const ContourParams& params, const RunValues& run,
                           const ObjectState& object, int32_t k) {
  if (sourceType != kCompoundPathArt) return flipAndRotate(copy, true, params, run, object, k);
  return forEachChild(copy, [&](AIArtHandle child) { return flipAndRotate(child, false, params, run, object, k); });
}
