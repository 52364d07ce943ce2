// The Pattern list's mirror copies through the loaded module: the point of
// every entry, the positions and flips of the three copies, their stacking,
// compound paths mirrored member by member, and the count over a whole run.
#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "tests/engine/ContourFixture.h"
#include "tests/engine/TraceCalls.h"

namespace contour_test {
namespace {

using easel::ArtRef;

constexpr AIReal kPageWidth = 612, kPageHeight = 792;  // the harness's page

// A right triangle, so that every flip shows.
std::vector<AIPathSegment> triangle() {
  const auto corner = [](AIReal x, AIReal y) { return AIPathSegment{{x, y}, {x, y}, {x, y}, 1}; };
  return {corner(130, 180), corner(170, 180), corner(130, 210)};
}

AIRealPoint centerOf(const AIRealRect& r) {
  return {r.left + (r.right - r.left) * 0.5f, r.bottom + (r.top - r.bottom) * 0.5f};
}

class PatternTest : public ContourFixture {
 protected:
  static ContourParams patternParams(int32_t mode, int32_t contourCount) {
    ContourParams p = defaultParams();
    p.contourCount = contourCount;
    p.scaleH = p.scaleV = 0;  // contours on their source, so the copies' places are the source's
    p.patternMode = mode;
    return p;
  }

  // The point of `mode` for art with bounds `b`, drawing as the entry does.
  AIRealPoint expectedPoint(int32_t mode, const AIRealRect& b, AIRealPoint sourceCenter) {
    const AIRealPoint c = centerOf(b);
    switch (mode) {
      case 1: return {kPageWidth * 0.5f, kPageHeight * 0.5f};
      case 2: return {0, 0};
      case 3: return c;
      case 4: return {0, c.v};
      case 5: return {c.h, 0};
      case 6: return {b.right, b.top};
      case 7: {
        const AIReal r1 = nextDraw();
        return {nextDraw() * kPageWidth, r1 * kPageHeight};
      }
      case 8: return sourceCenter;
      case 9: return {kPageWidth / 2 + 100, kPageHeight / 2 + 100};
      default: {
        const AIReal r1 = nextDraw();
        return {kPageWidth / 2 + 100 * nextDraw(), kPageHeight / 2 + 100 * r1};
      }
    }
  }

  // The three copies of `art` are its mirror images about `point`: across the
  // vertical line, through the point, across the horizontal line.
  void expectMirrors(ArtRef art, const ArtRef copies[3], AIRealPoint point, const std::string& where) {
    const auto& source = doc().content(art).segments;
    const AIReal sx[3] = {-1, -1, 1}, sy[3] = {1, -1, -1};
    for (int c = 0; c < 3; ++c) {
      const auto& mirrored = doc().content(copies[c]).segments;
      ASSERT_EQ(mirrored.size(), source.size());
      for (std::size_t i = 0; i < source.size(); ++i) {
        const AIReal x = sx[c] < 0 ? 2 * point.h - source[i].p.h : source[i].p.h;
        const AIReal y = sy[c] < 0 ? 2 * point.v - source[i].p.v : source[i].p.v;
        EXPECT_NEAR(mirrored[i].p.h, x, 1e-3) << where << " copy " << c + 1 << " anchor " << i;
        EXPECT_NEAR(mirrored[i].p.v, y, 1e-3) << where << " copy " << c + 1 << " anchor " << i;
      }
    }
  }
};

class PatternModeTable : public PatternTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(PatternModeTable, MirrorsTheSourceAndItsContourAboutTheEntrysPoint) {
  const int32_t mode = GetParam();
  const ArtRef source = addPath(triangle());
  const AIRealRect bounds = doc().bounds(source);
  seed(99);
  ASSERT_EQ(run(patternParams(mode, 0)), kNoErr);
  nextDraw();  // the pulse period

