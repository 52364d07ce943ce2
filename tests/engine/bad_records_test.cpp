// Records that no dialog would store, beyond those of the driver's tests: a
// contour count too large for any memory ends with the host's memory error
// and leaves the host usable; reals that are not finite, in the fields the
// point and paint steps read, never put a value that is not finite into the
// document.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/engine/ContourFixture.h"
#include "tests/engine/TraceCalls.h"

namespace contour_test {
namespace {

using easel::ArtRef;

class BadRecordsTest : public ContourFixture {
 protected:
  // Every real the document keeps for its art: points, paint, widths,
  // dashes, opacity and matrices.
  std::vector<float> documentReals() {
    std::vector<float> reals;
    const easel::Document& d = doc();
    for (ArtRef a = d.firstLayer(); a; a = d.nextInOrder(a)) {
      const easel::ArtContent& c = d.content(a);
      for (const AIPathSegment& s : c.segments) {
        for (const AIRealPoint& q : {s.p, s.in, s.out}) reals.insert(reals.end(), {q.h, q.v});
      }
      for (const AIColor& color : {c.style->fill.color, c.style->stroke.color})
        reals.insert(reals.end(), std::begin(color.c.components), std::end(color.c.components));
      const AIStrokeStyle& stroke = c.style->stroke;
      reals.insert(reals.end(), {stroke.width, stroke.dashOffset, stroke.miterLimit, c.opacity});
      reals.insert(reals.end(), std::begin(stroke.dashes), std::end(stroke.dashes));
      const AIRealMatrix& m = c.placement->matrix;
      reals.insert(reals.end(), {m.a, m.b, m.c, m.d, m.tx, m.ty});
    }
    return reals;
  }
  bool allFinite() {
    for (float x : documentReals()) {
      if (!std::isfinite(x)) return false;
    }
    return true;
  }
};

TEST_F(BadRecordsTest, TwoBillionContoursEndWithTheHostsMemoryError) {
  addPath(squareSegments(100, 100, 50));
  const std::size_t budget = doc().memoryHeld() + (std::size_t{1} << 20);  // a megabyte of room
  doc().setMemoryBudget(budget);
  ContourParams p = defaultParams();
  p.previewOn = 0;
  p.contourCount = 2'000'000'000;
  harness.clearTrace();
  EXPECT_EQ(run(p), kNoErr);  // "AI Go" answers 0 whatever the run returned
  EXPECT_TRUE(harness.dialogs().alerts().empty());

  // The contours made before the refusal stay; the first is 96 % of the source.
  const std::vector<ArtRef> made = contours();
  ASSERT_GT(made.size(), 100u);
  EXPECT_FLOAT_EQ(doc().bounds(made[0]).right - doc().bounds(made[0]).left, 96.0f);
  EXPECT_LE(doc().memoryHeld(), budget);
  EXPECT_EQ(doc().memoryRefusals(), 1u);
  EXPECT_TRUE(allFinite());

  // The refused copy is the last thing asked of the art; the list goes back.
  const std::vector<TraceCall> copies = callsOf(harness.trace(), "duplicate art");
  ASSERT_EQ(copies.size(), made.size() + 1);
  EXPECT_EQ(copies.back().result, kOutOfMemoryErr);
  EXPECT_EQ(opsAfterFailed(harness.trace(), "duplicate art"), std::vector<std::string>{"dispose handle"});
  EXPECT_TRUE(harness.session().misuses().empty());

  // Undone, the room is back and an ordinary run works.
  ASSERT_TRUE(doc().userUndo());
  EXPECT_EQ(layerArt().size(), 1u);
  p.contourCount = 12;
  ASSERT_EQ(run(p), kNoErr);
  EXPECT_EQ(contours().size(), 13u);
}

// The reals of the point and paint steps, each NaN, infinite or huge, with
// the modes that read them: the host refuses whatever is not finite, so the
// contours keep the last value it accepted.
TEST_F(BadRecordsTest, NonFinitePointAndPaintRealsLeaveOnlyFiniteValues) {
  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  constexpr float inf = std::numeric_limits<float>::infinity();
  AIPathStyle style = easel::defaultPathStyle();
  style.fill.color = fourColor(0.2f, 0.4f, 0.6f, 0.8f);
  style.stroke.color = rgbColor(0.5f, 0.25f, 1);
  addPath(circleSegments(200, 300, 60), style);
  float ContourParams::*const fields[] = {&ContourParams::pointsContourAmount, &ContourParams::pointsVariance,
                                          &ContourParams::interpolateAnchor,   &ContourParams::interpolateDirection,
                                          &ContourParams::interpolateStyle,    &ContourParams::widthAmount};
  for (float ContourParams::*field : fields) {
    for (const float value : {nan, inf, -inf, 3e38f, -3e38f}) {
      ContourParams p = defaultParams();
      p.previewOn = 0;
      p.contourCount = 4;
      p.pointsContourAmount = 20;
      p.pointsVariance = 10;
      p.fillColorMode = 2;    // to black
      p.strokeColorMode = 8;  // to inverted
      p.widthMode = 12;       // multiplied by the width step
      p.scaleLines = 1;
      p.pathOpacity = 1;
      p.*field = value;
      EXPECT_EQ(run(p), kNoErr);
      EXPECT_TRUE(allFinite()) << value;
      EXPECT_GT(layerArt().size(), 1u) << value;  // the run made something
      removeContours();
    }
  }
}

}  // namespace
}  // namespace contour_test
