// Point contour modes through the loaded module: the radial offset with every
// variation mode, every point mode on a square and a circle, the options that
// keep points, the choice of segments, compound paths, and paths or art that
// give the modes nothing sound to work on. Expected points are worked out
// here from the modes' rows in single precision, with the host's real math
// as its interface defines it (computed in double, rounded once).
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "tests/engine/ContourFixture.h"
#include "tests/engine/TraceCalls.h"

namespace contour_test {
namespace {

using easel::ArtRef;

constexpr AIReal kPageWidth = 612, kPageHeight = 792;  // the harness's page

// The host's real math, by its definitions.
AIReal hostSin(AIReal a) { return static_cast<AIReal>(std::sin(static_cast<double>(a))); }
AIReal hostCos(AIReal a) { return static_cast<AIReal>(std::cos(static_cast<double>(a))); }
AIReal hostAdd(AIReal a, AIReal b) { return static_cast<AIReal>(static_cast<double>(a) + b); }
AIReal hostDistance(AIRealPoint a, AIRealPoint b) {
  return static_cast<AIReal>(std::hypot(static_cast<double>(b.h) - a.h, static_cast<double>(b.v) - a.v));
}
AIReal hostAngle(AIRealPoint a, AIRealPoint b) {
  if (a.h == b.h && a.v == b.v) return 0;
  return static_cast<AIReal>(std::atan2(static_cast<double>(b.v) - a.v, static_cast<double>(b.h) - a.h));
}
AIRealPoint hostInterpolate(AIRealPoint a, AIRealPoint b, AIReal t) {
  return {static_cast<AIReal>(b.h + (static_cast<double>(a.h) - b.h) * t),
          static_cast<AIReal>(b.v + (static_cast<double>(a.v) - b.v) * t)};
}

AIRealPoint centerOf(const AIRealRect& r) {
  return {r.left + (r.right - r.left) * 0.5f, r.bottom + (r.top - r.bottom) * 0.5f};
}

// Where one segment's points go, for the options of a run.
struct PointRun {
  int32_t mode = 0;
  AIReal anchorT = 0, directionT = 0;
  bool keepDirection = false, keepAnchor = false;
};

class PointsTest : public ContourFixture {
 protected:
  static ContourParams pointParams(int32_t mode, int32_t contourCount) {
    ContourParams p = defaultParams();
    p.contourCount = contourCount;
    p.pointsContourMode = mode;
    p.pointsContourAmount = 50;  // 5 points per contour
    return p;
  }

  // The anchor by the row of the point mode (draws for modes 4, 5, 7, x first).
  AIRealPoint rowAnchor(int32_t mode, AIRealPoint anchor, AIRealPoint g, AIReal len, AIReal ang, AIReal o, int32_t k,
                        int32_t i, int32_t n, int32_t m) {
    const AIReal cx = g.h, cy = g.v;
    const auto radial = [&](AIReal d) {
      return AIRealPoint{cx + hostCos(ang) * (len - d), cy + hostSin(ang) * (len - d)};
    };
    const AIReal third = 0.33333334f;
    switch (mode) {
      case 0: return radial(o);
      case 1: return radial(k % 2 == 1 ? 0.5f * o : o);
      case 2: return {cx + hostCos(ang) * (len - o), cy + hostSin(-ang) * (len - o)};
      case 3: return {cx - hostCos(ang) * (len - o), cy - hostSin(ang) * (len - o)};
      case 4: {
        const AIReal r1 = nextDraw(), r2 = nextDraw();
        return {cx + hostCos(ang) * (len - r1 * o), cy + hostSin(ang) * (len - r2 * o)};
      }
      case 5:
      case 7: {
        const AIReal r1 = nextDraw(), r2 = nextDraw();
        const bool back = mode == 7 && k % 2 == 1;
        const AIReal a1 = back ? ang - r1 * third : ang + r1 * third;
        const AIReal a2 = back ? ang - r2 * third : ang + r2 * third;
        return {cx + hostCos(a1) * (len - o), cy + hostSin(a2) * (len - o)};
      }
      case 6: return radial(static_cast<AIReal>(k % 5) * o);
      case 8: return radial(i % 2 == 1 ? 0 : o);
      case 9: return radial(static_cast<AIReal>(i) * o);
      case 10: return radial(i % 3 == 0 ? o : 0);
      case 11: return radial(i % 2 == 1 ? 0.5f * o : 2 * o);
      case 12: return radial(i % 4 == 3 ? o : 0);
      case 13: return radial((m + i) % 2 == 1 ? 0 : o);
      case 14: return radial(i % 3 == 2 ? o : 0.3f * o);
      case 15:
        return {cx + hostCos(ang) * (cx / kPageWidth) * (len - o), cy + hostSin(ang) * (cy / kPageHeight) * (len - o)};
      case 16: {
        const AIReal share = static_cast<AIReal>(i) / static_cast<AIReal>(n);
        return {cx + hostCos(ang) * share * (len - o), cy + hostSin(ang) * share * (cy / kPageHeight) * (len - o)};
      }
      default: return anchor;
    }
  }

