// The paint of the contours: fill and stroke colour modes on every colour
// kind, line widths, the style blend and random opacity, through the loaded
// module. Expected values are worked out here from the modes' rows in single
// precision; random modes repeat the seeded generator's draws.
#include <cmath>
#include <string>
#include <tuple>

#include "tests/engine/ContourFixture.h"
#include "tests/engine/TraceCalls.h"

namespace contour_test {
namespace {

using easel::ArtRef;

constexpr int32_t kSwatchNumber = 5;  // "CMYK Magenta" of the default list
constexpr int32_t kPastTheEnd = 1000;

// The source colours of each kind for the fill and for the stroke. Components
// on both sides of 2/3 give both branches of "To half color inverted".
AIColor fillSample(int32_t kind) {
  if (kind == kGrayColor) return greyColor(0.3f);
  if (kind == kFourColor) return fourColor(0.2f, 0.4f, 0.6f, 0.8f);
  return rgbColor(0.25f, 0.5f, 0.75f);
}

AIColor strokeSample(int32_t kind) {
  if (kind == kGrayColor) return greyColor(0.8f);
  if (kind == kFourColor) return fourColor(0.9f, 0.1f, 0.5f, 0.7f);
  return rgbColor(0.6f, 0.3f, 0.9f);
}

int32_t componentCount(int32_t kind) { return kind == kGrayColor ? 1 : kind == kFourColor ? 4 : 3; }

AIPathStyle paintStyle(const AIColor& fill, const AIColor& stroke, bool filled) {
  AIPathStyle style = easel::defaultPathStyle();
  style.fillPaint = filled ? 1 : 0;
  style.fill.color = fill;
  style.stroke.color = stroke;
  return style;
}

// The worked values of the modes that draw nothing, from their rows, for
// contours 1 to 5: the grey fill (0.3, 5 steps, swatch 5 "CMYK Magenta" whose
// first components are 0, 1, 0) and the grey stroke (0.8, 3 steps, so that
// contours 4 and 5 run past the end; the last swatch, "50% Grey": 0.5). Past
// the middle (2 of 5, 1 of 3) mode 5 turns back; in mode 13 0.3 rises and 0.8
// falls (x <= 1 - x/2 or not). Mode 15 is no mode.
struct WorkedGreyRow {
  int32_t mode;
  AIReal fill[5];
  AIReal stroke[5];
};

constexpr AIReal kThird = 1.0f / 3;
constexpr WorkedGreyRow kWorkedGrey[] = {
    {1,
     {0.24f, 0.18f, 0.12f, 0.06f, 0},
     {0.8f - 0.8f * kThird, 0.8f - 1.6f * kThird, 0, -0.8f * kThird, -1.6f * kThird}},
    {2,
     {0.44f, 0.58f, 0.72f, 0.86f, 1},
     {0.8f + 0.2f * kThird, 0.8f + 0.4f * kThird, 1, 0.8f + 0.8f * kThird, 0.8f + kThird}},
    {5,
     {0.24f, 0.18f, 0.36f, 0.42f, 0.48f},
     {0.8f - 0.8f * kThird, 0.8f + 0.8f * kThird, 0.8f + 1.6f * kThird, 1.6f, 0.8f + 3.2f * kThird}},
    {6, {0.24f, 0.18f, 0.12f, 0.06f, 0}, {0.7f, 0.6f, 0.5f, 0.4f, 0.3f}},
    {7,
     {0.27f, 0.24f, 0.21f, 0.18f, 0.15f},
     {0.8f - 0.4f * kThird, 0.8f - 0.8f * kThird, 0.4f, 0.8f - 1.6f * kThird, 0.8f - 2 * kThird}},
    {8, {0.38f, 0.46f, 0.54f, 0.62f, 0.7f}, {0.6f, 0.4f, 0.2f, 0, -0.2f}},
    {9, {0, 0.3f, 0, 0.3f, 0}, {0, 0.8f, 0, 0.8f, 0}},
    {10, {1, 0.3f, 1, 0.3f, 1}, {1, 0.8f, 1, 0.8f, 1}},
    {11, {0, 0.3f, 0, 0.3f, 0}, {0.5f, 0.8f, 0.5f, 0.8f, 0.5f}},
    {12, {0.7f, 0.3f, 0.7f, 0.3f, 0.7f}, {0.2f, 0.8f, 0.2f, 0.8f, 0.2f}},
    {13,
     {0.37f, 0.44f, 0.51f, 0.58f, 0.65f},
     {0.8f - 0.1f * kThird, 0.8f - 0.2f * kThird, 0.7f, 0.8f - 0.4f * kThird, 0.8f - 0.5f * kThird}},
    {14, {0.246f, 0.192f, 0.138f, 0.084f, 0.03f}, {0.56f, 0.32f, 0.08f, -0.16f, -0.4f}},
    {15, {0.3f, 0.3f, 0.3f, 0.3f, 0.3f}, {0.8f, 0.8f, 0.8f, 0.8f, 0.8f}},
};

// The RGB fill (0.25, 0.5, 0.75; the same steps and swatch) in the modes whose
// rows differ for RGB, the one that mixes in the swatch component by
// component, and the one whose components go opposite ways (0.75 falls).
struct WorkedRgbRow {
  int32_t mode;
  AIReal fill[5][3];
};

constexpr WorkedRgbRow kWorkedRgb[] = {
    {1, {{0.4f, 0.6f, 0.8f}, {0.55f, 0.7f, 0.85f}, {0.7f, 0.8f, 0.9f}, {0.85f, 0.9f, 0.95f}, {1, 1, 1}}},
    {2, {{0.2f, 0.4f, 0.6f}, {0.15f, 0.3f, 0.45f}, {0.1f, 0.2f, 0.3f}, {0.05f, 0.1f, 0.15f}, {0, 0, 0}}},
    {5, {{0.4f, 0.6f, 0.8f}, {0.55f, 0.7f, 0.85f}, {0.1f, 0.4f, 0.7f}, {-0.05f, 0.3f, 0.65f}, {-0.2f, 0.2f, 0.6f}}},
    {6, {{0.2f, 0.6f, 0.6f}, {0.15f, 0.7f, 0.45f}, {0.1f, 0.8f, 0.3f}, {0.05f, 0.9f, 0.15f}, {0, 1, 0}}},
    {9, {{1, 1, 1}, {0.25f, 0.5f, 0.75f}, {1, 1, 1}, {0.25f, 0.5f, 0.75f}, {1, 1, 1}}},
    {10, {{0, 0, 0}, {0.25f, 0.5f, 0.75f}, {0, 0, 0}, {0.25f, 0.5f, 0.75f}, {0, 0, 0}}},
    {13,
     {{0.325f, 0.55f, 0.725f},
      {0.4f, 0.6f, 0.7f},
      {0.475f, 0.65f, 0.675f},
      {0.55f, 0.7f, 0.65f},
      {0.625f, 0.75f, 0.625f}}},
};

// The colour has the kind and the first components given (to a few units in
// the last place: the worked values are rounded decimals), the rest as before.
void expectColor(const AIColor& actual, int32_t kind, std::initializer_list<AIReal> components,
                 const std::string& where) {
  EXPECT_EQ(actual.kind, kind) << where;
  int j = 0;
  for (AIReal c : components) {
    EXPECT_NEAR(actual.c.components[j], c, 1e-6f) << where << " component " << j;
    ++j;
  }
  for (; j < 16; ++j) EXPECT_EQ(actual.c.components[j], 0.0f) << where << " component " << j;
}

void expectSameColor(const AIColor& actual, const AIColor& expected, const std::string& where) {
  EXPECT_EQ(actual.kind, expected.kind) << where;
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(actual.c.components[i], expected.c.components[i]) << where << " component " << i;
}

class StyleTest : public ContourFixture {
 protected:
  // The default record with nothing but paint changes on a still copy.
  static ContourParams paintParams(int32_t contourCount) {
    ContourParams p = defaultParams();
    p.contourCount = contourCount;
    p.scaleH = p.scaleV = 0;
    return p;
  }

