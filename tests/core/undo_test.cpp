#include "SuiteFixture.h"

namespace easel::test {
namespace {

class UndoTest : public SuiteTest {
 protected:
  UndoTest() {
    group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
    member = square(0, 0, 10, group);
    compound = doc().createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
    square(20, 0, 10, compound);
    square(22, 2, 4, compound);
    text = doc().createArt(ArtType::Text, layer, Place::InsideOnBottom);
    doc().setLocalBounds(text, {0, 12, 40, 0});
    lone = square(50, 50, 5);
    doc().setSelected(compound, true);
    doc().setSelected(lone, true);
  }

  std::string snapshot() { return doc().serialize({true}); }

  AIArtHandle dup(ArtRef source, int16_t order) {
    AIArtHandle copy = nullptr;
    EXPECT_EQ(art.duplicateArt(h(source), order, h(source), &copy), kNoErr);
    return copy;
  }

  // What a contour run does: copies, moved and restyled, and changes to the
  // objects that were there before.
  std::vector<AIArtHandle> makeChanges() {
    std::vector<AIArtHandle> made;
    const AIRealMatrix shrink{0.5f, 0, 0, 0.5f, 3, 4};
    for (ArtRef source : {lone, compound, text}) {
      AIArtHandle copy = dup(source, kPlaceAboveAll);
      EXPECT_EQ(transform.transformArt(copy, &shrink, 1, 15), kNoErr);
      made.push_back(copy);
    }
    AIPathStyle red = defaultPathStyle();
    red.fill.color.kind = kThreeColor;
    red.fill.color.c.rgb = {1, 0, 0};
    red.stroke.width = 7;
    EXPECT_EQ(style.setPathStyle(made[1], &red), kNoErr);
    EXPECT_EQ(style.setPathStyle(h(compound), &red), kNoErr);  // the source too
    EXPECT_EQ(transform.transformArt(h(lone), &shrink, 2, 31), kNoErr);
    AIPathSegment s{{9, 9}, {9, 9}, {9, 9}, 0};
    EXPECT_EQ(path.setPathSegments(h(member), 2, 1, &s), kNoErr);
    EXPECT_EQ(suites::blendStyle()->setOpacity(h(text), 0.5f), kNoErr);
    EXPECT_EQ(art.disposeArt(h(group)), kNoErr);
    EXPECT_EQ(art.disposeArt(made[0]), kNoErr);
    doc().move(text, compound, Place::Above);
    doc().setSelected(lone, false);
    return made;
  }

