// The preset styles: every setting the items show goes back to its default
// (but the zoom), the preset's own values follow, Preview comes on and the
// preview is drawn.
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

// The record a preset makes of the defaults, from the preset table.
ContourParams presetRecord(int32_t id) {
  ContourParams p = defaultParams();
  p.presetStyle = id;
  switch (id) {
    case 1: p.shiftH = 10; break;
    case 2: p.scaleH = p.scaleV = 6; break;
    case 3: p.pointsContourAmount = 50; break;
    case 4: p.contourCount = 20; p.rotation = 2; break;
    case 5: p.contourCount = 20; p.rotation = 10; break;
    case 6: p.contourCount = 20; p.rotation = 50; break;
    case 7: p.centerX = p.centerY = 0; p.rotationCenterMode = 2; p.contourCount = 20; p.rotation = 10; break;
    case 8: p.pointsContourAmount = 50; p.pointsContourMode = 8; break;
    case 9: p.skipCount = 1; p.createCount = 2; p.contourCount = 20; break;
    case 10: p.skipCount = 2; p.createCount = 4; p.contourCount = 20; break;
    case 11: p.shiftH = p.shiftV = 10; p.contourCount = 30; break;
    case 12: p.pathAlternateFlip = 1; break;
    case 13: p.pointsContourAmount = 50; p.pointsKeepDirection = 1; break;
    case 14: p.pointsContourAmount = 50; p.pointsKeepAnchor = 1; break;
    case 16: p.pointsKeepAnchor = 1; [[fallthrough]];
    case 15:
      p.rotationCenterMode = 2; p.centerX = p.centerY = 400; p.pointsContourAmount = 50; p.pointsRotateCenter = 1;
      break;
    case 17: p.fillColorMode = 4; break;
    case 18: p.fillColorMode = 2; break;
    case 19: p.pathOpacity = 1; break;
    case 20: p.widthMode = 1; p.widthAmount = 5; break;
    case 21: p.contourCount = 20; p.skipCount = 2; p.createCount = 2; p.widthMode = 1; p.widthAmount = 5; break;
    case 22: p.scaleH = p.scaleV = 2; p.contourCount = 50; break;
    case 23: p.scaleH = p.scaleV = -2; p.contourCount = 10; p.shiftH = 10; break;
    case 24: p.scaleH = 5; p.scaleV = 0; p.contourCount = 10; p.linkContourScale = 0; break;
    case 25: p.contourCount = 25; p.scaleH = 5; p.contourScaleMode = 24; break;
    default: break;
  }
  return p;
}

// A record with every setting the items show changed from its default, the
// zoom at 250 % and the Points page current.
ContourParams changedParams() {
  ContourParams p = defaultParams();
  p.previewOn = 1;  // the preview runs with these values once, at the opening
  p.contourCount = 3;
  p.scaleH = -7;
  p.linkContourScale = 0;
  p.scaleV = 9;
  p.skipCount = 3;
  p.createCount = 5;
  p.scaleLines = 1;
  p.placeAbove = 0;
  p.contourScaleMode = 5;
  p.rotation = 30;
  p.rotationCenterMode = 1;
  p.rotationPathNumber = 4;
  p.centerX = -10;
  p.centerY = 15;
  p.shiftH = 20;
  p.shiftV = -20;
  p.shiftMode = 2;
  p.pointsContourAmount = 7;
  p.pointsVariance = 3;
  p.interpolateAnchor = 40;
  p.interpolateDirection = -40;
  p.pointsContourMode = 4;
  p.pointsVariationMode = 2;
  p.fillColorMode = 7;
  p.fillSteps = 4;
  p.fillSwatchIndex = 5;
  p.strokeColorMode = 6;
  p.strokeSwatchIndex = 3;
  p.strokeSteps = 2;
  p.patternMode = 2;
  p.widthMode = 3;
  p.widthAmount = 12;
  p.interpolateStyle = 60;
  p.pathAlternateFlip = p.pathOpacity = p.pathDelete = p.pathCreate = 1;
  p.pointsKeepDirection = p.pointsKeepAnchor = p.pointsRotateCenter = p.pointsAddScale = p.pointsApply = 1;
  p.viewZoom = 250;
  p.currentPage = 4;
  return p;
}

