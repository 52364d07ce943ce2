// The point about which each Pattern list entry mirrors the art.
#include "plugin/engine/PatternCopies.h"
#include "plugin/engine/RandomDraws.h"
#include "plugin/params/ModeIds.h"

AIRealPoint patternPoint(int32_t patternMode, const AIRealRect& artBounds, const RunValues& run,
                         const ObjectState& object) {
  const AIRealPoint center = boundsCenter(artBounds);
  const AIReal halfWidth = run.pageWidth / 2.0f;
  const AIReal halfHeight = run.pageHeight / 2.0f;
  RandomDraws draws;  // a point has no error to report
  using enum PatternMode;
  switch (static_cast<PatternMode>(patternMode)) {
    case Center1: return run.documentCenter;
    case Center3: return center;
    case Center4: return {0.0f, center.v};
    case Center5: return {center.h, 0.0f};
    case Center6: return {artBounds.right, artBounds.top};
    case Center7: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      return {r2 * run.pageWidth, r1 * run.pageHeight};
    }
    case Center8: return object.sourceCenter;
    case Center9: return {halfWidth + 100.0f, halfHeight + 100.0f};
    case Center10: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      return {halfWidth + 100.0f * r2, halfHeight + 100.0f * r1};
    }
    default: return {0.0f, 0.0f};  // Center2: the origin
  }
}
