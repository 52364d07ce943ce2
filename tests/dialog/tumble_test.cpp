// Tumble: part of the settings back to their defaults, then random values
// from the host's generator in a fixed order of draws.
#include "tests/dialog/DialogFixture.h"

#include <utility>

#include "plugin/params/ParamFields.h"

namespace contour_test {
namespace {

// The values Tumble draws for a seed, worked by hand from its steps: a chance
// p is one draw R with R x 100 > p, int() keeps the integer part, R x a - R x b
// stores the first product before the second draw, and a step whose chance
// fails draws nothing more. Fields not named keep their defaults.
struct Worked {
  uint64_t seed;
  std::vector<std::pair<const char*, double>> values;
};

// Seed 7 draws 0.38982970 (not above 80: no step 1), 0.016788244 (no step 2),
// 0.90076065 (step 3) and 0.58293027, so contourCount = int(11.658605) = 11.
const Worked kSeed7 = {7,
                       {{"contourCount", 11},
                        {"contourScaleMode", 6},
                        {"scaleH", 5.7069878578186035},
                        {"scaleV", 0.36130857467651367},
                        {"createCount", 2},
                        {"shiftH", -17.126283645629883},
                        {"shiftV", 0.9337539672851562},
                        {"rotationCenterMode", 3},
                        {"rotation", 6.527225971221924},
                        {"shiftMode", 6},
                        {"interpolateStyle", 20.751567840576172},
                        {"pointsKeepAnchor", 1},
                        {"pathCreate", 1}}};
// Every list but the Points variation list drawn, and both colour steps.
const Worked kSeed363 = {363,
                         {{"contourCount", 39},
                          {"contourScaleMode", 1},
                          {"scaleH", 13.051860809326172},
                          {"scaleV", 4.100048065185547},
                          {"shiftH", -3.213474750518799},
                          {"shiftV", 1.1471729278564453},
                          {"rotationCenterMode", 2},
                          {"rotation", 7.173766136169434},
                          {"shiftMode", 8},
                          {"widthMode", 3},
                          {"widthAmount", 4.097803115844727},
                          {"pointsContourMode", 4},
                          {"pointsContourAmount", 2.451326370239258},
                          {"pathCreate", 1},
                          {"fillColorMode", 8},
                          {"fillSwatchIndex", 11},
                          {"fillSteps", 3},
                          {"strokeColorMode", 7},
                          {"strokeSwatchIndex", 4},
                          {"strokeSteps", 3}}};
// The anchor and direction interpolation drawn, and skip and create.
const Worked kSeed1 = {1,
                       {{"contourCount", 38},
                        {"contourScaleMode", 19},
                        {"scaleH", 11.067960739135742},
                        {"scaleV", 1.1066431999206543},
                        {"skipCount", 2},
                        {"createCount", 3},
                        {"shiftH", -4.025564193725586},
                        {"shiftV", -1.5028209686279297},
                        {"interpolateAnchor", -20.261962890625},
                        {"interpolateDirection", -1.5454473495483398}}};
// Step 3 ends at int(R x 20) = 0: Tumble can give zero contours.
const Worked kSeed38 = {38,
                        {{"contourCount", 0},
                         {"scaleH", 12.590104103088379},
                         {"scaleV", 10.107840538024902},
                         {"shiftH", -7.748488426208496},
                         {"shiftV", 6.810190200805664},
                         {"rotationCenterMode", 1},
                         {"rotation", 4.646302223205566},
                         {"pathAlternateFlip", 1},
                         {"pointsKeepAnchor", 1},
                         {"strokeColorMode", 4},
                         {"strokeSwatchIndex", 7},
                         {"strokeSteps", 1}}};

// `start` with the worked values written in, through the field table.
ContourParams withWorked(ContourParams start, const Worked& worked) {
  for (const auto& [name, value] : worked.values) {
    const ParamField* field = findParamField(name);
    if (field == nullptr) {
      ADD_FAILURE() << name;
      continue;
    }
    if (field->isReal()) start.*field->field.real = static_cast<float>(value);
    else
      start.*field->field.integer = static_cast<int32_t>(value);
  }
  return start;
}

class TumbleTest : public DialogTest {
 protected:
  // Opens the dialog with `before` played first, then Tumble pressed with the
  // generator seeded just before it. Returns the record as it was before the
  // press.
  ContourParams tumbleWithSeed(uint64_t seed, std::vector<Event> before = {}) {
    harness.setParams(defaultParams());
    std::vector<Event> script = before;
    script.push_back(Event::press(kTumbleButton));
    ContourParams recordBefore{};
    EXPECT_EQ(open(script,
                   [&](std::size_t i) {
                     if (i != before.size()) return;
                     recordBefore = record();
                     harness.session().random().setSeed(seed);
                   }),
              kNoErr);
    return recordBefore;
  }

