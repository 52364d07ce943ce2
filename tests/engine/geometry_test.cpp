// The geometry of the contours through the loaded module: every scale mode
// against factors worked from its formula, every shift mode against its
// formula (accumulated in single precision, with the document's seeded random
// numbers where a mode draws); the rotation is in rotation_test.cpp.
//
// A source centred on the origin makes the matrices easy to read: scaling
// about (0, 0) and then moving by the offsets gives a = H, d = V, tx = OH and
// ty = OV exactly.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "easel/core/Random.h"
#include "tests/engine/ContourFixture.h"
#include "tests/engine/TraceCalls.h"

namespace contour_test {
namespace {

// The progression of one object as the rows define it.
struct Progress {
  float H = 1.0f, V = 1.0f;    // scale factors
  float OH = 0.0f, OV = 0.0f;  // shift offsets
  float dH = 0.0f, dV = 0.0f;  // the run's scale steps
};

float sign(float r) { return r > 0.5f ? -1.0f : 1.0f; }

// Draws in the order the rows name them, from a generator seeded as the document's.
struct Draws {
  easel::Random random;
  float next() { return random.nextReal(); }
};

using Row = std::function<void(Progress&, int k, const ContourParams&, Draws&)>;

struct ModeCase {
  int mode;
  const char* entry;
  Row row;
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.mode << " \"" << c.entry << "\""; }

constexpr uint64_t kSeed = 20240611;

ContourParams geometryParams() {
  ContourParams p = defaultParams();
  p.previewOn = 0;
  return p;
}

class GeometryTest : public ContourFixture {
 protected:
  // Runs `p` with seeded draws and returns the matrices the host was given
  // (one per contour when nothing turns).
  std::vector<AIRealMatrix> matricesOf(const ContourParams& p) {
    seed(kSeed);
    harness.clearTrace();
    EXPECT_EQ(run(p), kNoErr);
    return transformMatrices(harness.trace());
  }

  // The expected progressions for `count` + 1 contours of `objects` objects,
  // with the scale steps carried from one object to the next.
  static std::vector<Progress> expected(const ContourParams& p, const Row& shift, const Row& scale, int objects = 1) {
    Draws draws{easel::Random(kSeed)};
    draws.next();  // the run's pulse period comes first
    std::vector<Progress> all;
    Progress run;
    run.dH = p.scaleH / 100.0f;
    run.dV = p.linkContourScale ? run.dH : p.scaleV / 100.0f;
    for (int object = 0; object < objects; ++object) {
      Progress o = run;
      o.H = o.V = 1.0f;
      o.OH = o.OV = 0.0f;
      for (int k = 0; k <= p.contourCount; ++k) {
        shift(o, k, p, draws);
        scale(o, k, p, draws);
        all.push_back(o);
      }
      run.dH = o.dH;
      run.dV = o.dV;
    }
    return all;
  }

  static void expectMatrices(const std::vector<AIRealMatrix>& got, const std::vector<Progress>& want,
                             const std::string& what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t k = 0; k < want.size(); ++k) {
      EXPECT_EQ(got[k].a, want[k].H) << what << ", contour " << k;
      EXPECT_EQ(got[k].d, want[k].V) << what << ", contour " << k;
      EXPECT_EQ(got[k].tx, want[k].OH) << what << ", contour " << k;
      EXPECT_EQ(got[k].ty, want[k].OV) << what << ", contour " << k;
      EXPECT_EQ(got[k].b, 0.0f) << what;
      EXPECT_EQ(got[k].c, 0.0f) << what;
    }
  }
};

void shiftAsIs(Progress& o, int, const ContourParams& p, Draws&) {
  o.OH = o.OH + p.shiftH;
  o.OV = o.OV + p.shiftV;
}

void scaleAdd(Progress& o, int, const ContourParams&, Draws&) {
  o.H = o.H - o.dH;
  o.V = o.V - o.dV;
}

// Sets the steps to the record's percentages over `divisor`, linked or not.
void steps(Progress& o, const ContourParams& p, float divisor) {
  o.dH = p.scaleH / divisor;
  o.dV = p.linkContourScale ? o.dH : p.scaleV / divisor;
}

void pulse(Progress& o, int k, const ContourParams& p, int period) {
  steps(o, p, static_cast<float>(((k % period) + 1) * 100));
  o.H = o.H - o.dH;
  o.V = o.V - o.dV;
}

// Each scale mode's factors at contours 0, 1, 2 and 12, worked by hand from the
// mode's formula in single precision for the steps 7 % and -3 % (linked: 7 %
// for both) and the shift (2, 1) per contour; the random modes take the
// document's draws for kSeed after the run's pulse period.
struct ScaleCase {
  int mode;
  const char* entry;
  bool linked;
  std::array<std::pair<float, float>, 4> factors;  // H and V
};

constexpr int kWorkedContours[] = {0, 1, 2, 12};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.mode << " \"" << c.entry << "\""; }

