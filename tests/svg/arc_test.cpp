// Arcs as cubics: end points, the centre and sweep found from the end-point
// form, radii that are too small, and the quality of the approximation.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "easel/core/Geometry.h"
#include "easel/svg/Arc.h"
#include "easel/svg/PathData.h"
#include "easel/svg/SvgImport.h"

namespace easel::svg {
namespace {

Vec2 bezier(Vec2 p0, const Cubic& c, double t) {
  const double u = 1 - t;
  return p0 * (u * u * u) + c.c1 * (3 * u * u * t) + c.c2 * (3 * u * t * t) + c.end * (t * t * t);
}

// Every point of the cubics lies on the circle (cx, cy, r) within the error
// of the quarter-turn approximation (2.7e-4 r).
void expectOnCircle(Vec2 from, const std::vector<Cubic>& cubics, Vec2 centre, double r) {
  Vec2 p0 = from;
  for (const Cubic& c : cubics) {
    for (double t = 0; t <= 1.0; t += 0.125) {
      const Vec2 p = bezier(p0, c, t);
      EXPECT_NEAR(std::hypot(p.x - centre.x, p.y - centre.y), r, 2.8e-4 * r) << "t " << t;
    }
    p0 = c.end;
  }
}

struct ArcCase {
  const char* name;
  Vec2 from;
  double rx, ry, rotation;
  bool large, sweep;
  Vec2 to;
  std::size_t pieces;
  Vec2 joint;  // where the first piece ends
};

class ArcConversion : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcConversion, EndsWherePathDataSays) {
  const ArcCase& a = GetParam();
  const std::vector<Cubic> cubics = arcToCubics(a.from, a.rx, a.ry, a.rotation, a.large, a.sweep, a.to);
  ASSERT_EQ(cubics.size(), a.pieces);
  EXPECT_EQ(cubics.back().end, a.to);
  EXPECT_NEAR(cubics.front().end.x, a.joint.x, 1e-9);
  EXPECT_NEAR(cubics.front().end.y, a.joint.y, 1e-9);
}

// On screen (y down) sweep 1 turns clockwise. Joints worked out from the
// centre and the start angle.
INSTANTIATE_TEST_SUITE_P(Table, ArcConversion,
                         ::testing::Values(
                             // Centre (5,0); from angle 180 degrees clockwise to 360: through (5,-5).
                             ArcCase{"halfCircleSweep", {0, 0}, 5, 5, 0, false, true, {10, 0}, 2, {5, -5}},
                             ArcCase{"halfCircleCounter", {0, 0}, 5, 5, 0, false, false, {10, 0}, 2, {5, 5}},
                             // Radii 1 cannot span 10: scaled up to 5, the same half circle.
                             ArcCase{"radiiScaledUp", {0, 0}, 1, 1, 0, false, false, {10, 0}, 2, {5, 5}},
                             // From (0,0) to (10,10) with radius 10 the centre is (10,0) or (0,10);
                             // turning clockwise the small arc is about (0,10): one quarter, one piece.
                             ArcCase{"quarter", {0, 0}, 10, 10, 0, false, true, {10, 10}, 1, {10, 10}},
                             // The large arc between the same points: three quarters, centre (10,0),
                             // first joint a quarter turn on from (0,0): (10,-10).
                             ArcCase{"threeQuarters", {0, 0}, 10, 10, 0, true, true, {10, 10}, 3, {10, -10}},
                             // An ellipse 10 by 5 turned 90 degrees: tall; from its top (0,0) to its
                             // bottom (0,20) clockwise passes its right side (5,10).
                             ArcCase{"rotatedEllipse", {0, 0}, 10, 5, 90, false, true, {0, 20}, 2, {5, 10}},
                             // Negative radii are taken as positive.
                             ArcCase{"negativeRadii", {0, 0}, -5, -5, 0, false, true, {10, 0}, 2, {5, -5}},
                             // Radii whose squares underflow are scaled up all the same.
                             ArcCase{"tinyRadiiScaledUp", {0, 0}, 1e-200, 1e-200, 0, false, false, {10, 0}, 2, {5, 5}},
                             // Radii that no real scales up to the chord: the chord.
                             ArcCase{
                                 "radiiBeyondScaling", {0, 0}, 1e-320, 1e-320, 0, false, false, {10, 0}, 1, {10, 0}}),
                         [](const ::testing::TestParamInfo<ArcCase>& i) { return std::string(i.param.name); });

TEST(ArcConversion, StaysOnTheCircle) {
  expectOnCircle({0, 0}, arcToCubics({0, 0}, 5, 5, 0, false, true, {10, 0}), {5, 0}, 5);
  expectOnCircle({0, 0}, arcToCubics({0, 0}, 10, 10, 0, true, true, {10, 10}), {10, 0}, 10);
}

TEST(ArcConversion, DegenerateArcs) {
  EXPECT_TRUE(arcToCubics({3, 4}, 5, 5, 0, false, true, {3, 4}).empty());
  const std::vector<Cubic> line = arcToCubics({0, 0}, 0, 5, 0, false, true, {10, 0});
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0].c1, (Vec2{0, 0}));
  EXPECT_EQ(line[0].c2, (Vec2{10, 0}));
}

