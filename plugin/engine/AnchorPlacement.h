// Where each entry of the Points contour list puts a path's anchor.
#ifndef CONTOUR_ENGINE_ANCHORPLACEMENT_H
#define CONTOUR_ENGINE_ANCHORPLACEMENT_H

#include <cstdint>

#include "plugin/engine/RandomDraws.h"

// One anchor's measurements and where it stands in the run.
struct AnchorPlace {
  AIRealPoint center;    // G: the path's own bounds centre, around which the anchor is placed
  AIReal length;         // distance of the anchor from the point centre Q
  AIReal angle;          // direction of the anchor seen from Q, radians
  AIReal offset;         // O: the radial offset of this contour
  int32_t contourIndex;  // k
  int32_t segmentIndex;  // i
  int32_t segmentCount;  // n
  int32_t objectIndex;   // m
  AIReal pageWidth, pageHeight;
};

// The new anchor by `mode` (a PointsContourMode); unknown modes keep
// `anchor`. Draws the random numbers of ToRandom, RandomRadial and RandomOid
// (x before y). The result may be non-finite for degenerate inputs (a page of
// size 0); the caller checks.
AIRealPoint placeAnchor(int32_t mode, const AIRealPoint& anchor, const AnchorPlace& at, RandomDraws& draws);

#endif
