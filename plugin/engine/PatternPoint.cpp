// The point about which each Pattern list entry mirrors the art.
#include "plugin/engine/PatternCopies.h"
#include "plugin/engine/RandomDraws.h"

AIRealPoint patternPoint(int32_t patternMode, const AIRealRect& artBounds, const RunValues& run,
                         const ObjectState& object) {
  const AIRealPoint center = boundsCenter(artBounds);
  const AIReal halfWidth = run.pageWidth / 2.0f;
  const AIReal halfHeight = run.pageHeight / 2.0f;
  RandomDraws draws;  // a point has no error to report
  switch (patternMode) {
    case 1: return run.documentCenter;
    case 3: return center;
    case 4: return {0.0f, center.v};
    case 5: return {center.h, 0.0f};
    case 6: return {artBounds.right, artBounds.top};
    case 7: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      return {r2 * run.pageWidth, r1 * run.pageHeight};
    }
    case 8: return object.sourceCenter;
    case 9: return {halfWidth + 100.0f, halfHeight + 100.0f};
    case 10: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      return {halfWidth + 100.0f * r2, halfHeight + 100.0f * r1};
    }
    default: return {0.0f, 0.0f};  // mode 2: the origin
  }
}
