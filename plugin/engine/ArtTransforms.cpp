#include "plugin/engine/ArtTransforms.h"

#include "plugin/engine/EngineState.h"
#include "plugin/globals/SuiteSlots.h"

namespace {
constexpr int32_t kContourTransformFlags =
    kTransformObjects | kTransformFillGradients | kTransformFillPatterns | kTransformStrokePatterns;
}  // namespace

ASErr artCenter(AIArtHandle art, AIRealPoint* center) {
  AIRealRect bounds{};
  ASErr err = sAIArt->getArtBounds(art, &bounds);
  if (err != kNoErr) return err;
  *center = boundsCenter(bounds);
  return kNoErr;
}

ASErr scaleShiftMatrix(AIRealPoint center, bool scale, AIReal sx, AIReal sy, AIReal dx, AIReal dy,
                       AIRealMatrix* matrix) {
  ASErr err = sAIRealMath->setMatrixTranslation(matrix, -center.h, -center.v);
  if (err == kNoErr && scale) err = sAIRealMath->appendMatrixScale(matrix, sx, sy);
  if (err == kNoErr) err = sAIRealMath->appendMatrixTranslation(matrix, center.h + dx, center.v + dy);
  return err;
}

ASErr rotationMatrix(AIRealPoint center, AIReal radians, AIRealMatrix* matrix) {
  ASErr err = sAIRealMath->setMatrixTranslation(matrix, -center.h, -center.v);
  if (err == kNoErr) err = sAIRealMath->appendMatrixRotation(matrix, radians);
  if (err == kNoErr) err = sAIRealMath->appendMatrixTranslation(matrix, center.h, center.v);
  return err;
}

ASErr transformContour(AIArtHandle art, const AIRealMatrix& matrix) {
  return sAITransformArt->transformArt(art, &matrix, 1.0f, kContourTransformFlags);
}
