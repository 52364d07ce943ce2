// From SVG to the document: the page and units, the y flip, layers, the art
// kinds, paint, and what travels in our own namespace.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "SvgTestSupport.h"
#include "easel/svg/ColorText.h"
#include "easel/svg/GimpPalette.h"

namespace easel::svg {
namespace {

using test::children;
using test::find;
using test::layers;
using test::load;

void expectPoint(const AIRealPoint& p, double x, double y) {
  EXPECT_NEAR(p.h, x, 1e-4);
  EXPECT_NEAR(p.v, y, 1e-4);
}

TEST(SvgPage, PixelsAreThreeQuartersOfAPointAndYTurnsUp) {
  // 400 x 200 px is 300 x 150 pt; user (0,0) is the page's top-left.
  const ImportedSvg s = load(R"~(<path id="p" d="M0 0 L400 200 L0 200"/>)~");
  EXPECT_FLOAT_EQ(s.document->pageWidth(), 300);
  EXPECT_FLOAT_EQ(s.document->pageHeight(), 150);
  const ArtContent& c = s.document->content(find(*s.document, "p"));
  ASSERT_EQ(c.segments.size(), 3u);
  expectPoint(c.segments[0].p, 0, 150);
  expectPoint(c.segments[1].p, 300, 0);
  expectPoint(c.segments[2].p, 0, 0);
}

TEST(SvgPage, ViewBoxMapsOntoThePage) {
  // 100 x 50 pt page; the viewBox 200 x 100 fills it: one user unit is 0.5 pt.
  const ImportedSvg s =
      load(R"~(<path id="p" d="M200 0 L100 50"/>)~", R"~(width="100pt" height="50pt" viewBox="0 0 200 100")~");
  EXPECT_FLOAT_EQ(s.document->pageWidth(), 100);
  EXPECT_FLOAT_EQ(s.document->pageHeight(), 50);
  const ArtContent& c = s.document->content(find(*s.document, "p"));
  expectPoint(c.segments[0].p, 100, 50);
  expectPoint(c.segments[1].p, 50, 25);
}

TEST(SvgPage, ViewBoxIsCentredWhenItsShapeDiffers) {
  // A 100 x 100 box on a 200 x 100 px page: scale 1, moved right by 50 px.
  const ImportedSvg s =
      load(R"~(<path id="p" d="M0 0 L100 100"/>)~", R"~(width="200" height="100" viewBox="0 0 100 100")~");
  const ArtContent& c = s.document->content(find(*s.document, "p"));
  expectPoint(c.segments[0].p, 50 * 0.75, 75);
  expectPoint(c.segments[1].p, 150 * 0.75, 0);
  // "none" stretches instead: x scale 2.
  const ImportedSvg n = load(R"~(<path id="p" d="M100 0"/>)~",
                             R"~(width="200" height="100" viewBox="0 0 100 100" preserveAspectRatio="none")~");
  expectPoint(n.document->content(find(*n.document, "p")).segments[0].p, 150, 75);
}

TEST(SvgPage, SizeFromTheViewBoxWhenMissing) {
  const ImportedSvg s = load("", R"~(viewBox="10 10 80 40")~");
  EXPECT_FLOAT_EQ(s.document->pageWidth(), 60);
  EXPECT_FLOAT_EQ(s.document->pageHeight(), 30);
  const ImportedSvg mm = load("", R"~(width="210mm" height="297mm")~");
  EXPECT_NEAR(mm.document->pageWidth(), 210 / 25.4 * 72, 1e-3);
}

TEST(SvgTree, LayersLooseArtAndStacking) {
  const ImportedSvg s = load(R"~(
    <path id="loose1" d="M0 0 L1 1"/>
    <g id="layer1" inkscape:groupmode="layer" inkscape:label="Back"><path id="a" d="M0 0 L1 1"/></g>
    <g id="layer2" inkscape:groupmode="layer" inkscape:label="Front">
      <path id="b" d="M0 0 L1 1"/><path id="c" d="M0 0 L1 1"/>
    </g>)~");
  const Document& d = *s.document;
  // The file paints from the bottom up; the document lists the top first.
  const std::vector<ArtRef> l = layers(d);
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(d.content(l[0]).name.get(), "Front");
  EXPECT_EQ(d.content(l[1]).name.get(), "Back");
  EXPECT_EQ(d.content(l[2]).name.get(), "");  // loose art
  const std::vector<ArtRef> front = children(d, l[0]);
  ASSERT_EQ(front.size(), 2u);
  EXPECT_EQ(d.content(front[0]).name.get(), "c");
  EXPECT_EQ(d.content(front[1]).name.get(), "b");
  EXPECT_EQ(d.content(children(d, l[2])[0]).name, "loose1");
}

TEST(SvgTree, NestedTransformsAreWorkedIntoThePoints) {
  const ImportedSvg s = load(R"~(<g transform="translate(100,0)"><g transform="scale(2)">
      <path id="p" transform="rotate(90)" d="M10 0"/></g></g>)~");
  // rotate: (0,10); scale: (0,20); translate: (100,20) px -> (75, 150 - 15) pt.
  expectPoint(s.document->content(find(*s.document, "p")).segments[0].p, 75, 135);
}

TEST(SvgTree, SubpathsMakeACompoundPath) {
  const ImportedSvg s = load(R"~(<path id="ring" fill-rule="evenodd" d="M0 0 H40 V40 H0 Z M10 10 H30 V30 H10 Z"/>)~");
  const Document& d = *s.document;
  const ArtRef ring = find(d, "ring");
  ASSERT_EQ(d.type(ring), ArtType::CompoundPath);
  const std::vector<ArtRef> members = children(d, ring);
  ASSERT_EQ(members.size(), 2u);
  EXPECT_EQ(d.content(members[0]).segments.size(), 4u);
  EXPECT_TRUE(d.content(members[1]).closed);
  EXPECT_TRUE(d.pathStyle(ring).evenOdd);
}

TEST(SvgTree, BasicShapes) {
  const ImportedSvg s = load(R"~(
    <rect id="r" x="10" y="20" width="40" height="20"/>
    <rect id="rr" x="0" y="0" width="40" height="20" rx="5"/>
    <circle id="c" cx="100" cy="100" r="20"/>
    <ellipse id="e" cx="100" cy="100" rx="40" ry="10"/>
    <line id="l" x1="0" y1="0" x2="8" y2="4"/>
    <polyline id="pl" points="0,0 4,0 4,4"/>
    <polygon id="pg" points="0 0 4 0 4 4"/>)~");
  const Document& d = *s.document;
  const auto segs = [&](const char* id) { return d.content(find(d, id)).segments.size(); };
  EXPECT_EQ(segs("r"), 4u);
  EXPECT_EQ(segs("rr"), 8u);  // four sides and four corners
  EXPECT_EQ(segs("c"), 4u);
  EXPECT_EQ(segs("l"), 2u);
  EXPECT_EQ(segs("pl"), 3u);
  EXPECT_FALSE(d.content(find(d, "pl")).closed);
  EXPECT_TRUE(d.content(find(d, "pg")).closed);
  // The circle's bounds: 80..120 px across, 80..120 px down; in points
  // 60..90 across and 150 - 90..150 - 60 up.
  const AIRealRect c = d.bounds(find(d, "c"));
  EXPECT_NEAR(c.left, 60, 1e-3);
  EXPECT_NEAR(c.right, 90, 1e-3);
  EXPECT_NEAR(c.bottom, 60, 1e-3);
  EXPECT_NEAR(c.top, 90, 1e-3);
  const AIRealRect e = d.bounds(find(d, "e"));
  EXPECT_NEAR(e.right - e.left, 60, 1e-3);
  EXPECT_NEAR(e.top - e.bottom, 15, 1e-3);
}

TEST(SvgPaint, InheritedAndOwnProperties) {
  const ImportedSvg s = load(R"~(
    <g fill="#336699" stroke="red" style="stroke-width:4" transform="scale(2)" color="lime">
      <path id="p" d="M0 0 L1 1" stroke-dasharray="1 2" stroke-linecap="round" stroke-linejoin="bevel"
            stroke-miterlimit="7" opacity="0.5"/>
      <path id="q" d="M0 0 L1 1" style="fill:currentColor;stroke:none;display:none"/>
    </g>)~");
  const Document& d = *s.document;
  const AIPathStyle p = d.pathStyle(find(d, "p"));
  ASSERT_TRUE(p.fillPaint);
  EXPECT_EQ(p.fill.color.kind, kThreeColor);
  EXPECT_FLOAT_EQ(p.fill.color.c.rgb.red, 0x33 / 255.0f);
  EXPECT_FLOAT_EQ(p.fill.color.c.rgb.blue, 0x99 / 255.0f);
  ASSERT_TRUE(p.strokePaint);
  // 4 user units, doubled by the group, at 0.75 pt a unit.
  EXPECT_FLOAT_EQ(p.stroke.width, 6);
  ASSERT_EQ(p.stroke.dashCount, 2);
  EXPECT_FLOAT_EQ(p.stroke.dashes[0], 1.5f);
  EXPECT_FLOAT_EQ(p.stroke.dashes[1], 3);
  EXPECT_EQ(p.stroke.cap, 1);
  EXPECT_EQ(p.stroke.join, 2);
  EXPECT_FLOAT_EQ(p.stroke.miterLimit, 7);
  EXPECT_FLOAT_EQ(d.content(find(d, "p")).opacity, 0.5f);
  const AIPathStyle q = d.pathStyle(find(d, "q"));
  EXPECT_FALSE(q.strokePaint);
  EXPECT_FLOAT_EQ(q.fill.color.c.rgb.green, 1);  // lime
  EXPECT_TRUE(d.content(find(d, "q")).attributes & kArtHidden);
}

TEST(SvgPaint, GradientsPatternsAndSolidSwatches) {
  const ImportedSvg s = load(R"~(
    <defs>
      <linearGradient id="g"><stop offset="0" stop-color="red"/><stop offset="1" stop-color="blue"/></linearGradient>
      <pattern id="pat" width="4" height="4"><rect width="2" height="2"/></pattern>
      <linearGradient id="sw" osb:paint="solid" inkscape:label="Sea"><stop style="stop-color:#008080"/></linearGradient>
      <linearGradient id="ref" xlink:href="#sw"/>
    </defs>
    <path id="a" d="M0 0 L1 1" fill="url(#g)" stroke="url(#pat)"/>
    <path id="b" d="M0 0 L1 1" fill="url(#ref)"/>
    <path id="c" d="M0 0 L1 1" fill="url(#missing) #ff0000"/>)~",
                             R"~(xmlns:osb="http://www.openswatchbook.org/uri/2009/osb" width="10" height="10")~");
  const Document& d = *s.document;
  const AIPathStyle a = d.pathStyle(find(d, "a"));
  EXPECT_EQ(a.fill.color.kind, kGradient);
  EXPECT_EQ(a.stroke.color.kind, kPattern);
  EXPECT_EQ(s.source->paintIds.at(a.fill.color.c.ref.reference), "g");
  EXPECT_EQ(s.source->paintIds.at(a.stroke.color.c.ref.reference), "pat");
  // A one-stop gradient (through href) paints its stop's colour.
  const AIPathStyle b = d.pathStyle(find(d, "b"));
  EXPECT_EQ(b.fill.color.kind, kThreeColor);
  EXPECT_FLOAT_EQ(b.fill.color.c.rgb.green, 128 / 255.0f);
  EXPECT_FLOAT_EQ(d.pathStyle(find(d, "c")).fill.color.c.rgb.red, 1);
  // The solid swatch joins the list after its two fixed first entries.
  Document fresh;
  ASSERT_EQ(d.swatches().size(), fresh.swatches().size() + 1);
  EXPECT_EQ(d.swatches()[2].name, "Sea");
  EXPECT_FLOAT_EQ(d.swatches()[2].color.c.rgb.blue, 128 / 255.0f);
}

TEST(SvgPaint, SwatchesOfTheFileAndOfAPaletteComeRightAfterTheFixedTwo) {
  ImportedSvg s = load(R"~(
    <defs>
      <linearGradient id="sea" osb:paint="solid"><stop stop-color="#008080"/></linearGradient>
      <g><linearGradient id="sand" osb:paint="solid" inkscape:label="Sand"><stop stop-color="#c2b280"/></linearGradient></g>
      <linearGradient id="fade"><stop stop-color="red"/></linearGradient>
    </defs>)~",
                       R"~(xmlns:osb="http://www.openswatchbook.org/uri/2009/osb" width="10" height="10")~");
  Document& d = *s.document;
  const auto names = [&] {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < 6; ++i) out.push_back(d.swatches().at(i).name);
    return out;
  };
  // File order (the unmarked gradient is no swatch), then the default list.
  EXPECT_EQ(names(), (std::vector<std::string>{"[None]", "[Registration]", "sea", "Sand", "White", "Black"}));
  // A palette given afterwards goes in front of the file's swatches.
  addGimpPalette(d, "GIMP Palette\n10 20 30 Ink\n", "p.gpl");
  EXPECT_EQ(names(), (std::vector<std::string>{"[None]", "[Registration]", "Ink", "sea", "Sand", "White"}));
  EXPECT_FLOAT_EQ(d.swatches()[2].color.c.rgb.blue, 30 / 255.0f);
  // Refs handed out before the insertion name nothing now.
  Document other;
  const AISwatchRef stale = other.swatchRef(2);
  other.insertSwatches(Document::kFixedSwatchCount, {{"New", {}}});
  EXPECT_EQ(other.swatch(stale), nullptr);
  EXPECT_EQ(other.swatch(other.swatchRef(2))->name, "New");
}

TEST(SvgPaint, OurNamespaceCarriesGreyAndFourColour) {
  const ImportedSvg s = load(R"~(
    <path id="grey" d="M0 0" fill="#b2b2b2" contour:fill-color="gray(0.3)"/>
    <path id="cmyk" d="M0 0" fill="#000000" stroke="#000" contour:fill-color="cmyk(0.2,0.4,-0.5,1.25)"
          contour:stroke-color="cmyk(0,0,0,1)" contour:stroke-overprint="1"/>
    <path id="stale" d="M0 0" fill="#ff0000" contour:fill-color="gray(0.3)"/>)~",
                             R"~(xmlns:contour="urn:contour:easel" width="10" height="10")~");
  const Document& d = *s.document;
  const AIPathStyle grey = d.pathStyle(find(d, "grey"));
  EXPECT_EQ(grey.fill.color.kind, kGrayColor);
  EXPECT_FLOAT_EQ(grey.fill.color.c.g.gray, 0.3f);
  const AIPathStyle cmyk = d.pathStyle(find(d, "cmyk"));
  EXPECT_EQ(cmyk.fill.color.kind, kFourColor);
  EXPECT_FLOAT_EQ(cmyk.fill.color.c.f.yellow, -0.5f);
  EXPECT_FLOAT_EQ(cmyk.fill.color.c.f.black, 1.25f);
  EXPECT_EQ(cmyk.stroke.color.kind, kFourColor);
  EXPECT_TRUE(cmyk.stroke.overprint);
  // An editor changed the fill and left our attribute: the fill wins.
  EXPECT_EQ(d.pathStyle(find(d, "stale")).fill.color.kind, kThreeColor);
}

