// The preset styles: every setting the items show goes back to its default
// (but the zoom), the preset's own values follow, Preview comes on and the
// preview is drawn.
#include <string>
#include <utility>

#include "plugin/params/ModeLists.h"
#include "plugin/params/ParamFields.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

// Each preset's assignments after the preset reset, by the entry text of the
// Preset style list and the fields' names.
struct PresetValues {
  const char* entry;
  std::vector<std::pair<const char*, double>> values;
};

const PresetValues kPresetValues[] = {
    {"Reset", {}},
    {"Zoom right", {{"shiftH", 10}}},
    {"More rapid scaling", {{"scaleH", 6}, {"scaleV", 6}}},
    {"Points contour basic", {{"pointsContourAmount", 50}}},
    {"Slow rotation", {{"contourCount", 20}, {"rotation", 2}}},
    {"Rapid rotation", {{"contourCount", 20}, {"rotation", 10}}},
    {"Twist", {{"contourCount", 20}, {"rotation", 50}}},
    {"Rotate about origin of document",
     {{"centerX", 0}, {"centerY", 0}, {"rotationCenterMode", 2}, {"contourCount", 20}, {"rotation", 10}}},
    {"Alternate point contours", {{"pointsContourAmount", 50}, {"pointsContourMode", 8}}},  // the second " Alternate"
    {"Gaps 1-2", {{"skipCount", 1}, {"createCount", 2}, {"contourCount", 20}}},
    {"Gaps 2-4", {{"skipCount", 2}, {"createCount", 4}, {"contourCount", 20}}},
    {"Super zoom diagonal", {{"shiftH", 10}, {"shiftV", 10}, {"contourCount", 30}}},
    {"Flip paths (alternate) - not for all shapes!", {{"pathAlternateFlip", 1}}},
    {"Points contour - ignore direction points", {{"pointsContourAmount", 50}, {"pointsKeepDirection", 1}}},
    {"Points contour - ignore segment info", {{"pointsContourAmount", 50}, {"pointsKeepAnchor", 1}}},
    {"Points contour - dragggg paths",
     {{"rotationCenterMode", 2},
      {"centerX", 400},
      {"centerY", 400},
      {"pointsContourAmount", 50},
      {"pointsRotateCenter", 1}}},
    {"Points contour - warped",
     {{"rotationCenterMode", 2},
      {"centerX", 400},
      {"centerY", 400},
      {"pointsContourAmount", 50},
      {"pointsRotateCenter", 1},
      {"pointsKeepAnchor", 1}}},
    {"Fill paths with colors from swatches palette", {{"fillColorMode", 4}}},  // " Random swatches"
    {"Fill to black", {{"fillColorMode", 2}}},
    {"Random path opacity", {{"pathOpacity", 1}}},
    {"Thickening line width", {{"widthMode", 1}, {"widthAmount", 5}}},  // " Width - Add"
    {"Thickening line width - Steps",
     {{"contourCount", 20}, {"skipCount", 2}, {"createCount", 2}, {"widthMode", 1}, {"widthAmount", 5}}},
    {"Intense", {{"scaleH", 2}, {"scaleV", 2}, {"contourCount", 50}}},
    {"Reverse", {{"scaleH", -2}, {"scaleV", -2}, {"contourCount", 10}, {"shiftH", 10}}},
    {"No change vertically", {{"scaleH", 5}, {"scaleV", 0}, {"contourCount", 10}, {"linkContourScale", 0}}},
    {"Random pulse", {{"contourCount", 25}, {"scaleH", 5}, {"contourScaleMode", 24}}},  // " Contour - PulseRandom"
};

// The entry id of the Preset style list entry with this text (-1 for none).
int32_t presetId(const std::string& text) {
  const ModeList& list = *modeListByItem(kPresetList);
  for (std::size_t i = 0; i < list.entries.size(); ++i)
    if (list.entries[i] == " " + text) return static_cast<int32_t>(i);
  return -1;
}