  AIPathStyle styleOf(ArtRef art) { return doc().pathStyle(art); }
  const AIColor& swatchColor(std::size_t index) { return doc().swatches().at(index).color; }
  int32_t swatchCount() { return static_cast<int32_t>(doc().swatches().size()); }

  // The swatch a random-swatch draw names: past the end is the last swatch, and
  // the first two are never used.
  int32_t randomSwatch(AIReal draw) {
    int32_t n = static_cast<int32_t>(draw * static_cast<AIReal>(swatchCount())) + 1;
    if (n > swatchCount() - 1) n = swatchCount() - 1;
    if (n < 2) n = 2;
    return n;
  }

  // The expected colour of one part in the random modes, with the draws taken
  // from the reference generator: 3 draws each component (black: times its
  // own), 4 a swatch.
  AIColor randomColor(int32_t mode, const AIColor& source) {
    if (mode == 4) return swatchColor(randomSwatch(nextDraw()));
    AIColor c = source;
    for (int32_t j = 0; j < componentCount(source.kind); ++j)
      c.c.components[j] = nextDraw() * (j == 3 ? source.c.components[3] : 1.0f);
    return c;
  }

  // The five contours of a run of `mode` on the fill (5 steps, swatch 5, an
  // unfilled source) and on the stroke (3 steps, so contours run past the
  // end; a swatch number past the end of the list), seeded.
  std::vector<ArtRef> runMode(int32_t mode, int32_t kind) {
    addPath(squareSegments(100, 100, 20), paintStyle(fillSample(kind), strokeSample(kind), false));
    ContourParams p = paintParams(4);
    p.fillColorMode = p.strokeColorMode = mode;
    p.fillSteps = 0;
    p.strokeSteps = 3;
    p.fillSwatchIndex = kSwatchNumber;
    p.strokeSwatchIndex = kPastTheEnd;
    seed(77);
    EXPECT_EQ(run(p), kNoErr);
    nextDraw();  // the run's pulse period
    return contours();
  }
};

// ---------------------------------------------------------------------------
// Every colour mode, on the fill and the stroke of the same contours.

bool setsFillPaint(int32_t mode) { return mode == 4 || mode == 6 || mode == 11 || mode == 12; }

class WorkedGreyModes : public StyleTest, public ::testing::WithParamInterface<WorkedGreyRow> {};

TEST_P(WorkedGreyModes, GiveTheirWorkedValues) {
  const WorkedGreyRow& row = GetParam();
  const std::vector<ArtRef> made = runMode(row.mode, kGrayColor);
  ASSERT_EQ(made.size(), 5u);
  for (int32_t k = 1; k <= 5; ++k) {
    const std::string where = "contour " + std::to_string(k);
    const AIPathStyle style = styleOf(made[k - 1]);
    expectColor(style.fill.color, kGrayColor, {row.fill[k - 1]}, where + " fill");
    expectColor(style.stroke.color, kGrayColor, {row.stroke[k - 1]}, where + " stroke");
    EXPECT_EQ(style.fillPaint, setsFillPaint(row.mode) ? 1 : 0) << where;
    EXPECT_EQ(style.strokePaint, 1) << where;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryModeThatDrawsNothing, WorkedGreyModes, ::testing::ValuesIn(kWorkedGrey),
                         [](const auto& info) { return "mode" + std::to_string(info.param.mode); });

class WorkedRgbModes : public StyleTest, public ::testing::WithParamInterface<WorkedRgbRow> {};

TEST_P(WorkedRgbModes, GiveTheirWorkedValues) {
  const WorkedRgbRow& row = GetParam();
  const std::vector<ArtRef> made = runMode(row.mode, kThreeColor);
  ASSERT_EQ(made.size(), 5u);
  for (int32_t k = 1; k <= 5; ++k) {
    const AIReal* rgb = row.fill[k - 1];
    expectColor(styleOf(made[k - 1]).fill.color, kThreeColor, {rgb[0], rgb[1], rgb[2]}, "contour " + std::to_string(k));
  }
}

INSTANTIATE_TEST_SUITE_P(ModesWithRgbRows, WorkedRgbModes, ::testing::ValuesIn(kWorkedRgb),
                         [](const auto& info) { return "mode" + std::to_string(info.param.mode); });

class RandomColorModes : public StyleTest, public ::testing::WithParamInterface<std::tuple<int32_t, int32_t>> {};

TEST_P(RandomColorModes, DrawEveryColourOnEveryKind) {
  const auto [mode, kind] = GetParam();
  const std::vector<ArtRef> made = runMode(mode, kind);
  ASSERT_EQ(made.size(), 5u);
  for (int32_t k = 1; k <= 5; ++k) {
    const std::string where =
        "mode " + std::to_string(mode) + " kind " + std::to_string(kind) + " contour " + std::to_string(k);
    const AIColor expectedFill = randomColor(mode, fillSample(kind));
    const AIColor expectedStroke = randomColor(mode, strokeSample(kind));
    const AIPathStyle style = styleOf(made[k - 1]);
    expectSameColor(style.fill.color, expectedFill, where + " fill");
    expectSameColor(style.stroke.color, expectedStroke, where + " stroke");
    EXPECT_EQ(style.fillPaint, setsFillPaint(mode) ? 1 : 0) << where;
    EXPECT_EQ(style.strokePaint, 1) << where;
  }
}

INSTANTIATE_TEST_SUITE_P(RandomColorsAndSwatches, RandomColorModes,
                         ::testing::Combine(::testing::Values(3, 4),
                                            ::testing::Values(kGrayColor, kFourColor, kThreeColor)),
                         [](const auto& info) {
                           return "mode" + std::to_string(std::get<0>(info.param)) + "_kind" +
                                  std::to_string(std::get<1>(info.param));
                         });

// ---------------------------------------------------------------------------

TEST_F(StyleTest, FourColourFillFadesToWhiteOverThirteenContours) {
  addPath(squareSegments(100, 100, 20), paintStyle(fourColor(0.2f, 0.4f, 0.6f, 0.8f), greyColor(1), true));
  ContourParams p = paintParams(12);
  p.fillColorMode = 1;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 13u);
  const AIReal source[4] = {0.2f, 0.4f, 0.6f, 0.8f};
  for (int32_t k = 1; k <= 13; ++k) {
    const AIColor c = styleOf(made[k - 1]).fill.color;
    for (int j = 0; j < 4; ++j) EXPECT_EQ(c.c.components[j], source[j] - source[j] * k / 13.0f) << k;
  }
  for (int j = 0; j < 4; ++j) EXPECT_NEAR(styleOf(made[12]).fill.color.c.components[j], 0.0f, 1e-7f);
}

TEST_F(StyleTest, RgbStrokeDarkensToBlackInFourSteps) {
  addPath(squareSegments(100, 100, 20), paintStyle(greyColor(0), rgbColor(0.5f, 0.5f, 0.5f), true));
  ContourParams p = paintParams(3);
  p.strokeColorMode = 2;
  p.strokeSteps = 4;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 4u);
  const AIReal expected[4] = {0.375f, 0.25f, 0.125f, 0.0f};
  for (int k = 0; k < 4; ++k) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(styleOf(made[k]).stroke.color.c.components[j], expected[k]);
  }
}

