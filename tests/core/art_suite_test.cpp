#include "SuiteFixture.h"

namespace easel::test {
namespace {

class ArtSuiteTest : public SuiteTest {
 protected:
  // The children of a container, top of the stack first, through the suite.
  std::vector<AIArtHandle> children(ArtRef container) {
    std::vector<AIArtHandle> out;
    AIArtHandle child = nullptr;
    EXPECT_EQ(art.getArtFirstChild(h(container), &child), kNoErr);
    while (child != nullptr) {
      out.push_back(child);
      EXPECT_EQ(art.getArtSibling(child, &child), kNoErr);
    }
    return out;
  }
};

TEST_F(ArtSuiteTest, PaintOrdersPlaceTheCopyRelativeToTheReference) {
  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  ArtRef bottom = square(0, 0, 1, group);
  ArtRef middle = square(0, 0, 2, group);
  ArtRef top = square(0, 0, 3, group);
  ASSERT_EQ(children(group), (std::vector{h(top), h(middle), h(bottom)}));

  AIArtHandle above = nullptr, below = nullptr, aboveAll = nullptr, belowAll = nullptr;
  ASSERT_EQ(art.duplicateArt(h(middle), kPlaceAboveAll, h(middle), &aboveAll), kNoErr);
  ASSERT_EQ(art.duplicateArt(h(middle), kPlaceBelowAll, h(middle), &belowAll), kNoErr);
  ASSERT_EQ(art.duplicateArt(h(middle), kPlaceAbove, h(middle), &above), kNoErr);
  ASSERT_EQ(art.duplicateArt(h(middle), kPlaceBelow, h(middle), &below), kNoErr);
  EXPECT_EQ(children(group), (std::vector{aboveAll, h(top), above, h(middle), below, h(bottom), belowAll}));

  AIArtHandle inTop = nullptr, inBottom = nullptr;
  ASSERT_EQ(art.duplicateArt(h(top), kPlaceInsideOnTop, h(layer), &inTop), kNoErr);
  ASSERT_EQ(art.duplicateArt(h(top), kPlaceInsideOnBottom, h(layer), &inBottom), kNoErr);
  EXPECT_EQ(children(layer), (std::vector{inTop, h(group), inBottom}));
  // A path is no container.
  AIArtHandle none = nullptr;
  EXPECT_EQ(art.duplicateArt(h(top), kPlaceInsideOnTop, h(bottom), &none), kWrongArtTypeErr);
  EXPECT_EQ(none, nullptr);
}

TEST_F(ArtSuiteTest, CopyHasTheContentAndDescendantsButIsNotSelected) {
  ArtRef compound = doc().createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
  square(0, 0, 10, compound);
  square(2, 2, 4, compound);
  doc().setOpacity(compound, 0.25f);
  doc().setName(compound, "ring");
  doc().setSelected(compound, true);

  AIArtHandle copy = nullptr;
  ASSERT_EQ(art.duplicateArt(h(compound), kPlaceAboveAll, h(compound), &copy), kNoErr);
  ArtRef c = ArtRef::fromHandle(copy);
  int16_t type = 0;
  ASSERT_EQ(art.getArtType(copy, &type), kNoErr);
  EXPECT_EQ(type, kCompoundPathArt);
  EXPECT_EQ(children(c).size(), 2u);
  EXPECT_EQ(doc().content(c).opacity, 0.25f);
  EXPECT_EQ(doc().content(c).name.get(), "ring");
  int32_t attr = -1;
  ASSERT_EQ(art.getArtUserAttr(copy, kArtSelected, &attr), kNoErr);
  EXPECT_EQ(attr, 0);
  ASSERT_EQ(art.getArtUserAttr(children(c)[0], kArtSelected, &attr), kNoErr);
  EXPECT_EQ(attr, 0);
  ASSERT_EQ(art.getArtUserAttr(h(compound), kArtSelected, &attr), kNoErr);
  EXPECT_EQ(attr, kArtSelected);
  // The copy is independent of the source.
  doc().transform(c, {1, 0, 0, 1, 100, 0}, 1, kTransformObjects);
  EXPECT_EQ(doc().bounds(compound).left, 0);
}

TEST_F(ArtSuiteTest, ParentOfALayerIsNullAndOfItsArtTheLayer) {
  ArtRef p = square(0, 0, 1);
  AIArtHandle parent = reinterpret_cast<AIArtHandle>(1);
  ASSERT_EQ(art.getArtParent(h(p), &parent), kNoErr);
  EXPECT_EQ(parent, h(layer));
  ASSERT_EQ(art.getArtParent(h(layer), &parent), kNoErr);
  EXPECT_EQ(parent, nullptr);
  AIArtHandle child = reinterpret_cast<AIArtHandle>(1);
  ASSERT_EQ(art.getArtFirstChild(h(p), &child), kNoErr);
  EXPECT_EQ(child, nullptr);
}

TEST_F(ArtSuiteTest, DisposedArtAndItsMembersGetAnErrorNotACrash) {
  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  ArtRef member = square(0, 0, 1, group);
  ASSERT_EQ(art.disposeArt(h(group)), kNoErr);
  int16_t type = 0;
  EXPECT_EQ(art.getArtType(h(group), &type), kBadHandleErr);
  EXPECT_EQ(art.getArtType(h(member), &type), kBadHandleErr);
  EXPECT_EQ(art.disposeArt(h(group)), kBadHandleErr);
  EXPECT_EQ(session.misuses().size(), 3u);
  // The slot is reused by new art; the old handle stays stale.
  ArtRef fresh = square(0, 0, 1);
  EXPECT_NE(h(fresh), h(group));
  EXPECT_NE(h(fresh), h(member));
  EXPECT_EQ(art.getArtType(h(member), &type), kBadHandleErr);
}

TEST_F(ArtSuiteTest, NullStaleAndForeignHandlesAreRefusedAndChangeNothing) {
  ArtRef p = square(0, 0, 1);
  Session other;
  ArtRef foreign;
  {
    SessionScope inOther(other);
    foreign = other.document().addLayer("theirs");
  }
  const std::string before = doc().serialize({true});
  AIArtHandle copy = nullptr;
  AIRealRect bounds;
  for (AIArtHandle bad : {static_cast<AIArtHandle>(nullptr), h(foreign), reinterpret_cast<AIArtHandle>(&bounds)}) {
    EXPECT_EQ(art.duplicateArt(bad, kPlaceAbove, h(p), &copy), kBadHandleErr);
    EXPECT_EQ(art.duplicateArt(h(p), kPlaceAbove, bad, &copy), kBadHandleErr);
    EXPECT_EQ(art.getArtBounds(bad, &bounds), kBadHandleErr);
    EXPECT_EQ(art.disposeArt(bad), kBadHandleErr);
  }
  EXPECT_EQ(copy, nullptr);
  EXPECT_EQ(art.duplicateArt(h(p), 7, h(p), &copy), kBadParameterErr);
  EXPECT_EQ(art.duplicateArt(h(p), 0, h(p), &copy), kBadParameterErr);
  EXPECT_EQ(art.duplicateArt(h(p), kPlaceAbove, h(p), nullptr), kBadParameterErr);
  EXPECT_EQ(art.getArtBounds(h(p), nullptr), kBadParameterErr);
  EXPECT_EQ(doc().serialize({true}), before);
  EXPECT_EQ(session.misuses().size(), 16u);
}

TEST_F(ArtSuiteTest, CallsOfASuiteThatIsNotHeldAreRefused) {
  ArtRef p = square(0, 0, 1);
  session.release(SuiteId::AIArt);
  int16_t type = 0;
  EXPECT_EQ(art.getArtType(h(p), &type), kSuiteReleasedErr);
  EXPECT_EQ(type, 0);
}

}  // namespace
}  // namespace easel::test
