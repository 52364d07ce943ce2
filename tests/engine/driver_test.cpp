// The contour run driver through the loaded module: contours per object, the
// order of objects, compound paths, skip/create, random creation, deletion,
// host errors, records with values no dialog would store, and the host calls
// of the default run.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "tests/engine/ContourFixture.h"
#include "tests/engine/TraceCalls.h"

namespace contour_test {
namespace {

using easel::ArtRef;
using easel::ArtType;

ContourParams goParams() {
  ContourParams p = defaultParams();
  p.previewOn = 0;
  return p;
}

uint64_t handleOf(ArtRef art) { return static_cast<uint64_t>(art.bits()); }

// The art handles the "duplicate art" calls copied, in order.
std::vector<uint64_t> duplicatedArt(const std::vector<std::string>& trace) {
  std::vector<uint64_t> art;
  for (const TraceCall& call : callsOf(trace, "duplicate art")) art.push_back(call.in.at("art").get<uint64_t>());
  return art;
}

// The horizontal scale factors given to the host, one per made contour.
std::vector<float> madeScales(const std::vector<std::string>& trace) {
  std::vector<float> scales;
  for (const AIRealMatrix& m : transformMatrices(trace)) scales.push_back(m.a);
  return scales;
}

// H after contour k of the default " Contour - Add" with step `step`, accumulated as stored.
float addFactor(int k, float step) {
  float h = 1.0f;
  for (int i = 0; i <= k; ++i) h = h - step;
  return h;
}

class DriverTest : public ContourFixture {
 protected:
  // Whether every point of every path in the layer is finite.
  bool allPointsFinite() const {
    const easel::Document& d = const_cast<DriverTest*>(this)->doc();
    for (ArtRef a = d.firstChild(layer); a; a = d.nextInOrder(a)) {
      for (const AIPathSegment& s : d.content(a).segments) {
        for (const AIRealPoint& q : {s.p, s.in, s.out}) {
          if (!std::isfinite(q.h) || !std::isfinite(q.v)) return false;
        }
      }
    }
    return true;
  }
};

TEST_F(DriverTest, DefaultSettingsMakeThirteenContoursFrom96To48Percent) {
  const ArtRef source = addPath(squareSegments(150, 250, 50));
  harness.clearTrace();
  ASSERT_EQ(run(goParams()), kNoErr);
  const auto copies = contours();
  ASSERT_EQ(copies.size(), 13u);
  for (int k = 0; k < 13; ++k) {
    const AIRealRect b = doc().bounds(copies[k]);
    const double size = 100.0 * (1.0 - 0.04 * (k + 1));
    EXPECT_NEAR(b.right - b.left, size, 1e-3) << k;
    EXPECT_NEAR(b.top - b.bottom, size, 1e-3) << k;
    EXPECT_NEAR(b.left + (b.right - b.left) * 0.5, 150.0, 1e-3) << k;
    EXPECT_NEAR(b.bottom + (b.top - b.bottom) * 0.5, 250.0, 1e-3) << k;
  }
  for (const TraceCall& call : callsOf(harness.trace(), "duplicate art")) {
    EXPECT_EQ(call.in.at("paintOrder"), 5);
    EXPECT_EQ(call.in.at("art"), handleOf(source));
    EXPECT_EQ(call.in.at("prep"), handleOf(source));
  }
  EXPECT_TRUE(doc().valid(source));
  EXPECT_TRUE(harness.session().misuses().empty());
}

TEST_F(DriverTest, WithoutPlaceAboveTheContoursGoBelowEverything) {
  addPath(squareSegments(150, 250, 50));
  ContourParams p = goParams();
  p.placeAbove = 0;
  p.contourCount = 2;
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  for (const TraceCall& call : callsOf(harness.trace(), "duplicate art")) EXPECT_EQ(call.in.at("paintOrder"), 6);
  const auto art = layerArt();
  ASSERT_EQ(art.size(), 4u);
  EXPECT_EQ(doc().content(art[0]).segments.size(), 4u);
  EXPECT_NEAR(doc().bounds(art[3]).right - doc().bounds(art[3]).left, 88.0, 1e-3);  // the last one made is lowest
}

// The host calls of one default run, as the art sees them: per contour the
// copy, its centre, one transform (line scale 1, flags 15), the paint steps'
// style reads and writes, and the pattern step's bounds reads (the source's
// only on contour 0); at the end the selection list goes back to the host.
TEST_F(DriverTest, TheDefaultRunAsTheHostSeesIt) {
  const ArtRef source = addPath(squareSegments(150, 250, 50));
  harness.clearTrace();
  ASSERT_EQ(run(goParams()), kNoErr);
  const auto calls = traceCalls(harness.trace());

  std::vector<std::size_t> duplicates;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].op == "duplicate art") duplicates.push_back(i);
  }
  ASSERT_EQ(duplicates.size(), 13u);
  for (std::size_t k = 0; k < 13; ++k) {
    const std::size_t end = k + 1 < 13 ? duplicates[k + 1] : calls.size();
    std::vector<const TraceCall*> art;  // the calls about art and styles, without the arithmetic
    for (std::size_t i = duplicates[k] + 1; i < end; ++i) {
      const std::string& op = calls[i].op;
      if (op == "get art bounds" || op == "transform art" || op.find("style") != std::string::npos ||
          op == "dispose handle") {
        art.push_back(&calls[i]);
      }
    }
    const uint64_t copy = calls[duplicates[k]].out.at("newArt").get<uint64_t>();
    ASSERT_GE(art.size(), 4u) << k;
    EXPECT_EQ(art[0]->op, "get art bounds");
    EXPECT_EQ(art[0]->in.at("art"), copy);
    EXPECT_EQ(art[1]->op, "transform art");
    EXPECT_EQ(art[1]->in.at("lineScale").get<double>(), 1.0);
    EXPECT_EQ(art[1]->in.at("flags"), 15);
    const AIRealMatrix m = tracedMatrix(*art[1]);
    EXPECT_EQ(m.a, addFactor(static_cast<int>(k), 0.04f));
    EXPECT_EQ(m.d, m.a);
    std::size_t i = 2;
    while (i < art.size() && art[i]->op.find("style") != std::string::npos) ++i;
    EXPECT_GT(i, 2u) << "the line width step reads and writes the style";
    std::vector<uint64_t> boundsRead;
    for (; i < art.size() && art[i]->op == "get art bounds"; ++i) boundsRead.push_back(art[i]->in.at("art"));
    const std::vector<uint64_t> want =
        k == 0 ? std::vector<uint64_t>{handleOf(source), copy} : std::vector<uint64_t>{copy};
    EXPECT_EQ(boundsRead, want) << k;
    if (k + 1 < 13) {
      EXPECT_EQ(i, art.size()) << k;
    } else {
      ASSERT_EQ(i + 1, art.size());
      EXPECT_EQ(art[i]->op, "dispose handle");  // the selection list
    }
  }
  for (const TraceCall& call : calls) {
    EXPECT_NE(call.op, "append rotation to matrix");
    EXPECT_EQ(call.result, 0) << call.op;
  }
}