class PresetTest : public DialogTest {
 protected:
  // The record after changedParams() and the preset, against what the preset table
  // gives: every field but the zoom, the page and the bookkeeping ones.
  void expectPreset(int32_t id) {
    ContourParams expected = presetRecord(id);
    ContourParams actual = record();
    EXPECT_EQ(actual.viewZoom, 250.0f);
    EXPECT_EQ(actual.currentPage, 4);
    for (ContourParams* p : {&actual, &expected}) {
      p->viewZoom = 0;
      p->currentPage = 0;
      p->finalRun = p->previewShown = 0;
      p->dialogBoundsLeft = p->dialogBoundsTop = p->dialogBoundsRight = p->dialogBoundsBottom = 0;
      p->dialogBoundsSaved = 0;
    }
    const auto* a = reinterpret_cast<const int32_t*>(&actual);
    const auto* e = reinterpret_cast<const int32_t*>(&expected);
    for (int i = 0; i < 57; ++i) EXPECT_EQ(a[i], e[i]) << "preset " << id << ", field " << i + 1;
  }
};

TEST_F(PresetTest, EveryPresetGivesItsValuesAndNothingElse) {
  for (int32_t id = 0; id < 26; ++id) {
    harness.setParams(changedParams());
    ASSERT_EQ(open({Event::choose(30, id)}), kNoErr) << id;
    expectPreset(id);
    EXPECT_EQ(record().previewShown, 1) << id;  // the preview of the preset was drawn
    EXPECT_EQ(chosen(30), id);
    close();
  }
}

TEST_F(PresetTest, ResetKeepsZoomPageAndPlace) {
  ContourParams params = changedParams();
  params.dialogBoundsSaved = 1;
  params.dialogBoundsLeft = 40;
  params.dialogBoundsTop = 30;
  params.dialogBoundsRight = 560;
  params.dialogBoundsBottom = 270;
  harness.setParams(params);
  ASSERT_EQ(open({Event::setValue(21, 250), Event::choose(30, 0)}), kNoErr);
  expectPreset(0);
  expectPage(4);
  EXPECT_EQ(harness.session().view().zoom(), 2.5f);
  EXPECT_EQ(record().dialogBoundsLeft, 40);
  EXPECT_EQ(record().dialogBoundsTop, 30);
}

TEST_F(PresetTest, TwistDiscardsWhatItDoesNotName) {
  ASSERT_EQ(open({Event::choose(140, 3), Event::choose(31, 2), Event::setValue(15, 4), Event::choose(30, 6)}), kNoErr);
  EXPECT_EQ(record().fillColorMode, 0);
  EXPECT_EQ(record().widthMode, 0);
  EXPECT_EQ(record().widthAmount, 0.0f);
  EXPECT_EQ(record().contourCount, 20);
  EXPECT_EQ(record().rotation, 50.0f);
  EXPECT_EQ(chosen(140), 0);
  EXPECT_EQ(layerCount(), 22u);  // one preview of 21 contours
}

TEST_F(PresetTest, RandomPulseKeepsTheVerticalStepLinked) {
  ASSERT_EQ(open({Event::choose(30, 25)}), kNoErr);
  EXPECT_EQ(record().scaleV, 4.0f);
  EXPECT_EQ(record().scaleH, 5.0f);
  EXPECT_EQ(record().linkContourScale, 1);
  EXPECT_EQ(record().contourScaleMode, 24);
  EXPECT_FALSE(item(6).enabled);
}

TEST_F(PresetTest, NoChangeVerticallyEnablesTheVerticalStep) {
  ASSERT_EQ(open({Event::choose(30, 24)}), kNoErr);
  EXPECT_TRUE(item(6).enabled);
  EXPECT_EQ(easel::adm::shownText(item(6)), "0.00");
  EXPECT_EQ(item(56).value, 0);
}

TEST_F(PresetTest, WarpedSetsAnchorRotateCentreAndTheUserCentre) {
  ASSERT_EQ(open({Event::setValue(11, 20), Event::choose(30, 16)}), kNoErr);
  EXPECT_EQ(record().pointsKeepAnchor, 1);
  EXPECT_EQ(record().pointsRotateCenter, 1);
  EXPECT_EQ(record().centerX, 400.0f);
  EXPECT_EQ(record().centerY, 400.0f);
  EXPECT_EQ(record().rotationCenterMode, 2);
  EXPECT_EQ(record().rotation, 0.0f);
}

TEST_F(PresetTest, APresetSwitchesPreviewOn) {
  ASSERT_EQ(open({Event::setValue(3, 0), Event::choose(30, 6)}), kNoErr);
  EXPECT_EQ(record().previewOn, 1);
  EXPECT_EQ(item(3).value, 1);
  EXPECT_EQ(record().previewShown, 1);
  EXPECT_EQ(layerCount(), 22u);
}

}  // namespace
}  // namespace contour_test