TEST_F(StyleTest, ToWhiteMidpointTurnsBackPastTheMiddle) {
  addPath(squareSegments(100, 100, 20), paintStyle(greyColor(0.3f), greyColor(1), true));
  ContourParams p = paintParams(12);
  p.fillColorMode = 5;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 13u);
  for (int32_t k = 1; k <= 6; ++k) EXPECT_EQ(styleOf(made[k - 1]).fill.color.c.g.gray, 0.3f - 0.3f * k / 13.0f);
  EXPECT_EQ(styleOf(made[6]).fill.color.c.g.gray, 0.3f + 0.3f / 13.0f);
  for (int32_t k = 8; k <= 13; ++k) {
    EXPECT_GT(styleOf(made[k - 1]).fill.color.c.g.gray, styleOf(made[k - 2]).fill.color.c.g.gray) << k;
  }
}

TEST_F(StyleTest, ToSwatchUsesSwatchTwoForZeroAndOneAndTheLastPastTheEnd) {
  addPath(squareSegments(100, 100, 20), paintStyle(greyColor(0.3f), greyColor(1), false));
  const struct {
    int32_t number;
    int32_t used;
  } cases[] = {{0, 2}, {1, 2}, {-4, 2}, {7, 7}, {kPastTheEnd, swatchCount() - 1}, {swatchCount(), swatchCount() - 1}};
  for (const auto& c : cases) {
    ContourParams p = paintParams(0);
    p.fillColorMode = 6;
    p.fillSwatchIndex = c.number;
    ASSERT_EQ(run(p), kNoErr);
    const std::vector<ArtRef> made = contours();
    ASSERT_EQ(made.size(), 1u);
    // One step of one: the whole way to the swatch colour's first component.
    const AIReal s = swatchColor(c.used).c.components[0];
    EXPECT_EQ(styleOf(made[0]).fill.color.c.g.gray, 0.3f + (s - 0.3f) * 1 / 1) << c.number;
    EXPECT_EQ(styleOf(made[0]).fillPaint, 1) << c.number;
    removeContours();
  }
}

