// The radial offset of the point modes, advanced for every contour index
// (made or skipped) so that skipped contours leave a gap in the progression.
#include "plugin/engine/PointModes.h"
#include "plugin/engine/RandomDraws.h"
#include "plugin/params/ModeIds.h"

namespace {

// The variation of the offset that the next contour adds, by the Points
// variation list; v is the variance step.
AIReal nextVariation(int32_t mode, AIReal variation, AIReal v, int32_t k, int32_t contourCount) {
  RandomDraws draws;  // the offset update has no error to report
  const bool odd = k % 2 != 0;
  const AIReal kv = static_cast<AIReal>(k) * v;
  using enum PointsVariationMode;
  switch (static_cast<PointsVariationMode>(mode)) {
    case None: return v;
    case Uniform: return variation + v;
    case Accelerating: return variation + kv;
    case Alternate1: return odd ? 0.0f : v;
    case Alternate2: return odd ? 0.0f : kv;
    case Alternate3: return odd ? v : kv;
    case Alternate4: return odd ? v : nextDraw(draws) * v;
    case Random1: return nextDraw(draws) * v;
    case Random2: return variation + nextDraw(draws) * v;
    case Reverse: return k == 0 ? static_cast<AIReal>(contourCount) : variation - kv;
    case FiveBurst: return variation + static_cast<AIReal>(k % 5) * v;
    default: return variation;
  }
}

}  // namespace

void advancePointOffset(const ContourParams& params, const RunValues& run, ObjectState& object, int32_t k) {
  object.pointOffset += run.pointStep + object.pointVariation;
  object.pointVariation =
      nextVariation(params.pointsVariationMode, object.pointVariation, run.pointVarianceStep, k, params.contourCount);
}
