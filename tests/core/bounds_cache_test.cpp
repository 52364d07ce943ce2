// The document keeps the bounds of leaf art between reads, carries them to
// copies and moves them with axis-aligned transforms. Whatever it keeps must
// be bit for bit what computing them afresh gives: each case compares with a
// new path built from the same segments, whose bounds nothing was kept for.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "easel/core/Document.h"

namespace easel::test {
namespace {

using Segments = std::vector<AIPathSegment>;

AIPathSegment smooth(float x, float y, float dx, float dy) { return {{x, y}, {x - dx, y - dy}, {x + dx, y + dy}, 0}; }

// A ring of anchors whose handles stay inside the anchors' box (tight bounds).
Segments ring(float cx, float cy, float r, int n) {
  Segments s;
  const double step = 2 * std::numbers::pi / n;
  const double handle = r * 4.0 / 3.0 * std::tan(step / 4);
  for (int i = 0; i < n; ++i) {
    const double a = i * step;
    s.push_back(smooth(static_cast<float>(cx + r * std::cos(a)), static_cast<float>(cy + r * std::sin(a)),
                       static_cast<float>(-handle * std::sin(a)), static_cast<float>(handle * std::cos(a))));
  }
  return s;
}

// Four anchors on the diagonals: every curve bulges past them (not tight).
Segments bulging() {
  return {smooth(10, 10, 5, -5), smooth(30, 10, 5, 5), smooth(30, 30, -5, 5), smooth(10, 30, -5, -5)};
}

// The six coordinates of a segment, anchor first, h before v.
AIReal& coordinateOf(AIPathSegment& s, int coordinate) {
  AIRealPoint AIPathSegment::*const points[] = {&AIPathSegment::p, &AIPathSegment::in, &AIPathSegment::out};
  return coordinate % 2 == 0 ? (s.*points[coordinate / 2]).h : (s.*points[coordinate / 2]).v;
}

std::vector<uint32_t> bits(const AIRealRect& r) {
  return {std::bit_cast<uint32_t>(r.left), std::bit_cast<uint32_t>(r.top), std::bit_cast<uint32_t>(r.right),
          std::bit_cast<uint32_t>(r.bottom)};
}

class BoundsCacheTest : public ::testing::Test {
 protected:
  Document doc;
  ArtRef layer = doc.addLayer("Layer 1");

  ArtRef path(const Segments& s, bool closed = true) {
    const ArtRef p = doc.createArt(ArtType::Path, layer, Place::InsideOnBottom);
    doc.setSegments(p, s, closed);
    return p;
  }
  // The bounds computed from scratch for the art's present segments.
  std::vector<uint32_t> fresh(ArtRef art) {
    const Segments segments = doc.content(art).segments.toVector();  // a copy: creating art may move the content
    return bits(doc.bounds(path(segments, doc.content(art).closed)));
  }
  void expectFresh(ArtRef art) { EXPECT_EQ(bits(doc.bounds(art)), fresh(art)); }
};

TEST_F(BoundsCacheTest, CopiesAndAxisAlignedMovesKeepExactBounds) {
  const AIRealMatrix matrices[] = {
      {0.96f, 0, 0, 0.96f, 3.7f, -1.3f},   // scale about a point, as a contour does
      {-1.5f, 0, 0, 0.3f, 100.1f, 7},      // mirrored horizontally
      {0.7f, 0, 0, -2.25f, -0.1f, 1e-3f},  // mirrored vertically
      {1, 0, 0, 1, -110, -190},            // a side lands on exactly 0
      {0.1f, 0, 0, 0.1f, 1e20f, -1e-20f},  // large and tiny offsets
      {0, 0, 0, 1, 5, 0},                  // flattened onto a line
      {1, 0, 0, 1, 0, 0},                  // the identity: points moved alone
      {std::cos(0.3f), std::sin(0.3f), -std::sin(0.3f), std::cos(0.3f), 1, 2},  // turned: computed again
  };
  for (const Segments& shape : {ring(150, 200, 40, 64), ring(0.5f, -0.25f, 1e-3f, 7), bulging()}) {
    for (const AIRealMatrix& m : matrices) {
      const ArtRef source = path(shape);
      doc.bounds(source);  // read once, so that there is something to keep
      const ArtRef copy = doc.duplicate(source, source, Place::Above);
      expectFresh(copy);
      doc.transform(copy, m, 1, kTransformObjects);
      expectFresh(copy);
      doc.transform(copy, m, 1, kTransformObjects);  // the moved bounds move again
      expectFresh(copy);
    }
  }
}

TEST_F(BoundsCacheTest, EveryChangeOfGeometryIsSeen) {
  const ArtRef p = path(ring(100, 100, 20, 16));
  doc.bounds(p);
  doc.replaceSegments(p, 3, Segments{smooth(500, 100, 0, 10)});
  expectFresh(p);
  doc.setClosed(p, false);
  expectFresh(p);
  doc.setSegments(p, bulging(), true);
  expectFresh(p);
  doc.transform(p, {2, 0, 0, 2, 0, 0}, 1, kScaleLines);  // widths only: the geometry stays
  expectFresh(p);
}

// x * 1 + 0 gives x back for every x but a negative zero, which comes out
// positive: only then does the identity change the geometry, wherever in the
// segment the negative zero is.
TEST_F(BoundsCacheTest, TheIdentityChangesOnlyNegativeZeros) {
  const AIRealMatrix identity{1, 0, 0, 1, 0, 0};
  const ArtRef plain = path(bulging());
  doc.bounds(plain);
  const uint64_t stamp = doc.geometryStamp(plain);
  doc.transform(plain, identity, 1, kTransformObjects);
  EXPECT_EQ(doc.geometryStamp(plain), stamp);
  expectFresh(plain);
  for (int coordinate = 0; coordinate < 6; ++coordinate) {
    Segments segments = bulging();
    coordinateOf(segments.back(), coordinate) = -0.0f;
    const ArtRef zeros = path(segments);
    doc.bounds(zeros);
    doc.transform(zeros, identity, 1, kTransformObjects);
    AIPathSegment moved = doc.content(zeros).segments.back();
    EXPECT_FALSE(std::signbit(coordinateOf(moved, coordinate))) << "coordinate " << coordinate;
    expectFresh(zeros);
  }
}

TEST_F(BoundsCacheTest, UndoAndRedoBringBackTheBoundsOfTheirGeometry) {
  const ArtRef p = path(ring(100, 100, 20, 16));
  const std::vector<uint32_t> before = bits(doc.bounds(p));
  doc.beginCommand("Move");
  doc.transform(p, {3, 0, 0, 3, 10, 10}, 1, kTransformObjects);
  const std::vector<uint32_t> after = bits(doc.bounds(p));
  doc.endCommand();
  ASSERT_TRUE(doc.userUndo());
  EXPECT_EQ(bits(doc.bounds(p)), before);
  ASSERT_TRUE(doc.userRedo());
  EXPECT_EQ(bits(doc.bounds(p)), after);
  expectFresh(p);
}

}  // namespace
}  // namespace easel::test
