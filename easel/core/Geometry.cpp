#include "Geometry.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "AxisMoveKernels.h"

namespace easel {

namespace {

AIReal toReal(double x) { return static_cast<AIReal>(x); }

#if defined(__SSE2__)
// A point's two coordinates in the low lanes, read with one 8-byte load.
__m128 pointPair(const AIRealPoint& p) {
  return _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(&p)));
}
#endif

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

bool isFinite(const AIRealMatrix& m) {
  return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) && std::isfinite(m.tx) &&
         std::isfinite(m.ty);
}

AIRealMatrix concat(const AIRealMatrix& f, const AIRealMatrix& t) noexcept {
  const double fa = f.a, fb = f.b, fc = f.c, fd = f.d, fx = f.tx, fy = f.ty;
  const double ta = t.a, tb = t.b, tc = t.c, td = t.d;
  return {toReal(ta * fa + tc * fb), toReal(tb * fa + td * fb),        toReal(ta * fc + tc * fd),
          toReal(tb * fc + td * fd), toReal(ta * fx + tc * fy + t.tx), toReal(tb * fx + td * fy + t.ty)};
}

namespace {

// One coordinate through a matrix that neither turns nor shears: the other
// coordinate's term of transformPoint is then a zero, which can change only
// the sign of a zero sum; such results are computed the long way.
struct AxisMap {
  double scale, move, other;
  AIReal operator()(double x, double y) const {
    const double r = scale * x + move;
    return r != 0 ? toReal(r) : toReal(scale * x + other * y + move);
  }
};

}  // namespace

bool transformSegments(const AIRealMatrix& m, std::span<const AIPathSegment> from, AIPathSegment* to) {
  bool finite = true;
  if (m.b != 0 || m.c != 0) {
    for (const auto& s : from) {
      *to = transformedSegment(m, s);
      finite = finite && isFinite(*to);
      ++to;
    }
    return finite;
  }
  const AxisMap h{m.a, m.tx, m.c}, v{m.d, m.ty, m.b};
  for (const auto& s : from) {
    AIPathSegment& r = *to++;
    r.corner = s.corner;
    r.p = {h(s.p.h, s.p.v), v(s.p.v, s.p.h)};
    r.in = {h(s.in.h, s.in.v), v(s.in.v, s.in.h)};
    r.out = {h(s.out.h, s.out.v), v(s.out.v, s.out.h)};
    // Without branches, so the loop stays a straight run of arithmetic.
    const auto ok = [](AIReal x) { return static_cast<unsigned>(std::isfinite(x)); };
    finite &= (ok(r.p.h) & ok(r.p.v) & ok(r.in.h) & ok(r.in.v) & ok(r.out.h) & ok(r.out.v)) != 0u;
  }
  return finite;
}

// A negative zero is the one float whose bits are the sign bit alone. The
// usual answer is no, so the scan has no branch; with SSE2 it compares the
// anchor and in point as one group of four and the out point as a pair (the
// corner flag and padding that follow are never read).
bool hasNegativeZero(std::span<const AIPathSegment> segments) {
#if defined(__SSE2__)
  static_assert(offsetof(AIPathSegment, in) == 8 && offsetof(AIPathSegment, out) == 16);
  const __m128i signOnly = _mm_set1_epi32(INT32_MIN);
  __m128i found = _mm_setzero_si128();
  for (const auto& s : segments) {
    const __m128i anchorAndIn = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&s.p));
    const __m128i out = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&s.out));
    found = _mm_or_si128(found, _mm_or_si128(_mm_cmpeq_epi32(anchorAndIn, signOnly), _mm_cmpeq_epi32(out, signOnly)));
  }
  return _mm_movemask_epi8(found) != 0;
#else
  unsigned found = 0;
  const auto negativeZero = [](AIReal x) { return static_cast<unsigned>(x == 0 && std::signbit(x)); };
  for (const auto& s : segments)
    found |= negativeZero(s.p.h) | negativeZero(s.p.v) | negativeZero(s.in.h) | negativeZero(s.in.v) |
             negativeZero(s.out.h) | negativeZero(s.out.v);
  return found != 0;
#endif
}

bool coordinateRange(std::span<const AIPathSegment> segments, AIRealRect* range) {
  if (segments.empty()) return false;
  AIReal left = segments[0].p.h, right = left, bottom = segments[0].p.v, top = bottom;
  for (const auto& s : segments) {
    for (const AIRealPoint& p : {s.p, s.in, s.out}) {
      left = p.h < left ? p.h : left;
      right = p.h > right ? p.h : right;
      bottom = p.v < bottom ? p.v : bottom;
      top = p.v > top ? p.v : top;
    }
  }
  *range = {left, top, right, bottom};
  return true;
}

