// "AI Get Parameters" through the loaded module: the record's first
// allocation with its defaults, the dialog on the kept record, cancel and
// accept, and a message for another filter.
#include <gtest/gtest.h>

#include <cstring>

#include "easel/adm/DialogManager.h"
#include "plugin/params/DialogItems.h"
#include "plugin/params/ItemIds.h"
#include "tests/engine/ContourFixture.h"
#include "tests/engine/TraceCalls.h"

namespace contour_test {
namespace {

using easel::adm::Event;

constexpr std::size_t kEditedBytes = offsetof(ContourParams, finalRun);  // the 46 fields the dialog shows or keeps

bool sameBytes(const ContourParams& a, const ContourParams& b, std::size_t bytes = sizeof(ContourParams)) {
  return std::memcmp(&a, &b, bytes) == 0;
}

// A record no default has: every field distinct, reals with fractions.
ContourParams oddRecord() {
  ContourParams p = defaultParams();
  p.previewOn = 0;
  p.contourCount = 7;
  p.currentPage = 3;
  p.scaleH = 2.5f;
  p.scaleV = -1.25f;
  p.linkContourScale = 0;
  p.shiftMode = 4;
  p.rotation = 33.5f;
  p.presetStyle = 9;
  p.dialogBoundsLeft = 11;
  p.dialogBoundsTop = 22;
  p.dialogBoundsRight = 533;
  p.dialogBoundsBottom = 266;
  p.dialogBoundsSaved = 1;
  p.reserved2 = 0x5A5A;
  return p;
}

class ParamsFlowTest : public ContourFixture {
 protected:
  const easel::adm::ShownDialog* settingsDialog() { return harness.dialogs().lastShown(kSettingsDialogName); }
};

TEST_F(ParamsFlowTest, TheFirstCallMakesABlockWithTheDefaults) {
  ASSERT_EQ(harness.params(), nullptr);
  ASSERT_EQ(harness.getParameters({Event::end(1)}), kNoErr);
  ASSERT_EQ(harness.host().parameterBlockSize(), 228u);
  ASSERT_NE(harness.params(), nullptr);
  const ContourParams want = defaultParams();
  EXPECT_TRUE(sameBytes(*harness.params(), want, kEditedBytes));
  EXPECT_EQ(harness.params()->reserved1, 0);  // as the host's new block gives it
  ASSERT_NE(settingsDialog(), nullptr);
  EXPECT_EQ(settingsDialog()->resourceId, 16100);
}

// The dialog opens with the kept values, page and place; the place keeps
// its top-left corner and the dialog its own size.
TEST_F(ParamsFlowTest, ALaterCallKeepsWhatTheBlockHolds) {
  harness.setParams(oddRecord());
  ASSERT_EQ(harness.getParameters({Event::end(1)}), kNoErr);
  EXPECT_TRUE(sameBytes(*harness.params(), oddRecord(), kEditedBytes));
  EXPECT_EQ(harness.params()->reserved2, 0x5A5A);
  ASSERT_NE(settingsDialog(), nullptr);
  EXPECT_EQ(settingsDialog()->bounds.left, 11);
  EXPECT_EQ(settingsDialog()->bounds.top, 22);
}

TEST_F(ParamsFlowTest, CancelPutsTheRecordBackAndReportsStop) {
  ContourParams before = oddRecord();
  before.previewShown = 1;
  harness.setParams(before);
  EXPECT_EQ(harness.getParameters({Event::end(2)}), kUserCanceledErr);
  ContourParams want = before;
  want.previewShown = 0;
  EXPECT_TRUE(sameBytes(*harness.params(), want));
  EXPECT_TRUE(harness.dialogs().alerts().empty());  // "STOP" is no error to show
}

// Every preview is taken back and the record is as before, byte for byte,
// except previewShown.
TEST_F(ParamsFlowTest, CancelAfterPreviewsTakesThemBack) {
  addPath(squareSegments(100, 100, 50));
  ContourParams before = oddRecord();
  before.previewOn = 1;
  harness.setParams(before);
  const std::string document = doc().serialize();
  harness.clearTrace();
  const ASErr result =
      harness.getParameters({Event::setValue(kContoursEdit, 20), Event::setValue(kScaleHEdit, 9), Event::end(2)});
  ASSERT_EQ(harness.dialogs().scriptError(), "");
  EXPECT_EQ(result, kUserCanceledErr);
  EXPECT_GE(callsOf(harness.trace(), "duplicate art").size(), 2u * 21u);  // the previews were drawn
  harness.host().endCommand();
  EXPECT_EQ(doc().serialize(), document);
  EXPECT_TRUE(sameBytes(*harness.params(), before));  // previewShown was 0 before
}

// Accepting leaves the preview's contours and the record as the dialog left them.
TEST_F(ParamsFlowTest, AcceptReturnsZeroAndKeepsTheEdits) {
  addPath(squareSegments(100, 100, 50));
  harness.setParams(defaultParams());
  const ASErr result = harness.getParameters({Event::setValue(kContoursEdit, 3), Event::end(1)});
  ASSERT_EQ(harness.dialogs().scriptError(), "");
  EXPECT_EQ(result, kNoErr);
  EXPECT_EQ(harness.params()->contourCount, 3);
  EXPECT_EQ(harness.params()->previewShown, 1);
  EXPECT_EQ(contours().size(), 4u);
  // "AI Go" keeps them: no second set.
  EXPECT_EQ(harness.host().go(), kNoErr);
  harness.host().endCommand();
  EXPECT_EQ(contours().size(), 4u);
  EXPECT_EQ(harness.params()->previewShown, 0);
}

// The record keeps what the dialog wrote (its place, which the snapshot
// lacks), and the selection list is not given back. Preview is off, so the
// cancel's undo is the command's first.
// The preview shows the selected art with its contours; only the final run deletes it.
TEST_F(ParamsFlowTest, PathDeleteWaitsForTheFinalRun) {
  const easel::ArtRef path = addPath(squareSegments(100, 100, 50));
  harness.setParams(defaultParams());
  ASSERT_EQ(harness.getParameters({Event::setValue(kPathDeleteCheck, 1), Event::end(1)}), kNoErr);
  ASSERT_EQ(harness.dialogs().scriptError(), "");
  EXPECT_EQ(harness.params()->pathDelete, 1);
  EXPECT_TRUE(doc().valid(path));
  EXPECT_EQ(layerArt().size(), 14u);
  EXPECT_EQ(harness.host().go(), kNoErr);
  harness.host().endCommand();
  EXPECT_FALSE(doc().valid(path));
  EXPECT_EQ(layerArt().size(), 13u);
}

TEST_F(ParamsFlowTest, AFailedUndoOnCancelLeavesTheRecordAsTheDialogLeftIt) {
  addPath(squareSegments(100, 100, 50));
  ContourParams before = oddRecord();
  before.dialogBoundsSaved = 0;
  harness.setParams(before);
  harness.session().faults.failCall("undo changes of this plug-in call", 1, kOutOfMemoryErr);
  harness.clearTrace();
  EXPECT_EQ(harness.getParameters({Event::end(2)}), kOutOfMemoryErr);
  EXPECT_EQ(harness.params()->dialogBoundsSaved, 1);
  EXPECT_TRUE(callsOf(harness.trace(), "dispose handle").empty());
}

TEST_F(ParamsFlowTest, AFailedAllocationOpensNoDialog) {
  harness.session().faults.failCall("new handle", 1, kOutOfMemoryErr);
  EXPECT_EQ(harness.getParameters({Event::end(1)}), kOutOfMemoryErr);
  EXPECT_EQ(settingsDialog(), nullptr);
  EXPECT_EQ(harness.params(), nullptr);
}

TEST_F(ParamsFlowTest, AMessageForAnotherFilterIsIgnored) {
  AIFilterMessage message{};
  int other = 0;
  message.filter = reinterpret_cast<AIFilterHandle>(&other);
  harness.clearTrace();
  EXPECT_EQ(harness.host().send(kCallerAIFilter, kSelectorAIGetParameters, &message), kNoErr);
  EXPECT_EQ(message.parameters, nullptr);
  EXPECT_EQ(settingsDialog(), nullptr);
  EXPECT_TRUE(callsOf(harness.trace(), "run modal dialog").empty());
}

}  // namespace
}  // namespace contour_test