  // Every field but the bookkeeping ones that the preview and the place change.
  void expectRecord(ContourParams expected) {
    ContourParams actual = record();
    for (ContourParams* p : {&actual, &expected}) {
      p->previewShown = p->finalRun = 0;
      p->dialogBoundsLeft = p->dialogBoundsTop = p->dialogBoundsRight = p->dialogBoundsBottom = 0;
      p->dialogBoundsSaved = 0;
    }
    for (const ParamField& field : paramFields()) {
      if (field.isReal()) EXPECT_EQ(actual.*field.field.real, expected.*field.field.real) << field.name;
      else
        EXPECT_EQ(actual.*field.field.integer, expected.*field.field.integer) << field.name;
    }
  }
};

TEST_F(TumbleTest, GivesTheValuesItsStepsDraw) {
  for (const Worked* worked : {&kSeed7, &kSeed363, &kSeed1, &kSeed38}) {
    SCOPED_TRACE(worked->seed);
    ContourParams before = tumbleWithSeed(worked->seed);
    const ContourParams expected = withWorked(before, *worked);
    expectRecord(expected);
    // The items show what the record holds.
    EXPECT_EQ(item(kContoursEdit).value, expected.contourCount);
    EXPECT_EQ(item(kScaleHEdit).value, expected.scaleH);
    EXPECT_EQ(chosen(kFillColorList), expected.fillColorMode);
    EXPECT_EQ(item(kPathCreateCheck).value, expected.pathCreate);
    close();
  }
}

TEST_F(TumbleTest, KeepsWhatItDoesNotDraw) {
  const std::vector<Event> changes = {Event::setValue(kPlaceAboveCheck, 0), Event::setValue(kPathDeleteCheck, 1),
                                      Event::choose(kPatternList, 3),       Event::setValue(kCenterXEdit, 10),
                                      Event::setValue(kCenterYEdit, 20),    Event::setValue(kPathNumberEdit, 7),
                                      Event::setValue(kZoomEdit, 250),      Event::press(kShiftPageButton)};
  ContourParams before = tumbleWithSeed(7, changes);
  EXPECT_EQ(record().previewOn, 1);
  EXPECT_EQ(record().placeAbove, 0);
  EXPECT_EQ(record().pathDelete, 1);
  EXPECT_EQ(record().patternMode, 3);
  EXPECT_EQ(record().centerX, 10.0f);
  EXPECT_EQ(record().centerY, 20.0f);
  EXPECT_EQ(record().rotationPathNumber, 7);
  EXPECT_EQ(record().viewZoom, 250.0f);
  EXPECT_EQ(record().currentPage, 3);
  expectPage(3);
  expectRecord(withWorked(before, kSeed7));
}

TEST_F(TumbleTest, StartsTheDrawnFieldsFromTheirDefaults) {
  // Values a seed's draws leave alone go back to their defaults first.
  const std::vector<Event> changes = {Event::choose(kWidthModeList, 2),  Event::setValue(kWidthAmountEdit, 9),
                                      Event::setValue(kVarianceEdit, 3), Event::choose(kPointsVariationList, 4),
                                      Event::choose(kFillColorList, 1),  Event::setValue(kFillStepsEdit, 5)};
  ContourParams before = tumbleWithSeed(7, changes);
  EXPECT_EQ(before.widthAmount, 9.0f);
  EXPECT_EQ(before.fillSteps, 5);
  EXPECT_EQ(record().widthMode, 0);
  EXPECT_EQ(record().widthAmount, 0.0f);
  EXPECT_EQ(record().fillColorMode, 0);
  EXPECT_EQ(record().pointsVariationMode, 0);
  EXPECT_EQ(record().pointsVariance, 0.0f);
  EXPECT_EQ(record().fillSteps, 0);
}

TEST_F(TumbleTest, ValuesStayWithinTheirRanges) {
  for (uint64_t seed = 100; seed < 130; ++seed) {
    tumbleWithSeed(seed);
    const ContourParams& r = record();
    EXPECT_GE(r.contourCount, 0);
    EXPECT_LE(r.contourCount, 79);
    EXPECT_LE(r.skipCount, 4);
    EXPECT_GE(r.createCount, 1);
    EXPECT_LE(r.createCount, 5);
    EXPECT_GE(r.fillSwatchIndex, 2);
    EXPECT_LE(r.fillSwatchIndex, 21);
    EXPECT_LE(r.rotationCenterMode, 3);
    EXPECT_LE(r.widthMode, 15);
    close();
  }
}

}  // namespace
}  // namespace contour_test
