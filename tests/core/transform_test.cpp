#include <limits>

#include "SuiteFixture.h"

namespace easel::test {
namespace {

class TransformTest : public SuiteTest {};

TEST_F(TransformTest, FlagsChooseGeometryAndStrokeWidth) {
  ArtRef p = square(0, 0, 10);
  const AIRealMatrix doubleSize{2, 0, 0, 2, 0, 0};
  // Flags 15: the object and its paints, not the line widths.
  ASSERT_EQ(transform.transformArt(h(p), &doubleSize, 3, 15), kNoErr);
  EXPECT_EQ(doc().bounds(p).right, 20);
  EXPECT_EQ(doc().content(p).style->stroke.width, 1);
  // Line scaling alone: the width changes, the points do not.
  ASSERT_EQ(transform.transformArt(h(p), &doubleSize, 3, kScaleLines), kNoErr);
  EXPECT_EQ(doc().bounds(p).right, 20);
  EXPECT_EQ(doc().content(p).style->stroke.width, 3);
}

TEST_F(TransformTest, ContainersTransformEveryMemberAndMatrixArtComposesItsMatrix) {
  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  ArtRef p = square(1, 1, 1, group);
  ArtRef placed = doc().createArt(ArtType::Placed, group, Place::InsideOnTop);
  doc().setLocalBounds(placed, {0, 4, 4, 0});
  doc().setMatrix(placed, {1, 0, 0, 1, 10, 0});
  const AIRealMatrix shift{1, 0, 0, 1, 0, 100};
  ASSERT_EQ(transform.transformArt(h(group), &shift, 1, kTransformObjects), kNoErr);
  EXPECT_EQ(doc().bounds(p).bottom, 101);
  const AIRealMatrix m = doc().content(placed).placement->matrix;
  EXPECT_EQ(m.tx, 10);
  EXPECT_EQ(m.ty, 100);
  AIRealRect b = doc().bounds(group);
  EXPECT_EQ(b.left, 1);
  EXPECT_EQ(b.right, 14);
  EXPECT_EQ(b.top, 104);
}

TEST_F(TransformTest, NonFiniteMatricesAndResultsAreRefusedAndChangeNothing) {
  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  square(0, 0, 10, group);
  square(1e30f, 0, 1, group);
  const std::string before = doc().serialize();
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  const AIRealMatrix bad[] = {{nan, 0, 0, 1, 0, 0}, {1, 0, 0, 1, inf, 0}, {1e10f, 0, 0, 1, 0, 0}};
  for (const auto& m : bad) EXPECT_EQ(transform.transformArt(h(group), &m, 1, kTransformObjects), kBadParameterErr);
  const AIRealMatrix identity{1, 0, 0, 1, 0, 0};
  EXPECT_EQ(transform.transformArt(h(group), &identity, nan, kTransformObjects), kBadParameterErr);
  EXPECT_EQ(transform.transformArt(h(group), nullptr, 1, kTransformObjects), kBadParameterErr);
  EXPECT_EQ(doc().serialize(), before);
}

}  // namespace
}  // namespace easel::test
