// The document's own interface, as the SVG layer and the command line use it.
#include "SuiteFixture.h"

namespace easel::test {
namespace {

class DocumentTest : public SuiteTest {};

struct Note : ArtExtra {
  explicit Note(std::string t) : text(std::move(t)) {}
  std::string canonical() const override { return text; }
  std::string text;
};

TEST_F(DocumentTest, DocumentOrderVisitsContainersBeforeTheirMembersTopFirst) {
  ArtRef upper = doc().addLayer("Upper");  // a new layer goes on top
  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  ArtRef a = square(0, 0, 1, group);
  ArtRef b = square(0, 0, 1, layer);
  ArtRef c = square(0, 0, 1, upper);
  std::vector<ArtRef> order;
  std::vector<int> depths;
  for (ArtRef x = doc().firstLayer(); x; x = doc().nextInOrder(x)) {
    order.push_back(x);
    depths.push_back(doc().depth(x));
  }
  EXPECT_EQ(order, (std::vector{upper, c, layer, b, group, a}));
  EXPECT_EQ(depths, (std::vector{0, 1, 0, 1, 1, 2}));
  EXPECT_EQ(doc().artCount(), 6u);
}

TEST_F(DocumentTest, SelectByNameAndDeselectAll) {
  ArtRef a = square(0, 0, 1);
  ArtRef b = square(0, 0, 1);
  doc().setName(a, "star");
  doc().setName(b, "moon");
  EXPECT_EQ(doc().selectByName("star"), 1u);
  EXPECT_EQ(doc().content(a).attributes, kArtSelected);
  EXPECT_EQ(doc().content(b).attributes, 0);
  EXPECT_EQ(doc().selectByName("sun"), 0u);
  doc().deselectAll();
  EXPECT_EQ(doc().content(a).attributes, 0);
}

TEST_F(DocumentTest, MovesKeepTheTreeWholeAndRefuseToGoInsideThemselves) {
  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  ArtRef inner = doc().createArt(ArtType::Group, group, Place::InsideOnTop);
  ArtRef p = square(0, 0, 1);
  doc().move(p, inner, Place::InsideOnBottom);
  EXPECT_EQ(doc().parent(p), inner);
  EXPECT_THROW(doc().move(group, inner, Place::InsideOnTop), DocumentError);
  EXPECT_THROW(doc().move(p, layer, Place::Above), DocumentError);  // paths cannot be layers
  doc().move(p, p, Place::Above);                                   // already there
  EXPECT_EQ(doc().firstChild(inner), p);
  ArtRef compound = doc().createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
  try {
    doc().move(inner, compound, Place::InsideOnTop);
    ADD_FAILURE() << "a group went into a compound path";
  } catch (const DocumentError& e) {
    EXPECT_EQ(e.code(), kWrongArtTypeErr);
  }
}

TEST_F(DocumentTest, TheSerialisationHoldsEverythingTheDocumentKeeps) {
  ArtRef p = square(0, 0, 1);
  const std::string plain = doc().serialize();
  ArtRef copy = doc().duplicate(p, p, Place::Above);
  EXPECT_NE(doc().serialize(), plain);
  doc().dispose(copy);
  EXPECT_EQ(doc().serialize(), plain);
  doc().setExtra(p, makeCounted<const Note>("kept by the importer"));
  EXPECT_NE(doc().serialize().find("kept by the importer"), std::string::npos);
  // Duplicates share what outer layers keep.
  ArtRef twin = doc().duplicate(p, p, Place::Below);
  EXPECT_EQ(doc().content(twin).extra, doc().content(p).extra);
  EXPECT_THROW(doc().setPageSize(0, 10), DocumentError);
  EXPECT_THROW(doc().setOpacity(p, 1.5f), DocumentError);
  EXPECT_THROW(doc().setMatrix(p, {1, 0, 0, 1, 0, 0}), DocumentError);
}

// A million contours of one source hold one style: copies share it, and
// so does art given a style equal to the one it has, or to the one given
// last; a different one is the art's own, and undo brings the shared one back.
TEST_F(DocumentTest, ArtPaintedAlikeSharesOneStyle) {
  ArtRef p = square(0, 0, 1);
  ArtRef copy = doc().duplicate(p, p, Place::Above);
  auto shared = [&](ArtRef a, ArtRef b) { return doc().content(a).style.sharedWith(doc().content(b).style); };
  EXPECT_TRUE(shared(p, copy));
  doc().setPathStyle(copy, doc().pathStyle(p));  // the same values
  EXPECT_TRUE(shared(p, copy));
  AIPathStyle wide = doc().pathStyle(p);
  wide.stroke.width = 3;
  doc().beginCommand("Wider");
  doc().setPathStyle(copy, wide);
  doc().endCommand();
  EXPECT_FALSE(shared(p, copy));
  EXPECT_EQ(doc().pathStyle(copy).stroke.width, 3);
  ArtRef other = square(0, 0, 1);
  doc().setPathStyle(other, wide);  // the style given last
  EXPECT_TRUE(shared(copy, other));
  AIPathStyle negativeZero = wide;
  negativeZero.stroke.dashOffset = -0.0f;  // equal to 0 as a number, not as the document's value
  doc().setPathStyle(other, negativeZero);
  EXPECT_FALSE(shared(copy, other));
  ASSERT_TRUE(doc().userUndo());
  EXPECT_TRUE(shared(p, copy));
}

}  // namespace
}  // namespace easel::test
