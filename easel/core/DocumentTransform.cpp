// Transforming art: its points or matrix, and its stroke widths; a path
// scaled and shifted, the usual contour step, moves in place in one pass.
#include <cmath>
#include <cstddef>
#include <iterator>
#include <memory>
#include <span>
#include <vector>

#include "DocumentChanges.h"
#include "DocumentState.h"
#include "Geometry.h"

namespace easel {

namespace {

void scaleStrokeWidth(ArtTree& t, UndoLog& log, uint32_t slot, AIReal scale) {
  AIPathStyle scaled = t.node(slot).content.style;
  scaled.stroke.width = scaled.stroke.width * scale;
  Shared<AIPathStyle>& held = t.node(slot).content.style;
  if (sameStyle(held, scaled)) return;
  if (log.wants(slot, ChangeKind::Style)) log.saveStyle(slot);
  held = scaled;
}

// The range of a path's coordinates: its kept bounds when they are tight
// (the direction points then lie within the anchors' range), else one pass.
bool pathRange(const ArtNode& n, AIRealRect* range) {
  if (n.boundsKnown && n.boundsTight && !n.boundsEmpty) {
    *range = n.boundsRect;
    return true;
  }
  return coordinateRange(WholeSegments(n.content.segments), range);
}

// Whether an axis move of the path keeps every point finite (its range decides).
bool axisMoveSafe(const ArtNode& n, const AIRealMatrix& matrix) {
  AIRealRect range{};
  return isAxisMove(matrix) && pathRange(n, &range) && axisMoveFinite(matrix, range);
}

// The usual contour step, a path scaled and shifted: when the path's range
// shows that every moved point stays finite, it moves in place in one pass.
// A contour neither scaled nor shifted (points moved alone) comes as the
// identity, which leaves a path without negative zeros as it is: its stamp
// and kept bounds then stay, so the next bounds read costs nothing.
// False when the general way must be taken (nothing is changed then).
bool axisMovePath(ArtTree& t, UndoLog& log, uint32_t slot, const AIRealMatrix& matrix, bool lines, AIReal widthScale) {
  const ArtNode& n = t.node(slot);
  if (!hasSegments(n.content.type)) return false;
  const bool still = isIdentity(matrix) && !hasNegativeZero(WholeSegments(n.content.segments));
  if (!still && !axisMoveSafe(n, matrix)) return false;
  if (lines && !isFinite(n.content.style->stroke.width * widthScale))
    fail(kBadParameterErr, "the scaled stroke width is not finite");
  if (!still) {
    if (log.wants(slot, ChangeKind::Geometry)) log.saveGeometry(slot);
    AIRealRect movedBounds = n.boundsRect;
    const bool keep = n.boundsKnown && n.boundsTight && mapTightBounds(matrix, movedBounds);
    SegmentList& segments = t.geometry(slot).segments;
    // A polygon's anchors move alone, each as transformPoint moves it: the
    // kernels' result for every point, direction points included.
    if (segments.anchorsOnly())
      for (AIRealPoint& p : segments.anchors()) p = transformPoint(matrix, p);
    else
      axisMoveSegments(matrix, segments.whole());
    if (keep) t.keepBounds(slot, movedBounds);
  }
  if (lines) scaleStrokeWidth(t, log, slot, widthScale);
  return true;
}

}  // namespace

void Document::transform(ArtRef art, const AIRealMatrix& matrix, AIReal lineScale, int32_t flags) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t top = t.slotOf(art);
  if (!isFinite(matrix) || !isFinite(lineScale)) fail(kBadParameterErr, "matrix or line scale not finite");
  const bool objects = (flags & kTransformObjects) != 0;
  const bool lines = (flags & kScaleLines) != 0;
  const AIReal widthScale = std::fabs(lineScale);
  if (objects && axisMovePath(t, state_->log, top, matrix, lines, widthScale)) return;
  // Compute and check every result first, so that a refused transform
  // changes nothing; the moved segments wait in the scratch buffer.
  std::vector<AIPathSegment>& moved = state_->scratchSegments;
  moved.clear();
  for (uint32_t s = top; s != kNoSlot; s = t.nextInSubtree(s, top)) {
    const ArtContent& a = t.node(s).content;
    if (objects && hasSegments(a.type)) {
      const std::size_t at = moved.size();
      moved.resize(at + a.segments.size());
      if (!transformSegments(matrix, WholeSegments(a.segments), moved.data() + at))
        fail(kBadParameterErr, "a transformed point is not finite");
    }
    if (objects && hasMatrix(a.type) && !isFinite(concat(a.placement->matrix, matrix)))
      fail(kBadParameterErr, "the transformed matrix is not finite");
    if (lines && hasStyle(a.type) && !isFinite(a.style->stroke.width * widthScale))
      fail(kBadParameterErr, "the scaled stroke width is not finite");
  }
  UndoLog& log = state_->log;
  auto next = moved.cbegin();
  for (uint32_t s = top; s != kNoSlot; s = t.nextInSubtree(s, top)) {
    ArtContent& a = t.node(s).content;
    if (objects && (hasSegments(a.type) || hasMatrix(a.type))) {
      if (log.wants(s, ChangeKind::Geometry)) log.saveGeometry(s);
      const ArtNode& n = t.node(s);
      // Tight bounds move with the path (see mapTightBounds); others are
      // computed again when next read.
      AIRealRect movedBounds = n.boundsRect;
      const bool keep = n.boundsKnown && n.boundsTight && (n.boundsEmpty || mapTightBounds(matrix, movedBounds));
      ArtContent& b = t.geometry(s);
      if (hasSegments(b.type)) {
        const std::size_t count = b.segments.size();
        b.segments.assign(std::span<const AIPathSegment>(std::to_address(next), count));
        next += static_cast<std::ptrdiff_t>(count);
        if (keep) t.keepBounds(s, movedBounds);
      } else
        b.placement = Placement{concat(b.placement->matrix, matrix), b.placement->localBounds};
    }
    if (lines && hasStyle(a.type)) scaleStrokeWidth(t, log, s, widthScale);
  }
}

}  // namespace easel
