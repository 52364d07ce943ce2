// The settings dialog as it opens: pages, values, ranges, and the page and
// place it reopens at.
#include "plugin/params/ItemIds.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

using easel::adm::shownText;

TEST_F(DialogTest, DefaultsOpenOnTheContourPage) {
  ASSERT_EQ(open({}), kNoErr);
  EXPECT_EQ(dialog().items.size(), 78u);
  EXPECT_EQ(dialog().title, "Contour Plug-in");
  expectPage(1);
  EXPECT_EQ(item(kPreviewCheck).value, 1);  // Preview
  EXPECT_EQ(shownText(item(kContoursEdit)), "12");
  EXPECT_EQ(shownText(item(kScaleHEdit)), "4.00");
  EXPECT_EQ(shownText(item(kScaleVEdit)), "4.00");
  EXPECT_EQ(shownText(item(kSkipEdit)), "0");
  EXPECT_EQ(shownText(item(kCreateEdit)), "1");
  for (int32_t list : {30, 32, 36, 33, 140, 143, 146, 31, 34, 35}) EXPECT_EQ(chosen(list), 0) << "list " << list;
  EXPECT_EQ(shownText(item(kPresetList)), " Reset");
  // No place was saved: the dialog keeps the window's place, at its own size.
  EXPECT_EQ(dialog().bounds.left, 0);
  EXPECT_EQ(dialog().bounds.top, 0);
  EXPECT_EQ(dialog().bounds.right, 520);
  EXPECT_EQ(dialog().bounds.bottom, 240);
  EXPECT_EQ(dialog().result, 1);  // ended by the default-item key
  // The first preview: the square and its 13 contours.
  EXPECT_EQ(layerCount(), 14u);
  EXPECT_EQ(record().previewShown, 1);
}

TEST_F(DialogTest, ItemsHaveTheirTypesRangesAndTexts) {
  ASSERT_EQ(open({}), kNoErr);
  const double swatches = static_cast<double>(doc().swatches().size());
  struct Spin {
    int32_t id;
    bool integer;
    double minimum, maximum;
  };
  const Spin spins[] = {
      {4, true, 1, 200},        {5, false, -50, 50},      {6, false, -50, 50},      {9, true, 0, 40},
      {10, true, 1, 40},        {21, false, 1, 500},      {11, false, -360, 360},   {12, true, 1, 80},
      {13, false, -5000, 5000}, {14, false, -5000, 5000}, {7, false, -2000, 2000},  {8, false, -2000, 2000},
      {16, false, -500, 500},   {17, false, -500, 500},   {18, false, -800, 800},   {19, false, -800, 800},
      {141, true, 0, swatches}, {142, true, 0, 1000},     {144, true, 0, swatches}, {145, true, 0, 1000},
      {15, false, -200, 200},   {20, false, 0, 100},
  };
  for (const Spin& s : spins) {
    const auto& it = item(s.id);
    EXPECT_EQ(it.kind, easel::adm::ItemKind::SpinEdit) << s.id;
    EXPECT_EQ(it.integer, s.integer) << s.id;
    EXPECT_EQ(it.minimum, s.minimum) << s.id;
    EXPECT_EQ(it.maximum, s.maximum) << s.id;
    EXPECT_EQ(it.units, 0) << s.id;
    EXPECT_EQ(it.precision, s.integer ? 0 : 2) << s.id;
  }
  EXPECT_EQ(item(kContoursEdit).rect.left, 180);
  EXPECT_EQ(item(kContoursEdit).rect.bottom, 80);
  EXPECT_EQ(item(kUserCenterLabel).text, "User defined center (pts)");
  EXPECT_EQ(item(kPathDeleteCheck).text, "Path - delete (visible in preview)");
  EXPECT_EQ(item(kPathDeleteCheck).kind, easel::adm::ItemKind::TextCheckBox);
  EXPECT_EQ(item(kTumbleButton).text, "Tumble");
  EXPECT_EQ(item(kStylePageButton).kind, easel::adm::ItemKind::PicturePushButton);
  EXPECT_EQ(item(kPointsContourList).entries.size(), 17u);
  EXPECT_EQ(item(kPresetList).entries.size(), 26u);
  EXPECT_EQ(item(kContourScaleList).entries.back().text, " Contour - PulseRandom");
  int32_t position = 0;
  for (const auto& entry : item(kStrokeColorList).entries) EXPECT_EQ(entry.id, position++);
}

