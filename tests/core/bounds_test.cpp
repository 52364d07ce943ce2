#include <algorithm>
#include <cmath>

#include "SuiteFixture.h"

namespace easel::test {
namespace {

class BoundsTest : public SuiteTest {};

TEST_F(BoundsTest, CircleOfFourBeziersHasItsRadiusBoxNotItsControlBox) {
  // A circle of radius 50 about (100, 200) with its anchors at 45, 135, 225
  // and 315 degrees: each quarter's top (or side) lies inside a curve, and the
  // direction points stick out past the circle.
  const double cx = 100, cy = 200, r = 50;
  const double kappa = 4.0 / 3.0 * std::tan(std::acos(-1.0) / 8);  // quarter-circle handle length / r
  std::vector<AIPathSegment> s;
  double controlTop = -1e9;
  for (int i = 0; i < 4; ++i) {
    const double a = std::acos(-1.0) / 4 + i * std::acos(-1.0) / 2;
    const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    const double tx = -std::sin(a) * kappa * r, ty = std::cos(a) * kappa * r;  // counter-clockwise tangent
    auto pt = [](double px, double py) { return AIRealPoint{static_cast<float>(px), static_cast<float>(py)}; };
    s.push_back({pt(x, y), pt(x - tx, y - ty), pt(x + tx, y + ty), 0});
    controlTop = std::max(controlTop, std::max(y - ty, y + ty));
  }
  ArtRef circle = doc().createArt(ArtType::Path, layer, Place::InsideOnTop);
  doc().setSegments(circle, s, true);
  AIRealRect b;
  ASSERT_EQ(art.getArtBounds(h(circle), &b), kNoErr);
  // The curve's middle lies on the circle; the handles reach about 5 points further.
  ASSERT_GT(controlTop, cy + r + 4);
  EXPECT_NEAR(b.left, cx - r, 1e-3);
  EXPECT_NEAR(b.right, cx + r, 1e-3);
  EXPECT_NEAR(b.bottom, cy - r, 1e-3);
  EXPECT_NEAR(b.top, cy + r, 1e-3);
}

TEST_F(BoundsTest, CurveExtremumInsideTheSegmentCounts) {
  // From (0,0) to (3,0) with both direction points at height 4: the top of
  // the curve is at t = 1/2, y = 3 * 4 * (1/2)(1/2) = 3, below the handles.
  std::vector<AIPathSegment> s = {{{0, 0}, {0, 0}, {0, 4}, 0}, {{3, 0}, {3, 4}, {3, 0}, 0}};
  ArtRef arch = doc().createArt(ArtType::Path, layer, Place::InsideOnTop);
  doc().setSegments(arch, s, false);
  AIRealRect b;
  ASSERT_EQ(art.getArtBounds(h(arch), &b), kNoErr);
  EXPECT_FLOAT_EQ(b.top, 3);
  EXPECT_FLOAT_EQ(b.bottom, 0);
  EXPECT_FLOAT_EQ(b.left, 0);
  EXPECT_FLOAT_EQ(b.right, 3);
}

// Of equal extremes the later anchor's wins, so the sign of a zero bound
// depends on the order: -0 and +0 compare equal.
TEST_F(BoundsTest, OfEqualExtremesTheLaterAnchorGivesTheBound) {
  struct Case {
    std::vector<AIRealPoint> anchors;
    bool leftNegative, rightNegative, topNegative;
  };
  const Case cases[] = {
      {{{0.0f, -5}, {-0.0f, 0.0f}, {5, -0.0f}}, true, false, true},
      {{{-0.0f, -5}, {0.0f, -0.0f}, {0.0f, 0.0f}}, false, false, false},
  };
  for (const Case& c : cases) {
    std::vector<AIPathSegment> lines;
    for (const AIRealPoint& p : c.anchors) lines.push_back({p, p, p, 1});
    const ArtRef path = doc().createArt(ArtType::Path, layer, Place::InsideOnTop);
    doc().setSegments(path, lines, false);
    AIRealRect b;
    ASSERT_EQ(art.getArtBounds(h(path), &b), kNoErr);
    EXPECT_EQ(std::signbit(b.left), c.leftNegative);
    EXPECT_EQ(std::signbit(b.right), c.rightNegative);
    EXPECT_EQ(std::signbit(b.top), c.topNegative);
    EXPECT_EQ(b.bottom, -5);
  }
}

TEST_F(BoundsTest, ContainerIsTheUnionOfItsMembersAndEmptyArtIsZero) {
  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  AIRealRect b{1, 1, 1, 1};
  ASSERT_EQ(art.getArtBounds(h(group), &b), kNoErr);
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.top, 0);
  EXPECT_EQ(b.right, 0);
  EXPECT_EQ(b.bottom, 0);

  square(10, 20, 5, group);
  doc().createArt(ArtType::Path, group, Place::InsideOnTop);  // empty: adds nothing
  square(-4, 30, 2, group);
  ASSERT_EQ(art.getArtBounds(h(group), &b), kNoErr);
  EXPECT_EQ(b.left, -4);
  EXPECT_EQ(b.bottom, 20);
  EXPECT_EQ(b.right, 15);
  EXPECT_EQ(b.top, 32);
}

TEST_F(BoundsTest, MatrixArtIsItsBoxThroughItsMatrix) {
  ArtRef text = doc().createArt(ArtType::Text, layer, Place::InsideOnTop);
  doc().setLocalBounds(text, {0, 10, 20, 0});
  doc().setMatrix(text, {0, 1, -1, 0, 100, 100});  // a quarter turn, then moved
  AIRealRect b;
  ASSERT_EQ(art.getArtBounds(h(text), &b), kNoErr);
  // (x, y) -> (100 - y, 100 + x): x in [0, 20], y in [0, 10].
  EXPECT_EQ(b.left, 90);
  EXPECT_EQ(b.right, 100);
  EXPECT_EQ(b.bottom, 100);
  EXPECT_EQ(b.top, 120);
}

}  // namespace
}  // namespace easel::test