TEST_F(StyleTest, AlternateWhiteClearsEveryOtherFourColourContour) {
  addPath(squareSegments(100, 100, 20), paintStyle(fourColor(0.2f, 0.4f, 0.6f, 0.8f), greyColor(1), true));
  ContourParams p = paintParams(5);
  p.fillColorMode = 9;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 6u);
  for (int32_t k = 1; k <= 6; ++k) {
    const AIFourColorStyle f = styleOf(made[k - 1]).fill.color.c.f;
    if (k % 2 == 1) {
      EXPECT_TRUE(f.cyan == 0 && f.magenta == 0 && f.yellow == 0 && f.black == 0) << k;
    } else {
      EXPECT_TRUE(f.cyan == 0.2f && f.magenta == 0.4f && f.yellow == 0.6f && f.black == 0.8f) << k;
    }
  }
}

TEST_F(StyleTest, GradientIsLeftAloneByEveryModeButRandomSwatches) {
  AIColor gradient{};
  gradient.kind = kGradient;
  gradient.c.ref.reference = 3;
  gradient.c.ref.tint = 0.25f;
  addPath(squareSegments(100, 100, 20), paintStyle(gradient, greyColor(1), true));
  for (int32_t mode = 1; mode <= 14; ++mode) {
    ContourParams p = paintParams(1);
    p.fillColorMode = mode;
    seed(mode);
    ASSERT_EQ(run(p), kNoErr);
    nextDraw();  // the pulse period
    const std::vector<ArtRef> made = contours();
    ASSERT_EQ(made.size(), 2u);
    for (const ArtRef contour : made) {
      const AIColor expected = mode == 4 ? swatchColor(randomSwatch(nextDraw())) : gradient;
      expectSameColor(styleOf(contour).fill.color, expected, "mode " + std::to_string(mode));
    }
    removeContours();
  }
}