  ArtRef group, member, compound, text, lone;
};

TEST_F(UndoTest, UndoingThePlugInCallGivesBackTheSameDocumentAndHandles) {
  const std::string before = snapshot();
  doc().beginCommand("Contour");
  const auto made = makeChanges();
  ASSERT_NE(snapshot(), before);
  ASSERT_EQ(undo.undoChanges(), kNoErr);
  EXPECT_EQ(snapshot(), before);
  // Disposed art is back under its old handle; art made by the call is stale.
  int16_t type = 0;
  EXPECT_EQ(art.getArtType(h(group), &type), kNoErr);
  EXPECT_EQ(art.getArtType(h(member), &type), kNoErr);
  for (AIArtHandle copy : made) EXPECT_EQ(art.getArtType(copy, &type), kBadHandleErr);
  // Nothing left to undo is not an error.
  EXPECT_EQ(undo.undoChanges(), kNoErr);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(UndoTest, PreviewsUndoneOneAfterAnotherLeaveOneSetAndTheUserUndoesTheCommand) {
  const std::string before = snapshot();
  doc().beginCommand("Contour");
  for (int preview = 0; preview < 3; ++preview) {
    ASSERT_EQ(undo.undoChanges(), kNoErr);
    makeChanges();
  }
  const std::string after = snapshot();
  doc().endCommand();
  EXPECT_EQ(doc().undoName(), "Contour");
  // Only the last preview's copies are in the document. The layer, the
  // compound path with its 2 members, the text, the lone square, and the
  // copies of the compound path (3 objects) and of the text.
  EXPECT_EQ(doc().artCount(), 1u + 3 + 1 + 1 + 3 + 1);

  ASSERT_TRUE(doc().userUndo());
  EXPECT_EQ(snapshot(), before);
  ASSERT_TRUE(doc().userRedo());
  EXPECT_EQ(snapshot(), after);
  ASSERT_TRUE(doc().userUndo());
  EXPECT_EQ(snapshot(), before);
  EXPECT_FALSE(doc().userUndo());
}

TEST_F(UndoTest, CommandsUndoAndRedoInOrderAndANewCommandDropsTheRedo) {
  const std::string s0 = snapshot();
  doc().beginCommand("first");
  AIArtHandle first = dup(lone, kPlaceBelowAll);
  doc().endCommand();
  const std::string s1 = snapshot();
  doc().beginCommand("second");
  const AIRealMatrix move{1, 0, 0, 1, 5, 5};
  ASSERT_EQ(transform.transformArt(first, &move, 1, kTransformObjects), kNoErr);
  ASSERT_EQ(art.disposeArt(h(lone)), kNoErr);
  doc().endCommand();
  const std::string s2 = snapshot();

  ASSERT_TRUE(doc().userUndo());
  EXPECT_EQ(snapshot(), s1);
  ASSERT_TRUE(doc().userUndo());
  EXPECT_EQ(snapshot(), s0);
  ASSERT_TRUE(doc().userRedo());
  EXPECT_EQ(snapshot(), s1);
  ASSERT_TRUE(doc().userRedo());
  EXPECT_EQ(snapshot(), s2);
  ASSERT_TRUE(doc().userUndo());
  ASSERT_TRUE(doc().userUndo());
  EXPECT_EQ(doc().redoName(), "first");

  doc().beginCommand("third");
  dup(compound, kPlaceAboveAll);
  doc().endCommand();
  EXPECT_FALSE(doc().canRedo());
  int16_t type = 0;
  EXPECT_EQ(art.getArtType(first, &type), kBadHandleErr);  // its command is gone for good
}

TEST_F(UndoTest, RecordsGrowWithTheChangesNotWithTheDocument) {
  for (int i = 0; i < 1000; ++i) square(static_cast<float>(i), 0, 1);
  doc().beginCommand("Contour");
  AIArtHandle copy = dup(lone, kPlaceAboveAll);
  const AIRealMatrix m{2, 0, 0, 2, 0, 0};
  // Changes to art the command made need no records of their own.
  ASSERT_EQ(transform.transformArt(copy, &m, 1, 15), kNoErr);
  ASSERT_EQ(suites::blendStyle()->setOpacity(copy, 0.5f), kNoErr);
  EXPECT_EQ(doc().pendingChanges(), 1u);
  // Art from before keeps one record per kind of change.
  ASSERT_EQ(transform.transformArt(h(lone), &m, 1, 15), kNoErr);
  ASSERT_EQ(transform.transformArt(h(lone), &m, 1, 15), kNoErr);
  EXPECT_EQ(doc().pendingChanges(), 2u);
  ASSERT_EQ(transform.transformArt(h(layer), &m, 1, 15), kNoErr);  // every object once
  EXPECT_EQ(doc().pendingChanges(), 2u + 1000 + 4);
}

TEST_F(UndoTest, TheHistoryKeepsItsLimitAndForgetsOnRemovalsOutsideACommand) {
  doc().setUndoLimit(1);
  for (const char* name : {"a", "b"}) {
    doc().beginCommand(name);
    dup(lone, kPlaceAboveAll);
    doc().endCommand();
  }
  ASSERT_TRUE(doc().userUndo());
  EXPECT_FALSE(doc().userUndo());
  ASSERT_TRUE(doc().userRedo());
  doc().dispose(text);  // outside a command: not undoable, and the history goes
  EXPECT_FALSE(doc().canUndo());
  EXPECT_FALSE(doc().canRedo());
  // A command that changes nothing leaves no step.
  doc().beginCommand("nothing");
  doc().endCommand();
  EXPECT_FALSE(doc().canUndo());
}

// The stamp names the geometry's value: a change gives a new one, a copy and
// undo or redo carry the value's own, and a reused slot starts afresh.
TEST_F(UndoTest, GeometryStampsFollowTheValueThroughCopiesUndoAndRedo) {
  const uint64_t before = doc().geometryStamp(lone);
  const ArtRef copy = doc().duplicate(lone, lone, Place::Above);
  EXPECT_EQ(doc().geometryStamp(copy), before);
  doc().beginCommand("Move");
  doc().transform(lone, {1, 0, 0, 1, 5, 0}, 1, kTransformObjects);
  doc().setClosed(lone, false);
  const uint64_t moved = doc().geometryStamp(lone);
  EXPECT_NE(moved, before);
  doc().endCommand();
  ASSERT_TRUE(doc().userUndo());
  EXPECT_EQ(doc().geometryStamp(lone), before);
  ASSERT_TRUE(doc().userRedo());
  EXPECT_EQ(doc().geometryStamp(lone), moved);
  const uint64_t textBefore = doc().geometryStamp(text);
  doc().beginCommand("Resize");
  doc().setLocalBounds(text, {0, 20, 40, 0});
  EXPECT_NE(doc().geometryStamp(text), textBefore);
  doc().undoChanges();
  EXPECT_EQ(doc().geometryStamp(text), textBefore);
  doc().endCommand();
  doc().dispose(copy);
  const ArtRef fresh = doc().createArt(ArtType::Path, layer, Place::InsideOnTop);
  EXPECT_NE(doc().geometryStamp(fresh), before);
}

// What is worked out from the document (the editor's state) holds while the
// change count stays; art an undo took out may come back until a new
// command drops the redo.
TEST_F(UndoTest, TheChangeCountMovesWithEveryChangeAndUndoneArtReturnsUntilTheRedoGoes) {
  uint64_t count = doc().changeCount();
  auto changed = [&] {
    const bool moved = doc().changeCount() != count;
    count = doc().changeCount();
    return moved;
  };
  (void)doc().bounds(lone), (void)doc().serialize();
  EXPECT_FALSE(changed());
  doc().setSelected(lone, false);
  EXPECT_TRUE(changed());
  doc().beginCommand("Contour");
  const ArtRef copy = ArtRef::fromHandle(dup(lone, kPlaceAboveAll));
  doc().endCommand();
  EXPECT_TRUE(changed());
  ASSERT_TRUE(doc().userUndo());
  EXPECT_TRUE(changed());
  EXPECT_FALSE(doc().valid(copy));
  EXPECT_TRUE(doc().mayReturn(copy));
  doc().beginCommand("Other");
  doc().setOpacity(lone, 0.5f);
  doc().endCommand();
  EXPECT_FALSE(doc().mayReturn(copy));
  EXPECT_TRUE(doc().mayReturn(lone));
}

}  // namespace
}  // namespace easel::test
