// The build rounds to float where the code says so. Both coordinates of a
// point rounded to float and then used again as doubles is the shape of the
// writer's exact inverse and of the engine's single-precision steps; GCC 12's
// basic-block vectoriser dropped the rounding there (see CMakeLists.txt).
#include <gtest/gtest.h>

namespace {

struct Point {
  double x, y;
};
struct Map {
  double a, b, c, d, e, f;
  Point apply(Point p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
};

// The rounded image of (h, v) when it maps back onto (h, v), else the origin.
[[gnu::noinline]] Point roundedPreimage(float h, float v, const Map& forward, const Map& inverse) {
  const Point guess = inverse.apply({h, v});
  const float gx = static_cast<float>(guess.x), gy = static_cast<float>(guess.y);
  const Point back = forward.apply({gx, gy});
  if (static_cast<float>(back.x) == h && static_cast<float>(back.y) == v) return {gx, gy};
  return {0, 0};
}

TEST(FloatRounding, APointRoundedToFloatStaysRounded) {
  const Map forward{1.5, 0.3, -0.7, 1.1, 2, 3};
  const double det = forward.a * forward.d - forward.b * forward.c;
  const Map inverse{forward.d / det,
                    -forward.b / det,
                    -forward.c / det,
                    forward.a / det,
                    (forward.c * forward.f - forward.d * forward.e) / det,
                    (forward.b * forward.e - forward.a * forward.f) / det};
  int unrounded = 0;
  for (int i = 0; i < 1000; ++i) {
    const float h = static_cast<float>(i) * 0.013f - 500, v = static_cast<float>(i) * 0.007f;
    const Point p = roundedPreimage(h, v, forward, inverse);
    if (static_cast<float>(p.x) != p.x || static_cast<float>(p.y) != p.y) ++unrounded;
  }
  EXPECT_EQ(unrounded, 0);
}

}  // namespace
