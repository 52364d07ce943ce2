// The rotation of the contours through the loaded module: each contour turns
// about the chosen centre (of the path, of a compound path's members, of the
// page or the document) by the record's step, and the alternate flip turns
// even contours a quarter.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/engine/ContourFixture.h"
#include "tests/engine/TraceCalls.h"

namespace contour_test {
namespace {

ContourParams rotationParams() {
  ContourParams p = defaultParams();
  p.previewOn = 0;
  return p;
}

class RotationTest : public ContourFixture {};

std::vector<AIPathSegment> rectangleSegments(AIReal left, AIReal bottom, AIReal right, AIReal top) {
  std::vector<AIPathSegment> segments;
  for (AIRealPoint p :
       {AIRealPoint{left, bottom}, AIRealPoint{right, bottom}, AIRealPoint{right, top}, AIRealPoint{left, top}}) {
    segments.push_back({p, p, p, 1});
  }
  return segments;
}

// Per turned contour: the scale-and-shift matrix, then the rotation.
std::vector<AIRealMatrix> rotationsOf(const std::vector<AIRealMatrix>& all, std::size_t perContour) {
  std::vector<AIRealMatrix> turns;
  for (std::size_t i = perContour - 1; i < all.size(); i += perContour) turns.push_back(all[i]);
  return turns;
}

struct CenterCase {
  int mode;
  const char* entry;
};

class RotationCenterTest : public RotationTest, public ::testing::WithParamInterface<CenterCase> {
 protected:
  ContourParams turning() {
    ContourParams p = rotationParams();
    p.rotationCenterMode = GetParam().mode;
    p.rotation = 100.0f;  // ten degrees more per contour
    p.scaleH = p.scaleV = 0.0f;
    p.shiftH = 3.0f;
    p.shiftV = -2.0f;
    p.centerX = 40.0f;
    p.centerY = -70.0f;
    p.rotationPathNumber = 2;
    p.contourCount = 5;
    return p;
  }
};

// Two objects; the second in the list supplies the centre in mode 1. The
// turned one is at index 1, processed first.
TEST_P(RotationCenterTest, APathTurnsAboutTheChosenCenter) {
  const easel::ArtRef turned = addPath(squareSegments(100, 200, 20));
  addPath(squareSegments(300, 500, 10));
  const ContourParams p = turning();
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  const auto all = transformMatrices(harness.trace());
  ASSERT_EQ(all.size(), 2u * 2u * 6u);
  const auto turns = rotationsOf(all, 2);
  // Which object is entry 2 depends on the host's order; the centre is its bounds' centre.
  const auto entries = doc().matching(std::vector<easel::ArtMatch>{{easel::ArtType::Path, kArtSelected, kArtSelected}});
  ASSERT_EQ(entries.size(), 2u);
  const AIRealRect supplied = doc().bounds(entries[1]);
  const bool turnedFirst = entries[1] == turned;
  for (int k = 0; k <= 5; ++k) {
    const AIRealMatrix& m = turns[turnedFirst ? k : 6 + k];
    const float oh = 3.0f * float(k + 1), ov = -2.0f * float(k + 1);
    AIRealPoint want{};
    switch (p.rotationCenterMode) {
      case 0: want = {100.0f + oh, 200.0f + ov}; break;
      case 1:
        want = {supplied.left + (supplied.right - supplied.left) * 0.5f,
                supplied.bottom + (supplied.top - supplied.bottom) * 0.5f};
        break;
      case 2: want = {40.0f, -70.0f}; break;
      case 3: want = {100.0f + 2 * oh, 200.0f + 2 * ov}; break;  // a further shift beyond the moved centre
      case 4: want = {306.0f, 396.0f}; break;
    }
    const AIRealPoint pivot = fixedPoint(m);
    EXPECT_NEAR(pivot.h, want.h, 1e-2) << k;
    EXPECT_NEAR(pivot.v, want.v, 1e-2) << k;
    EXPECT_NEAR(rotationDegrees(m), 10.0 * (k + 1), 1e-3) << k;
  }
}

// Each member of a compound path turns on its own; in the path-centre modes
// about its own centre, with no shift added.
TEST_P(RotationCenterTest, ACompoundPathTurnsMemberByMember) {
  addCompound({squareSegments(100, 200, 20), squareSegments(160, 200, 10)});
  ContourParams p = turning();
  p.rotationPathNumber = 1;
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  const auto all = transformMatrices(harness.trace());
  // Per contour: one scale-and-shift matrix per member, then one turn per member.
  ASSERT_EQ(all.size(), 6u * 4u);
  for (int k = 0; k <= 5; ++k) {
    const float oh = 3.0f * float(k + 1), ov = -2.0f * float(k + 1);
    const AIRealPoint memberCenters[] = {{100.0f + oh, 200.0f + ov}, {160.0f + oh, 200.0f + ov}};
    for (int member = 0; member < 2; ++member) {
      const AIRealMatrix& m = all[4 * k + 2 + member];
      AIRealPoint want{};
      switch (p.rotationCenterMode) {
        case 0:
        case 3: want = memberCenters[member]; break;
        case 1: want = {125.0f, 200.0f}; break;  // the whole compound path's centre
        case 2: want = {40.0f, -70.0f}; break;
        case 4: want = {306.0f, 396.0f}; break;
      }
      const AIRealPoint pivot = fixedPoint(m);
      EXPECT_NEAR(pivot.h, want.h, 1e-2) << "contour " << k << ", member " << member;
      EXPECT_NEAR(pivot.v, want.v, 1e-2) << "contour " << k << ", member " << member;
      EXPECT_NEAR(rotationDegrees(m), 10.0 * (k + 1), 1e-3);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Centers, RotationCenterTest,
                         ::testing::Values(CenterCase{0, "path center"}, CenterCase{1, "supplied path"},
                                           CenterCase{2, "user center"}, CenterCase{3, "shift as center"},
                                           CenterCase{4, "document center"}),
                         [](const ::testing::TestParamInfo<CenterCase>& info) {
                           return "mode" + std::to_string(info.param.mode);
                         });

TEST_F(RotationTest, RotationTurnsEachContourTenDegreesMore) {
  const easel::ArtRef source = addPath(squareSegments(200, 300, 40));
  ContourParams p = rotationParams();
  p.rotation = 100.0f;
  p.scaleH = p.scaleV = 0.0f;
  ASSERT_EQ(run(p), kNoErr);
  const auto copies = contours();
  ASSERT_EQ(copies.size(), 13u);
  const AIRealPoint a0 = doc().content(source).segments[0].p;  // bottom-left corner
  for (int k = 0; k < 13; ++k) {
    const AIRealPoint a = doc().content(copies[k]).segments[0].p;
    const double turned = std::atan2(a.v - 300.0, a.h - 200.0) - std::atan2(a0.v - 300.0, a0.h - 200.0);
    EXPECT_NEAR(std::remainder(turned * 180.0 / 3.14159265358979323846 - 10.0 * (k + 1), 360.0), 0.0, 1e-3) << k;
  }
}

// An undefined centre mode turns nothing but still reads the bounds.
TEST_F(RotationTest, ACenterOutsideTheListTurnsNothing) {
  addPath(squareSegments(0, 0, 50));
  ContourParams p = rotationParams();
  p.rotation = 100.0f;
  p.rotationCenterMode = 5;
  p.contourCount = 2;
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  EXPECT_EQ(transformMatrices(harness.trace()).size(), 3u);
}

// With no rotation, the flip quarter-turns contours 0, 2, 4, ... about their
// own centres and leaves the odd ones: a wide rectangle becomes tall.
TEST_F(RotationTest, AlternateFlipTurnsEvenContoursAQuarter) {
  addPath(rectangleSegments(0, 0, 80, 20));
  ContourParams p = rotationParams();
  p.pathAlternateFlip = 1;
  p.scaleH = p.scaleV = 0.0f;
  p.contourCount = 5;
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  const auto copies = contours();
  ASSERT_EQ(copies.size(), 6u);
  for (int k = 0; k <= 5; ++k) {
    const AIRealRect b = doc().bounds(copies[k]);
    const bool flipped = k % 2 == 0;
    EXPECT_NEAR(b.right - b.left, flipped ? 20.0f : 80.0f, 1e-3) << k;
    EXPECT_NEAR(b.top - b.bottom, flipped ? 80.0f : 20.0f, 1e-3) << k;
    EXPECT_NEAR(b.left + (b.right - b.left) * 0.5f, 40.0f, 1e-3) << k;
    EXPECT_NEAR(b.bottom + (b.top - b.bottom) * 0.5f, 10.0f, 1e-3) << k;
  }
  // Even contours: scale, the quarter turn, then the (zero) rotation; odd: the scale only.
  const auto all = transformMatrices(harness.trace());
  ASSERT_EQ(all.size(), 3u * 3u + 3u);
  EXPECT_NEAR(rotationDegrees(all[1]), 90.0, 1e-4);
  EXPECT_NEAR(rotationDegrees(all[2]), 0.0, 1e-6);
}

TEST_F(RotationTest, AlternateFlipTurnsCompoundMembersAboutTheirOwnCenters) {
  addCompound({rectangleSegments(0, 0, 40, 10), squareSegments(100, 5, 5)});
  ContourParams p = rotationParams();
  p.pathAlternateFlip = 1;
  p.scaleH = p.scaleV = 0.0f;
  p.contourCount = 0;
  ASSERT_EQ(run(p), kNoErr);
  const auto copies = contours();
  ASSERT_EQ(copies.size(), 1u);
  const easel::ArtRef wide = doc().firstChild(copies[0]);
  const AIRealRect b = doc().bounds(wide);
  EXPECT_NEAR(b.right - b.left, 10.0f, 1e-3);
  EXPECT_NEAR(b.top - b.bottom, 40.0f, 1e-3);
  EXPECT_NEAR(b.left + (b.right - b.left) * 0.5f, 20.0f, 1e-3);  // its own centre, not the compound's
}

}  // namespace
}  // namespace contour_test
