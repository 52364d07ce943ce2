// Cancel: the record goes back to what it was before the dialog, byte for
// byte but previewShown, and every preview leaves the document.
#include <cstring>

#include "plugin/params/ItemIds.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

TEST_F(DialogTest, CancelAfterSeveralPreviewsRestoresRecordAndDocument) {
  // A first accepted dialog leaves its record and its preview.
  ASSERT_EQ(open({Event::setValue(kContoursEdit, 6), Event::press(kShiftPageButton), Event::end(1)}), kNoErr);
  close();
  const ContourParams before = record();
  const std::string documentBefore = doc().serialize();
  ASSERT_EQ(before.previewShown, 1);

  ASSERT_EQ(open({Event::setValue(kContoursEdit, 20), Event::choose(kFillColorList, 3), Event::press(kTumbleButton),
                  Event::choose(kPresetList, 6), Event::press(kShuffleButton), Event::setValue(kZoomEdit, 300),
                  Event::press(kSettingsPageButton), Event::end(2)}),
            kUserCanceledErr);
  EXPECT_EQ(dialog().result, 2);
  ContourParams expected = before;
  expected.previewShown = 0;
  EXPECT_EQ(std::memcmp(&record(), &expected, sizeof expected), 0);
  EXPECT_EQ(doc().serialize(), documentBefore);
}

TEST_F(DialogTest, CancelButtonEndsTheDialogWithTwo) {
  harness.setParams(defaultParams());
  const std::string documentBefore = doc().serialize();
  ASSERT_EQ(open({Event::setValue(kContoursEdit, 20), Event::press(kCancelButton), Event::setValue(kContoursEdit, 30)}),
            kUserCanceledErr);
  EXPECT_EQ(dialog().result, 2);
  EXPECT_EQ(record().contourCount, 12);
  EXPECT_EQ(doc().serialize(), documentBefore);
}

TEST_F(DialogTest, AcceptingKeepsWhatTheDialogWrote) {
  ASSERT_EQ(open({Event::setValue(kContoursEdit, 20), Event::press(kStylePageButton)}), kNoErr);
  EXPECT_EQ(record().contourCount, 20);
  EXPECT_EQ(record().currentPage, 5);
  EXPECT_EQ(record().previewShown, 1);
  EXPECT_EQ(layerCount(), 22u);  // the preview stays as the result
}

TEST_F(DialogTest, AScriptTheDialogCannotTakeStopsItAndUndoesItsPreviews) {
  harness.setParams(defaultParams());
  const std::string documentBefore = doc().serialize();
  EXPECT_EQ(open({Event::setValue(kContoursEdit, 20), Event::choose(kPointsContourList, 17)}), kBadParameterErr);
  EXPECT_EQ(harness.dialogs().scriptError(), "event 2: item 34 has no entry with id 17");
  EXPECT_EQ(record().contourCount, 12);
  EXPECT_EQ(doc().serialize(), documentBefore);
}

}  // namespace
}  // namespace contour_test
