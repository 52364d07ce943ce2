// Points, matrices and the exact bounds of cubic Bezier paths. Results are
// computed in double precision and rounded once to single precision.
#ifndef EASEL_CORE_GEOMETRY_H
#define EASEL_CORE_GEOMETRY_H

#include <span>

#include "plugin/host/AIPath.h"
#include "plugin/host/HostTypes.h"

namespace easel {

constexpr AIRealMatrix kIdentityMatrix{1, 0, 0, 1, 0, 0};

bool isFinite(AIReal x);
bool isFinite(const AIRealPoint& p);
bool isFinite(const AIRealMatrix& m);
bool isFinite(const AIPathSegment& s);

// The matrix that applies `first`, then `then`.
AIRealMatrix concat(const AIRealMatrix& first, const AIRealMatrix& then);
AIRealPoint transformPoint(const AIRealMatrix& m, const AIRealPoint& p);
// Whether m maps p to a finite point.
bool mapsFinite(const AIRealMatrix& m, const AIRealPoint& p);
void transformSegment(const AIRealMatrix& m, AIPathSegment& s);
bool mapsFinite(const AIRealMatrix& m, const AIPathSegment& s);

// A bounds accumulator: empty until the first point.
class BoundsBuilder {
 public:
  void add(double x, double y);
  void add(const AIRealRect& r);
  // The extrema of the path's curves: anchors, and the points where a curve's
  // derivative vanishes inside the curve. The closing curve counts when closed.
  void addPath(std::span<const AIPathSegment> segments, bool closed);
  // The four corners of the box through the matrix.
  void addBox(const AIRealRect& box, const AIRealMatrix& m);
  bool empty() const { return empty_; }
  // (left, top, right, bottom), rounded to single precision; all zero when empty.
  AIRealRect rect() const;

 private:
  void addCurve(const AIRealPoint& p0, const AIRealPoint& p1, const AIRealPoint& p2, const AIRealPoint& p3);
  bool empty_ = true;
  double left_ = 0, bottom_ = 0, right_ = 0, top_ = 0;
};

}  // namespace easel

#endif
