#include "Arc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace easel::svg {

namespace {

// The signed angle from u to v.
double angleBetween(Vec2 u, Vec2 v) { return std::atan2(u.x * v.y - u.y * v.x, u.x * v.x + u.y * v.y); }

}  // namespace

std::vector<Cubic> arcToCubics(Vec2 from, double rx, double ry, double xAxisRotationDegrees, bool largeArc, bool sweep,
                               Vec2 to) {
  std::vector<Cubic> out;
  if (from == to) return out;
  const auto straight = [&] {
    out.push_back({from, to, to});
    return out;
  };
  rx = std::abs(rx);
  ry = std::abs(ry);
  if (rx == 0 || ry == 0) return straight();
  const double phi = std::fmod(xAxisRotationDegrees, 360.0) * std::numbers::pi / 180.0;
  const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);

  // Step 1: the half chord in the ellipse's own axes.
  const Vec2 half = (from - to) * 0.5;
  const double x1 = cosPhi * half.x + sinPhi * half.y;
  const double y1 = -sinPhi * half.x + cosPhi * half.y;

  // Radii too small to span the chord are scaled up until they just do. For
  // radii tiny against the chord the squares overflow (or a half chord of 0
  // over a square that underflowed gives 0/0); hypot gives the same factor
  // without squaring.
  const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
  const double root = std::isfinite(lambda) ? std::sqrt(lambda) : std::hypot(x1 / rx, y1 / ry);
  if (root > 1) {
    rx *= root;
    ry *= root;
  }

  // Step 2: the centre in the ellipse's axes.
  const double rx2 = rx * rx, ry2 = ry * ry, x12 = x1 * x1, y12 = y1 * y1;
  const double denominator = rx2 * y12 + ry2 * x12;
  double coefficient = 0;
  if (denominator > 0) {
    coefficient = std::sqrt(std::max(0.0, (rx2 * ry2 - denominator) / denominator));
    if (largeArc == sweep) coefficient = -coefficient;
  }
  const double cxp = coefficient * rx * y1 / ry;
  const double cyp = -coefficient * ry * x1 / rx;

  // Step 3: the centre in user space.
  const Vec2 mid = (from + to) * 0.5;
  const Vec2 centre{cosPhi * cxp - sinPhi * cyp + mid.x, sinPhi * cxp + cosPhi * cyp + mid.y};

  // Step 4: start angle and sweep.
  const Vec2 u{(x1 - cxp) / rx, (y1 - cyp) / ry};
  const Vec2 v{(-x1 - cxp) / rx, (-y1 - cyp) / ry};
  const double theta1 = angleBetween({1, 0}, u);
  double delta = angleBetween(u, v);
  if (!sweep && delta > 0) delta -= 2 * std::numbers::pi;
  if (sweep && delta < 0) delta += 2 * std::numbers::pi;
  // Radii out of all proportion to the chord (too small for any real to scale
  // them up, or so large that the centre's terms overflow) leave the radii, the
  // centre or the sweep outside the reals: the arc is then as good as its chord.
  if (!std::isfinite(rx) || !std::isfinite(ry) || !std::isfinite(centre.x) || !std::isfinite(centre.y) ||
      !std::isfinite(theta1) || !std::isfinite(delta))
    return straight();

  // Pieces of at most a quarter turn (the small slack keeps an exact quarter
  // turn in one piece despite rounding).
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(delta) / (std::numbers::pi / 2) - 1e-9)));
  const double step = delta / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  const auto onEllipse = [&](double x, double y) {
    return Vec2{cosPhi * rx * x - sinPhi * ry * y + centre.x, sinPhi * rx * x + cosPhi * ry * y + centre.y};
  };
  for (int i = 0; i < pieces; ++i) {
    const double a = theta1 + step * i;
    const double b = a + step;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    Cubic cubic{onEllipse(ca - k * sa, sa + k * ca), onEllipse(cb + k * sb, sb - k * cb), onEllipse(cb, sb)};
    if (i == pieces - 1) cubic.end = to;
    out.push_back(cubic);
  }
  return out;
}

}  // namespace easel::svg