TEST_F(DriverTest, ACompoundPathIsOneObject) {
  const ArtRef compound = addCompound({squareSegments(100, 100, 40), squareSegments(100, 100, 20)});
  harness.clearTrace();
  ASSERT_EQ(run(goParams()), kNoErr);
  const auto duplicated = duplicatedArt(harness.trace());
  ASSERT_EQ(duplicated.size(), 13u);
  for (uint64_t art : duplicated) EXPECT_EQ(art, handleOf(compound));
  const auto copies = contours();
  ASSERT_EQ(copies.size(), 13u);
  for (int k = 0; k < 13; ++k) {
    ASSERT_EQ(doc().type(copies[k]), ArtType::CompoundPath);
    // One matrix about the centre of the whole: the members stay concentric.
    const ArtRef outer = doc().firstChild(copies[k]);
    const ArtRef inner = doc().nextSibling(outer);
    const double f = 1.0 - 0.04 * (k + 1);
    EXPECT_NEAR(doc().bounds(outer).right, 100.0 + 40.0 * f, 1e-3);
    EXPECT_NEAR(doc().bounds(inner).right, 100.0 + 20.0 * f, 1e-3);
  }
}

TEST_F(DriverTest, TheObjectWithTheHighestIndexComesFirst) {
  const ArtRef top = addPath(squareSegments(100, 100, 10));
  const ArtRef bottom = addPath(squareSegments(300, 100, 10));
  ContourParams p = goParams();
  p.contourCount = 1;
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  // The host lists the top of the stack first, so the bottom object has the higher index.
  EXPECT_EQ(duplicatedArt(harness.trace()),
            (std::vector<uint64_t>{handleOf(bottom), handleOf(bottom), handleOf(top), handleOf(top)}));
}

struct SkipCreateCase {
  int skip, create;
  std::vector<int> made;
};