TEST_F(StyleTest, FillAndStrokeModesApplyTogether) {
  addPath(squareSegments(100, 100, 20), paintStyle(greyColor(0.2f), greyColor(0.6f), true));
  ContourParams p = paintParams(3);
  p.fillColorMode = 2;
  p.strokeColorMode = 1;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 4u);
  for (int32_t k = 1; k <= 4; ++k) {
    EXPECT_EQ(styleOf(made[k - 1]).fill.color.c.g.gray, 0.2f + (1 - 0.2f) * k / 4.0f);
    EXPECT_EQ(styleOf(made[k - 1]).stroke.color.c.g.gray, 0.6f - 0.6f * k / 4.0f);
  }
}

TEST_F(StyleTest, HalfColourInvertedRisesBelowItsThresholdAndFallsAbove) {
  addPath(squareSegments(100, 100, 20), paintStyle(greyColor(0.5f), greyColor(0.8f), true));
  ContourParams p = paintParams(4);
  p.fillColorMode = p.strokeColorMode = 13;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 5u);
  for (int32_t k = 1; k <= 5; ++k) {
    EXPECT_EQ(styleOf(made[k - 1]).fill.color.c.g.gray, 0.5f + 0.5f * k / 10.0f);          // 0.5 <= 1 - 0.25
    EXPECT_EQ(styleOf(made[k - 1]).stroke.color.c.g.gray, 0.8f - (1 - 0.8f) * k / 10.0f);  // 0.8 > 1 - 0.4
  }
}

TEST_F(StyleTest, ASwatchTheHostCannotGiveLeavesColourAndPaintFlag) {
  addPath(squareSegments(100, 100, 20), paintStyle(greyColor(0.3f), greyColor(1), false));
  ContourParams p = paintParams(0);
  p.fillColorMode = 6;
  harness.session().faults.failCall("get nth swatch", 1, kBadParameterErr);
  ASSERT_EQ(run(p), kNoErr);
  const AIPathStyle style = styleOf(contours().at(0));
  EXPECT_EQ(style.fill.color.c.g.gray, 0.3f);
  EXPECT_EQ(style.fillPaint, 0);
}

