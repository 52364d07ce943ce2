// The path-data grammar: every command, relative and absolute, implicit
// repeats, compact numbers and flags; expected anchors worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "easel/svg/PathData.h"
#include "easel/svg/ValueError.h"

namespace easel::svg {
namespace {

// A line anchor: both direction points on the anchor.
Anchor at(double x, double y) { return {{x, y}, {x, y}, {x, y}}; }
Anchor curve(Vec2 in, Vec2 p, Vec2 out) { return {p, in, out}; }

struct PathCase {
  const char* name;
  const char* d;
  PathGeometry expected;
};

class PathGrammar : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathGrammar, ReadsTheAnchors) {
  const PathCase& c = GetParam();
  const PathGeometry got = parsePathData(c.d);
  ASSERT_EQ(got.size(), c.expected.size()) << c.d;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].closed, c.expected[i].closed) << c.d << " subpath " << i;
    ASSERT_EQ(got[i].anchors.size(), c.expected[i].anchors.size()) << c.d << " subpath " << i;
    for (std::size_t k = 0; k < got[i].anchors.size(); ++k) {
      const Anchor& g = got[i].anchors[k];
      const Anchor& e = c.expected[i].anchors[k];
      for (auto [gv, ev, what] : {std::tuple{g.p, e.p, "p"}, {g.in, e.in, "in"}, {g.out, e.out, "out"}}) {
        EXPECT_NEAR(gv.x, ev.x, 1e-12) << c.d << " anchor " << k << " " << what;
        EXPECT_NEAR(gv.y, ev.y, 1e-12) << c.d << " anchor " << k << " " << what;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PathGrammar,
    ::testing::Values(
        PathCase{"empty", "", {}}, PathCase{"blank", " \t\n", {}},
        PathCase{"absoluteLine", "M10 20 L30 40", {{{at(10, 20), at(30, 40)}, false}}},
        PathCase{"relativeRepeats", "m10 20 l5 5 5 5", {{{at(10, 20), at(15, 25), at(20, 30)}, false}}},
        PathCase{"movetoRepeatsAreLines", "M0,0 10,0 10,10Z", {{{at(0, 0), at(10, 0), at(10, 10)}, true}}},
        PathCase{"relativeMovetoRepeats", "m1 1 2 0 0 2", {{{at(1, 1), at(3, 1), at(3, 3)}, false}}},
        PathCase{"compactNumbers", "M1.5.5L2-1e-3", {{{at(1.5, 0.5), at(2, -0.001)}, false}}},
        PathCase{"exponentForms", "M1E2,+2e+1 L-.5e1 0", {{{at(100, 20), at(-5, 0)}, false}}},
        PathCase{
            "horizontalVertical", "M0 0H10V5h-5v-5z", {{{at(0, 0), at(10, 0), at(10, 5), at(5, 5), at(5, 0)}, true}}},
        PathCase{"closeFoldsTheLastAnchor", "M0 0 L10 0 L0 0 Z", {{{at(0, 0), at(10, 0)}, true}}},
        PathCase{
            "cubic", "M0 0C1 2 3 4 5 6", {{{curve({0, 0}, {0, 0}, {1, 2}), curve({3, 4}, {5, 6}, {5, 6})}, false}}},
        PathCase{"relativeCubic",
                 "M10 10c1 2 3 4 5 6",
                 {{{curve({10, 10}, {10, 10}, {11, 12}), curve({13, 14}, {15, 16}, {15, 16})}, false}}},
        // S reflects the previous second control point (10,10) about (10,0).
        PathCase{
            "smoothCubic",
            "M0 0C0 10 10 10 10 0S20 -10 20 0",
            {{{curve({0, 0}, {0, 0}, {0, 10}), curve({10, 10}, {10, 0}, {10, -10}), curve({20, -10}, {20, 0}, {20, 0})},
              false}}},
        // Without a cubic before it, S starts at the current point.
        PathCase{"smoothCubicAlone",
                 "M0 0S5 5 10 0",
                 {{{curve({0, 0}, {0, 0}, {0, 0}), curve({5, 5}, {10, 0}, {10, 0})}, false}}},
        // Q raised: c1 = p0 + 2/3 (q - p0) = (2,4); c2 = p + 2/3 (q - p) = (4,4).
        PathCase{
            "quadratic", "M0 0Q3 6 6 0", {{{curve({0, 0}, {0, 0}, {2, 4}), curve({4, 4}, {6, 0}, {6, 0})}, false}}},
        // T reflects (3,6) about (6,0) to (9,-6): c1 = (8,-4), c2 = (10,-4).
        PathCase{"smoothQuadratic",
                 "M0 0Q3 6 6 0T12 0",
                 {{{curve({0, 0}, {0, 0}, {2, 4}), curve({4, 4}, {6, 0}, {8, -4}), curve({10, -4}, {12, 0}, {12, 0})},
                   false}}},
        PathCase{"relativeQuadratic",
                 "M1 1q3 6 6 0",
                 {{{curve({1, 1}, {1, 1}, {3, 5}), curve({5, 5}, {7, 1}, {7, 1})}, false}}},
        PathCase{"twoSubpaths", "M0 0 z m 5 5 l1 0", {{{at(0, 0)}, true}, {{at(5, 5), at(6, 5)}, false}}},
        // A drawing command after a close starts again at the closed subpath's start.
        PathCase{"drawAfterClose", "M1 1 L2 2 Z L 3 3", {{{at(1, 1), at(2, 2)}, true}, {{at(1, 1), at(3, 3)}, false}}},
        PathCase{"arcToItselfDrawsNothing", "M1 1 A5 5 0 0 1 1 1", {{{at(1, 1)}, false}}},
        PathCase{"arcWithZeroRadiusIsALine", "M0 0 A0 5 0 0 1 10 0", {{{at(0, 0), at(10, 0)}, false}}}),
    [](const ::testing::TestParamInfo<PathCase>& i) { return std::string(i.param.name); });

TEST(PathGrammar, ArcFlagsNeedNoSeparators) {
  const PathGeometry spaced = parsePathData("M0 0a5 5 0 1 0 10 0");
  EXPECT_EQ(parsePathData("M0 0a5,5,0,1,0,10,0"), spaced);
  EXPECT_EQ(parsePathData("M0 0a5 5 0 1010 0"), spaced);
  EXPECT_EQ(parsePathData("M0,0a5,5,0,1,0,10,0"), spaced);
}

struct BadPath {
  const char* d;
  std::size_t offset;
};

class MalformedPath : public ::testing::TestWithParam<BadPath> {};

TEST_P(MalformedPath, FailsWhereTheTextGoesWrong) {
  try {
    parsePathData(GetParam().d);
    FAIL() << "no error for " << GetParam().d;
  } catch (const ValueError& e) {
    EXPECT_EQ(e.offset(), GetParam().offset) << GetParam().d << ": " << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Errors, MalformedPath,
                         ::testing::Values(BadPath{"L0 0", 0},                  // must begin with a moveto
                                           BadPath{"M0 0 L1", 7},               // a coordinate missing
                                           BadPath{"M0 0 X1 2", 5},             // no such command
                                           BadPath{"M 1e39 0", 2},              // beyond a float
                                           BadPath{"M0 0 a1 1 0 2 0 1 1", 12},  // a flag is 0 or 1
                                           BadPath{"M0,0,", 5},                 // a comma needs a number after it
                                           BadPath{"M0 0 Z 1 2", 7},            // close takes no numbers
                                           BadPath{"M0 0 L1 -", 8}));

TEST(PathWriter, WritesAbsoluteCommandsThatReadBack) {
  const PathGeometry path = parsePathData("M0 0C1 2 3 4 5 6L7 8Z m1 1 h1");
  const std::string d = writePathData(path);
  EXPECT_EQ(d, "M0,0 C1,2 3,4 5,6 L7,8 Z M1,1 L2,1");
  EXPECT_EQ(parsePathData(d), path);
}

TEST(PathWriter, DrawsACurvedClosingSegment) {
  // The closing curve must be written out; reading it back folds its end in.
  const PathGeometry path = parsePathData("M0 0 L10 0 C10 10 0 10 0 0 Z");
  ASSERT_EQ(path[0].anchors.size(), 2u);
  EXPECT_EQ(writePathData(path), "M0,0 L10,0 C10,10 0,10 0,0 Z");
  EXPECT_EQ(parsePathData(writePathData(path)), path);
}

// Each number is the double nearest to the decimal it writes (the compiler
// rounds the literals the same way), short or long, with or without exponent.
TEST(PathGrammar, NumbersAreTheNearestDouble) {
  const std::pair<const char*, double> cases[] = {
      {"0.1", 0.1},
      {"-0.3", -0.3},
      {"+.5", 0.5},
      {"7.", 7.0},
      {"3.14159265358979", 3.14159265358979},
      {"0.000000000000001", 1e-15},
      {"123456789012345", 123456789012345.0},
      {"1234567.891234567", 1234567.891234567},
      {"0.1000000000000000055511151231257827", 0.1000000000000000055511151231257827},
      {"2.5e3", 2500.0},
      {"-12.5", -12.5},
  };
  for (const auto& [text, expected] : cases) {
    const PathGeometry g = parsePathData(std::string("M") + text + " 0");
    ASSERT_EQ(g.size(), 1u) << text;
    EXPECT_EQ(g[0].anchors[0].p.x, expected) << text;
  }
}

TEST(PathWriter, ShortestFloatText) {
  Subpath s;
  s.anchors.push_back({{0.1f, -0.0}, {0.1f, -0.0}, {0.1f, -0.0}});
  // 0.1f is 0.100000001490116..., which reads back from "0.1"; -0 is "0".
  EXPECT_EQ(writePathData({s}), "M0.1,0");
}

}  // namespace
}  // namespace easel::svg