  // The segment after its modification about centre g (q: the point centre).
  AIPathSegment moved(AIPathSegment s, const PointRun& r, AIRealPoint g, AIRealPoint q, AIReal o, int32_t k, int32_t i,
                      int32_t n, int32_t m = 0) {
    s.p = hostInterpolate(q, s.p, r.anchorT);
    s.in = hostInterpolate(q, s.in, r.directionT);
    s.out = hostInterpolate(q, s.out, r.directionT);
    const AIReal len = hostDistance(q, s.p);
    const AIReal ang = hostAngle(q, s.p);
    const AIPathSegment kept = s;
    AIRealPoint in{hostAdd(s.in.h, -s.p.h), hostAdd(s.in.v, -s.p.v)};
    AIRealPoint out{hostAdd(s.out.h, -s.p.h), hostAdd(s.out.v, -s.p.v)};
    s.p = rowAnchor(r.mode, s.p, g, len, ang, o, k, i, n, m);
    s.in = r.keepDirection ? kept.in : AIRealPoint{in.h + s.p.h, in.v + s.p.v};
    s.out = r.keepDirection ? kept.out : AIRealPoint{out.h + s.p.h, out.v + s.p.v};
    if (r.keepAnchor) s.p = kept.p;
    return s;
  }

  static void expectSegment(const AIPathSegment& actual, const AIPathSegment& expected, const std::string& where) {
    EXPECT_FLOAT_EQ(actual.p.h, expected.p.h) << where << " anchor";
    EXPECT_FLOAT_EQ(actual.p.v, expected.p.v) << where << " anchor";
    EXPECT_FLOAT_EQ(actual.in.h, expected.in.h) << where << " in";
    EXPECT_FLOAT_EQ(actual.in.v, expected.in.v) << where << " in";
    EXPECT_FLOAT_EQ(actual.out.h, expected.out.h) << where << " out";
    EXPECT_FLOAT_EQ(actual.out.v, expected.out.v) << where << " out";
  }

  // Checks every contour of a run over `source` whose offsets are `offsets`
  // (one per contour), the centre being the source's own.
  void expectContours(ArtRef source, const PointRun& r, const std::vector<AIReal>& offsets, const std::string& what) {
    const std::vector<AIPathSegment> segments = doc().content(source).segments.toVector();
    const AIRealPoint g = centerOf(doc().bounds(source));
    const std::vector<ArtRef> made = contours();
    ASSERT_EQ(made.size(), offsets.size()) << what;
    const int32_t n = static_cast<int32_t>(segments.size());
    for (int32_t k = 0; k < static_cast<int32_t>(made.size()); ++k) {
      const auto& actual = doc().content(made[k]).segments;
      for (int32_t i = 0; i < n; ++i) {
        expectSegment(actual[i], moved(segments[i], r, g, g, offsets[k], k, i, n),
                      what + " contour " + std::to_string(k) + " segment " + std::to_string(i));
      }
    }
  }

  static double radius(const AIRealPoint& p, const AIRealPoint& c) { return std::hypot(p.h - c.h, p.v - c.v); }
};

// ---------------------------------------------------------------------------
// Every point mode (16 is the last; 17 is none) on a square and a circle, over
// three contours with offsets 5, 10, 15.

class PointModeTable : public PointsTest, public ::testing::WithParamInterface<std::tuple<int32_t, bool>> {};

TEST_P(PointModeTable, PlacesEveryAnchorByItsRow) {
  const auto [mode, circle] = GetParam();
  const ArtRef source = addPath(circle ? circleSegments(150, 220, 60) : squareSegments(150, 220, 40));
  seed(2024);
  ASSERT_EQ(run(pointParams(mode, 2)), kNoErr);
  nextDraw();  // the pulse period
  PointRun r;
  r.mode = mode;
  expectContours(source, r, {5, 10, 15}, "mode " + std::to_string(mode));
}

INSTANTIATE_TEST_SUITE_P(EveryPointMode, PointModeTable, ::testing::Combine(::testing::Range(0, 18), ::testing::Bool()),
                         [](const auto& info) {
                           return "mode" + std::to_string(std::get<0>(info.param)) +
                                  (std::get<1>(info.param) ? "_circle" : "_square");
                         });

// Every variation mode (10 is the last; 11 is none), step 5 and variance 2.
class VariationModeTable : public PointsTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(VariationModeTable, GrowsTheOffsetByItsRow) {
  const int32_t mode = GetParam();
  const ArtRef source = addPath(squareSegments(150, 220, 40));
  ContourParams p = pointParams(0, 5);
  p.pointsVariationMode = mode;
  p.pointsVariance = 20;
  seed(31);
  ASSERT_EQ(run(p), kNoErr);
  nextDraw();  // the pulse period