const ScaleCase kScaleCases[] = {
    {0, "Add", false, {{{0.93f, 1.03f}, {0.86f, 1.06f}, {0.79f, 1.0899999f}, {0.090000086f, 1.3899996f}}}},
    {0, "Add", true, {{{0.93f, 0.93f}, {0.86f, 0.86f}, {0.79f, 0.79f}, {0.090000086f, 0.090000086f}}}},
    {1, "Accumulate", false, {{{0.93f, 1.03f}, {0.8649f, 1.0609f}, {0.804357f, 1.092727f}, {0.38929456f, 1.4685333f}}}},
    {1, "Accumulate", true, {{{0.93f, 0.93f}, {0.8649f, 0.8649f}, {0.804357f, 0.804357f}, {0.38929456f, 0.38929456f}}}},
    {2, "Halved", false, {{{0.93f, 1.03f}, {0.895f, 1.045f}, {0.825f, 1.0749999f}, {0.29999995f, 1.2999997f}}}},
    {2, "Halved", true, {{{0.93f, 0.93f}, {0.895f, 0.895f}, {0.825f, 0.825f}, {0.29999995f, 0.29999995f}}}},
    {3, "Dragggggggggg", false, {{{0.93f, 1.03f}, {0.895f, 1.045f}, {0.87166667f, 1.055f}, {0.77739066f, 1.095404f}}}},
    {3,
     "Dragggggggggg",
     true,
     {{{0.93f, 0.93f}, {0.895f, 0.895f}, {0.87166667f, 0.87166667f}, {0.77739066f, 0.77739066f}}}},
    {4, "By 1%", false, {{{0.93f, 1.03f}, {0.85f, 1.05f}, {0.76f, 1.06f}, {-0.69000006f, 0.61f}}}},
    {4, "By 1%", true, {{{0.93f, 0.93f}, {0.85f, 0.85f}, {0.76f, 0.76f}, {-0.69000006f, -0.69000006f}}}},
    {5, "To 50% original", false, {{{0.93f, 1.03f}, {0.86f, 1.06f}, {0.79f, 1.0899999f}, {0.5f, 1.3899996f}}}},
    {5, "To 50% original", true, {{{0.93f, 0.93f}, {0.86f, 0.86f}, {0.79f, 0.79f}, {0.5f, 0.5f}}}},
    {6,
     "Randomized",
     false,
     {{{0.9326223f, 1.0064384f}, {0.92595595f, 1.0238069f}, {0.92190313f, 1.0277418f}, {0.5770031f, 1.1622384f}}}},
    {6,
     "Randomized",
     true,
     {{{0.9326223f, 0.9849771f}, {0.92595595f, 0.9444505f}, {0.92190313f, 0.9352691f}, {0.5770031f, 0.6214438f}}}},
    {7,
     "Linked vertical to horizontal scaling",
     false,
     {{{0.93f, 0.93f}, {0.86f, 0.86f}, {0.79f, 0.79f}, {0.090000086f, 0.090000086f}}}},
    {7,
     "Linked vertical to horizontal scaling",
     true,
     {{{0.93f, 0.93f}, {0.86f, 0.86f}, {0.79f, 0.79f}, {0.090000086f, 0.090000086f}}}},
    {8,
     "Linked vertical to half horizontal scaling",
     false,
     {{{0.93f, 0.465f}, {0.86f, 0.43f}, {0.79f, 0.395f}, {0.090000086f, 0.045000043f}}}},
    {8,
     "Linked vertical to half horizontal scaling",
     true,
     {{{0.93f, 0.465f}, {0.86f, 0.43f}, {0.79f, 0.395f}, {0.090000086f, 0.045000043f}}}},
    {9,
     "Jitter",
     false,
     {{{0.88707757f, 1.1457903f}, {0.84331006f, 1.344652f}, {0.73489773f, 1.1773516f}, {0.026519299f, 1.396037f}}}},
    {9,
     "Jitter",
     true,
     {{{0.88707757f, 1.0457904f}, {0.84331006f, 1.1446521f}, {0.73489773f, 0.87735164f}, {0.026519299f, 0.09603721f}}}},
    {10,
     "Rapid",
     false,
     {{{0.8649f, 1.0609f}, {0.748052f, 1.1255088f}, {0.6469902f, 1.1940522f}, {0.15155025f, 2.156591f}}}},
    {10,
     "Rapid",
     true,
     {{{0.8649f, 0.8649f}, {0.748052f, 0.748052f}, {0.6469902f, 0.6469902f}, {0.15155025f, 0.15155025f}}}},
    {11,
     "Scale option 12",
     false,
     {{{0.993f, 1.003f}, {0.979f, 1.0090001f}, {0.95799994f, 1.018f}, {0.36299986f, 1.273f}}}},
    {11,
     "Scale option 12",
     true,
     {{{0.993f, 0.993f}, {0.979f, 0.979f}, {0.95799994f, 0.95799994f}, {0.36299986f, 0.36299986f}}}},
    {12,
     "Scale option 13",
     false,
     {{{0.9993f, 1.0003f}, {0.9965f, 1.0015f}, {0.99020004f, 1.0042f}, {0.42670015f, 1.2456999f}}}},
    {12,
     "Scale option 13",
     true,
     {{{0.9993f, 0.9993f}, {0.9965f, 0.9965f}, {0.99020004f, 0.99020004f}, {0.42670015f, 0.42670015f}}}},
    {13,
     "Scale option 14",
     false,
     {{{0.9993f, 1.003f}, {0.9965f, 1.0090001f}, {0.99020004f, 1.018f}, {0.42670015f, 1.273f}}}},
    {13,
     "Scale option 14",
     true,
     {{{0.9993f, 0.993f}, {0.9965f, 0.979f}, {0.99020004f, 0.95799994f}, {0.42670015f, 0.36299986f}}}},
    {14,
     "Scale option 15",
     false,
     {{{0.993f, 1.003f}, {0.979f, 1.0090001f}, {0.95799994f, 1.018f}, {0.7479998f, 1.273f}}}},
    {14,
     "Scale option 15",
     true,
     {{{0.993f, 0.993f}, {0.979f, 0.979f}, {0.95799994f, 0.95799994f}, {0.7479998f, 0.36299986f}}}},
    {15,
     "Scale option 16",
     false,
     {{{0.9993f, 0.9994f}, {0.9965f, 0.9994f}, {0.9944f, 1.0f}, {0.9629001f, 1.0569999f}}}},
    {15, "Scale option 16", true, {{{0.9993f, 1.0014f}, {0.9965f, 1.0014f}, {0.9944f, 1.0f}, {0.9629001f, 0.867f}}}},
    {16,
     "Scale option 17",
     false,
     {{{0.9986f, 1.0006f}, {0.99300003f, 1.003f}, {0.97900003f, 1.0090001f}, {-1.5480001f, 2.092f}}}},
    {16,
     "Scale option 17",
     true,
     {{{0.9986f, 0.9986f}, {0.99300003f, 0.99300003f}, {0.97900003f, 0.97900003f}, {-1.5480001f, -1.5480001f}}}},
    {17,
     "Scale option 18",
     false,
     {{{0.43245f, 0.53045f}, {-0.1351f, 0.060899973f}, {-0.70265f, -0.40865004f}, {-6.3781505f, -5.104151f}}}},
    {17,
     "Scale option 18",
     true,
     {{{0.43245f, 0.43245f}, {-0.1351f, -0.1351f}, {-0.70265f, -0.70265f}, {-6.3781505f, -6.3781505f}}}},
    {18,
     "Scale modified by shift 1",
     false,
     {{{0.979f, 1.006f}, {0.94399995f, 1.015f}, {0.8949999f, 1.027f}, {-0.36500022f, 1.312f}}}},
    {18,
     "Scale modified by shift 1",
     true,
     {{{0.979f, 0.986f}, {0.94399995f, 0.965f}, {0.8949999f, 0.937f}, {-0.36500022f, 0.2719999f}}}},
    {19,
     "Scale modified by shift 2",
     false,
     {{{0.9937f, 1.0012f}, {0.97620004f, 1.0038999f}, {0.9419f, 1.0086999f}, {-1.5570998f, 1.3041998f}}}},
    {19,
     "Scale modified by shift 2",
     true,
     {{{0.9937f, 0.9972f}, {0.97620004f, 0.99090004f}, {0.9419f, 0.9797f}, {-1.5570998f, 0.29020014f}}}},
    {20, "Reduced halfway", false, {{{0.93f, 1.03f}, {0.86f, 1.06f}, {0.79f, 1.0899999f}, {0.26500008f, 1.3149997f}}}},
    {20, "Reduced halfway", true, {{{0.93f, 0.93f}, {0.86f, 0.86f}, {0.79f, 0.79f}, {0.26500008f, 0.26500008f}}}},
    {21, "Third modified", false, {{{0.93f, 1.03f}, {0.86f, 1.06f}, {0.79f, 1.0899999f}, {0.2766668f, 1.3099997f}}}},
    {21, "Third modified", true, {{{0.93f, 0.93f}, {0.86f, 0.86f}, {0.79f, 0.79f}, {0.2766668f, 0.2766668f}}}},
    {22, "Pulse3", false, {{{0.93f, 1.03f}, {0.895f, 1.045f}, {0.87166667f, 1.055f}, {0.41666666f, 1.2499998f}}}},
    {22, "Pulse3", true, {{{0.93f, 0.93f}, {0.895f, 0.895f}, {0.87166667f, 0.87166667f}, {0.41666666f, 0.41666666f}}}},
    {23, "Pulse5", false, {{{0.93f, 1.03f}, {0.895f, 1.045f}, {0.87166667f, 1.055f}, {0.55200005f, 1.192f}}}},
    {23, "Pulse5", true, {{{0.93f, 0.93f}, {0.895f, 0.895f}, {0.87166667f, 0.87166667f}, {0.55200005f, 0.55200005f}}}},
};

