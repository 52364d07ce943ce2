#include <cmath>
#include <limits>

#include "SuiteFixture.h"

namespace easel::test {
namespace {

class PathTest : public SuiteTest {};

TEST_F(PathTest, SegmentsAreReadAndWrittenInPlace) {
  ArtRef p = polygon({{0, 0}, {10, 0}, {10, 10}});
  int16_t count = 0;
  ASSERT_EQ(path.getPathSegmentCount(h(p), &count), kNoErr);
  EXPECT_EQ(count, 3);
  AIPathSegment s{};
  ASSERT_EQ(path.getPathSegments(h(p), 1, 1, &s), kNoErr);
  EXPECT_EQ(s.p.h, 10);
  EXPECT_EQ(s.p.v, 0);
  EXPECT_EQ(s.corner, 1);
  s.p = {11, 1};
  s.out = {12, 3};
  ASSERT_EQ(path.setPathSegments(h(p), 1, 1, &s), kNoErr);
  AIPathSegment all[3];
  ASSERT_EQ(path.getPathSegments(h(p), 0, 3, all), kNoErr);
  EXPECT_EQ(all[0].p.h, 0);
  EXPECT_EQ(all[1].p.h, 11);
  EXPECT_EQ(all[1].out.v, 3);
  EXPECT_EQ(all[2].p.v, 10);
  ASBoolean closed = 0;
  ASSERT_EQ(path.getPathClosed(h(p), &closed), kNoErr);
  EXPECT_EQ(closed, 1);
}

TEST_F(PathTest, RangesOutsideThePathAndBadPointsAreRefusedAndChangeNothing) {
  ArtRef p = polygon({{0, 0}, {10, 0}, {10, 10}});
  const std::string before = doc().serialize();
  AIPathSegment s[4]{};
  EXPECT_EQ(path.getPathSegments(h(p), 3, 1, s), kBadParameterErr);
  EXPECT_EQ(path.getPathSegments(h(p), 2, 2, s), kBadParameterErr);
  EXPECT_EQ(path.getPathSegments(h(p), -1, 1, s), kBadParameterErr);
  EXPECT_EQ(path.getPathSegments(h(p), 0, -1, s), kBadParameterErr);
  EXPECT_EQ(path.getPathSegments(h(p), 0, 1, nullptr), kBadParameterErr);
  EXPECT_EQ(path.setPathSegments(h(p), 2, 2, s), kBadParameterErr);
  EXPECT_EQ(path.setPathSegments(h(p), 0, -2, s), kBadParameterErr);
  s[0].in.v = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(path.setPathSegments(h(p), 0, 1, s), kBadParameterErr);
  s[0].in.v = std::numeric_limits<float>::infinity();
  EXPECT_EQ(path.setPathSegments(h(p), 0, 1, s), kBadParameterErr);
  EXPECT_EQ(doc().serialize(), before);
  // Zero segments at the end is an empty range, not an error.
  EXPECT_EQ(path.getPathSegments(h(p), 3, 0, nullptr), kNoErr);
}

TEST_F(PathTest, ArtThatIsNotAPathIsRefusedWithoutMisuse) {
  ArtRef text = doc().createArt(ArtType::Text, layer, Place::InsideOnTop);
  ArtRef compound = doc().createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
  int16_t count = -1;
  AIPathSegment s{};
  EXPECT_EQ(path.getPathSegmentCount(h(text), &count), kWrongArtTypeErr);
  EXPECT_EQ(path.getPathSegments(h(compound), 0, 0, &s), kWrongArtTypeErr);
  EXPECT_EQ(path.setPathSegments(h(text), 0, 0, &s), kWrongArtTypeErr);
  EXPECT_EQ(count, -1);
  EXPECT_TRUE(session.misuses().empty());
}

TEST_F(PathTest, TooManySegmentsForA16BitCount) {
  ArtRef p = doc().createArt(ArtType::Path, layer, Place::InsideOnTop);
  doc().setSegments(p, std::vector<AIPathSegment>(32768), false);
  int16_t count = 0;
  EXPECT_EQ(path.getPathSegmentCount(h(p), &count), kTooManySegmentsErr);
  doc().setSegments(p, std::vector<AIPathSegment>(32767), false);
  EXPECT_EQ(path.getPathSegmentCount(h(p), &count), kNoErr);
  EXPECT_EQ(count, 32767);
}

}  // namespace
}  // namespace easel::test