namespace {

AIReal axisMoved(double scale, double move, AIReal x) { return toReal(scale * x + move); }

}  // namespace

bool axisMoveFinite(const AIRealMatrix& m, const AIRealRect& range) {
  return std::isfinite(axisMoved(m.a, m.tx, range.left)) && std::isfinite(axisMoved(m.a, m.tx, range.right)) &&
         std::isfinite(axisMoved(m.d, m.ty, range.bottom)) && std::isfinite(axisMoved(m.d, m.ty, range.top));
}

void axisMoveSegments(const AIRealMatrix& m, std::span<AIPathSegment> segments) {
  static const AxisMoveKernel fastest = axisMoveKernels().front();
  const double scale[2] = {m.a, m.d}, move[2] = {m.tx, m.ty};
  fastest(segments, scale, move);
}

void BoundsBuilder::add(const AIRealRect& r) {
  add(r.left, r.bottom);
  add(r.right, r.top);
}

void BoundsBuilder::addExtrema(double q0, double q1, double q2, double q3, bool horizontal) {
  // B'(t) / 3 = a t^2 + b t + c.
  const double a = -q0 + 3 * q1 - 3 * q2 + q3;
  const double b = 2 * (q0 - 2 * q1 + q2);
  const double c = q1 - q0;
  double roots[2];
  const int n = unitRoots(a, b, c, roots);
  for (int i = 0; i < n; ++i) {
    const double v = cubicAt(q0, q1, q2, q3, roots[i]);
    if (horizontal) add(v, bottom_);
    else
      add(left_, v);
  }
}

// The anchors' extremes, as smaller() and larger() give them. With SSE2 the
// four go at once without a branch (a new extreme comes at random where
// points were moved): the lanes hold left, bottom, -right and -top, so one
// smaller() on (h, v, -h, -v) is also larger() on the last two. Taking the
// smaller with ties to the later is associative, so the two halves of the
// path run as two independent chains, and the later half wins the ties
// between them.
BoundsBuilder::Range BoundsBuilder::anchorRange(std::span<const AIPathSegment> segments) {
#if defined(__SSE2__)
  const __m128 negateLast = _mm_castsi128_ps(_mm_setr_epi32(0, 0, INT32_MIN, INT32_MIN));
  const auto lanes = [&](const AIRealPoint& p) {
    const __m128 pair = pointPair(p);
    return _mm_xor_ps(_mm_movelh_ps(pair, pair), negateLast);
  };
  // smaller(range, later) in every lane: a NaN loses, and of equal values the later wins.
  const auto smallerLanes = [](__m128 range, __m128 later) {
    const __m128 keep = _mm_or_ps(_mm_cmplt_ps(range, later), _mm_cmpunord_ps(later, later));
    return _mm_or_ps(_mm_and_ps(keep, range), _mm_andnot_ps(keep, later));
  };
  const std::size_t half = segments.size() / 2, secondHalf = segments.size() - half;
  __m128 first = lanes(segments[0].p), second = lanes(segments[half].p);
  for (std::size_t i = 0; i < half; ++i) {
    first = smallerLanes(first, lanes(segments[i].p));
    second = smallerLanes(second, lanes(segments[half + i].p));
  }
  if (secondHalf > half) second = smallerLanes(second, lanes(segments.back().p));
  alignas(16) float r[4];
  _mm_store_ps(r, _mm_xor_ps(smallerLanes(first, second), negateLast));
  return {r[0], r[2], r[1], r[3]};
#else
  AIReal left = segments[0].p.h, right = left, bottom = segments[0].p.v, top = bottom;
  for (const auto& s : segments) {
    left = smaller(left, s.p.h);
    right = larger(right, s.p.h);
    bottom = smaller(bottom, s.p.v);
    top = larger(top, s.p.v);
  }
  return {left, right, bottom, top};
#endif
}