class SkipCreateTest : public DriverTest, public ::testing::WithParamInterface<SkipCreateCase> {};

// The made contours keep the scale of their own index.
TEST_P(SkipCreateTest, MakesThePatternsContours) {
  addPath(squareSegments(100, 100, 50));
  ContourParams p = goParams();
  p.skipCount = GetParam().skip;
  p.createCount = GetParam().create;
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  std::vector<float> want;
  for (int k : GetParam().made) want.push_back(addFactor(k, 0.04f));
  EXPECT_EQ(madeScales(harness.trace()), want);
}

INSTANTIATE_TEST_SUITE_P(Patterns, SkipCreateTest,
                         ::testing::Values(SkipCreateCase{2, 1, {0, 3, 6, 9, 12}},
                                           SkipCreateCase{1, 2, {0, 1, 3, 4, 6, 7, 9, 10, 12}},
                                           SkipCreateCase{0, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
                                           SkipCreateCase{5, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
                                           SkipCreateCase{-3, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
                                           SkipCreateCase{40, 3, {0, 1, 2}}));

// "Path - create [R]" draws once per contour the skip/create pattern makes,
// after the run's pulse period, and leaves the contour out when the draw is
// above 0.5. With 1 skipped and 2 made of 31 contours the pattern makes 0, 1,
// 3, 4, 6, 7, ... 30; the lists below are those whose draws (SplitMix64 from
// the seed, Random.h) are 0.5 or less.
TEST_F(DriverTest, PathCreateLeavesOutTheContoursItsDrawsRefuse) {
  addPath(squareSegments(100, 100, 50));
  const struct {
    uint64_t seed;
    std::vector<int> made;
  } cases[] = {
      {7, {0, 4, 6, 7, 9, 10, 12, 13, 24, 30}}, {8, {4, 6, 9, 10, 12, 16, 18, 22, 24, 27, 30}},
      {9, {1, 4, 6, 10, 15, 18, 24, 30}},       {10, {1, 12, 13, 15, 16, 19, 21, 22, 25, 27}},
      {11, {0, 4, 7, 10, 13, 15, 21, 28}},
  };
  for (const auto& c : cases) {
    ContourParams p = goParams();
    p.pathCreate = 1;
    p.skipCount = 1;
    p.createCount = 2;
    p.contourCount = 30;
    std::vector<float> want;
    for (int k : c.made) want.push_back(addFactor(k, 0.04f));
    seed(c.seed);
    harness.clearTrace();
    ASSERT_EQ(run(p), kNoErr);
    EXPECT_EQ(madeScales(harness.trace()), want) << "seed " << c.seed;
    doc().userUndo();
  }
}

// The source gets its three mirror copies with contour 0 only: when that
// contour is not made, the source has none.
// Of the 13 contours, seed 1's draws make 2, 3, 7, 9 and 11 (not 0); seed 6's
// make 0, 1, 2, 5, 6, 7, 9, 10 and 11.
TEST_F(DriverTest, WithoutContourZeroTheSourceGetsNoMirrorCopies) {
  const ArtRef source = addPath(squareSegments(100, 100, 50));
  const struct {
    uint64_t seed;
    bool firstMade;
    std::size_t made;
  } cases[] = {{1, false, 5}, {6, true, 9}};
  for (const auto& [s, firstMade, made] : cases) {
    ContourParams p = goParams();
    p.pathCreate = 1;
    p.patternMode = 1;  // about the page centre: no draws of its own
    seed(s);
    harness.clearTrace();
    ASSERT_EQ(run(p), kNoErr);
    std::size_t sourceCopies = 0;
    for (uint64_t art : duplicatedArt(harness.trace())) sourceCopies += art == handleOf(source) ? 1 : 0;
    EXPECT_EQ(sourceCopies, made + (firstMade ? 3 : 0)) << "seed " << s;
    doc().userUndo();
  }
}

TEST_F(DriverTest, PathDeleteRemovesTheSelectedArtAfterAFinalRun) {
  const ArtRef path = addPath(squareSegments(100, 100, 50));
  const ArtRef compound = addCompound({squareSegments(300, 100, 40), squareSegments(300, 100, 20)});
  ContourParams p = goParams();
  p.pathDelete = 1;
  ASSERT_EQ(run(p), kNoErr);
  EXPECT_FALSE(doc().valid(path));
  EXPECT_FALSE(doc().valid(compound));
  EXPECT_EQ(layerArt().size(), 26u);
  EXPECT_TRUE(harness.session().misuses().empty());  // the members were not disposed twice
}

// A final run that finds the preview's contours in place keeps them: nothing
// is undone or made again, and only the deletion happens.
TEST_F(DriverTest, AFinalRunAfterAPreviewKeepsThePreviewsContours) {
  const ArtRef path = addPath(squareSegments(100, 100, 50));
  ContourParams p = goParams();
  p.previewShown = 1;
  p.pathDelete = 1;
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  EXPECT_TRUE(callsOf(harness.trace(), "duplicate art").empty());
  EXPECT_TRUE(callsOf(harness.trace(), "undo changes of this plug-in call").empty());
  EXPECT_EQ(harness.params()->previewShown, 0);
  EXPECT_EQ(harness.params()->finalRun, 1);
  // Without the dialog nothing was gathered, so there is nothing to delete.
  EXPECT_TRUE(doc().valid(path));
}

TEST_F(DriverTest, AHostErrorInTheMiddleOfAnObjectStopsTheRunQuietly) {
  addPath(squareSegments(100, 100, 50));
  addPath(squareSegments(300, 100, 50));
  harness.session().faults.failCall("duplicate art", 5, kOutOfMemoryErr);
  harness.clearTrace();
  EXPECT_EQ(run(goParams()), kNoErr);  // a failed run shows nothing
  EXPECT_EQ(layerArt().size(), 2u + 4u);
  EXPECT_TRUE(harness.dialogs().alerts().empty());
  // Nothing more is asked of the art after the refused copy; the selection list goes back.
  EXPECT_EQ(opsAfterFailed(harness.trace(), "duplicate art"), std::vector<std::string>{"dispose handle"});
  EXPECT_EQ(callsOf(harness.trace(), "duplicate art").size(), 5u);
  // The next run starts from a fresh selection and works.
  harness.session().faults.clear();
  doc().userUndo();
  ASSERT_EQ(run(goParams()), kNoErr);
  EXPECT_EQ(layerArt().size(), 2u + 26u);
}

TEST_F(DriverTest, ARefusedTransformLeavesTheCopyAndStops) {
  addPath(squareSegments(100, 100, 50));
  harness.session().faults.failCall("transform art", 3, kBadParameterErr);
  ASSERT_EQ(run(goParams()), kNoErr);
  const auto copies = contours();
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_NEAR(doc().bounds(copies[2]).right - doc().bounds(copies[2]).left, 100.0, 1e-3);  // as duplicated
}

TEST_F(DriverTest, NothingSelectedMakesNothing) {
  doc().setSelected(addPath(squareSegments(100, 100, 50)), false);
  harness.clearTrace();
  EXPECT_EQ(run(goParams()), kNoErr);
  EXPECT_EQ(layerArt().size(), 1u);
  EXPECT_TRUE(callsOf(harness.trace(), "dispose handle").empty());  // the host gave no list
}

// ---- Records that no dialog would store --------------------------------

TEST_F(DriverTest, ANegativeContourCountMakesNothing) {
  addPath(squareSegments(100, 100, 50));
  ContourParams p = goParams();
  p.contourCount = -5;
  harness.clearTrace();
  EXPECT_EQ(run(p), kNoErr);
  EXPECT_EQ(layerArt().size(), 1u);
  EXPECT_EQ(callsOf(harness.trace(), "dispose handle").size(), 1u);
}

// A contour whose amounts are not finite is not even duplicated: the run ends
// there, so no NaN and no untransformed copy reaches the document.
TEST_F(DriverTest, NonFiniteRealsEndTheRunBeforeAnyCopy) {
  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  constexpr float inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    void (*set)(ContourParams&);
  };
  const Case cases[] = {
      {"scaleH NaN", [](ContourParams& p) { p.scaleH = nan; }},
      {"scaleV infinite", [](ContourParams& p) { p.linkContourScale = 0, p.scaleV = -inf; }},
      {"shiftH infinite", [](ContourParams& p) { p.shiftH = inf; }},
      {"shiftV NaN", [](ContourParams& p) { p.shiftV = nan; }},
      {"rotation NaN", [](ContourParams& p) { p.rotation = nan; }},
      {"user centre NaN", [](ContourParams& p) { p.rotation = 10, p.rotationCenterMode = 2, p.centerY = nan; }},
      {"accumulated overflow", [](ContourParams& p) { p.shiftMode = 5, p.shiftH = 3e37f; }},
  };
  addPath(squareSegments(100, 100, 50));
  const std::string before = doc().serialize();
  for (const Case& c : cases) {
    ContourParams p = goParams();
    c.set(p);
    EXPECT_EQ(run(p), kNoErr) << c.what;
    const std::string after = doc().serialize();
    EXPECT_TRUE(allPointsFinite()) << c.what;
    if (std::string(c.what) == "accumulated overflow") {
      EXPECT_GT(layerArt().size(), 1u);  // the contours before the overflow stay
    } else {
      EXPECT_EQ(after, before) << c.what;
    }
    doc().userUndo();
  }
}

TEST_F(DriverTest, AnUnusedNonFiniteCentreDoesNotMatter) {
  addPath(squareSegments(100, 100, 50));
  ContourParams p = goParams();
  p.rotation = 10;
  p.centerX = std::numeric_limits<float>::quiet_NaN();  // the path-centre mode does not read it
  ASSERT_EQ(run(p), kNoErr);
  EXPECT_EQ(contours().size(), 13u);
}

// Numbers outside 1 .. the number of selected objects mean the first entry.
TEST_F(DriverTest, ARotationPathNumberOutsideTheListMeansTheFirstEntry) {
  const ArtRef first = addPath(squareSegments(100, 100, 10));
  addPath(squareSegments(400, 100, 10));
  for (int number : {0, -7, 3, 1000, std::numeric_limits<int32_t>::min()}) {
    ContourParams p = goParams();
    p.rotation = 100;
    p.rotationCenterMode = 1;
    p.rotationPathNumber = number;
    p.contourCount = 0;
    harness.clearTrace();
    ASSERT_EQ(run(p), kNoErr) << number;
    const auto all = transformMatrices(harness.trace());
    ASSERT_EQ(all.size(), 4u) << number;
    const AIRealRect b = doc().bounds(first);
    for (std::size_t turn : {1u, 3u}) {
      const AIRealPoint pivot = fixedPoint(all[turn]);
      EXPECT_NEAR(pivot.h, b.left + (b.right - b.left) * 0.5f, 1e-2) << number;
      EXPECT_NEAR(pivot.v, b.bottom + (b.top - b.bottom) * 0.5f, 1e-2) << number;
    }
    doc().userUndo();
  }
}

// The entry of a member path of a selected compound path is empty after the
// gathering; the compound path it belongs to (listed just before its
// members) supplies the centre.
TEST_F(DriverTest, AnEmptyRotationPathEntryUsesItsCompoundPath) {
  addCompound({squareSegments(100, 100, 40), squareSegments(200, 100, 10)});  // entries 1 to 3
  const ArtRef turned = addPath(squareSegments(400, 400, 10));                // entry 4
  ContourParams p = goParams();
  p.rotation = 100;
  p.rotationCenterMode = 1;
  p.contourCount = 0;
  for (int number : {2, 3}) {
    p.rotationPathNumber = number;
    harness.clearTrace();
    ASSERT_EQ(run(p), kNoErr) << number;
    const auto all = transformMatrices(harness.trace());
    ASSERT_EQ(all.size(), 2u + 4u) << number;  // the path, then the compound path's two members
    const AIRealPoint pivot = fixedPoint(all[1]);
    EXPECT_NEAR(pivot.h, 135.0, 1e-2) << number;  // centre of 60 .. 210
    EXPECT_NEAR(pivot.v, 100.0, 1e-2) << number;
    EXPECT_TRUE(harness.session().misuses().empty());
    doc().userUndo();
  }
  (void)turned;
}

TEST_F(DriverTest, AGoWithoutARecordRunsNothing) {
  addPath(squareSegments(100, 100, 50));
  harness.clearTrace();
  EXPECT_EQ(harness.go(), kNoErr);
  EXPECT_EQ(layerArt().size(), 1u);
  EXPECT_TRUE(callsOf(harness.trace(), "duplicate art").empty());
}

// A block shorter than the record is grown first, never read past its end.
TEST_F(DriverTest, AShortParameterBlockIsGrownBeforeUse) {
  addPath(squareSegments(100, 100, 50));
  const ContourParams p = goParams();
  harness.host().setParameterBlock(&p, 64);  // previewOn .. contourCount: 16 fields
  EXPECT_EQ(harness.go(), kNoErr);
  EXPECT_EQ(harness.host().parameterBlockSize(), sizeof(ContourParams));
  // scaleH and the rest are 0 now: 13 contours of the size of the source.
  EXPECT_EQ(contours().size(), 13u);
}

}  // namespace
}  // namespace contour_test
