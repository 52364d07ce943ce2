// The Points contour list: most entries pull the anchor toward the centre by
// a radial reduction D that depends on the contour or segment; the others
// place both coordinates themselves.
#include "plugin/engine/AnchorPlacement.h"
#include "plugin/engine/RandomDraws.h"
#include "plugin/globals/SuiteSlots.h"

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

// Modes 5 and 7: the direction turned by up to a third of a radian, a fresh
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
  switch (mode) {
    case 0: return radial(at, o);
    case 1: return radial(at, oddContour ? 0.5f * o : o);
    case 2: {
      const AIReal radius = at.length - o;
      return {cx + hostCosine(at.angle) * radius, cy + hostSine(-at.angle) * radius};
    }
    case 3: {
      const AIReal radius = at.length - o;
      return {cx - hostCosine(at.angle) * radius, cy - hostSine(at.angle) * radius};
    }
    case 4: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      return {cx + hostCosine(at.angle) * (at.length - r1 * o), cy + hostSine(at.angle) * (at.length - r2 * o)};
    }
    case 5: return turnedRadial(at, 1.0f, draws);
    case 6: return radial(at, static_cast<AIReal>(k % 5) * o);
    case 7: return turnedRadial(at, oddContour ? -1.0f : 1.0f, draws);
    case 8: return radial(at, oddSegment ? 0.0f : o);
    case 9: return radial(at, static_cast<AIReal>(i) * o);
    case 10: return radial(at, i % 3 == 0 ? o : 0.0f);
    case 11: return radial(at, oddSegment ? 0.5f * o : 2.0f * o);
    case 12: return radial(at, i % 4 == 3 ? o : 0.0f);
    case 13: return radial(at, (static_cast<int64_t>(at.objectIndex) + i) % 2 != 0 ? 0.0f : o);
    case 14: return radial(at, i % 3 == 2 ? o : 0.3f * o);
    case 15: {
      const AIReal radius = at.length - o;
      return {cx + hostCosine(at.angle) * (cx / at.pageWidth) * radius,
              cy + hostSine(at.angle) * (cy / at.pageHeight) * radius};
    }
    case 16: {
      const AIReal radius = at.length - o;
      const AIReal share = static_cast<AIReal>(i) / static_cast<AIReal>(at.segmentCount);
      return {cx + hostCosine(at.angle) * share * radius,
              cy + hostSine(at.angle) * share * (cy / at.pageHeight) * radius};
    }
    default: return anchor;
  }
}
