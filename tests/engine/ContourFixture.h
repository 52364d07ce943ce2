// A document with one layer, shapes with known anchors and paint, and the
// contours the plug-in made of them, for the tests of the point and paint steps.
#ifndef CONTOUR_TESTS_ENGINE_CONTOURFIXTURE_H
#define CONTOUR_TESTS_ENGINE_CONTOURFIXTURE_H

#include <gtest/gtest.h>

#include <vector>

#include "easel/core/Random.h"
#include "tests/support/PluginHarness.h"

namespace contour_test {

AIColor greyColor(AIReal grey);
AIColor fourColor(AIReal cyan, AIReal magenta, AIReal yellow, AIReal black);
AIColor rgbColor(AIReal red, AIReal green, AIReal blue);

// A corner square of half side `half` about (cx, cy), anchors counter-clockwise
// from the bottom-left corner.
std::vector<AIPathSegment> squareSegments(AIReal cx, AIReal cy, AIReal half);
// A circle of four Bezier curves, anchors at 0, 90, 180 and 270 degrees.
std::vector<AIPathSegment> circleSegments(AIReal cx, AIReal cy, AIReal radius);

class ContourFixture : public ::testing::Test {
 protected:
  ContourFixture();

  easel::Document& doc() { return harness.document(); }
  // A selected closed path at the bottom of the layer.
  easel::ArtRef addPath(const std::vector<AIPathSegment>& segments, const AIPathStyle& style);
  easel::ArtRef addPath(const std::vector<AIPathSegment>& segments);
  // A selected compound path of closed member paths.
  easel::ArtRef addCompound(const std::vector<std::vector<AIPathSegment>>& members);
  // Selected placed art with a 40 x 30 box at (x, y).
  easel::ArtRef addPlaced(AIReal x, AIReal y);

  // Puts the record into the host and sends "AI Go".
  ASErr run(const ContourParams& params);
  // Restarts the document's generator and a reference one with the same seed.
  void seed(uint64_t value);
  // The next number the plug-in's generator gives after seed().
  AIReal nextDraw();

  // Removes every object of the layer above the bottom `sourceCount` (the
  // contours and copies of the last run).
  void removeContours(std::size_t sourceCount = 1);

  // Everything in the layer from the top of the stack down.
  std::vector<easel::ArtRef> layerArt() const;
  // The contours of a run without pattern copies, contour 0 first: with
  // contours placed above, the layer holds them from the last down, then the
  // source objects.
  std::vector<easel::ArtRef> contours(std::size_t sourceCount = 1) const;

  PluginHarness harness;
  easel::ArtRef layer;

 private:
  easel::Random reference_;
};

}  // namespace contour_test

#endif
