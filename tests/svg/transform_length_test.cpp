// Transform lists, lengths with their units, and points written back through a transform.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "easel/svg/ExportGeometry.h"
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

// Written paths read back to the document's floats exactly: each point is a
// float of the element's user space that the element's transform takes onto
// the artwork point, through shifts, scales and turns.
// (The transforms here shrink the user space's float steps below the page's,
// so such a float exists.)
TEST(ExportGeometry, PointsReadBackExactlyThroughTheTransform) {
  const double cos30 = std::sqrt(3.0) / 2, eighth = 0.125;  // a turn of 30 degrees, shrunk eightfold
  const Affine transforms[] = {Affine{}, Affine::translate(0.1, -0.3),
                               Affine::translate(0.1, -0.3) * Affine::scale(0.5, 0.25),
                               Affine{cos30 * eighth, 0.5 * eighth, -0.5 * eighth, cos30 * eighth, 100, -100}};
  std::vector<AIPathSegment> segments;
  for (int k = 1; k <= 400; ++k) {
    const float x = 100 + static_cast<float>(k) * 0.0023f, y = -100 - static_cast<float>(k) * 0.0017f;
    segments.push_back({{x, y}, {x + 0.7f, y - 0.3f}, {100.2f, -100.3f}, false});
  }
  for (const Affine& local : transforms) {
    const Subpath s = toLocalSubpath(segments, true, local, local.inverse());
    ASSERT_EQ(s.anchors.size(), segments.size());
    const auto readsBack = [&](Vec2 user, AIRealPoint art) {
      const Vec2 page = local.apply(user);
      return static_cast<float>(user.x) == user.x && static_cast<float>(user.y) == user.y &&
             static_cast<float>(page.x) == art.h && static_cast<float>(page.y) == art.v;
    };
    for (std::size_t i = 0; i < segments.size(); ++i) {
      EXPECT_TRUE(readsBack(s.anchors[i].p, segments[i].p)) << local.e << " " << i;
      EXPECT_TRUE(readsBack(s.anchors[i].in, segments[i].in)) << local.e << " " << i;
      EXPECT_TRUE(readsBack(s.anchors[i].out, segments[i].out)) << local.e << " " << i;
    }
  }
  // Widths through a scale of a third (the reader multiplies).
  for (float w : {1.1f, 1.2f, 1.3f}) EXPECT_EQ(static_cast<float>(exactPreimage(w, 1.0 / 3) * (1.0 / 3)), w) << w;
}

}  // namespace
}  // namespace easel::svg