  std::vector<AIReal> offsets;
  AIReal o = 0, variation = 0;
  const AIReal v = 2, n = 5;
  for (int32_t k = 0; k <= 5; ++k) {
    o = o + (5 + variation);
    offsets.push_back(o);
    const AIReal kv = static_cast<AIReal>(k) * v;
    const bool odd = k % 2 == 1;
    switch (mode) {
      case 0: variation = v; break;
      case 1: variation = variation + v; break;
      case 2: variation = variation + kv; break;
      case 3: variation = odd ? 0 : v; break;
      case 4: variation = odd ? 0 : kv; break;
      case 5: variation = odd ? v : kv; break;
      case 6: variation = odd ? v : nextDraw() * v; break;
      case 7: variation = nextDraw() * v; break;
      case 8: variation = variation + nextDraw() * v; break;
      case 9: variation = k == 0 ? n : variation - kv; break;
      case 10: variation = variation + static_cast<AIReal>(k % 5) * v; break;
    }
  }
  expectContours(source, PointRun{}, offsets, "variation " + std::to_string(mode));
}

INSTANTIATE_TEST_SUITE_P(EveryVariationMode, VariationModeTable, ::testing::Range(0, 12));

// ---------------------------------------------------------------------------

TEST_F(PointsTest, NoSegmentIsReadOrWrittenWithBothAmountsZero) {
  addPath(circleSegments(150, 220, 60));
  ContourParams p = pointParams(5, 3);
  p.pointsContourAmount = 0;
  p.pointsVariance = 0;
  p.pointsApply = 1;
  ASSERT_EQ(run(p), kNoErr);
  EXPECT_EQ(contours().size(), 4u);
  for (const char* op : {"get segment count", "get segments", "set segments"}) {
    EXPECT_TRUE(callsOf(harness.trace(), op).empty()) << op;
  }
}

TEST_F(PointsTest, CircleAnchorsStepInwardByFivePointsPerContour) {
  const ArtRef circle = addPath(circleSegments(300, 400, 100));
  ASSERT_EQ(run(pointParams(0, 12)), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 13u);
  const auto& source = doc().content(circle).segments;
  for (std::size_t k = 0; k < made.size(); ++k) {
    const auto& segments = doc().content(made[k]).segments;
    for (std::size_t i = 0; i < segments.size(); ++i) {
      EXPECT_NEAR(radius(segments[i].p, {300, 400}), 95.0 - 5.0 * k, 1e-3) << k;
      // The direction points keep their place relative to the anchor.
      EXPECT_NEAR(segments[i].out.h - segments[i].p.h, source[i].out.h - source[i].p.h, 1e-4);
      EXPECT_NEAR(segments[i].out.v - segments[i].p.v, source[i].out.v - source[i].p.v, 1e-4);
    }
  }
}

TEST_F(PointsTest, BothRingsOfACompoundPathStepTowardTheirOwnCentres) {
  addCompound({circleSegments(300, 400, 100), circleSegments(300, 400, 50)});
  ASSERT_EQ(run(pointParams(0, 4)), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 5u);
  for (std::size_t k = 0; k < made.size(); ++k) {
    const ArtRef outer = doc().firstChild(made[k]);
    const ArtRef inner = doc().nextSibling(outer);
    for (const AIPathSegment& s : doc().content(outer).segments)
      EXPECT_NEAR(radius(s.p, {300, 400}), 95.0 - 5.0 * k, 1e-3);
    for (const AIPathSegment& s : doc().content(inner).segments)
      EXPECT_NEAR(radius(s.p, {300, 400}), 45.0 - 5.0 * k, 1e-3);
  }
}

TEST_F(PointsTest, AnOffsetBeyondTheRadiusTakesTheAnchorThroughTheCentre) {
  const ArtRef square = addPath(squareSegments(150, 220, 10));  // corners 14.14 from the centre
  ContourParams p = pointParams(0, 0);
  p.pointsContourAmount = 200;
  ASSERT_EQ(run(p), kNoErr);
  const auto& source = doc().content(square).segments;
  const auto& segments = doc().content(contours().at(0)).segments;
  for (std::size_t i = 0; i < 4; ++i) {
    // On the opposite side of the centre, 20 - 14.14 away from it.
    EXPECT_LT((segments[i].p.h - 150) * (source[i].p.h - 150), 0);
    EXPECT_LT((segments[i].p.v - 220) * (source[i].p.v - 220), 0);
    EXPECT_NEAR(radius(segments[i].p, {150, 220}), 20 - std::sqrt(200.0), 1e-3);
  }
}

TEST_F(PointsTest, AnAnchorOnTheCentreMovesAlongAngleZero) {
  const auto corner = [](AIReal x, AIReal y) { return AIPathSegment{{x, y}, {x, y}, {x, y}, 1}; };
  addPath({corner(0, 0), corner(10, 5), corner(20, 10)});  // the middle anchor is the bounds centre
  ASSERT_EQ(run(pointParams(0, 0)), kNoErr);
  const AIPathSegment middle = doc().content(contours().at(0)).segments[1];
  EXPECT_EQ(middle.p.h, 5.0f);
  EXPECT_EQ(middle.p.v, 5.0f);
}

TEST_F(PointsTest, PointsApplyLeavesTheSegmentsWhoseDrawRefuses) {
  const ArtRef source = addPath(circleSegments(150, 220, 60));
  ContourParams p = pointParams(0, 11);
  p.pointsApply = 1;
  seed(8);
  ASSERT_EQ(run(p), kNoErr);
  nextDraw();  // the pulse period
  const auto& segments = doc().content(source).segments;
  const AIRealPoint g{150, 220};
  int kept = 0;
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 12u);
  for (int32_t k = 0; k < 12; ++k) {
    for (int32_t i = 0; i < 4; ++i) {
      const bool leave = nextDraw() > 0.5f;
      kept += leave ? 1 : 0;
      const AIPathSegment expected = leave ? segments[i] : moved(segments[i], {}, g, g, 5.0f * (k + 1), k, i, 4);
      expectSegment(doc().content(made[k]).segments[i], expected, "contour " + std::to_string(k));
    }
  }
  EXPECT_GT(kept, 12);  // about half of 48
  EXPECT_LT(kept, 36);
}

TEST_F(PointsTest, KeepDirectionAndKeepAnchorAloneAndTogether) {
  const ArtRef source = addPath(circleSegments(150, 220, 60));
  for (int options = 1; options <= 3; ++options) {
    ContourParams p = pointParams(0, 2);
    p.pointsKeepDirection = options & 1;
    p.pointsKeepAnchor = (options & 2) >> 1;
    p.interpolateAnchor = 20;
    p.interpolateDirection = 50;
    ASSERT_EQ(run(p), kNoErr);
    PointRun r;
    r.keepDirection = p.pointsKeepDirection;
    r.keepAnchor = p.pointsKeepAnchor;
    r.anchorT = 0.2f;
    r.directionT = 0.5f;
    expectContours(source, r, {5, 10, 15}, "options " + std::to_string(options));
    removeContours();
  }
}

TEST_F(PointsTest, InterpolationPullsThePointsTowardThePointCentre) {
  const ArtRef source = addPath(circleSegments(150, 220, 60));
  ContourParams p = pointParams(17, 1);  // no point mode: the anchors stay where interpolated
  p.interpolateAnchor = 25;
  p.interpolateDirection = -40;
  p.pointsRotateCenter = 1;
  p.rotationCenterMode = 2;
  p.centerX = 10;
  p.centerY = 30;
  ASSERT_EQ(run(p), kNoErr);
  PointRun r;
  r.mode = 17;
  r.anchorT = 0.25f;
  r.directionT = -0.4f;
  const auto& segments = doc().content(source).segments;
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 2u);
  // With no radial move the path's centre plays no part; the user centre pulls.
  for (int32_t i = 0; i < 4; ++i) {
    expectSegment(doc().content(made[0]).segments[i], moved(segments[i], r, {0, 0}, {10, 30}, 0, 0, i, 4),
                  "segment " + std::to_string(i));
  }
}