TEST(SvgMatrixArt, UseImageAndText) {
  const ImportedSvg s = load(R"~(
    <defs><rect id="box" width="20" height="10"/></defs>
    <use id="u" xlink:href="#box" x="100" y="50"/>
    <image id="linked" href="photo.png" x="0" y="0" width="40" height="20"/>
    <image id="embedded" xlink:href="data:image/png;base64,AAAA" width="4" height="4"/>
    <text id="t" x="10" y="100" font-size="20">Hello</text>)~");
  const Document& d = *s.document;
  EXPECT_EQ(d.type(find(d, "u")), ArtType::Symbol);
  EXPECT_EQ(d.type(find(d, "linked")), ArtType::Placed);
  EXPECT_EQ(d.type(find(d, "embedded")), ArtType::Raster);
  EXPECT_EQ(d.type(find(d, "t")), ArtType::Text);
  // The used box: 100..120 px across, 50..60 px down: 75..90 pt, 150-45..150-37.5 pt up.
  const AIRealRect u = d.bounds(find(d, "u"));
  EXPECT_NEAR(u.left, 75, 1e-3);
  EXPECT_NEAR(u.right, 90, 1e-3);
  EXPECT_NEAR(u.bottom, 105, 1e-3);
  EXPECT_NEAR(u.top, 112.5, 1e-3);
  // Text is estimated: 5 characters of 0.6 em at 20 px = 60 px wide.
  const AIRealRect t = d.bounds(find(d, "t"));
  EXPECT_NEAR(t.right - t.left, 60 * 0.75, 1e-3);
}

}  // namespace
}  // namespace easel::svg