// Radii of 1e30 and 1e-30: the small arc clings to its chord, as the
// centre form says (the ellipse is 2e30 wide and 2e-30 tall, its centre a
// hair off the chord); swapped, the scaled radii (5 and 5e60) make a half
// ellipse no float can hold, which is drawn as its chord. Neither refuses
// the drawing.
TEST(ArcConversion, ExtremeRadiiFollowTheArcRules) {
  const std::vector<Cubic> flat = arcToCubics({0, 0}, 1e30, 1e-30, 0, false, true, {10, 0});
  ASSERT_EQ(flat.size(), 1u);
  for (const Vec2 p : {flat[0].c1, flat[0].c2, flat[0].end}) {
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x, 10);
    EXPECT_NEAR(p.y, 0, 1e-20);
  }
  const std::vector<Cubic> chord = arcToCubics({0, 0}, 1e-30, 1e30, 0, false, true, {10, 0});
  ASSERT_EQ(chord.size(), 1u);
  EXPECT_EQ(chord[0].c1, (Vec2{0, 0}));
  EXPECT_EQ(chord[0].c2, (Vec2{10, 0}));
  for (const char* d : {"M0 0 A1e-30 1e30 0 0 1 10 0", "M0 0 A1e30 1e-30 0 1 1 10 0"}) {
    const ImportedSvg s =
        importSvg(std::string("<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=\"") + d + "\"/></svg>", "arc.svg");
    EXPECT_TRUE(s.warnings.empty()) << d;
  }
}

TEST(ArcConversion, BoundsOfAHalfCircle) {
  // The upper half (on screen) of the circle of radius 5 about (5,0): exactly
  // x 0..10, y -5..0, whatever the control points.
  const PathGeometry path = parsePathData("M0 0 A5 5 0 0 1 10 0");
  std::vector<AIPathSegment> segments;
  for (const Anchor& a : path[0].anchors) {
    segments.push_back(
        {{float(a.p.x), float(a.p.y)}, {float(a.in.x), float(a.in.y)}, {float(a.out.x), float(a.out.y)}, 1});
  }
  easel::BoundsBuilder b;
  b.addPath(segments, false);
  const AIRealRect r = b.rect();
  EXPECT_NEAR(r.left, 0, 1e-5);
  EXPECT_NEAR(r.right, 10, 1e-5);
  EXPECT_NEAR(std::min(r.top, r.bottom), -5, 1e-5);
  EXPECT_NEAR(std::max(r.top, r.bottom), 0, 1e-5);
}

}  // namespace
}  // namespace easel::svg