TEST_F(PointsTest, AlternatePointsShiftIsOffsetByOneBetweenNeighbouringObjects) {
  const ArtRef first = addPath(squareSegments(100, 100, 40));   // object index 0
  const ArtRef second = addPath(squareSegments(300, 100, 40));  // object index 1
  ASSERT_EQ(run(pointParams(13, 0)), kNoErr);
  // From the top: the contour of object 0 (made last), that of object 1, the sources.
  const std::vector<ArtRef> art = layerArt();
  ASSERT_EQ(art.size(), 4u);
  const AIReal corner = std::sqrt(2.0f) * 40;
  for (int32_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(radius(doc().content(art[0]).segments[i].p, {100, 100}), i % 2 == 0 ? corner - 5 : corner, 1e-3);
    EXPECT_NEAR(radius(doc().content(art[1]).segments[i].p, {300, 100}), i % 2 == 1 ? corner - 5 : corner, 1e-3);
  }
  EXPECT_EQ(art[2], first);
  EXPECT_EQ(art[3], second);
}

TEST_F(PointsTest, ReverseVariationPutsTheContourCountIntoTheSecondOffset) {
  addPath(squareSegments(150, 220, 40));
  ContourParams p = pointParams(0, 4);
  p.pointsVariationMode = 9;
  ASSERT_EQ(run(p), kNoErr);
  const AIReal corner = std::sqrt(2.0f) * 40;
  // Contour 1: 5 + (5 + N), N = 4.
  for (const AIPathSegment& s : doc().content(contours().at(1)).segments)
    EXPECT_NEAR(radius(s.p, {150, 220}), corner - 14, 1e-3);
}