TEST_F(StyleTest, StepCountsAndSwatchNumbersOutOfRangeStayFinite) {
  addPath(squareSegments(100, 100, 20), paintStyle(greyColor(0.3f), greyColor(0.7f), true));
  ContourParams p = paintParams(3);
  p.fillColorMode = 7;
  p.fillSteps = -3;  // half = -1
  p.strokeColorMode = 11;
  p.strokeSwatchIndex = -2147483647 - 1;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 4u);
  for (int32_t k = 1; k <= 4; ++k) {
    EXPECT_EQ(styleOf(made[k - 1]).fill.color.c.g.gray, 0.3f - 0.3f * k / -6.0f);
    EXPECT_EQ(styleOf(made[k - 1]).stroke.color.c.g.gray, k % 2 == 1 ? swatchColor(2).c.components[0] : 0.7f);
  }
}

// ---------------------------------------------------------------------------
// Line widths: source width 1, widthAmount 5 (a step of 0.5), twelve contours.

class WidthModeTable : public StyleTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(WidthModeTable, FollowsItsRowForEveryContour) {
  const int32_t mode = GetParam();
  addPath(squareSegments(100, 100, 20));
  ContourParams p = paintParams(11);
  p.widthMode = mode;
  p.widthAmount = 5;
  seed(5);
  ASSERT_EQ(run(p), kNoErr);
  nextDraw();  // the pulse period
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 12u);
  const AIReal wd = 1, ws = 1, a = 0.5f, n = 11;
  for (int32_t i = 0; i < 12; ++i) {
    const AIReal m = static_cast<AIReal>(i + 1);
    AIReal w = wd;
    switch (mode) {
      case 1: w = wd + a; break;
      case 2: w = ws + m * a; break;
      case 3: w = ws + static_cast<AIReal>((i + 1) % 10) * a; break;
      case 4: w = ws + static_cast<AIReal>((i + 1) % 3) * a; break;
      case 5: w = ws + (n - static_cast<AIReal>(i)) * a; break;
      case 6: w = wd + nextDraw() * a; break;
      case 7: w = ws + nextDraw() * m * a; break;
      case 8: w = nextDraw() * 10; break;
      case 9: w = nextDraw() * a; break;
      case 10: w = ws - (ws - a) * m / n; break;
      case 11: w = wd - (wd - a) / n; break;
      case 12: w = wd * a; break;
      case 13: w = nextDraw() > 0.5f ? wd + a : wd - a; break;
      case 14: w = nextDraw() > 0.5f ? wd + m * a : wd - m * a; break;
      case 15: w = ws - a * m * m * -0.1f; break;
      case 16: w = ws - a * m * m * m * -0.01f; break;
    }
    if (w < 0) w = 0;
    EXPECT_EQ(styleOf(made[i]).stroke.width, w) << "mode " << mode << " contour " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryWidthMode, WidthModeTable, ::testing::Range(0, 18));

TEST_F(StyleTest, WidthSequencesFromWidthOneByHalfAPoint) {
  addPath(squareSegments(100, 100, 20));
  const struct {
    int32_t mode;
    std::vector<AIReal> widths;  // of contours 0, 1, 2, ... (only as many as listed)
  } cases[] = {
      {1, {1.5f, 1.5f, 1.5f, 1.5f}},
      {2, {1.5f, 2.0f, 2.5f, 3.0f}},
      {3, {1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f, 5.0f, 5.5f, 1.0f, 1.5f}},  // back to 1 at the tenth
      {5, {6.0f, 5.5f, 5.0f}},
  };
  for (const auto& c : cases) {
    ContourParams p = paintParams(10);
    p.widthMode = c.mode;
    p.widthAmount = 5;
    ASSERT_EQ(run(p), kNoErr);
    const std::vector<ArtRef> made = contours();
    for (std::size_t i = 0; i < c.widths.size(); ++i) {
      EXPECT_EQ(styleOf(made.at(i)).stroke.width, c.widths[i]) << "mode " << c.mode << " contour " << i;
    }
    removeContours();
  }
}

TEST_F(StyleTest, ANegativeWidthBecomesZero) {
  addPath(squareSegments(100, 100, 20));
  ContourParams p = paintParams(2);
  p.widthMode = 1;
  p.widthAmount = -20;  // 1 - 2
  ASSERT_EQ(run(p), kNoErr);
  for (const ArtRef contour : contours()) EXPECT_EQ(styleOf(contour).stroke.width, 0.0f);
}

