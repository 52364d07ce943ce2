// Colours and paints, the exact colour texts of our namespace, and CSS
// declarations.
#include <gtest/gtest.h>

#include "easel/svg/Color.h"
#include "easel/svg/ColorText.h"
#include "easel/svg/Style.h"
#include "easel/svg/ValueError.h"

namespace easel::svg {
namespace {

struct ColorCase {
  const char* text;
  int r, g, b;  // bytes
};

class Colors : public ::testing::TestWithParam<ColorCase> {};

TEST_P(Colors, ReadAsBytes) {
  const Rgb c = parseColor(GetParam().text);
  EXPECT_DOUBLE_EQ(c.r * 255, GetParam().r) << GetParam().text;
  EXPECT_DOUBLE_EQ(c.g * 255, GetParam().g) << GetParam().text;
  EXPECT_DOUBLE_EQ(c.b * 255, GetParam().b) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, Colors,
                         ::testing::Values(ColorCase{"#f00", 255, 0, 0}, ColorCase{"#FF8000", 255, 128, 0},
                                           ColorCase{"#a1B2c3", 0xa1, 0xb2, 0xc3},
                                           ColorCase{"rgb(255, 0, 128)", 255, 0, 128},
                                           ColorCase{"rgb(300,-5,0)", 255, 0, 0},  // clamped
                                           // 50% of 255 is 127.5, which rounds to 128.
                                           ColorCase{"rgb(100%, 50%, 0%)", 255, 128, 0}, ColorCase{"red", 255, 0, 0},
                                           ColorCase{"CornflowerBlue", 100, 149, 237}, ColorCase{"grey", 128, 128, 128},
                                           ColorCase{"lightgoldenrodyellow", 250, 250, 210},
                                           ColorCase{" white ", 255, 255, 255}, ColorCase{"rgb(1 2 3)", 1, 2, 3},
                                           ColorCase{"RGBA(10%,20%,30%,.5)", 26, 51, 77},
                                           ColorCase{"rgb(none 255 0 / none)", 0, 255, 0},
                                           ColorCase{"hsl(-120 100% 50%)", 0, 0, 255},  // a hue turns round
                                           ColorCase{"hsl(3.14159265rad 100% 50%)", 0, 255, 255},
                                           ColorCase{"hsl(200grad, 100%, 50%)", 0, 255, 255},
                                           ColorCase{"#fff icc-color(x, 1)", 255, 255, 255}));

TEST(Colors, Alpha) {
  EXPECT_EQ(parseColorAlpha("#ff000080").alpha, 128 / 255.0);
  EXPECT_EQ(parseColorAlpha("#f008").alpha, 0x88 / 255.0);
  EXPECT_EQ(parseColorAlpha("rgb(0 0 0 / 25%)").alpha, 0.25);
  EXPECT_EQ(parseColorAlpha("rgba(0, 0, 0, 2)").alpha, 1);  // clamped
  EXPECT_EQ(parseColorAlpha("transparent"), (Rgba{{0, 0, 0}, 0}));
  EXPECT_EQ(parseColorAlpha("red").alpha, 1);
}

TEST(Colors, BadColours) {
  for (const char* bad :
       {"#12", "#ggg", "rgb(1,2)", "rgb(1 2,3)", "rgb(1, 2%, 3)", "hsl(1, 2, 3)", "rgb(1 2 3 4)", "hsl(1foo 2% 3%)",
        "nosuchcolour", "#1234567", "#12345", "red blue", "#f00 icc-color(x", ""}) {
    EXPECT_THROW(parseColor(bad), ValueError) << bad;
  }
}

TEST(Paints, Kinds) {
  EXPECT_EQ(parsePaint("none").kind, Paint::Kind::None);
  EXPECT_EQ(parsePaint(" currentColor ").kind, Paint::Kind::CurrentColor);
  EXPECT_EQ(parsePaint("inherit").kind, Paint::Kind::Inherit);
  const Paint red = parsePaint("#f00");
  EXPECT_EQ(red.kind, Paint::Kind::Color);
  EXPECT_EQ(red.rgb, (Rgb{1, 0, 0}));
  const Paint url = parsePaint("url(#grad1)");
  EXPECT_EQ(url.kind, Paint::Kind::Url);
  EXPECT_EQ(url.ref, "grad1");
  EXPECT_FALSE(url.fallbackKind.has_value());
  const Paint withFallback = parsePaint("url('#g') blue");
  EXPECT_EQ(withFallback.ref, "g");
  ASSERT_TRUE(withFallback.fallbackKind.has_value());
  EXPECT_EQ(*withFallback.fallbackKind, Paint::Kind::Color);
  EXPECT_EQ(withFallback.fallbackRgb, (Rgb{0, 0, 1}));
  // Another file is never read: its fallback paints, or nothing.
  const Paint other = parsePaint("url(other.svg#g) red");
  EXPECT_EQ(other.kind, Paint::Kind::Url);
  EXPECT_EQ(other.ref, "");
  EXPECT_EQ(parsePaint("rgba(0,0,255,.5)").alpha, 0.5);
  EXPECT_THROW(parsePaint("url(#g"), ValueError);
}

TEST(Colors, HexIsClampedAndRounded) {
  EXPECT_EQ(hexColor({1, 0.5, 0}), "#ff8000");  // 127.5 rounds up
  EXPECT_EQ(hexColor({2, -1, 0.2}), "#ff0033");
}

TEST(ExactColors, GreyAndFourColourKeepKindAndComponents) {
  const AIColor grey = parseExactColorText("gray(0.3)");
  EXPECT_EQ(grey.kind, kGrayColor);
  EXPECT_FLOAT_EQ(grey.c.g.gray, 0.3f);
  EXPECT_EQ(exactColorText(grey), "gray(0.3)");
  // Outside 0..1 is kept; only the display is clamped.
  const AIColor cmyk = parseExactColorText("cmyk(0.2,0.4,-0.5,1.25)");
  EXPECT_EQ(cmyk.kind, kFourColor);
  EXPECT_EQ(exactColorText(cmyk), "cmyk(0.2,0.4,-0.5,1.25)");
  EXPECT_EQ(displayColor(cmyk), (Rgb{0, 0, 0}));  // black ink over 1
  // Grey 0.3 is 30 % black, shown as 70 % white: the float 0.3f is a hair
  // above 0.3, so 255 * (1 - 0.3f) = 178.49999... rounds to 178 (0xb2).
  EXPECT_EQ(hexColor(displayColor(grey)), "#b2b2b2");
  // Cyan 1: (0, 1, 1).
  EXPECT_EQ(hexColor(displayColor(parseExactColorText("cmyk(1,0,0,0)"))), "#00ffff");
}

TEST(ExactColors, RgbNeedsTheTextOnlyOffTheByteSteps) {
  AIColor onStep = rgbColor({51 / 255.0, 1, 0});
  EXPECT_EQ(exactColorText(onStep), "");
  AIColor between = rgbColor({0.3, 1, 0});
  EXPECT_EQ(exactColorText(between), "rgb(0.3,1,0)");
  AIColor outside = rgbColor({1.5, 0, 0});
  EXPECT_EQ(exactColorText(outside), "rgb(1.5,0,0)");
  EXPECT_THROW(parseExactColorText("hsl(1,2,3)"), ValueError);
  EXPECT_THROW(parseExactColorText("gray(1,2)"), ValueError);
}

TEST(StyleDeclarations, ReadInOrderWithTheirPlaces) {
  const std::vector<Declaration> d = parseStyle(" fill:red; Stroke : blue ;;/* note */opacity:0.5 !important");
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].property, "fill");
  EXPECT_EQ(d[0].value, "red");
  EXPECT_EQ(d[0].valueOffset, 6u);
  EXPECT_EQ(d[1].property, "stroke");
  EXPECT_EQ(d[1].value, "blue");
  EXPECT_EQ(d[2].property, "opacity");
  EXPECT_EQ(plainValue(d[2].value), "0.5");
  EXPECT_EQ(writeStyle(d), "fill:red;stroke:blue;opacity:0.5 !important");
}

TEST(StyleDeclarations, SemicolonsInsideQuotesAndUrls) {
  const std::vector<Declaration> d = parseStyle("font-family:'a;b';fill:url(#x;y)");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].value, "'a;b'");
  EXPECT_EQ(d[1].value, "url(#x;y)");
}

// As in CSS, a declaration that cannot be read is dropped and the rest read.
TEST(StyleDeclarations, ADeclarationNeedsAColonAndAProperty) {
  std::vector<ValueError> problems;
  const std::vector<Declaration> d = parseStyle("fill:red; bogus ; :blue;stroke:red", &problems);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[1].property, "stroke");
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].offset(), 10u);
  EXPECT_STREQ(problems[0].what(), "a declaration without ':'");
  EXPECT_EQ(problems[1].offset(), 18u);
}

}  // namespace
}  // namespace easel::svg
