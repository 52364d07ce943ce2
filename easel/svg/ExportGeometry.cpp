#include "ExportGeometry.h"

#include <cmath>

namespace easel::svg {

namespace {

// The point of the element's user space (float-valued) that the reader's
// mapping `local` takes onto the artwork point `p` exactly, trying the
// floats next to the inverse's answer; the inverse's answer when none does.
Vec2 exactPreimage(const AIRealPoint& p, const Affine& local, const Affine& inverse) {
  const Vec2 guess = inverse.apply({p.h, p.v});
  const float gx = static_cast<float>(guess.x), gy = static_cast<float>(guess.y);
  const float xs[] = {gx, std::nextafter(gx, -INFINITY), std::nextafter(gx, INFINITY)};
  const float ys[] = {gy, std::nextafter(gy, -INFINITY), std::nextafter(gy, INFINITY)};
  for (float y : ys) {
    for (float x : xs) {
      const Vec2 back = local.apply({x, y});
      if (static_cast<float>(back.x) == p.h && static_cast<float>(back.y) == p.v) return {x, y};
    }
  }
  return {gx, gy};
}

}  // namespace

Affine toAffine(const AIRealMatrix& m) { return {m.a, m.b, m.c, m.d, m.tx, m.ty}; }

// The nearest quotient, or a neighbour when rounding moved it.
float exactPreimage(float target, double scale) {
  if (!(scale > 0)) return target;
  const float guess = static_cast<float>(target / scale);
  for (float f : {guess, std::nextafter(guess, -INFINITY), std::nextafter(guess, INFINITY)}) {
    if (static_cast<float>(f * scale) == target) return f;
  }
  return guess;
}

Subpath toLocalSubpath(const std::vector<AIPathSegment>& segments, bool closed, const Affine& local,
                       const Affine& inverse) {
  Subpath s;
  s.closed = closed;
  s.anchors.reserve(segments.size());
  for (const AIPathSegment& g : segments) {
    s.anchors.push_back({exactPreimage(g.p, local, inverse), exactPreimage(g.in, local, inverse),
                         exactPreimage(g.out, local, inverse)});
  }
  return s;
}

}  // namespace easel::svg
