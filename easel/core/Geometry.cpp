#include "Geometry.h"

#include <cmath>

namespace easel {

namespace {

AIReal toReal(double x) { return static_cast<AIReal>(x); }

// The roots in (0, 1) of a*t^2 + b*t + c.
int unitRoots(double a, double b, double c, double roots[2]) {
  int n = 0;
  auto keep = [&](double t) {
    if (t > 0 && t < 1) roots[n++] = t;
  };
  const double scale = std::fabs(a) + std::fabs(b) + std::fabs(c);
  if (scale == 0) return 0;
  if (std::fabs(a) <= 1e-12 * scale) {
    if (b != 0) keep(-c / b);
    return n;
  }
  const double disc = b * b - 4 * a * c;
  if (disc < 0) return 0;
  // The stable form of the quadratic formula: no cancellation.
  const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
  keep(q / a);
  if (q != 0) keep(c / q);
  return n;
}

double cubicAt(double p0, double p1, double p2, double p3, double t) {
  const double u = 1 - t;
  return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

}  // namespace

bool isFinite(AIReal x) { return std::isfinite(x); }
bool isFinite(const AIRealPoint& p) { return std::isfinite(p.h) && std::isfinite(p.v); }
bool isFinite(const AIRealMatrix& m) {
  return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
         std::isfinite(m.tx) && std::isfinite(m.ty);
}
bool isFinite(const AIPathSegment& s) { return isFinite(s.p) && isFinite(s.in) && isFinite(s.out); }

AIRealMatrix concat(const AIRealMatrix& f, const AIRealMatrix& t) {
  const double fa = f.a, fb = f.b, fc = f.c, fd = f.d, fx = f.tx, fy = f.ty;
  const double ta = t.a, tb = t.b, tc = t.c, td = t.d;
  return {toReal(ta * fa + tc * fb), toReal(tb * fa + td * fb), toReal(ta * fc + tc * fd),
          toReal(tb * fc + td * fd), toReal(ta * fx + tc * fy + t.tx), toReal(tb * fx + td * fy + t.ty)};
}

AIRealPoint transformPoint(const AIRealMatrix& m, const AIRealPoint& p) {
  const double x = p.h, y = p.v;
  return {toReal(m.a * x + m.c * y + m.tx), toReal(m.b * x + m.d * y + m.ty)};
}

bool mapsFinite(const AIRealMatrix& m, const AIRealPoint& p) { return isFinite(transformPoint(m, p)); }

void transformSegment(const AIRealMatrix& m, AIPathSegment& s) {
  s.p = transformPoint(m, s.p);
  s.in = transformPoint(m, s.in);
  s.out = transformPoint(m, s.out);
}

bool mapsFinite(const AIRealMatrix& m, const AIPathSegment& s) {
  return mapsFinite(m, s.p) && mapsFinite(m, s.in) && mapsFinite(m, s.out);
}

void BoundsBuilder::add(double x, double y) {
  if (empty_) {
    left_ = right_ = x;
    bottom_ = top_ = y;
    empty_ = false;
    return;
  }
  left_ = std::fmin(left_, x);
  right_ = std::fmax(right_, x);
  bottom_ = std::fmin(bottom_, y);
  top_ = std::fmax(top_, y);
}

void BoundsBuilder::add(const AIRealRect& r) {
  add(r.left, r.bottom);
  add(r.right, r.top);
}

void BoundsBuilder::addCurve(const AIRealPoint& p0, const AIRealPoint& p1, const AIRealPoint& p2,
                             const AIRealPoint& p3) {
  add(p3.h, p3.v);
  // A straight segment, or a curve whose control points lie inside the box
  // already, cannot widen it.
  auto inside = [&](const AIRealPoint& p) { return p.h >= left_ && p.h <= right_ && p.v >= bottom_ && p.v <= top_; };
  if (inside(p1) && inside(p2)) return;
  // Per axis, B'(t) / 3 = a t^2 + b t + c.
  auto axis = [&](double q0, double q1, double q2, double q3, bool horizontal) {
    const double a = -q0 + 3 * q1 - 3 * q2 + q3;
    const double b = 2 * (q0 - 2 * q1 + q2);
    const double c = q1 - q0;
    double roots[2];
    const int n = unitRoots(a, b, c, roots);
    for (int i = 0; i < n; ++i) {
      const double t = roots[i];
      const double v = cubicAt(q0, q1, q2, q3, t);
      if (horizontal) add(v, bottom_);
      else add(left_, v);
    }
  };
  axis(p0.h, p1.h, p2.h, p3.h, true);
  axis(p0.v, p1.v, p2.v, p3.v, false);
}

void BoundsBuilder::addPath(std::span<const AIPathSegment> segments, bool closed) {
  if (segments.empty()) return;
  add(segments[0].p.h, segments[0].p.v);
  for (std::size_t i = 1; i < segments.size(); ++i)
    addCurve(segments[i - 1].p, segments[i - 1].out, segments[i].in, segments[i].p);
  if (closed) addCurve(segments.back().p, segments.back().out, segments[0].in, segments[0].p);
}

void BoundsBuilder::addBox(const AIRealRect& box, const AIRealMatrix& m) {
  const AIRealPoint corners[4] = {{box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}, {box.left, box.top}};
  for (const auto& c : corners) {
    const double x = c.h, y = c.v;
    add(m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty);
  }
}

AIRealRect BoundsBuilder::rect() const {
  if (empty_) return {0, 0, 0, 0};
  return {toReal(left_), toReal(top_), toReal(right_), toReal(bottom_)};
}

}  // namespace easel
