#include "ExportGeometry.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "easel/core/BitCast.h"

namespace easel::svg {

namespace {

// std::nextafter(f, up ? INFINITY : -INFINITY), worked on the bits: the
// library call cost more than the rest of the search.
float neighbour(float f, bool up) {
  if (f != f || f == (up ? INFINITY : -INFINITY)) return f;
  constexpr float tiniest = std::numeric_limits<float>::denorm_min();
  if (f == 0) return up ? tiniest : -tiniest;
  const std::uint32_t bits = easel::bitCast<std::uint32_t>(f);
  return easel::bitCast<float>((f > 0) == up ? bits + 1 : bits - 1);
}

// The point of the element's user space (float-valued) that the reader's
// mapping `local` takes onto the artwork point `p` exactly, trying the
// floats next to the inverse's answer; the inverse's answer when none does.
Vec2 exactPreimage(const AIRealPoint& p, const Affine& local, const Affine& inverse) {
  const Vec2 guess = inverse.apply({p.h, p.v});
  const float gx = static_cast<float>(guess.x), gy = static_cast<float>(guess.y);
  const auto mapsBack = [&](float x, float y) {
    const Vec2 back = local.apply({x, y});
    return static_cast<float>(back.x) == p.h && static_cast<float>(back.y) == p.v;
  };
  // The inverse's answer mostly maps back: its neighbours are made only when it does not.
  if (mapsBack(gx, gy)) return {gx, gy};
  const float xs[] = {gx, neighbour(gx, false), neighbour(gx, true)};
  const float ys[] = {gy, neighbour(gy, false), neighbour(gy, true)};
  for (float y : ys) {
    for (float x : xs) {
      if (mapsBack(x, y)) return {x, y};
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
  if (static_cast<float>(guess * scale) == target) return guess;
  for (float f : {neighbour(guess, false), neighbour(guess, true)}) {
    if (static_cast<float>(f * scale) == target) return f;
  }
  return guess;
}

Subpath toLocalSubpath(std::span<const AIPathSegment> segments, bool closed, const Affine& local,
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
