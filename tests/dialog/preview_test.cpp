// The common value notifier: with Preview on every change reaches the record,
// sets the enabled states and redraws the one preview; with Preview off only
// the Preview flag and the dialog's place do.
#include <cstring>
#include <map>

#include "plugin/params/ItemIds.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

TEST_F(DialogTest, WithPreviewOffChangesStayOutOfTheRecord) {
  ASSERT_EQ(open({Event::setValue(kPreviewCheck, 0), Event::setValue(kContoursEdit, 30),
                  Event::choose(kContourScaleList, 3), Event::setValue(kScaleHEdit, 7)}),
            kNoErr);
  EXPECT_EQ(record().previewOn, 0);
  EXPECT_EQ(record().previewShown, 0);
  EXPECT_EQ(record().contourCount, 12);
  EXPECT_EQ(record().contourScaleMode, 0);
  EXPECT_EQ(record().scaleH, 4.0f);
  EXPECT_EQ(record().dialogBoundsSaved, 1);
  EXPECT_EQ(item(kContoursEdit).value, 30);  // the dialog shows what was typed
  // The preview drawn at the opening stays: the square and 13 contours.
  EXPECT_EQ(layerCount(), 14u);
}

TEST_F(DialogTest, SwitchingPreviewOnCopiesEveryItem) {
  ASSERT_EQ(open({Event::setValue(kPreviewCheck, 0), Event::setValue(kContoursEdit, 30),
                  Event::choose(kContourScaleList, 3), Event::setValue(kPreviewCheck, 1)}),
            kNoErr);
  EXPECT_EQ(record().previewOn, 1);
  EXPECT_EQ(record().previewShown, 1);
  EXPECT_EQ(record().contourCount, 30);
  EXPECT_EQ(record().contourScaleMode, 3);
  EXPECT_EQ(layerCount(), 32u);  // one preview only: the square and 31 contours
}

TEST_F(DialogTest, AcceptedWithPreviewOffTheFinalRunUsesTheValuesLastCopied) {
  ASSERT_EQ(harness.runFilter({Event::setValue(kContoursEdit, 5), Event::setValue(kPreviewCheck, 0),
                               Event::setValue(kContoursEdit, 30)}),
            kNoErr);
  EXPECT_EQ(record().contourCount, 5);
  EXPECT_EQ(layerCount(), 7u);
}

TEST_F(DialogTest, ThePreviewLastDrawnStaysWhenPreviewIsSwitchedOff) {
  ASSERT_EQ(
      open({Event::setValue(kContoursEdit, 5), Event::setValue(kPreviewCheck, 0), Event::setValue(kContoursEdit, 40)}),
      kNoErr);
  EXPECT_EQ(layerCount(), 7u);
}

TEST_F(DialogTest, EnabledStatesChangeOnlyWhilePreviewIsOn) {
  ASSERT_EQ(open({Event::setValue(kPreviewCheck, 0), Event::choose(kFillColorList, 6)}), kNoErr);  // " To swatch"
  EXPECT_FALSE(item(kFillSwatchEdit).enabled);
  close();
  ASSERT_EQ(
      open({Event::setValue(kPreviewCheck, 0), Event::choose(kFillColorList, 6), Event::setValue(kPreviewCheck, 1)}),
      kNoErr);
  EXPECT_TRUE(item(kFillSwatchEdit).enabled);
}

TEST_F(DialogTest, ShuffleRedrawsThePreviewWithTheSameSettings) {
  // " Shift - Random": every preview draws its own shifts.
  std::string before, after;
  uint64_t drawsBefore = 0;
  ASSERT_EQ(open({Event::choose(kShiftModeList, 6), Event::setValue(kShiftHEdit, 50), Event::press(kShuffleButton)},
                 [&](std::size_t i) {
                   if (i == 2) {
                     before = doc().serialize();
                     drawsBefore = harness.session().random().draws();
                   }
                   if (i == 3) after = doc().serialize();
                 }),
            kNoErr);
  EXPECT_NE(after, before);
  EXPECT_GT(harness.session().random().draws(), drawsBefore);
  EXPECT_EQ(layerCount(), 14u);
  EXPECT_EQ(record().shiftMode, 6);
  EXPECT_EQ(record().shiftH, 50.0f);
}

