// The zoom field and the page buttons: neither draws a preview.
#include <algorithm>

#include "plugin/params/ItemIds.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

TEST_F(DialogTest, ZoomFieldSetsTheViewZoomInHundredths) {
  struct Case {
    double typed;
    float zoom;
  };
  // 600 is typed past the field's maximum of 500.
  for (Case c : {Case{100, 1.0f}, Case{1, 0.01f}, Case{500, 5.0f}, Case{250, 2.5f}, Case{600, 5.0f}}) {
    ASSERT_EQ(open({Event::setValue(kZoomEdit, c.typed)}), kNoErr);
    EXPECT_EQ(harness.session().view().zoom(), c.zoom) << c.typed;
    EXPECT_EQ(record().viewZoom, static_cast<float>(std::min(c.typed, 500.0))) << c.typed;
    close();
  }
}

TEST_F(DialogTest, ZoomDrawsNoPreview) {
  harness.setParams(defaultParams());
  std::string before, after;
  uint64_t redraws = 0;
  ASSERT_EQ(open({Event::setValue(kZoomEdit, 300)},
                 [&](std::size_t i) {
                   if (i == 0) {
                     before = doc().serialize();
                     redraws = doc().redrawCount();
                     return;
                   }
                   after = doc().serialize();
                   EXPECT_EQ(doc().redrawCount(), redraws);
                   EXPECT_EQ(record().dialogBoundsSaved, 1);
                 }),
            kNoErr);
  EXPECT_EQ(after, before);
}

TEST_F(DialogTest, WithoutADocumentViewTheZoomIsNotSet) {
  ASSERT_EQ(open({Event::setValue(kZoomEdit, 300)},
                 [&](std::size_t i) {
                   if (i == 0) harness.session().faults.failCall("get nth view", 1, kBadParameterErr);
                 }),
            kNoErr);
  EXPECT_EQ(harness.session().view().zoom(), 1.0f);
  EXPECT_EQ(record().viewZoom, 300.0f);
}

TEST_F(DialogTest, PageButtonShowsItsPage) {
  ASSERT_EQ(open({Event::press(kStylePageButton)}), kNoErr);
  expectPage(5);
  EXPECT_EQ(record().currentPage, 5);
  int shown = 0;
  for (int32_t id : kPageItems[4]) shown += item(id).shown ? 1 : 0;
  EXPECT_EQ(shown, 11);
  close();
  for (int page = 1; page <= 6; ++page) {
    ASSERT_EQ(open({Event::press(99 + page)}), kNoErr);
    expectPage(page);
    EXPECT_EQ(record().currentPage, page);
    close();
  }
}

TEST_F(DialogTest, PageButtonLeavesValuesAndThePreviewAlone) {
  harness.setParams(defaultParams());
  std::string before;
  ASSERT_EQ(open({Event::setValue(kPreviewCheck, 0), Event::press(kPointsPageButton)},
                 [&](std::size_t i) {
                   if (i == 1) before = doc().serialize();
                   if (i == 2) {
                     EXPECT_EQ(doc().serialize(), before);
                   }
                 }),
            kNoErr);
  EXPECT_EQ(record().previewOn, 0);
  EXPECT_EQ(record().currentPage, 4);
}

}  // namespace
}  // namespace contour_test