  // From the top: the contour's three copies, the source's three, the contour, the source.
  const std::vector<ArtRef> art = layerArt();
  ASSERT_EQ(art.size(), 8u);
  const ArtRef sourceCopies[3] = {art[5], art[4], art[3]};
  const ArtRef contourCopies[3] = {art[2], art[1], art[0]};
  const AIRealPoint sourcePoint = expectedPoint(mode, bounds, centerOf(bounds));
  const AIRealPoint contourPoint = expectedPoint(mode, doc().bounds(art[6]), centerOf(bounds));
  expectMirrors(source, sourceCopies, sourcePoint, "source, mode " + std::to_string(mode));
  expectMirrors(art[6], contourCopies, contourPoint, "contour, mode " + std::to_string(mode));
}

INSTANTIATE_TEST_SUITE_P(EveryPatternEntry, PatternModeTable, ::testing::Range(1, 11));

TEST_F(PatternTest, CentreThreeOnASymmetricSquareFlipsEachCopyInPlace) {
  addPath(squareSegments(200, 300, 40));
  ContourParams p = patternParams(3, 12);
  p.scaleH = p.scaleV = 4;
  ASSERT_EQ(run(p), kNoErr);
  // The source and its 13 contours, each with three copies: 3 + 3 × 13 copies.
  const std::vector<ArtRef> art = layerArt();
  ASSERT_EQ(art.size(), 1u + 13u + 3u + 3u * 13u);
  std::map<std::tuple<AIReal, AIReal, AIReal, AIReal>, int> sameBounds;
  for (const ArtRef a : art) {
    const AIRealRect b = doc().bounds(a);
    ++sameBounds[{std::round(b.left * 1000), std::round(b.top * 1000), std::round(b.right * 1000),
                  std::round(b.bottom * 1000)}];
  }
  EXPECT_EQ(sameBounds.size(), 14u);
  for (const auto& [bounds, count] : sameBounds) EXPECT_EQ(count, 4);
}

TEST_F(PatternTest, CopiesGoBelowEverythingWhenTheContoursDo) {
  addPath(triangle());
  ContourParams p = patternParams(2, 1);
  p.placeAbove = 0;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<TraceCall> duplicates = callsOf(harness.trace(), "duplicate art");
  ASSERT_EQ(duplicates.size(), 2u + 3u + 3u * 2u);
  for (const TraceCall& call : duplicates) EXPECT_EQ(call.in.at("paintOrder").get<int>(), kPlaceBelowAll);
  for (const TraceCall& call : callsOf(harness.trace(), "transform art")) {
    const int flags = call.in.at("flags").get<int>();
    EXPECT_TRUE(flags == kTransformObjects || flags == 15) << flags;  // mirror copies, or the contours
  }
}

TEST_F(PatternTest, ACompoundPathCopyIsMirroredMemberByMember) {
  const ArtRef ring = addCompound({circleSegments(150, 200, 40), circleSegments(150, 200, 20)});
  ASSERT_EQ(run(patternParams(2, 0)), kNoErr);
  int mirrorMoves = 0;
  for (const TraceCall& call : callsOf(harness.trace(), "transform art")) {
    if (call.in.at("flags").get<int>() != kTransformObjects) continue;
    ++mirrorMoves;
    EXPECT_EQ(doc().type(ArtRef(call.in.at("art").get<uint64_t>())), easel::ArtType::Path);
  }
  EXPECT_EQ(mirrorMoves, 2 * 3 * 2 * 2);  // source and contour, three copies, move and flip, two members
  // The source's copy through the origin holds both circles there.
  const std::vector<ArtRef> art = layerArt();
  const ArtRef throughOrigin = art[4];
  for (ArtRef member = doc().firstChild(throughOrigin); member; member = doc().nextSibling(member)) {
    const AIRealPoint c = centerOf(doc().bounds(member));
    EXPECT_NEAR(c.h, -150, 1e-3);
    EXPECT_NEAR(c.v, -200, 1e-3);
  }
  EXPECT_EQ(doc().type(ring), easel::ArtType::CompoundPath);
}

}  // namespace
}  // namespace contour_test
