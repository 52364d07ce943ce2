// Tumble: part of the settings back to their defaults, then random values
// from the host's generator in a fixed order of draws.
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

// The record Tumble makes of `r` with the draws of `random`, worked out from
// its table of steps: a chance p is one draw R with R x 100 > p, int() keeps
// the integer part, R x a - R x b stores the first product before the second
// draw, and a step whose chance fails draws nothing more.
ContourParams tumbled(ContourParams r, easel::Random& random) {
  const ContourParams d = defaultParams();
  r.contourCount = d.contourCount;
  r.contourScaleMode = d.contourScaleMode;
  r.scaleH = d.scaleH;
  r.scaleV = d.scaleV;
  r.skipCount = d.skipCount;
  r.createCount = d.createCount;
  r.shiftH = r.shiftV = 0;
  r.rotationCenterMode = 0;
  r.rotation = 0;
  r.pathAlternateFlip = 0;
  r.shiftMode = 0;
  r.interpolateStyle = 100;
  r.widthMode = 0;
  r.widthAmount = 0;
  r.pointsContourMode = r.pointsVariationMode = 0;
  r.pointsContourAmount = r.interpolateAnchor = r.interpolateDirection = r.pointsVariance = 0;
  r.pointsKeepDirection = r.pointsKeepAnchor = r.pathCreate = r.pointsApply = 0;
  r.fillColorMode = r.strokeColorMode = 0;
  r.fillSwatchIndex = r.strokeSwatchIndex = 2;
  r.fillSteps = r.strokeSteps = 0;
  r.previewShown = 0;

  auto R = [&] { return random.nextReal(); };
  auto chance = [&](float p) { return R() * 100.0f > p; };
  auto whole = [&](float scale) { return static_cast<int32_t>(R() * scale); };
  auto difference = [&](float a, float b) {
    const float first = R() * a;
    const float second = R() * b;
    return first - second;
  };
  if (chance(80)) r.contourCount = whole(80);
  if (chance(50)) r.contourCount = whole(40);
  if (chance(50)) r.contourCount = whole(20);
  if (chance(40)) {
    r.contourScaleMode = whole(26);
    if (r.contourScaleMode > 24) r.contourScaleMode = 24;
  }
  r.scaleH = difference(15, 4);
  r.scaleV = difference(15, 4);
  r.shiftH = difference(20, 20);
  r.shiftV = difference(20, 20);
  if (chance(80)) r.shiftMode = whole(11);
  if (chance(50)) {
    r.rotation = R() * 20;
    if (chance(60)) r.rotationCenterMode = whole(4);
  }
  if (chance(70)) {
    r.pointsContourAmount = difference(20, 10);
    if (chance(30)) r.pointsContourMode = whole(16);
    if (chance(60)) {
      r.pointsVariance = difference(10, 5);
      r.pointsVariationMode = whole(10);
    }
  }
  if (chance(60)) {
    r.interpolateAnchor = difference(100, 100);
    r.interpolateDirection = difference(100, 100);
  }
  if (chance(80)) r.pathAlternateFlip = 1;
  if (chance(80)) r.pointsKeepDirection = 1;
  if (chance(80)) r.pointsKeepAnchor = 1;
  if (chance(80)) r.pathCreate = 1;
  if (chance(80)) r.pointsApply = 1;
  if (chance(80)) {
    r.widthMode = whole(16);
    r.widthAmount = R() * 5;
  }
  if (chance(80)) r.interpolateStyle = R() * 50;
  if (chance(80)) {
    r.skipCount = whole(5);
    r.createCount = 1 + whole(5);
  }
  if (chance(75)) {
    r.fillColorMode = whole(14);
    r.fillSwatchIndex = 2 + whole(20);
    r.fillSteps = whole(5);
  }
  if (chance(75)) {
    r.strokeColorMode = whole(14);
    r.strokeSwatchIndex = 2 + whole(20);
    r.strokeSteps = whole(5);
  }
  return r;
}

class TumbleTest : public DialogTest {
 protected:
  // Opens the dialog with `before` played first, then Tumble pressed with the
  // generator seeded just before it. Returns the record as it was before the
  // press.
  ContourParams tumbleWithSeed(uint64_t seed, std::vector<Event> before = {}) {
    harness.setParams(defaultParams());
    std::vector<Event> script = before;
    script.push_back(Event::press(91));
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
    const auto* a = reinterpret_cast<const int32_t*>(&actual);
    const auto* e = reinterpret_cast<const int32_t*>(&expected);
    for (int i = 0; i < 57; ++i) EXPECT_EQ(a[i], e[i]) << "field " << i + 1;
  }
};

TEST_F(TumbleTest, GivesTheRecordItsStepsComputeFromTheSameDraws) {
  for (uint64_t seed : {1u, 2u, 3u, 42u, 1000u}) {
    ContourParams before = tumbleWithSeed(seed);
    easel::Random reference(seed);
    ContourParams expected = tumbled(before, reference);
    SCOPED_TRACE(seed);
    expectRecord(expected);
    // The items show what the record holds.
    EXPECT_EQ(item(4).value, expected.contourCount);
    EXPECT_EQ(item(5).value, expected.scaleH);
    EXPECT_EQ(chosen(140), expected.fillColorMode);
    EXPECT_EQ(item(53).value, expected.pointsKeepDirection);
    close();
  }
}

TEST_F(TumbleTest, KeepsWhatItDoesNotDraw) {
  const std::vector<Event> changes = {Event::setValue(60, 0),   Event::setValue(55, 1), Event::choose(146, 3),
                                      Event::setValue(13, 10),  Event::setValue(14, 20), Event::setValue(12, 7),
                                      Event::setValue(21, 250), Event::press(102)};
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
  easel::Random reference(7);
  expectRecord(tumbled(before, reference));
}

TEST_F(TumbleTest, CanGiveZeroContours) {
  // A seed whose draws end at int(R x 20) = 0 (or leave a 0 from an earlier step).
  uint64_t seed = 0;
  for (uint64_t s = 1; s < 10000 && seed == 0; ++s) {
    easel::Random reference(s);
    if (tumbled(defaultParams(), reference).contourCount == 0) seed = s;
  }
  ASSERT_NE(seed, 0u);
  tumbleWithSeed(seed);
  EXPECT_EQ(record().contourCount, 0);
  EXPECT_EQ(item(4).value, 0);
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
