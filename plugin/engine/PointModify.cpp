// Moves the anchors and direction points of one path, segment by segment,
// through the host's path operations.
#include <cmath>

#include "plugin/engine/AnchorPlacement.h"
#include "plugin/engine/PointModes.h"
#include "plugin/engine/RandomDraws.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/ModeIds.h"

namespace {

// The centre the anchors are measured from: the rotation centre when the
// points follow it, else the path's own centre G.
AIRealPoint pointCenter(const ContourParams& params, const RunValues& run, const ObjectState& object,
                        const AIRealPoint& g) {
  if (!params.pointsRotateCenter) return g;
  using enum RotationCenterMode;
  switch (static_cast<RotationCenterMode>(params.rotationCenterMode)) {
    case SuppliedPath: return run.suppliedPathCenter;
    case UserCenter: return {params.centerX, params.centerY};
    case ShiftAsCenter: return {g.h + object.shiftOffsetH, g.v + object.shiftOffsetV};
    case DocumentCenter: return run.documentCenter;
    default: return g;
  }
}

AIRealPoint interpolate(const AIRealPoint& q, const AIRealPoint& p, AIReal t) {
  AIRealPoint result = p;
  sAIRealMath->interpolatePoints(&q, &p, t, &result);
  return result;
}

// point -= anchor, by the host's addition of the negated value.
void makeRelative(AIRealPoint& point, const AIRealPoint& anchor) {
  sAIRealMath->add(point.h, -anchor.h, &point.h);
  sAIRealMath->add(point.v, -anchor.v, &point.v);
}

void makeAbsolute(AIRealPoint& point, const AIRealPoint& anchor) {
  point.h = point.h + anchor.h;
  point.v = point.v + anchor.v;
}

bool isFinite(const AIRealPoint& p) { return std::isfinite(p.h) && std::isfinite(p.v); }

// Whether the host can take the segment: it refuses points that are not finite.
bool isFinite(const AIPathSegment& s) { return isFinite(s.p) && isFinite(s.in) && isFinite(s.out); }

struct PathWalk {
  const ContourParams& params;
  const RunValues& run;
  const ObjectState& object;
  int32_t contourIndex;
  AIRealPoint q;  // the point centre
  AIRealPoint g;  // the path's centre
  int32_t segmentCount;
};

void moveSegment(AIPathSegment& s, const PathWalk& walk, int32_t i, RandomDraws& draws) {
  const ContourParams& params = walk.params;
  s.p = interpolate(walk.q, s.p, walk.run.anchorInterpolation);
  s.in = interpolate(walk.q, s.in, walk.run.directionInterpolation);
  s.out = interpolate(walk.q, s.out, walk.run.directionInterpolation);

  AnchorPlace at{walk.g,
                 0.0f,
                 0.0f,
                 walk.object.pointOffset,
                 walk.contourIndex,
                 i,
                 walk.segmentCount,
                 walk.object.objectIndex,
                 walk.run.pageWidth,
                 walk.run.pageHeight};
  sAIRealMath->pointDistance(&walk.q, &s.p, &at.length);
  sAIRealMath->pointAngle(&walk.q, &s.p, &at.angle);

  const AIPathSegment kept = s;
  makeRelative(s.in, s.p);
  makeRelative(s.out, s.p);
  s.p = placeAnchor(params.pointsContourMode, s.p, at, draws);
  if (params.pointsKeepDirection) {
    s.in = kept.in;
    s.out = kept.out;
  } else {
    makeAbsolute(s.in, s.p);
    makeAbsolute(s.out, s.p);
  }
  if (params.pointsKeepAnchor) s.p = kept.p;
}

}  // namespace

ASErr modifyPathPoints(AIArtHandle path, const ContourParams& params, const RunValues& run, const ObjectState& object,
                       int32_t k) {
  AIRealRect bounds;
  ASErr err = sAIArt->getArtBounds(path, &bounds);
  if (err != kNoErr) return err;
  const AIRealPoint g = boundsCenter(bounds);
  int16_t count = 0;
  err = sAIPath->getPathSegmentCount(path, &count);
  if (err != kNoErr) return err;

  RandomDraws draws;
  const PathWalk walk{params, run, object, k, pointCenter(params, run, object, g), g, count};
  for (int16_t i = 0; i < count; ++i) {
    if (params.pointsApply && nextDraw(draws) > 0.5f) continue;
    // Read straight into the segment that is moved: a copy of it would read
    // the host's overlapping stores back whole, which waits for them.
    AIPathSegment moved;
    err = sAIPath->getPathSegments(path, i, 1, &moved);
    if (err != kNoErr) return err;
    moveSegment(moved, walk, i, draws);
    if (draws.error != kNoErr) return draws.error;
    // A degenerate input (a page of size 0, offsets beyond the reals) gives no
    // point the host could store: that segment keeps its shape.
    if (!isFinite(moved)) continue;
    err = sAIPath->setPathSegments(path, i, 1, &moved);
    if (err != kNoErr) return err;
  }
  return kNoErr;
}
