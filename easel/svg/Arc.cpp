#include "Arc.h"

#include <algorithm>
#include <cmath>
#include <limits>
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
  // turn in one piece despite rounding). The points are u, the start on the
  // unit circle, turned by the sweep so far: the cosine of u's angle would
  // lose its small component (on radii of 1e30 and 1e-30 an arc along its
  // chord would stray 1e14 from it).
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(delta) / (std::numbers::pi / 2) - 1e-9)));
  const double step = delta / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  const double length = std::hypot(u.x, u.y);
  const Vec2 start{u.x / length, u.y / length};
  const auto turned = [&](double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return Vec2{start.x * c - start.y * s, start.x * s + start.y * c};
  };
  const auto onEllipse = [&](Vec2 p) {
    return Vec2{cosPhi * rx * p.x - sinPhi * ry * p.y + centre.x, sinPhi * rx * p.x + cosPhi * ry * p.y + centre.y};
  };
  const auto fits = [](Vec2 p) {
    const double limit = std::numeric_limits<float>::max();
    return std::abs(p.x) <= limit && std::abs(p.y) <= limit;
  };
  for (int i = 0; i < pieces; ++i) {
    const Vec2 a = i == 0 ? start : turned(step * i), b = turned(step * (i + 1));
    // The tangent at a point of the unit circle is the point turned a quarter.
    Cubic cubic{onEllipse({a.x - k * a.y, a.y + k * a.x}), onEllipse({b.x + k * b.y, b.y - k * b.x}), onEllipse(b)};
    if (i == pieces - 1) cubic.end = to;
    // Scaled radii can be too large for the document's single precision
    // (radii of 1e-30 and 1e30 across a chord of 10 make a half ellipse
    // 5e60 tall): such an arc is as good as its chord.
    if (!fits(cubic.c1) || !fits(cubic.c2) || !fits(cubic.end)) {
      out.clear();
      return straight();
    }
    out.push_back(cubic);
  }
  return out;
}

}  // namespace easel::svg
