// The document's memory budget: art beyond it is refused with the host's
// memory error and changes nothing, what is taken back or removed is room
// again, and the budget never counts less than the segments it holds.
#include <cstddef>
#include <vector>

#include "SuiteFixture.h"

namespace easel::test {
namespace {

std::vector<AIPathSegment> segments(std::size_t count) {
  std::vector<AIPathSegment> s(count);
  for (std::size_t i = 0; i < count; ++i) s[i].p = s[i].in = s[i].out = {static_cast<float>(i), 1};
  return s;
}

class MemoryBudgetTest : public SuiteTest {
 protected:
  ArtRef pathOf(std::size_t count) {
    const ArtRef p = doc().createArt(ArtType::Path, layer, Place::InsideOnTop);
    doc().setSegments(p, segments(count), true);
    return p;
  }
  // Copies of `source` until the budget refuses one; how many were made.
  std::size_t copyUntilRefused(ArtRef source) {
    std::size_t made = 0;
    for (;;) {
      AIArtHandle copy = nullptr;
      const ASErr err = art.duplicateArt(h(source), kPlaceAbove, h(source), &copy);
      if (err != kNoErr) {
        EXPECT_EQ(err, kOutOfMemoryErr);
        EXPECT_EQ(copy, nullptr);
        return made;
      }
      ++made;
    }
  }
};

TEST_F(MemoryBudgetTest, CopiesBeyondTheBudgetGetTheMemoryErrorAndChangeNothing) {
  const ArtRef source = pathOf(64);
  // Room for the segments of 50 more copies, less what their slots take.
  const std::size_t budget = doc().memoryHeld() + 50 * 64 * sizeof(AIPathSegment);
  doc().setMemoryBudget(budget);
  doc().beginCommand("Copies");
  const std::size_t made = copyUntilRefused(source);
  EXPECT_GT(made, 0u);
  EXPECT_LT(made, 50u);
  EXPECT_LE(doc().memoryHeld(), budget);
  EXPECT_EQ(doc().memoryRefusals(), 1u);
  EXPECT_EQ(doc().artCount(), 2 + made);   // the layer, the source and the copies: no half-made one
  EXPECT_TRUE(session.misuses().empty());  // running out is not the plug-in's fault

  // What the command made is room again once it is taken back.
  doc().undoChanges();
  EXPECT_EQ(doc().artCount(), 2u);
  EXPECT_EQ(copyUntilRefused(source), made);
  EXPECT_EQ(doc().memoryRefusals(), 2u);
  doc().endCommand();
}

TEST_F(MemoryBudgetTest, ANewCommandShortOfRoomGivesUpTheRedoHistoryFirst) {
  const ArtRef source = pathOf(64);
  doc().setMemoryBudget(doc().memoryHeld() + 50 * 64 * sizeof(AIPathSegment));
  doc().beginCommand("Fill");
  const std::size_t made = copyUntilRefused(source);
  doc().endCommand();
  ASSERT_TRUE(doc().userUndo());  // the copies wait for a redo and are still held
  doc().beginCommand("Again");
  EXPECT_EQ(copyUntilRefused(source), made);
  doc().endCommand();
  EXPECT_FALSE(doc().canRedo());
}

TEST_F(MemoryBudgetTest, APathCannotGrowPastTheBudgetButMayShrink) {
  const ArtRef p = pathOf(10);
  doc().setMemoryBudget(doc().memoryHeld() + 5 * sizeof(AIPathSegment));
  const std::string before = doc().serialize();
  EXPECT_THROW(doc().setSegments(p, segments(16), true), MemoryBudgetError);
  EXPECT_EQ(doc().serialize(), before);
  doc().setSegments(p, segments(15), true);  // exactly the five more that fit
  doc().setSegments(p, segments(2), false);
  doc().setSegments(p, segments(15), true);  // what it gave back is room again
  EXPECT_EQ(doc().content(p).segments.size(), 15u);
}

TEST_F(MemoryBudgetTest, UndoingAndRedoingCountTheSegmentsTheyBringBack) {
  const ArtRef p = pathOf(100);
  doc().beginCommand("Shrink");
  doc().setSegments(p, segments(4), true);
  doc().endCommand();
  const std::size_t small = doc().memoryHeld();
  ASSERT_TRUE(doc().userUndo());
  EXPECT_EQ(doc().memoryHeld(), small + 96 * sizeof(AIPathSegment));
  ASSERT_TRUE(doc().userRedo());
  EXPECT_EQ(doc().memoryHeld(), small);
}

TEST_F(MemoryBudgetTest, ANewDocumentHasRoomForMillionsOfSegments) {
  Document fresh;
  EXPECT_EQ(fresh.memoryBudget(), Document::kDefaultMemoryBudget);
  EXPECT_GE(fresh.memoryBudget(), std::size_t{10'000'000} * sizeof(AIPathSegment));
  EXPECT_LT(fresh.memoryHeld(), std::size_t{1} << 20);
}

}  // namespace
}  // namespace easel::test