namespace {

// Which axes of a curve leave the anchors' range: bit 0 for h, bit 1 for v.
// A curve whose two control points lie within the range on an axis stays
// within it there (a Bezier curve lies in the hull of its control points).
// NaN control points leave it.
unsigned curveLeaves(const AIPathSegment& from, const AIPathSegment& to, const AIRealRect& range) {
#if defined(__SSE2__)
  const __m128 controls = _mm_movelh_ps(pointPair(from.out), pointPair(to.in));
  const __m128 low = _mm_setr_ps(range.left, range.bottom, range.left, range.bottom);
  const __m128 high = _mm_setr_ps(range.right, range.top, range.right, range.top);
  const int inside = _mm_movemask_ps(_mm_and_ps(_mm_cmpge_ps(controls, low), _mm_cmple_ps(controls, high)));
  return static_cast<unsigned>((inside & (inside >> 2)) ^ 3);
#else
  const auto within = [](AIReal q1, AIReal q2, AIReal low, AIReal high) {
    return q1 >= low && q1 <= high && q2 >= low && q2 <= high;
  };
  return (within(from.out.h, to.in.h, range.left, range.right) ? 0u : 1u) |
         (within(from.out.v, to.in.v, range.bottom, range.top) ? 0u : 2u);
#endif
}

}  // namespace

bool BoundsBuilder::addPath(std::span<const AIPathSegment> segments, bool closed) {
  if (segments.empty()) return true;
  // The anchors first; then only the curves that leave their range are
  // solved for the points where their derivative vanishes. Most curves stay
  // within it, and those that leave it come at random where points were
  // moved: the tests for 32 curves go first without a branch, then the
  // curves that left are solved in order, h before v.
  const Range anchors = anchorRange(segments);
  add(anchors.left, anchors.bottom);
  add(anchors.right, anchors.top);
  const AIRealRect range{anchors.left, anchors.top, anchors.right, anchors.bottom};
  const std::size_t size = segments.size();
  const std::size_t curves = size - 1 + (closed ? 1 : 0);
  const auto end = [size](std::size_t curve) { return curve + 1 == size ? 0 : curve + 1; };
  bool tight = true;
  for (std::size_t first = 0; first < curves; first += 32) {
    const std::size_t count = std::min<std::size_t>(32, curves - first);
    uint64_t leaving = 0;
    for (std::size_t i = 0; i < count; ++i)
      leaving |= uint64_t{curveLeaves(segments[first + i], segments[end(first + i)], range)} << (2 * i);
    tight = tight && leaving == 0;
    for (; leaving != 0; leaving &= leaving - 1) {
      const int bit = std::countr_zero(leaving);
      const std::size_t curve = first + static_cast<std::size_t>(bit / 2);
      const AIPathSegment& from = segments[curve];
      const AIPathSegment& to = segments[end(curve)];
      if (bit % 2 == 0) addExtrema(from.p.h, from.out.h, to.in.h, to.p.h, true);
      else
        addExtrema(from.p.v, from.out.v, to.in.v, to.p.v, false);
    }
  }
  return tight;
}

void BoundsBuilder::addBox(const AIRealRect& box, const AIRealMatrix& m) {
  const AIRealPoint corners[4] = {
      {box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}, {box.left, box.top}};
  for (const auto& c : corners) {
    const double x = c.h, y = c.v;
    add(m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty);
  }
}

namespace {

// One side of tight bounds through x -> a x + t: the anchor on that side maps
// to exactly this (the other coordinate's term is 0 times it, which only
// decides the sign of a zero result; a zero result is therefore refused).
bool mapSide(AIReal a, AIReal t, AIReal side, AIReal* result) {
  const double mapped = a * static_cast<double>(side) + t;
  *result = toReal(mapped);
  return mapped != 0 && *result != 0;
}

}  // namespace

bool mapTightBounds(const AIRealMatrix& m, AIRealRect& r) {
  if (m.b != 0 || m.c != 0) return false;
  // A mirroring matrix swaps the sides.
  const AIReal fromLeft = m.a < 0 ? r.right : r.left, fromRight = m.a < 0 ? r.left : r.right;
  const AIReal fromBottom = m.d < 0 ? r.top : r.bottom, fromTop = m.d < 0 ? r.bottom : r.top;
  AIRealRect mapped{};
  if (!(mapSide(m.a, m.tx, fromLeft, &mapped.left) && mapSide(m.a, m.tx, fromRight, &mapped.right) &&
        mapSide(m.d, m.ty, fromBottom, &mapped.bottom) && mapSide(m.d, m.ty, fromTop, &mapped.top)))
    return false;
  r = mapped;
  return true;
}

AIRealRect BoundsBuilder::rect() const {
  if (empty_) return {0, 0, 0, 0};
  return {toReal(left_), toReal(top_), toReal(right_), toReal(bottom_)};
}

}  // namespace easel
