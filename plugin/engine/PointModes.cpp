// The Points contour list: most entries pull the anchor toward the centre by
// a radial reduction D that depends on the contour or segment; the others
// place both coordinates themselves.
#include "plugin/engine/AnchorPlacement.h"
#include "plugin/engine/RandomDraws.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/ModeIds.h"

namespace {

constexpr AIReal kThird = 0.33333334f;

AIReal hostSine(AIReal radians) {
  AIReal result = 0.0f;
  sAIRealMath->sine(radians, &result);
  return result;
}

AIReal hostCosine(AIReal radians) {
  AIReal result = 0.0f;
  sAIRealMath->cosine(radians, &result);
  return result;
}

// At distance (len - D) from G in the anchor's direction.
AIRealPoint radial(const AnchorPlace& at, AIReal reduction) {
  const AIReal radius = at.length - reduction;
  return {at.center.h + hostCosine(at.angle) * radius, at.center.v + hostSine(at.angle) * radius};
}

// RandomRadial and RandomOid: the direction turned by up to a third of a radian, a fresh
// draw for each coordinate (x first); `turn` is +1 or -1.
AIRealPoint turnedRadial(const AnchorPlace& at, AIReal turn, RandomDraws& draws) {
  const AIReal r1 = nextDraw(draws);
  const AIReal r2 = nextDraw(draws);
  const AIReal radius = at.length - at.offset;
  return {at.center.h + hostCosine(at.angle + turn * (r1 * kThird)) * radius,
          at.center.v + hostSine(at.angle + turn * (r2 * kThird)) * radius};
}

}  // namespace

AIRealPoint placeAnchor(int32_t mode, const AIRealPoint& anchor, const AnchorPlace& at, RandomDraws& draws) {
  const AIReal o = at.offset;
  const AIReal cx = at.center.h;
  const AIReal cy = at.center.v;
  const int32_t k = at.contourIndex;
  const int32_t i = at.segmentIndex;
  const bool oddContour = k % 2 != 0;
  const bool oddSegment = i % 2 != 0;
  using enum PointsContourMode;
  switch (static_cast<PointsContourMode>(mode)) {
    case AsSettings: return radial(at, o);
    case Alternate: return radial(at, oddContour ? 0.5f * o : o);
    case AngleChange: {
      const AIReal radius = at.length - o;
      return {cx + hostCosine(at.angle) * radius, cy + hostSine(-at.angle) * radius};
    }
    case FlipAround: {
      const AIReal radius = at.length - o;
      return {cx - hostCosine(at.angle) * radius, cy - hostSine(at.angle) * radius};
    }
    case ToRandom: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      return {cx + hostCosine(at.angle) * (at.length - r1 * o), cy + hostSine(at.angle) * (at.length - r2 * o)};
    }
    case RandomRadial: return turnedRadial(at, 1.0f, draws);
    case FiveByFive: return radial(at, static_cast<AIReal>(k % 5) * o);
    case RandomOid: return turnedRadial(at, oddContour ? -1.0f : 1.0f, draws);
    case AlternateSecond: return radial(at, oddSegment ? 0.0f : o);
    case PointsPlus: return radial(at, static_cast<AIReal>(i) * o);
    case ThirdPoint: return radial(at, i % 3 == 0 ? o : 0.0f);
    case DoubleHalfPoint: return radial(at, oddSegment ? 0.5f * o : 2.0f * o);
    case RoyalFour: return radial(at, i % 4 == 3 ? o : 0.0f);
    case AlternatePointsShift: return radial(at, (static_cast<int64_t>(at.objectIndex) + i) % 2 != 0 ? 0.0f : o);
    case ThirdWay: return radial(at, i % 3 == 2 ? o : 0.3f * o);
    case DocumentScaled: {
      const AIReal radius = at.length - o;
      return {cx + hostCosine(at.angle) * (cx / at.pageWidth) * radius,
              cy + hostSine(at.angle) * (cy / at.pageHeight) * radius};
    }
    case PointsModified: {
      const AIReal radius = at.length - o;
      const AIReal share = static_cast<AIReal>(i) / static_cast<AIReal>(at.segmentCount);
      return {cx + hostCosine(at.angle) * share * radius,
              cy + hostSine(at.angle) * share * (cy / at.pageHeight) * radius};
    }
    default: return anchor;
  }
}
