// The pick buttons: a point picked in the document view (modifier bit 0x20)
// sets the field beside the button, held to that item's limits, and redraws
// the preview.
#include <cmath>

#include "plugin/params/ItemIds.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

TEST_F(DialogTest, PickOnContoursTakesATenthOfX) {
  ASSERT_EQ(open({Event::pick(kContoursPick, 125.7f, 300)}), kNoErr);
  EXPECT_EQ(record().contourCount, 12);
  EXPECT_EQ(item(kContoursEdit).value, 12);
  close();
  ASSERT_EQ(open({Event::pick(kContoursPick, -30, 300)}), kNoErr);
  EXPECT_EQ(record().contourCount, 1);  // -3 is below the item's least count
  EXPECT_EQ(item(kContoursEdit).value, 1);
}

TEST_F(DialogTest, PickFarAwayIsHeldToTheItemsLimits) {
  // The items' limits: contours 1..200, scale steps -50..50, shifts -2000..2000.
  struct Case {
    ItemId button, item;
    float x, y;
    float expected;
  };
  const Case cases[] = {
      {kContoursPick, kContoursEdit, 1e6f, 0, 200}, {kContoursPick, kContoursEdit, 1e12f, 1e12f, 200},
      {kScaleHPick, kScaleHEdit, 1e6f, 0, 50},      {kScaleHPick, kScaleHEdit, -1e6f, 0, -50},
      {kScaleVPick, kScaleVEdit, 0, 1e12f, 50},     {kShiftHPick, kShiftHEdit, 1e12f, 0, 2000},
      {kShiftVPick, kShiftVEdit, 0, -1e12f, -2000},
  };
  for (const Case& c : cases) {
    harness.setParams(defaultParams());
    ASSERT_EQ(open({Event::pick(c.button, c.x, c.y)}), kNoErr);
    EXPECT_EQ(item(c.item).value, c.expected) << c.button << " at " << c.x << ", " << c.y;
    close();
  }
  EXPECT_EQ(record().shiftV, -2000.0f);
}

TEST_F(DialogTest, PickWithoutTheViewFlagDoesNothing) {
  harness.setParams(defaultParams());
  std::string before;
  ASSERT_EQ(open({Event::pick(kContoursPick, 500, 300, 0)},
                 [&](std::size_t i) {
                   if (i == 0) before = doc().serialize();
                   if (i == 1) {
                     EXPECT_EQ(doc().serialize(), before);  // no re-notification, no preview
                   }
                 }),
            kNoErr);
  EXPECT_EQ(record().contourCount, 12);
  EXPECT_EQ(item(kContoursEdit).value, 12);
}

TEST_F(DialogTest, EachPickButtonSetsItsField) {
  // Picked at (50, 60): x or y times 0.05 for the scale steps, times 0.1 for
  // the shifts and the point contour amount.
  struct Case {
    int32_t button, item;
    float ContourParams::*field;
    float expected;
  };
  const Case cases[] = {
      {121, 5, &ContourParams::scaleH, 50 * 0.05f},
      {122, 6, &ContourParams::scaleV, 60 * 0.05f},
      {124, 7, &ContourParams::shiftH, 50 * 0.1f},
      {125, 8, &ContourParams::shiftV, 60 * 0.1f},
      {126, 16, &ContourParams::pointsContourAmount, 50 * 0.1f},
  };
  for (const Case& c : cases) {
    harness.setParams(defaultParams());
    ASSERT_EQ(open({Event::pick(c.button, 50, 60)}), kNoErr);
    EXPECT_EQ(record().*c.field, c.expected) << c.button;
    EXPECT_EQ(item(c.item).value, c.expected) << c.button;
    close();
  }
}

TEST_F(DialogTest, PickOnRotationTakesTheAngleToTheUserCentre) {
  // The user centre (200, 200) seen from (100, 50): atan2(150, 100) in degrees.
  ASSERT_EQ(open({Event::pick(kRotationPick, 100, 50)}), kNoErr);
  const double expected = std::atan2(150.0, 100.0) * 180.0 / 3.14159265358979323846;
  EXPECT_NEAR(record().rotation, expected, 1e-4);
  EXPECT_EQ(item(kRotationEdit).value, record().rotation);
  EXPECT_EQ(record().centerX, 200.0f);
  EXPECT_EQ(record().centerY, 200.0f);
}

TEST_F(DialogTest, PickFollowsTheViewsZoomAndScroll) {
  harness.session().view().setZoom(5);
  harness.session().view().setOrigin({-40, 900});
  ASSERT_EQ(open({Event::pick(kShiftHPick, 125.5f, 300)}), kNoErr);
  EXPECT_NEAR(record().shiftH, 12.55f, 1e-5);
}

TEST_F(DialogTest, WithoutADocumentViewAPickSetsNothingButRedraws) {
  harness.setParams(defaultParams());
  uint64_t redraws = 0;
  ASSERT_EQ(open({Event::pick(kContoursPick, 500, 300)},
                 [&](std::size_t i) {
                   if (i == 0) {
                     harness.session().faults.failCall("get nth view", 1, kBadParameterErr);
                     redraws = doc().redrawCount();
                   }
                   if (i == 1) {
                     EXPECT_GT(doc().redrawCount(), redraws);  // the page was re-notified
                   }
                 }),
            kNoErr);
  EXPECT_EQ(record().contourCount, 12);
}

}  // namespace
}  // namespace contour_test
