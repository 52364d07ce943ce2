#include <cmath>
#include <numbers>

#include "SuiteFixture.h"

namespace easel::test {
namespace {

class RealMathTest : public SuiteTest {
 protected:
  AIRealPoint apply(const AIRealMatrix& m, AIRealPoint p) {
    AIRealPoint out{};
    EXPECT_EQ(math.transformPoint(&m, &p, &out), kNoErr);
    return out;
  }
};

TEST_F(RealMathTest, AppendedOperationsActAfterThoseAlreadyInTheMatrix) {
  AIRealMatrix m;
  ASSERT_EQ(math.setMatrixTranslation(&m, 10, 0), kNoErr);
  ASSERT_EQ(math.appendMatrixScale(&m, 2, 3), kNoErr);
  // (1, 1): moved to (11, 1), then scaled to (22, 3). Scaling first would give (12, 3).
  AIRealPoint p = apply(m, {1, 1});
  EXPECT_FLOAT_EQ(p.h, 22);
  EXPECT_FLOAT_EQ(p.v, 3);
  ASSERT_EQ(math.appendMatrixTranslation(&m, -2, 5), kNoErr);
  p = apply(m, {1, 1});
  EXPECT_FLOAT_EQ(p.h, 20);
  EXPECT_FLOAT_EQ(p.v, 8);
}

TEST_F(RealMathTest, QuarterTurnAboutTheCentreMovesASquareAboutItsCentre) {
  // The square (10..30, 20..40) has its centre at (20, 30).
  ArtRef sq = polygon({{10, 20}, {30, 20}, {30, 40}, {10, 40}});
  AIRealMatrix m;
  AIReal quarter = 0;
  ASSERT_EQ(math.degreesToRadians(90, &quarter), kNoErr);
  ASSERT_EQ(math.setMatrixTranslation(&m, -20, -30), kNoErr);
  ASSERT_EQ(math.appendMatrixRotation(&m, quarter), kNoErr);
  ASSERT_EQ(math.appendMatrixTranslation(&m, 20, 30), kNoErr);
  ASSERT_EQ(transform.transformArt(h(sq), &m, 1, kTransformObjects), kNoErr);
  // Counter-clockwise: corner (x, y) goes to (20 - (y - 30), 30 + (x - 20)).
  const AIRealPoint expected[4] = {{30, 20}, {30, 40}, {10, 40}, {10, 20}};
  const auto& segments = doc().content(sq).segments;
  ASSERT_EQ(segments.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(segments[i].p.h, expected[i].h, 1e-4) << i;
    EXPECT_NEAR(segments[i].p.v, expected[i].v, 1e-4) << i;
  }
}

TEST_F(RealMathTest, PointOperations) {
  const AIRealPoint a{1, 2}, b{4, 6};
  AIReal d = 0, angle = 0;
  ASSERT_EQ(math.pointDistance(&a, &b, &d), kNoErr);
  EXPECT_FLOAT_EQ(d, 5);
  ASSERT_EQ(math.pointAngle(&a, &b, &angle), kNoErr);
  EXPECT_FLOAT_EQ(angle, static_cast<float>(std::atan2(4.0, 3.0)));
  ASSERT_EQ(math.pointAngle(&a, &a, &angle), kNoErr);
  EXPECT_EQ(angle, 0);
  AIRealPoint r{};
  // b + (a - b) * t
  ASSERT_EQ(math.interpolatePoints(&a, &b, 0, &r), kNoErr);
  EXPECT_EQ(r.h, 4);
  EXPECT_EQ(r.v, 6);
  ASSERT_EQ(math.interpolatePoints(&a, &b, 0.5f, &r), kNoErr);
  EXPECT_FLOAT_EQ(r.h, 2.5f);
  EXPECT_FLOAT_EQ(r.v, 4);
  ASSERT_EQ(math.interpolatePoints(&a, &b, 2, &r), kNoErr);  // past a, on the same line
  EXPECT_FLOAT_EQ(r.h, -2);
  EXPECT_FLOAT_EQ(r.v, -2);
}

TEST_F(RealMathTest, ArithmeticAndItsRefusals) {
  AIReal x = 7;
  EXPECT_EQ(math.divide(1, 0, &x), kBadParameterErr);
  EXPECT_EQ(x, 7);  // left as it was
  EXPECT_EQ(math.squareRoot(-1, &x), kBadParameterErr);
  ASSERT_EQ(math.squareRoot(2, &x), kNoErr);
  EXPECT_EQ(x, static_cast<float>(std::sqrt(2.0)));
  ASSERT_EQ(math.add(0.1f, 0.2f, &x), kNoErr);
  EXPECT_EQ(x, 0.1f + 0.2f);
  ASSERT_EQ(math.radiansToDegrees(static_cast<float>(std::numbers::pi), &x), kNoErr);
  EXPECT_FLOAT_EQ(x, 180);
  ASSERT_EQ(math.sine(static_cast<float>(std::numbers::pi / 6), &x), kNoErr);
  EXPECT_FLOAT_EQ(x, 0.5f);
  EXPECT_EQ(math.add(1, 2, nullptr), kBadParameterErr);
  EXPECT_EQ(math.appendMatrixScale(nullptr, 1, 1), kBadParameterErr);
}

}  // namespace
}  // namespace easel::test
