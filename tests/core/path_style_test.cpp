#include <limits>

#include "SuiteFixture.h"

namespace easel::test {
namespace {

// Field by field: the records have padding.
bool sameColor(const AIColor& x, const AIColor& y) {
  if (x.kind != y.kind) return false;
  for (int i = 0; i < 16; ++i)
    if (x.c.components[i] != y.c.components[i]) return false;
  return true;
}

bool sameStyle(const AIPathStyle& x, const AIPathStyle& y) {
  const AIStrokeStyle &s = x.stroke, &t = y.stroke;
  for (int i = 0; i < kMaxDashComponents; ++i)
    if (s.dashes[i] != t.dashes[i]) return false;
  return x.fillPaint == y.fillPaint && sameColor(x.fill.color, y.fill.color) && x.fill.overprint == y.fill.overprint &&
         x.strokePaint == y.strokePaint && sameColor(s.color, t.color) && s.overprint == t.overprint &&
         s.width == t.width && s.dashOffset == t.dashOffset && s.dashCount == t.dashCount && s.cap == t.cap &&
         s.join == t.join && s.miterLimit == t.miterLimit && x.evenOdd == y.evenOdd;
}

class PathStyleTest : public SuiteTest {
 protected:
  static AIPathStyle rgbStyle(float r, float g, float b, float width) {
    AIPathStyle s = defaultPathStyle();
    s.fill.color.kind = kThreeColor;
    s.fill.color.c.rgb = {r, g, b};
    s.stroke.width = width;
    return s;
  }
};

TEST_F(PathStyleTest, ACompoundPathReadsItsFirstMemberAndWritesEveryMember) {
  ArtRef compound = doc().createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
  ArtRef second = square(0, 0, 10, compound);
  ArtRef first = square(2, 2, 4, compound);
  doc().setStyle(first, rgbStyle(1, 0, 0, 3));
  AIPathStyle read{};
  ASSERT_EQ(style.getPathStyle(h(compound), &read), kNoErr);
  EXPECT_EQ(read.fill.color.c.rgb.red, 1);
  EXPECT_EQ(read.stroke.width, 3);

  const AIPathStyle blue = rgbStyle(0, 0, 1, 5);
  ASSERT_EQ(style.setPathStyle(h(compound), &blue), kNoErr);
  for (ArtRef member : {first, second}) {
    ASSERT_EQ(style.getPathStyle(h(member), &read), kNoErr);
    EXPECT_EQ(read.fill.color.c.rgb.blue, 1);
    EXPECT_EQ(read.stroke.width, 5);
  }
}

TEST_F(PathStyleTest, ComponentsAreStoredAsGivenButBadWidthsAreRefused) {
  ArtRef p = square(0, 0, 1);
  AIPathStyle s = rgbStyle(2.5f, -1, 0, 1);  // out of gamut: kept
  ASSERT_EQ(style.setPathStyle(h(p), &s), kNoErr);
  AIPathStyle read{};
  ASSERT_EQ(style.getPathStyle(h(p), &read), kNoErr);
  EXPECT_EQ(read.fill.color.c.rgb.red, 2.5f);
  EXPECT_EQ(read.fill.color.c.rgb.green, -1);

  const std::string before = doc().serialize();
  for (float width : {-1.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    s.stroke.width = width;
    EXPECT_EQ(style.setPathStyle(h(p), &s), kBadParameterErr);
  }
  s.stroke.width = 1;
  s.stroke.dashCount = kMaxDashComponents + 1;
  EXPECT_EQ(style.setPathStyle(h(p), &s), kBadParameterErr);
  s.stroke.dashCount = 0;
  for (float limit : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    s.stroke.miterLimit = limit;
    EXPECT_EQ(style.setPathStyle(h(p), &s), kBadParameterErr);
  }
  EXPECT_EQ(doc().serialize(), before);

  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  EXPECT_EQ(style.getPathStyle(h(group), &read), kWrongArtTypeErr);
}

TEST_F(PathStyleTest, CombiningIsExactAtTheEndsAndLinearBetween) {
  const AIPathStyle a = rgbStyle(0.3f, 0.7f, 0.1f, 4);
  AIPathStyle b = rgbStyle(0.9f, 0.2f, 0.6f, 1);
  b.fillPaint = 0;
  b.stroke.cap = 2;
  AIPathStyle r{};
  ASSERT_EQ(style.interpolatePathStyles(&a, &b, &r, 1), kNoErr);
  EXPECT_TRUE(sameStyle(r, a));
  ASSERT_EQ(style.interpolatePathStyles(&a, &b, &r, 0), kNoErr);
  EXPECT_TRUE(sameStyle(r, b));

  ASSERT_EQ(style.interpolatePathStyles(&a, &b, &r, 0.25f), kNoErr);
  // b + (a - b) * f, each step in single precision.
  auto lerp = [](float x, float y, float f) { return y + (x - y) * f; };
  EXPECT_EQ(r.fill.color.c.rgb.red, lerp(0.3f, 0.9f, 0.25f));
  EXPECT_EQ(r.fill.color.c.rgb.blue, lerp(0.1f, 0.6f, 0.25f));
  EXPECT_EQ(r.stroke.width, lerp(4, 1, 0.25f));
  EXPECT_EQ(r.fillPaint, 0);  // nearer b
  EXPECT_EQ(r.stroke.cap, 2);
  ASSERT_EQ(style.interpolatePathStyles(&a, &b, &r, 0.5f), kNoErr);
  EXPECT_EQ(r.fillPaint, 1);  // from a from one half on
  EXPECT_EQ(r.stroke.cap, 0);
}

TEST_F(PathStyleTest, ColoursOfDifferentKindsComeWholeFromTheNearerEnd) {
  AIPathStyle a = rgbStyle(1, 0, 0, 1);
  AIPathStyle b = defaultPathStyle();  // grey fill
  b.fill.color.c.g.gray = 0.4f;
  AIPathStyle r{};
  ASSERT_EQ(style.interpolatePathStyles(&a, &b, &r, 0.4f), kNoErr);
  EXPECT_EQ(r.fill.color.kind, kGrayColor);
  EXPECT_EQ(r.fill.color.c.g.gray, 0.4f);
  // The result may be one of the arguments.
  ASSERT_EQ(style.interpolatePathStyles(&a, &b, &a, 0.6f), kNoErr);
  EXPECT_EQ(a.fill.color.kind, kThreeColor);
  EXPECT_EQ(a.fill.color.c.rgb.red, 1);
  EXPECT_EQ(style.interpolatePathStyles(&a, &b, &r, std::numeric_limits<float>::quiet_NaN()), kBadParameterErr);
  EXPECT_EQ(style.interpolatePathStyles(&a, nullptr, &r, 0.5f), kBadParameterErr);
}

}  // namespace
}  // namespace easel::test
