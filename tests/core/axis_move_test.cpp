// Scaling and shifting a path (no turn, no shear) takes a one-pass way through
// the document. Its points must be bit for bit what the host's rule gives for
// any matrix (each coordinate a * x + c * y + t in double precision, rounded
// once), and a move that would leave a point infinite must still be refused
// whole, whether the path's bounds are known or not.
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "SuiteFixture.h"
#include "easel/core/AxisMoveKernels.h"

namespace easel::test {
namespace {

using Segments = std::vector<AIPathSegment>;

// The rule, written out here.
float moved(double first, double x, double second, double y, double move) {
  return static_cast<float>(first * x + second * y + move);
}

AIPathSegment expectedSegment(const AIRealMatrix& m, const AIPathSegment& s) {
  auto point = [&](const AIRealPoint& p) {
    return AIRealPoint{moved(m.a, p.h, m.c, p.v, m.tx), moved(m.b, p.h, m.d, p.v, m.ty)};
  };
  return {point(s.p), point(s.in), point(s.out), s.corner};
}

std::vector<uint32_t> bitsOf(const Segments& segments) {
  std::vector<uint32_t> bits;
  for (const AIPathSegment& s : segments) {
    for (const AIRealPoint& p : {s.p, s.in, s.out}) {
      bits.push_back(std::bit_cast<uint32_t>(p.h));
      bits.push_back(std::bit_cast<uint32_t>(p.v));
    }
  }
  return bits;
}

class AxisMoveTest : public SuiteTest {
 protected:
  ArtRef pathOf(const Segments& segments) {
    const ArtRef p = doc().createArt(ArtType::Path, layer, Place::InsideOnTop);
    doc().setSegments(p, segments, true);
    return p;
  }
};

// Zeros of both signs, a point on the axis, direction points beyond the
// anchors, and values whose products round.
const Segments shape = {{{0.0f, -0.0f}, {-0.0f, 0.0f}, {1.0f / 3, 7.1f}, 1},
                        {{110, 190}, {109.9f, 200.5f}, {110.1f, 179.5f}, 0},
                        {{-3.25f, 1e-7f}, {-80, 1e-7f}, {2.5e6f, -1e6f}, 0}};
// Polygons, which the document keeps as anchors alone: in place (three) and
// on the heap (five).
const Segments triangle = {{{0.0f, -0.0f}, {0.0f, -0.0f}, {0.0f, -0.0f}, 1},
                           {{110, 190}, {110, 190}, {110, 190}, 1},
                           {{1.0f / 3, 7.1f}, {1.0f / 3, 7.1f}, {1.0f / 3, 7.1f}, 1}};
const Segments pentagon = {{{0, 0}, {0, 0}, {0, 0}, 0},
                           {{-3.25f, 1e-7f}, {-3.25f, 1e-7f}, {-3.25f, 1e-7f}, 0},
                           {{9, 4}, {9, 4}, {9, 4}, 0},
                           {{2.5e6f, -1e6f}, {2.5e6f, -1e6f}, {2.5e6f, -1e6f}, 0},
                           {{-0.0f, 3}, {-0.0f, 3}, {-0.0f, 3}, 0}};

TEST_F(AxisMoveTest, EveryPointIsWhatTheRuleGives) {
  const AIRealMatrix matrices[] = {
      {0.96f, 0, 0, 0.96f, 3.7f, -1.3f},  // a contour's scale about its centre
      {-1.5f, 0, 0, 0.3f, 100.1f, 7},     // mirrored
      {1, 0, 0, 1, -110, -190},           // lands on exactly zero
      {0, 0, 0, -2, 5, 1e-3f},            // flattened onto a line
      {2, 0, 0, 0.5f, 0, 0},              // no move: zero signs decided by the rule
      {-1, 0, 0, 1, 0, 4},                // no horizontal move, mirrored
      {0.8f, 0.6f, -0.6f, 0.8f, 1, 2},    // turned (the general way, for comparison)
  };
  for (const Segments* path : {&shape, &triangle, &pentagon}) {
    for (const AIRealMatrix& m : matrices) {
      for (const bool boundsKnown : {false, true}) {
        const ArtRef p = pathOf(*path);
        if (boundsKnown) doc().bounds(p);
        ASSERT_EQ(transform.transformArt(h(p), &m, 1, 15), kNoErr);
        Segments want;
        for (const AIPathSegment& s : *path) want.push_back(expectedSegment(m, s));
        EXPECT_EQ(bitsOf(doc().content(p).segments.toVector()), bitsOf(want))
            << path->size() << " " << m.a << " " << m.tx << " " << boundsKnown;
      }
    }
  }
}

// The document uses the fastest way the processor has; every other way must
// give the same floats, or a file would depend on the machine that made it.
TEST(AxisMoveKernels, EveryWayGivesWhatTheRuleGives) {
  const AIRealMatrix rules[] = {{0.96f, 0, 0, 0.96f, 3.7f, -1.3f},
                                {-1.5f, 0, 0, 0.3f, 100.1f, 7},
                                {0, 0, 0, -2, 5, 1e-3f},
                                {2, 0, 0, 0.5f, 0, 0},
                                {1.0f / 3, 0, 0, 1e-30f, -0.0f, 1e30f}};
  for (const AxisMoveKernel kernel : axisMoveKernels()) {
    for (const AIRealMatrix& rule : rules) {
      Segments segments = shape;
      const double scale[2] = {rule.a, rule.d}, move[2] = {rule.tx, rule.ty};
      kernel(segments, scale, move);
      // Without the matrix's c * y term, which would turn a -0 into +0.
      const auto point = [&](const AIRealPoint& p) {
        return AIRealPoint{static_cast<float>(scale[0] * p.h + move[0]), static_cast<float>(scale[1] * p.v + move[1])};
      };
      Segments want;
      for (const AIPathSegment& s : shape) want.push_back({point(s.p), point(s.in), point(s.out), s.corner});
      EXPECT_EQ(bitsOf(segments), bitsOf(want)) << rule.a << " " << rule.tx;
      EXPECT_EQ(segments[0].corner, 1);  // not a point: left alone
    }
  }
}

TEST_F(AxisMoveTest, AMoveThatOverflowsAnyPointIsRefusedWhole) {
  // The anchors stay small; one direction point is what overflows.
  const Segments shape = {{{0, 0}, {0, 0}, {3e38f, 0}, 0}, {{10, 0}, {10, 0}, {10, 0}, 0}, {{5, 5}, {5, 5}, {5, 5}, 0}};
  const AIRealMatrix doubling{2, 0, 0, 1, 1, 1};
  const AIRealMatrix far{1, 0, 0, 1e30f, 1, 1};  // overflows vertically only
  for (const bool boundsKnown : {false, true}) {
    const ArtRef p = pathOf(shape);
    if (boundsKnown) doc().bounds(p);
    const std::string before = doc().serialize();
    EXPECT_EQ(transform.transformArt(h(p), &doubling, 1, 15), kBadParameterErr);
    EXPECT_EQ(doc().serialize(), before);
    const ArtRef big = pathOf({{{0, 0}, {0, 0}, {0, 0}, 0}, {{0, 1e9f}, {0, 1e9f}, {0, 1e9f}, 0}});
    if (boundsKnown) doc().bounds(big);
    const std::string withBig = doc().serialize();
    EXPECT_EQ(transform.transformArt(h(big), &far, 1, 15), kBadParameterErr);
    EXPECT_EQ(doc().serialize(), withBig);
  }
}

TEST_F(AxisMoveTest, LineScalingStillScalesTheWidth) {
  const ArtRef p = square(0, 0, 10);
  const AIRealMatrix m{0.5f, 0, 0, 0.5f, 2, 2};
  ASSERT_EQ(transform.transformArt(h(p), &m, -3, kTransformObjects | kScaleLines), kNoErr);
  EXPECT_EQ(doc().content(p).style->stroke.width, 3);  // 1 x |-3|
  EXPECT_EQ(doc().bounds(p).right, 7);                 // 10 x 0.5 + 2
}

}  // namespace
}  // namespace easel::test