const std::vector<ModeCase>& shiftRows() {
  static const std::vector<ModeCase> rows = {
      {0, "As is", shiftAsIs},
      {1, "Accumulate",
       [](Progress& o, int k, const ContourParams& p, Draws&) {
         o.OH = o.OH + float(k + 1) * p.shiftH;
         o.OV = o.OV + float(k + 1) * p.shiftV;
       }},
      {2, "Accumulate/10",
       [](Progress& o, int k, const ContourParams& p, Draws&) {
         o.OH = o.OH + 0.1f * float(k + 1) * p.shiftH;
         o.OV = o.OV + 0.1f * float(k + 1) * p.shiftV;
       }},
      {3, "Alternate/2",
       [](Progress& o, int k, const ContourParams& p, Draws&) {
         o.OH = o.OH + (k % 2 == 0 ? p.shiftH : 0.5f * p.shiftH);
         o.OV = o.OV + (k % 2 == 0 ? p.shiftV : 0.5f * p.shiftV);
       }},
      {4, "Accumulate alternate/2",
       [](Progress& o, int k, const ContourParams& p, Draws&) {
         const float f = k % 2 == 0 ? 0.1f : 0.05f;
         o.OH = o.OH + f * float(k + 1) * p.shiftH;
         o.OV = o.OV + f * float(k + 1) * p.shiftV;
       }},
      {5, "Rapid/10",
       [](Progress& o, int k, const ContourParams& p, Draws&) {
         o.OH = o.OH + 0.1f * float((k + 1) * (k + 1)) * p.shiftH;
         o.OV = o.OV + 0.1f * float((k + 1) * (k + 1)) * p.shiftV;
       }},
      {6, "Random",
       [](Progress& o, int, const ContourParams& p, Draws& r) {
         const float r1 = r.next(), r2 = r.next();
         o.OH = o.OH + r1 * p.shiftH;
         o.OV = o.OV + r2 * p.shiftV;
       }},
      {7, "Random accumulate",
       [](Progress& o, int k, const ContourParams& p, Draws& r) {
         const float r1 = r.next(), r2 = r.next();
         o.OH = o.OH + r1 * p.shiftH * float(k + 1);
         o.OV = o.OV + r2 * p.shiftV * float(k + 1);
       }},
      {8, "Jitter",
       [](Progress& o, int, const ContourParams& p, Draws& r) {
         const float r1 = r.next(), r2 = r.next(), r3 = r.next(), r4 = r.next();
         o.OH = o.OH + sign(r1) * r2 * p.shiftH;
         o.OV = o.OV + sign(r3) * r4 * p.shiftV;
       }},
      {9, "Change course",
       [](Progress& o, int k, const ContourParams& p, Draws&) {
         const int side = (k % 40) / 10;  // right-up, left-up, left-down, right-down
         o.OH = o.OH + (side == 0 || side == 3 ? p.shiftH : -p.shiftH);
         o.OV = o.OV + (side <= 1 ? p.shiftV : -p.shiftV);
       }},
      {10, "Zag",
       [](Progress& o, int k, const ContourParams& p, Draws&) {
         o.OH = o.OH + p.shiftH;
         o.OV = o.OV + (k % 40 < 20 ? p.shiftV : -p.shiftV);
       }},
      {11, "Local",
       [](Progress& o, int, const ContourParams& p, Draws& r) {
         const float r1 = r.next(), r2 = r.next(), r3 = r.next(), r4 = r.next();
         o.OH = sign(r1) * r2 * p.shiftH;
         o.OV = sign(r3) * r4 * p.shiftV;
       }},
  };
  return rows;
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<ModeCase, bool>>& info) {
  std::string name = "mode" + std::to_string(std::get<0>(info.param).mode);
  return name + (std::get<1>(info.param) ? "_linked" : "_unlinked");
}

