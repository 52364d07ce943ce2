// The radial offset of the point modes, advanced for every contour index
// (made or skipped) so that skipped contours leave a gap in the progression.
#include "plugin/engine/PointModes.h"
#include "plugin/engine/RandomDraws.h"

namespace {

// The variation of the offset that the next contour adds, by the Points
// variation list; v is the variance step.
AIReal nextVariation(int32_t mode, AIReal variation, AIReal v, int32_t k, int32_t contourCount) {
  RandomDraws draws;  // the offset update has no error to report
  const bool odd = k % 2 != 0;
  const AIReal kv = static_cast<AIReal>(k) * v;
  switch (mode) {
    case 0: return v;
    case 1: return variation + v;
    case 2: return variation + kv;
    case 3: return odd ? 0.0f : v;
    case 4: return odd ? 0.0f : kv;
    case 5: return odd ? v : kv;
    case 6: return odd ? v : nextDraw(draws) * v;
    case 7: return nextDraw(draws) * v;
    case 8: return variation + nextDraw(draws) * v;
    case 9: return k == 0 ? static_cast<AIReal>(contourCount) : variation - kv;
    case 10: return variation + static_cast<AIReal>(k % 5) * v;
    default: return variation;
  }
}

}  // namespace

void advancePointOffset(const ContourParams& params, const RunValues& run, ObjectState& object, int32_t k) {
  object.pointOffset += run.pointStep + object.pointVariation;
  object.pointVariation =
      nextVariation(params.pointsVariationMode, object.pointVariation, run.pointVarianceStep, k, params.contourCount);
}