// The record a preset makes of the defaults.
ContourParams presetRecord(const PresetValues& preset) {
  ContourParams p = defaultParams();
  p.presetStyle = presetId(preset.entry);
  for (const auto& [name, value] : preset.values) {
    const ParamField& field = *findParamField(name);
    if (field.isReal()) p.*field.field.real = static_cast<float>(value);
    else
      p.*field.field.integer = static_cast<int32_t>(value);
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
  // The record after changedParams() and the preset, against the preset's
  // values: every field but the zoom, the page and the bookkeeping ones.
  void expectPreset(const PresetValues& preset) {
    ContourParams expected = presetRecord(preset);
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
    for (const ParamField& field : paramFields()) {
      if (field.isReal())
        EXPECT_EQ(actual.*field.field.real, expected.*field.field.real) << preset.entry << ", " << field.name;
      else
        EXPECT_EQ(actual.*field.field.integer, expected.*field.field.integer) << preset.entry << ", " << field.name;
    }
  }
};

TEST_F(PresetTest, EveryPresetGivesItsValuesAndNothingElse) {
  ASSERT_EQ(std::size(kPresetValues), 26u);
  for (const PresetValues& preset : kPresetValues) {
    const int32_t id = presetId(preset.entry);
    ASSERT_GE(id, 0) << preset.entry;
    harness.setParams(changedParams());
    ASSERT_EQ(open({Event::choose(kPresetList, id)}), kNoErr) << preset.entry;
    expectPreset(preset);
    EXPECT_EQ(record().previewShown, 1) << preset.entry;  // the preview of the preset was drawn
    EXPECT_EQ(chosen(kPresetList), id);
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
  ASSERT_EQ(open({Event::setValue(kZoomEdit, 250), Event::choose(kPresetList, 0)}), kNoErr);
  expectPreset(kPresetValues[0]);
  expectPage(4);
  EXPECT_EQ(harness.session().view().zoom(), 2.5f);
  EXPECT_EQ(record().dialogBoundsLeft, 40);
  EXPECT_EQ(record().dialogBoundsTop, 30);
}

TEST_F(PresetTest, TwistDiscardsWhatItDoesNotName) {
  ASSERT_EQ(open({Event::choose(kFillColorList, 3), Event::choose(kWidthModeList, 2),
                  Event::setValue(kWidthAmountEdit, 4), Event::choose(kPresetList, 6)}),
            kNoErr);
  EXPECT_EQ(record().fillColorMode, 0);
  EXPECT_EQ(record().widthMode, 0);
  EXPECT_EQ(record().widthAmount, 0.0f);
  EXPECT_EQ(record().contourCount, 20);
  EXPECT_EQ(record().rotation, 50.0f);
  EXPECT_EQ(chosen(kFillColorList), 0);
  EXPECT_EQ(layerCount(), 22u);  // one preview of 21 contours
}

TEST_F(PresetTest, RandomPulseKeepsTheVerticalStepLinked) {
  ASSERT_EQ(open({Event::choose(kPresetList, 25)}), kNoErr);
  EXPECT_EQ(record().scaleV, 4.0f);
  EXPECT_EQ(record().scaleH, 5.0f);
  EXPECT_EQ(record().linkContourScale, 1);
  EXPECT_EQ(record().contourScaleMode, 24);
  EXPECT_FALSE(item(kScaleVEdit).enabled);
}

TEST_F(PresetTest, NoChangeVerticallyEnablesTheVerticalStep) {
  ASSERT_EQ(open({Event::choose(kPresetList, 24)}), kNoErr);
  EXPECT_TRUE(item(kScaleVEdit).enabled);
  EXPECT_EQ(easel::adm::shownText(item(kScaleVEdit)), "0.00");
  EXPECT_EQ(item(kLinkScaleCheck).value, 0);
}

TEST_F(PresetTest, WarpedSetsAnchorRotateCentreAndTheUserCentre) {
  ASSERT_EQ(open({Event::setValue(kRotationEdit, 20), Event::choose(kPresetList, 16)}), kNoErr);
  EXPECT_EQ(record().pointsKeepAnchor, 1);
  EXPECT_EQ(record().pointsRotateCenter, 1);
  EXPECT_EQ(record().centerX, 400.0f);
  EXPECT_EQ(record().centerY, 400.0f);
  EXPECT_EQ(record().rotationCenterMode, 2);
  EXPECT_EQ(record().rotation, 0.0f);
}

TEST_F(PresetTest, APresetSwitchesPreviewOn) {
  ASSERT_EQ(open({Event::setValue(kPreviewCheck, 0), Event::choose(kPresetList, 6)}), kNoErr);
  EXPECT_EQ(record().previewOn, 1);
  EXPECT_EQ(item(kPreviewCheck).value, 1);
  EXPECT_EQ(record().previewShown, 1);
  EXPECT_EQ(layerCount(), 22u);
}

}  // namespace
}  // namespace contour_test
