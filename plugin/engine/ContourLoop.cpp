#include "plugin/engine/ContourLoop.h"

#include <cstdint>
#include <limits>

#include "plugin/engine/MakeContour.h"
#include "plugin/engine/PointModes.h"
#include "plugin/engine/RandomDraws.h"
#include "plugin/engine/ScaleModes.h"
#include "plugin/engine/ShiftModes.h"
#include "plugin/globals/SuiteSlots.h"

namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

// The steps of a colour progression: 0 stands for one per contour.
int32_t progressionSteps(int32_t steps, int32_t contourCount) {
  if (steps != 0) return steps;
  return contourCount < kInt32Max ? contourCount + 1 : kInt32Max;
}

ASErr startObject(AIArtHandle source, int32_t objectIndex, const ContourParams& params, ObjectState& o) {
  AIRealRect bounds{};
  ASErr err = sAIArt->getArtBounds(source, &bounds);
  if (err != kNoErr) return err;
  o = ObjectState{};
  o.scaleFactorH = 1.0f;
  o.scaleFactorV = 1.0f;
  AIReal radians = 0.0f;
  err = sAIRealMath->degreesToRadians(params.rotation, &radians);
  if (err != kNoErr) return err;
  o.rotationStep = radians / 10.0f;  // the record holds tenths of a degree
  o.skipLeft = 0;
  o.createLeft = params.createCount;
  o.firstContour = 1;
  o.sourceCenter = boundsCenter(bounds);
  o.fillStepCount = progressionSteps(params.fillSteps, params.contourCount);
  o.strokeStepCount = progressionSteps(params.strokeSteps, params.contourCount);
  o.objectIndex = objectIndex;
  return kNoErr;
}

// Contour k is made unless it falls into a gap of skipCount contours after
// every createCount made ones, or "Path - create [R]" decides against it. An
// unmade contour still counts as made for the pattern.
ASErr skipOrCreate(AIArtHandle source, int16_t sourceType, const ContourParams& params, const RunValues& run,
                   ObjectState& o, int32_t k, RandomDraws& draws) {
  if (o.skipLeft > 0) {
    o.skipLeft -= 1;
    o.createLeft = params.createCount;
    return kNoErr;
  }
  bool make = true;
  if (params.pathCreate != 0) {
    make = !(nextDraw(draws) > 0.5f);
    if (draws.error != kNoErr) return draws.error;
  }
  if (make) {
    ASErr err = makeContour(source, sourceType, params, run, o, k);
    if (err != kNoErr) return err;
  }
  // A count that went below 0 never reaches 0 again; stopping it at the
  // bottom keeps it from wrapping round on absurdly long runs.
  if (o.createLeft > kInt32Min) o.createLeft -= 1;
  if (o.createLeft == 0) o.skipLeft = params.skipCount;
  return kNoErr;
}

}  // namespace

ASErr runObjectContours(AIArtHandle source, int32_t objectIndex, const ContourParams& params, RunValues& run) {
  int16_t sourceType = kUnknownArt;
  ASErr err = sAIArt->getArtType(source, &sourceType);
  if (err != kNoErr) return err;
  ObjectState o{};
  err = startObject(source, objectIndex, params, o);
  if (err != kNoErr) return err;

  RandomDraws draws;
  // Wide enough for the last index of the largest count; a negative count makes nothing.
  for (int64_t index = 0; index <= params.contourCount; ++index) {
    const auto k = static_cast<int32_t>(index);
    // The progressions advance for skipped contours too, so gaps stay gaps.
    o.rotationAngle = o.rotationAngle + o.rotationStep;
    updateShift(params, o, k, draws);
    updateScale(params, run, o, k, draws);
    if (run.pointsActive != 0) advancePointOffset(params, run, o, k);
    if (draws.error != kNoErr) return draws.error;

    err = skipOrCreate(source, sourceType, params, run, o, k, draws);
    if (err != kNoErr) return err;
    o.firstContour = 0;
  }
  return kNoErr;
}