TEST_F(DialogTest, ShuffleWithPreviewOffChangesNothing) {
  std::string before, after;
  ContourParams recordBefore{};
  harness.setParams(defaultParams());  // the block the dialog edits, known to the test from the start
  ASSERT_EQ(open({Event::choose(kShiftModeList, 6), Event::setValue(kPreviewCheck, 0), Event::press(kShuffleButton)},
                 [&](std::size_t i) {
                   if (i == 2) {
                     before = doc().serialize();
                     recordBefore = record();
                   }
                   if (i == 3) after = doc().serialize();
                 }),
            kNoErr);
  EXPECT_EQ(after, before);
  const auto* a = reinterpret_cast<const int32_t*>(&recordBefore);
  const auto* b = reinterpret_cast<const int32_t*>(&record());
  for (int i = 0; i < 57; ++i) EXPECT_EQ(a[i], b[i]) << "field " << i;
}

// The enabling rules, one case per condition: the events that set it up, and
// the enabled state each item must then have.
struct RuleCase {
  const char* name;
  std::vector<Event> events;
  std::map<int32_t, bool> enabled;
};

std::vector<RuleCase> ruleCases() {
  std::vector<RuleCase> cases = {
      {"defaults",
       {},
       {{34, false},
        {6, false},
        {35, false},
        {52, false},
        {53, false},
        {54, false},
        {58, false},
        {59, false},
        {18, false},
        {19, false},
        {141, false},
        {144, false},
        {142, false},
        {145, false},
        {15, false},
        {12, false},
        {13, false},
        {14, false},
        {11, true}}},
      {"points contour amount",
       {Event::setValue(kPointsContourEdit, 0.5)},
       {{34, true}, {35, false}, {52, true}, {53, true}, {54, true}, {58, true}, {59, true}, {18, true}, {19, true}}},
      {"variance",
       {Event::setValue(kVarianceEdit, -2)},
       {{34, false}, {35, true}, {52, true}, {53, true}, {54, true}, {58, true}, {59, true}, {18, true}, {19, true}}},
      {"scale not linked", {Event::setValue(kLinkScaleCheck, 0)}, {{6, true}}},
      {"width mode", {Event::choose(kWidthModeList, 1)}, {{15, true}}},
      {"width amount without mode", {Event::setValue(kWidthAmountEdit, 3)}, {{15, false}}},
  };
  // Colour modes: a swatch for 6 and 11, steps for 1, 2, 5, 6, 7, 8, 13.
  for (int32_t mode = 0; mode <= 14; ++mode) {
    bool swatch = mode == 6 || mode == 11;
    bool steps = mode == 1 || mode == 2 || mode == 5 || mode == 6 || mode == 7 || mode == 8 || mode == 13;
    cases.push_back({"fill mode",
                     {Event::choose(kFillColorList, mode)},
                     {{141, swatch}, {142, steps}, {144, false}, {145, false}}});
    cases.push_back({"stroke mode",
                     {Event::choose(kStrokeColorList, mode)},
                     {{144, swatch}, {145, steps}, {141, false}, {142, false}}});
  }
  // Rotation centres: the path number for 1, the user centre for 2.
  for (int32_t mode = 0; mode <= 4; ++mode)
    cases.push_back({"rotation centre",
                     {Event::choose(kRotationCenterList, mode)},
                     {{12, mode == 1}, {13, mode == 2}, {14, mode == 2}, {11, true}}});
  return cases;
}

TEST_F(DialogTest, EnablingRules) {
  for (const RuleCase& c : ruleCases()) {
    harness.setParams(defaultParams());
    ASSERT_EQ(open(c.events), kNoErr) << c.name;
    for (const auto& [id, enabled] : c.enabled)
      EXPECT_EQ(item(id).enabled, enabled)
          << c.name << " " << (c.events.empty() ? -1 : c.events[0].entry) << ": item " << id;
    close();
  }
}

TEST_F(DialogTest, AnUnknownRotationCentreLeavesItsItemsAlone) {
  ContourParams params = defaultParams();
  params.rotationCenterMode = 7;  // no entry of the list: the items keep their first state
  harness.setParams(params);
  ASSERT_EQ(open({}), kNoErr);
  for (int32_t id : {11, 12, 13, 14}) EXPECT_TRUE(item(id).enabled) << id;
  EXPECT_EQ(record().rotationCenterMode, 7);
}

}  // namespace
}  // namespace contour_test