TEST_F(PointsTest, ArtThatIsNotAPathEndsTheRunAtItsFirstContour) {
  addPath(squareSegments(300, 300, 40));  // object index 0
  addPlaced(50, 60);                      // object index 1: processed first
  ASSERT_EQ(run(pointParams(0, 3)), kNoErr);
  EXPECT_EQ(layerArt().size(), 3u);  // the placed art's one copy, then nothing
  const std::vector<TraceCall> counts = callsOf(harness.trace(), "get segment count");
  ASSERT_EQ(counts.size(), 1u);
  EXPECT_EQ(counts[0].result, kWrongArtTypeErr);
  EXPECT_EQ(callsOf(harness.trace(), "duplicate art").size(), 1u);
}

TEST_F(PointsTest, DegeneratePathsGiveFinitePoints) {
  const auto corner = [](AIReal x, AIReal y) { return AIPathSegment{{x, y}, {x, y}, {x, y}, 1}; };
  addPath({corner(50, 50)});                                     // one segment
  addPath({corner(80, 80), corner(80, 80), corner(80, 80)});     // all on one point
  addPath({corner(100, 40), corner(160, 40), corner(130, 40)});  // no height
  for (int32_t mode = 0; mode <= 16; ++mode) {
    ASSERT_EQ(run(pointParams(mode, 2)), kNoErr) << mode;
    const std::vector<ArtRef> made = contours(3);
    ASSERT_EQ(made.size(), 9u) << mode;
    for (const ArtRef contour : made) {
      for (const AIPathSegment& s : doc().content(contour).segments) {
        EXPECT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v) && std::isfinite(s.in.h) && std::isfinite(s.out.v))
            << mode;
      }
    }
    removeContours(3);
  }
}

TEST_F(PointsTest, AnInfiniteOffsetLeavesTheSegmentsAsTheyAre) {
  const ArtRef source = addPath(squareSegments(150, 220, 40));
  ContourParams p = pointParams(0, 2);
  p.pointsContourAmount = std::numeric_limits<float>::infinity();  // no point the host could store
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 3u);
  const auto& segments = doc().content(source).segments;
  for (const ArtRef contour : made) {
    for (int32_t i = 0; i < 4; ++i) expectSegment(doc().content(contour).segments[i], segments[i], "segment");
  }
}

TEST_F(PointsTest, DocumentScaledWithoutAPageSizeLeavesTheSegments) {
  const ArtRef source = addPath(squareSegments(150, 220, 40));
  harness.session().faults.failCall("get document setup", 1, kBadParameterErr);  // the page reads as 0 x 0
  ASSERT_EQ(run(pointParams(15, 1)), kNoErr);
  const auto& segments = doc().content(source).segments;
  for (const ArtRef contour : contours()) {
    for (int32_t i = 0; i < 4; ++i) expectSegment(doc().content(contour).segments[i], segments[i], "segment");
  }
}

}  // namespace
}  // namespace contour_test