class ScaleModeTest : public GeometryTest, public ::testing::WithParamInterface<ScaleCase> {};

// Unlinked steps of different signs tell H from V; linked, V takes H's step.
TEST_P(ScaleModeTest, GivesTheFactorsOfTheModesFormula) {
  const ScaleCase& c = GetParam();
  ContourParams p = geometryParams();
  p.contourScaleMode = c.mode;
  p.scaleH = 7.0f;
  p.scaleV = -3.0f;
  p.linkContourScale = c.linked ? 1 : 0;
  p.shiftH = 2.0f;  // read by the two modes modified by the shift
  p.shiftV = 1.0f;
  addPath(squareSegments(0, 0, 50));
  const auto got = matricesOf(p);
  ASSERT_EQ(got.size(), 13u);
  for (std::size_t i = 0; i < std::size(kWorkedContours); ++i) {
    const int k = kWorkedContours[i];
    EXPECT_FLOAT_EQ(got[k].a, c.factors[i].first) << "contour " << k;
    EXPECT_FLOAT_EQ(got[k].d, c.factors[i].second) << "contour " << k;
    EXPECT_EQ(got[k].tx, 2.0f * static_cast<float>(k + 1)) << "contour " << k;
    EXPECT_EQ(got[k].ty, static_cast<float>(k + 1)) << "contour " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, ScaleModeTest, ::testing::ValuesIn(kScaleCases),
                         [](const ::testing::TestParamInfo<ScaleCase>& info) {
                           return "mode" + std::to_string(info.param.mode) +
                                  (info.param.linked ? "_linked" : "_unlinked");
                         });

class ShiftModeTest : public GeometryTest, public ::testing::WithParamInterface<std::tuple<ModeCase, bool>> {};

// 46 contours: more than one whole round of the forty-contour modes.
TEST_P(ShiftModeTest, FollowsItsRow) {
  const ModeCase& c = std::get<0>(GetParam());
  ContourParams p = geometryParams();
  p.shiftMode = c.mode;
  p.shiftH = 5.0f;
  p.shiftV = -3.0f;
  p.contourCount = 45;
  p.scaleH = p.scaleV = std::get<1>(GetParam()) ? 2.0f : 0.0f;
  addPath(squareSegments(0, 0, 50));
  expectMatrices(matricesOf(p), expected(p, c.row, scaleAdd), c.entry);
}

INSTANTIATE_TEST_SUITE_P(Rows, ShiftModeTest, ::testing::Combine(::testing::ValuesIn(shiftRows()), ::testing::Bool()),
                         caseName);

TEST_F(GeometryTest, AModeOutsideTheListsLeavesScaleAndShiftAlone) {
  ContourParams p = geometryParams();
  p.contourScaleMode = 25;
  p.shiftMode = -1;
  p.shiftH = 5.0f;
  p.contourCount = 2;
  addPath(squareSegments(0, 0, 50));
  const auto got = matricesOf(p);
  ASSERT_EQ(got.size(), 3u);
  for (const AIRealMatrix& m : got) {
    EXPECT_EQ(m.a, 1.0f);
    EXPECT_EQ(m.d, 1.0f);
    EXPECT_EQ(m.tx, 0.0f);
  }
}

// The worked examples of the lists, written out as numbers.
TEST_F(GeometryTest, AccumulateIsAPowerOfTheStep) {
  ContourParams p = geometryParams();
  p.contourScaleMode = 1;
  p.scaleH = p.scaleV = 10.0f;
  addPath(squareSegments(0, 0, 50));
  const auto got = matricesOf(p);
  ASSERT_EQ(got.size(), 13u);
  for (int k = 0; k <= 12; ++k) EXPECT_NEAR(got[k].a, std::pow(0.9, k + 1), 1e-6) << k;
}

TEST_F(GeometryTest, ToFiftyPercentStopsAtHalf) {
  ContourParams p = geometryParams();
  p.contourScaleMode = 5;
  p.scaleH = p.scaleV = 10.0f;
  addPath(squareSegments(0, 0, 50));
  const auto got = matricesOf(p);
  ASSERT_EQ(got.size(), 13u);
  const double want[] = {0.9, 0.8, 0.7, 0.6, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
  for (int k = 0; k <= 12; ++k) EXPECT_NEAR(got[k].a, want[k], 1e-6) << k;
  for (int k = 5; k <= 12; ++k) EXPECT_EQ(got[k].a, 0.5f) << k;
}

TEST_F(GeometryTest, ReducedHalfwayCarriesTheHalvedStepToTheNextObject) {
  addPath(squareSegments(0, 0, 50));
  addPath(squareSegments(0, 0, 50));
  ContourParams p = geometryParams();
  p.contourScaleMode = 20;
  p.scaleH = p.scaleV = 10.0f;
  p.contourCount = 4;
  const auto got = matricesOf(p);
  const double want[] = {0.9, 0.8, 0.7, 0.6, 0.55, 0.95, 0.90, 0.85, 0.80, 0.75};
  ASSERT_EQ(got.size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(got[i].a, want[i], 1e-6) << i;
}

TEST_F(GeometryTest, ChangeCourseWalksASquareAndZagAZigzag) {
  ContourParams p = geometryParams();
  p.shiftMode = 9;
  p.shiftH = p.shiftV = 1.0f;
  p.contourCount = 80;
  addPath(squareSegments(0, 0, 50));
  auto got = matricesOf(p);
  ASSERT_EQ(got.size(), 81u);
  const AIRealPoint corners[] = {{10, 10}, {0, 20}, {-10, 10}, {0, 0}};  // after contours 9, 19, 29, 39
  for (int round = 0; round < 2; ++round) {
    for (int side = 0; side < 4; ++side) {
      const AIRealMatrix& m = got[40 * round + 10 * side + 9];
      EXPECT_EQ(m.tx, corners[side].h);
      EXPECT_EQ(m.ty, corners[side].v);
    }
  }
  harness.document().userUndo();
  p.shiftMode = 10;
  got = matricesOf(p);
  ASSERT_GE(got.size(), 41u);
  EXPECT_EQ(got[19].ty, 20.0f);  // twenty up
  EXPECT_EQ(got[39].ty, 0.0f);   // twenty down
  EXPECT_EQ(got[39].tx, 40.0f);
}

// The pulse period is the run's first draw: int(10 r). The test looks for
// seeds that give the periods it needs.
uint64_t seedForPeriod(bool (*wanted)(int)) {
  for (uint64_t s = 1;; ++s) {
    easel::Random r(s);
    if (wanted(static_cast<int>(10.0f * r.nextReal()))) return s;
  }
}

TEST_F(GeometryTest, PulseRandomUsesTheRunsPeriod) {
  const uint64_t s = seedForPeriod([](int period) { return period >= 3; });
  const int period = static_cast<int>(10.0f * easel::Random(s).nextReal());
  addPath(squareSegments(0, 0, 50));
  ContourParams p = geometryParams();
  p.contourScaleMode = 24;
  p.scaleH = 6.0f;
  p.scaleV = 9.0f;
  p.linkContourScale = 0;
  seed(s);
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  Progress o;
  const auto got = transformMatrices(harness.trace());
  ASSERT_EQ(got.size(), 13u);
  for (int k = 0; k <= 12; ++k) {
    pulse(o, k, p, period);
    EXPECT_EQ(got[k].a, o.H) << k;
    EXPECT_EQ(got[k].d, o.V) << k;
  }
}

// A draw below 0.1 gives the period 0, which has no remainder. Such a run
// takes the full step on every contour, as a period of 1 would.
TEST_F(GeometryTest, PulseRandomWithPeriodZeroTakesTheFullStep) {
  const uint64_t s = seedForPeriod([](int period) { return period == 0; });
  addPath(squareSegments(0, 0, 50));
  ContourParams p = geometryParams();
  p.contourScaleMode = 24;
  p.scaleH = p.scaleV = 6.0f;
  seed(s);
  harness.clearTrace();
  ASSERT_EQ(run(p), kNoErr);
  const auto got = transformMatrices(harness.trace());
  ASSERT_EQ(got.size(), 13u);
  float h = 1.0f;
  for (int k = 0; k <= 12; ++k) {
    h = h - 6.0f / 100.0f;
    EXPECT_EQ(got[k].a, h) << k;
  }
}

TEST_F(GeometryTest, ALargeStepDrivesTheFactorNegativeAndMirrorsTheCopies) {
  const easel::ArtRef source = addPath(squareSegments(100, 100, 50));
  ContourParams p = geometryParams();
  p.scaleH = 50.0f;
  p.scaleV = 0.0f;
  p.linkContourScale = 0;
  p.contourCount = 3;
  ASSERT_EQ(run(p), kNoErr);
  const auto copies = contours();
  ASSERT_EQ(copies.size(), 4u);
  // H = 0.5, 0, -0.5, -1: the last copy is the square mirrored, so its first
  // anchor (bottom-left in the source) is now on the right.
  const auto& src = doc().content(source).segments;
  const auto& last = doc().content(copies[3]).segments;
  EXPECT_NEAR(last[0].p.h, 200.0f - src[0].p.h, 1e-3);
  EXPECT_NEAR(last[0].p.v, src[0].p.v, 1e-3);
}

// ---- Rotation and flip --------------------------------------------------

// A corner rectangle, anchors counter-clockwise from the bottom-left.

}  // namespace
}  // namespace contour_test