TEST_F(StyleTest, TargetWidthModesWithNoContourStepsGiveTheTarget) {
  addPath(squareSegments(100, 100, 20));
  for (int32_t mode : {10, 11}) {
    ContourParams p = paintParams(0);  // one contour: contourCount 0 would divide by zero
    p.widthMode = mode;
    p.widthAmount = 30;
    ASSERT_EQ(run(p), kNoErr);
    EXPECT_EQ(styleOf(contours().at(0)).stroke.width, 3.0f) << mode;
    removeContours();
  }
}

TEST_F(StyleTest, AWidthBeyondTheRealsBecomesZero) {
  AIPathStyle wide = easel::defaultPathStyle();
  wide.stroke.width = 3e38f;
  addPath(squareSegments(100, 100, 20), wide);
  ContourParams p = paintParams(0);
  p.widthMode = 12;  // Multiplied: 3e38 × 10 is infinite
  p.widthAmount = 100;
  ASSERT_EQ(run(p), kNoErr);
  EXPECT_EQ(styleOf(contours().at(0)).stroke.width, 0.0f);
}

TEST_F(StyleTest, ScaleLinesMultipliesByTheAreaScale) {
  addPath(squareSegments(100, 100, 20));
  ContourParams p = paintParams(0);
  p.linkContourScale = 0;
  p.scaleH = 50;   // H = 0.5
  p.scaleV = 150;  // V = -0.5
  p.scaleLines = 1;
  p.widthMode = 1;
  p.widthAmount = 10;  // W = 2
  ASSERT_EQ(run(p), kNoErr);
  EXPECT_EQ(styleOf(contours().at(0)).stroke.width, 0.5f);
}

TEST_F(StyleTest, InterpolateStyleChoosesBetweenSourceAndComputedPaint) {
  const AIPathStyle source = paintStyle(greyColor(0.3f), rgbColor(0.1f, 0.2f, 0.3f), true);
  addPath(squareSegments(100, 100, 20), source);
  for (AIReal percent : {0.0f, 100.0f}) {
    ContourParams p = paintParams(3);
    p.fillColorMode = 2;
    p.strokeColorMode = 12;
    p.widthMode = 2;
    p.widthAmount = 10;
    p.interpolateStyle = percent;
    ASSERT_EQ(run(p), kNoErr);
    const std::vector<ArtRef> made = contours();
    ASSERT_EQ(made.size(), 4u);
    for (int32_t k = 1; k <= 4; ++k) {
      const AIPathStyle style = styleOf(made[k - 1]);
      if (percent == 0) {
        expectSameColor(style.fill.color, source.fill.color, "fill");
        expectSameColor(style.stroke.color, source.stroke.color, "stroke");
        EXPECT_EQ(style.stroke.width, 1.0f);
      } else {
        EXPECT_EQ(style.fill.color.c.g.gray, 0.3f + (1 - 0.3f) * k / 4.0f);
        EXPECT_EQ(style.stroke.color.c.rgb.red, k % 2 == 1 ? 1 - 0.1f : 0.1f);
        EXPECT_EQ(style.stroke.width, 1.0f + static_cast<AIReal>(k));
      }
    }
    removeContours();
  }
}

TEST_F(StyleTest, EveryContourGetsItsOwnRandomOpacity) {
  const ArtRef source = addPath(squareSegments(100, 100, 20));
  ContourParams p = paintParams(4);
  p.pathOpacity = 1;
  seed(12345);
  ASSERT_EQ(run(p), kNoErr);
  nextDraw();  // the pulse period
  for (const ArtRef contour : contours()) EXPECT_EQ(doc().content(contour).opacity, nextDraw());
  EXPECT_EQ(doc().content(source).opacity, 1.0f);
}

TEST_F(StyleTest, PlacedArtIsLeftAsItIsByThePaintSteps) {
  const ArtRef placed = addPlaced(50, 60);
  ContourParams p = paintParams(2);
  p.fillColorMode = 3;
  p.strokeColorMode = 6;
  p.widthMode = 6;
  ASSERT_EQ(run(p), kNoErr);
  const std::vector<ArtRef> made = contours();
  ASSERT_EQ(made.size(), 3u);
  EXPECT_TRUE(callsOf(harness.trace(), "set path style").empty());
  EXPECT_TRUE(callsOf(harness.trace(), "get nth swatch").empty());
  for (const ArtRef contour : made) EXPECT_EQ(doc().content(contour).opacity, doc().content(placed).opacity);
}

}  // namespace
}  // namespace contour_test