TEST_F(DialogTest, ReopensOnTheLastPageWithTheLastValues) {
  ASSERT_EQ(open({Event::press(kStylePageButton), Event::setValue(kContoursEdit, 20), Event::end(1)}), kNoErr);
  close();
  ASSERT_EQ(record().currentPage, 5);
  ASSERT_EQ(open({}), kNoErr);
  expectPage(5);
  EXPECT_EQ(item(kContoursEdit).value, 20);
}

TEST_F(DialogTest, ReopensAtTheSavedPlaceWithItsOwnSize) {
  ContourParams saved = defaultParams();
  saved.dialogBoundsSaved = 1;
  saved.dialogBoundsLeft = 300;
  saved.dialogBoundsTop = 200;
  saved.dialogBoundsRight = 400;
  saved.dialogBoundsBottom = 260;
  harness.setParams(saved);
  ASSERT_EQ(open({}), kNoErr);
  EXPECT_EQ(dialog().bounds.left, 300);
  EXPECT_EQ(dialog().bounds.top, 200);
  EXPECT_EQ(dialog().bounds.right, 820);
  EXPECT_EQ(dialog().bounds.bottom, 440);
  // The first notification keeps the place for next time.
  EXPECT_EQ(record().dialogBoundsRight, 820);
  EXPECT_EQ(record().dialogBoundsBottom, 440);
}

TEST_F(DialogTest, SavedPlaceAtTheEdgeOfTheIntegersKeepsTheSizeSaturated) {
  // The place plus the size (520 x 240) stops at the largest integer.
  struct Case {
    int32_t left, top;
    ADMRect expected;
  };
  const Case cases[] = {
      {INT32_MAX, INT32_MAX, {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}},
      {INT32_MAX - 100, 10, {INT32_MAX - 100, 10, INT32_MAX, 250}},
      {INT32_MIN, INT32_MIN, {INT32_MIN, INT32_MIN, INT32_MIN + 520, INT32_MIN + 240}},
  };
  for (const Case& c : cases) {
    ContourParams saved = defaultParams();
    saved.dialogBoundsSaved = 1;
    saved.dialogBoundsLeft = c.left;
    saved.dialogBoundsTop = c.top;
    harness.setParams(saved);
    ASSERT_EQ(open({}), kNoErr);
    EXPECT_EQ(dialog().bounds.left, c.expected.left);
    EXPECT_EQ(dialog().bounds.top, c.expected.top);
    EXPECT_EQ(dialog().bounds.right, c.expected.right) << c.left;
    EXPECT_EQ(dialog().bounds.bottom, c.expected.bottom) << c.top;
    close();
  }
}

TEST_F(DialogTest, PageOutsideOneToSixOpensTheContourPage) {
  for (int32_t page : {0, 7, -1}) {
    ContourParams params = defaultParams();
    params.currentPage = page;
    harness.setParams(params);
    ASSERT_EQ(open({}), kNoErr);
    expectPage(1);
    EXPECT_EQ(record().currentPage, 1) << page;  // the page button stored a valid page
    close();
  }
}

TEST_F(DialogTest, WithoutSwatchesTheSwatchNumbersRangeFromZeroToZero) {
  // A document with no swatches, and one whose swatch list cannot be counted.
  for (const bool countFails : {true, false}) {
    if (countFails) harness.session().faults.failCall("count swatches", 1, kBadParameterErr);
    else
      doc().clearSwatches();
    ASSERT_EQ(open({Event::setValue(kFillSwatchEdit, 5)}), kNoErr) << countFails;
    EXPECT_EQ(item(kFillSwatchEdit).maximum, 0) << countFails;
    EXPECT_EQ(item(kStrokeSwatchEdit).maximum, 0) << countFails;
    EXPECT_EQ(item(kFillSwatchEdit).value, 0) << countFails;  // typed values are held to 0..0
    close();
  }
}

}  // namespace
}  // namespace contour_test
