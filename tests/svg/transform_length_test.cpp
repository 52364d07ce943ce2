// Transform lists and lengths with their units.
#include <gtest/gtest.h>

#include "easel/svg/Length.h"
#include "easel/svg/Transform.h"
#include "easel/svg/ValueError.h"

namespace easel::svg {
namespace {

struct TransformCase {
  const char* text;
  Vec2 in, out;  // a point and where the list takes it
};

class TransformList : public ::testing::TestWithParam<TransformCase> {};

TEST_P(TransformList, MapsThePoint) {
  const Vec2 got = parseTransformList(GetParam().text).apply(GetParam().in);
  EXPECT_NEAR(got.x, GetParam().out.x, 1e-12) << GetParam().text;
  EXPECT_NEAR(got.y, GetParam().out.y, 1e-12) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransformList,
    ::testing::Values(
        TransformCase{"", {3, 4}, {3, 4}}, TransformCase{"translate(10)", {1, 1}, {11, 1}},
        TransformCase{"translate(10,20) scale(2)", {1, 1}, {12, 22}},  // scale first
        TransformCase{"scale(2) translate(10,20)", {1, 1}, {22, 42}}, TransformCase{"scale(2,3)", {1, 1}, {2, 3}},
        TransformCase{"rotate(90)", {1, 0}, {0, 1}}, TransformCase{"rotate(90 10 10)", {20, 10}, {10, 20}},
        TransformCase{"rotate(-90)", {1, 0}, {0, -1}},
        TransformCase{"rotate(45)", {1, 0}, {0.70710678118654752, 0.70710678118654752}},
        TransformCase{"skewX(45)", {0, 1}, {1, 1}}, TransformCase{"skewY(45)", {1, 0}, {1, 1}},
        TransformCase{"matrix(1 2 3 4 5 6)", {1, 1}, {9, 12}}, TransformCase{"matrix(1,2,3,4,5,6)", {1, 1}, {9, 12}},
        TransformCase{"translate(1,1),scale(2)", {1, 1}, {3, 3}}, TransformCase{"  rotate( 180 )  ", {1, 2}, {-1, -2}},
        TransformCase{"translate(-1-2)", {0, 0}, {-1, -2}}));

TEST(TransformList, RejectsWhatIsNotATransform) {
  for (const char* bad :
       {"translate(1", "foo(1)", "rotate(1 2)", "matrix(1 2 3)", "scale()", "translate(1 2 3)", "translate 1"}) {
    EXPECT_THROW(parseTransformList(bad), ValueError) << bad;
  }
}

struct LengthCase {
  const char* text;
  double userUnits;  // with a percentage base of 200
};

class Lengths : public ::testing::TestWithParam<LengthCase> {};

TEST_P(Lengths, InUserUnits) {
  EXPECT_NEAR(parseUserLength(GetParam().text, 200), GetParam().userUnits, 1e-12) << GetParam().text;
}

// 96 user units (CSS pixels) to the inch; em is 16 px, ex half of it.
INSTANTIATE_TEST_SUITE_P(Units, Lengths,
                         ::testing::Values(LengthCase{"10", 10}, LengthCase{"10px", 10}, LengthCase{"1in", 96},
                                           LengthCase{"72pt", 96}, LengthCase{"6pc", 96}, LengthCase{"25.4mm", 96},
                                           LengthCase{"2.54cm", 96}, LengthCase{"1em", 16}, LengthCase{"2ex", 16},
                                           LengthCase{"50%", 100}, LengthCase{" -1.5e1px ", -15}));

TEST(Lengths, UnknownUnitsAndJunkAreErrors) {
  for (const char* bad : {"10qq", "10 px", "px", "", "1e39", "10px5"}) {
    EXPECT_THROW(parseLength(bad), ValueError) << bad;
  }
  try {
    parseLength("12furlongs");
  } catch (const ValueError& e) {
    EXPECT_EQ(e.offset(), 2u);
    EXPECT_STREQ(e.what(), "unknown unit 'furlongs'");
  }
}

TEST(Lengths, PointsPerPixel) {
  // 96 px to the inch, 72 pt to the inch.
  EXPECT_DOUBLE_EQ(kPointsPerPixel * 96, 72);
}

}  // namespace
}  // namespace easel::svg
