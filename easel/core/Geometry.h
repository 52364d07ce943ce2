// Points, matrices and the exact bounds of cubic Bezier paths. Results are
// computed in double precision and rounded once to single precision.
#ifndef EASEL_CORE_GEOMETRY_H
#define EASEL_CORE_GEOMETRY_H

#include <algorithm>
#include <cmath>
#include <span>

#include "plugin/host/AIPath.h"
#include "plugin/host/HostTypes.h"

namespace easel {

constexpr AIRealMatrix kIdentityMatrix{1, 0, 0, 1, 0, 0};

// The small helpers are inline: they run for every point of a transform.
inline bool isFinite(AIReal x) { return std::isfinite(x); }
inline bool isFinite(const AIRealPoint& p) { return std::isfinite(p.h) && std::isfinite(p.v); }
bool isFinite(const AIRealMatrix& m);
inline bool isFinite(const AIPathSegment& s) { return isFinite(s.p) && isFinite(s.in) && isFinite(s.out); }

// The matrix that applies `first`, then `then`.
AIRealMatrix concat(const AIRealMatrix& first, const AIRealMatrix& then) noexcept;
inline AIRealPoint transformPoint(const AIRealMatrix& m, const AIRealPoint& p) {
  const double x = p.h, y = p.v;
  return {static_cast<AIReal>(m.a * x + m.c * y + m.tx), static_cast<AIReal>(m.b * x + m.d * y + m.ty)};
}
inline AIPathSegment transformedSegment(const AIRealMatrix& m, const AIPathSegment& s) {
  AIPathSegment r = s;
  r.p = transformPoint(m, s.p);
  r.in = transformPoint(m, s.in);
  r.out = transformPoint(m, s.out);
  return r;
}
// Writes the segments moved by m to `to` (as many as `from`), each point
// exactly as transformPoint gives it; false when a result is not finite.
bool transformSegments(const AIRealMatrix& m, std::span<const AIPathSegment> from, AIPathSegment* to);

// A matrix that neither turns nor shears and moves both axes off zero
// (b = c = 0, tx != 0, ty != 0). Each coordinate of transformPoint is then
// x * a + tx alone: the other coordinate's term is a zero, and a zero can
// decide only the sign of a zero sum, which a non-zero move rules out.
inline bool isAxisMove(const AIRealMatrix& m) { return m.b == 0 && m.c == 0 && m.tx != 0 && m.ty != 0; }
// The matrix that moves nothing: x * 1 + 0 gives x back, except that a
// negative zero comes out positive.
inline bool isIdentity(const AIRealMatrix& m) {
  return m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1 && m.tx == 0 && m.ty == 0;
}
// Whether any coordinate of the segments is a negative zero (the one value
// the identity changes).
bool hasNegativeZero(std::span<const AIPathSegment> segments);
// The range of every coordinate (anchors and direction points) of the
// segments, as (left, top, right, bottom); false for no segments.
bool coordinateRange(std::span<const AIPathSegment> segments, AIRealRect* range);
// Whether an axis move keeps every point whose coordinates lie in `range`
// finite: each axis maps monotonically, so its two ends decide.
bool axisMoveFinite(const AIRealMatrix& m, const AIRealRect& range);
// Moves the segments in place by an axis move, each point exactly as
// transformPoint gives it; one pass, nothing checked (see axisMoveFinite).
void axisMoveSegments(const AIRealMatrix& m, std::span<AIPathSegment> segments);

// A bounds accumulator: empty until the first point.
class BoundsBuilder {
 public:
  void add(double x, double y) {
    if (empty_) {
      left_ = right_ = x;
      bottom_ = top_ = y;
      empty_ = false;
      return;
    }
    left_ = smaller(left_, x);
    right_ = larger(right_, x);
    bottom_ = smaller(bottom_, y);
    top_ = larger(top_, y);
  }
  void add(const AIRealRect& r);
  // The extrema of the path's curves: anchors, and the points where a curve's
  // derivative vanishes inside the curve. The closing curve counts when closed.
  // True when the path's bounds are those of its anchors because no curve's
  // control points leave the anchors' range (the bounds are then "tight").
  bool addPath(std::span<const AIPathSegment> segments, bool closed);
  // The four corners of the box through the matrix.
  void addBox(const AIRealRect& box, const AIRealMatrix& m);
  bool empty() const { return empty_; }
  // (left, top, right, bottom), rounded to single precision; all zero when empty.
  AIRealRect rect() const;

 private:
  // std::fmin and std::fmax as the C library computes them (a NaN loses; of
  // equal values the second wins), but inline.
  template <class Real>
  static Real smaller(Real a, Real b) {
    return (a < b || b != b) ? a : b;
  }
  template <class Real>
  static Real larger(Real a, Real b) {
    return (a > b || b != b) ? a : b;
  }
  struct Range {
    AIReal left, right, bottom, top;
  };
  static Range anchorRange(std::span<const AIPathSegment> segments);
  // The points of one axis of a curve where its derivative vanishes inside it.
  void addExtrema(double q0, double q1, double q2, double q3, bool horizontal);
  bool empty_ = true;
  double left_ = 0, bottom_ = 0, right_ = 0, top_ = 0;
};

// Tight bounds (see addPath) of a path moved by a matrix that neither turns
// nor shears (b = c = 0): a monotone map of each axis keeps every control
// point within its anchors' range, so the moved path's bounds are the moved
// anchors' extremes, which the matrix gives exactly as it moves the anchors.
// Returns false, leaving r alone, for other matrices or when a side would be
// zero (its sign could then differ); the bounds must then be computed again.
bool mapTightBounds(const AIRealMatrix& m, AIRealRect& r);

}  // namespace easel

#endif
