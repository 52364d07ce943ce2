// <style> sheets: which rules reach which element, the cascade against
// attributes and `style`, and what the export writes so that a viewer, which
// applies the same sheet, shows what the document holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SvgTestSupport.h"
#include "easel/svg/ColorText.h"
#include "easel/svg/StyleSheet.h"
#include "easel/svg/SvgError.h"
#include "easel/svg/SvgExport.h"

namespace easel::svg {
namespace {

using test::find;
using test::load;

// The red component of a path's fill, in 255ths (0 when it does not paint).
int fillRed(const Document& d, const std::string& name) {
  const AIPathStyle s = d.pathStyle(find(d, name));
  return s.fillPaint ? static_cast<int>(s.fill.color.c.rgb.red * 255 + 0.5f) : 0;
}

// Fills are rgb(N,0,0) so that the red component names the rule that won.
TEST(StyleSheets, SelectorsAndTheCascade) {
  const ImportedSvg s = load(R"~(
    <style>
      /* a comment { fill: rgb(99,0,0) } */
      path { fill: rgb(1,0,0); stroke-width: 3 }
      .warm { fill: rgb(2,0,0) }
      #byid { fill: rgb(3,0,0) }
      path.warm.deep, circle { fill: rgb(4,0,0) }
      .late { fill: rgb(5,0,0) }
      .later { fill: rgb(6,0,0) }
      g path, path:hover, [id], path > rect { fill: rgb(98,0,0) }
      @media print { path { fill: rgb(97,0,0) } }
      .strong { fill: rgb(7,0,0) !important }
      * { opacity: 0.5 }
    </style>
    <path id="type" d="M0 0 L1 1" fill="rgb(50,0,0)"/>
    <path id="cls" class="warm" d="M0 0 L1 1"/>
    <path id="byid" class="warm deep" d="M0 0 L1 1"/>
    <path id="compound" class=" deep  warm " d="M0 0 L1 1"/>
    <circle id="group" r="1"/>
    <path id="order" class="later late" d="M0 0 L1 1"/>
    <path id="attr" class="late" d="M0 0 L1 1" style="fill: rgb(60,0,0); stroke-width: 2"/>
    <path id="important" class="strong" d="M0 0 L1 1" style="fill: rgb(70,0,0)"/>
    <path id="important2" class="strong" d="M0 0 L1 1" style="fill: rgb(71,0,0) !important"/>)~",
                             R"~(width="10" height="10" viewBox="0 0 10 10")~");
  const Document& d = *s.document;
  EXPECT_EQ(fillRed(d, "type"), 1);         // the sheet wins over the attribute
  EXPECT_EQ(fillRed(d, "cls"), 2);          // class over type
  EXPECT_EQ(fillRed(d, "byid"), 3);         // id over two classes and a type
  EXPECT_EQ(fillRed(d, "compound"), 4);     // both classes, in any order and spacing
  EXPECT_EQ(fillRed(d, "group"), 4);        // the other selector of the group
  EXPECT_EQ(fillRed(d, "order"), 6);        // equal specificity: the later rule
  EXPECT_EQ(fillRed(d, "attr"), 60);        // the style attribute over the sheet
  EXPECT_EQ(fillRed(d, "important"), 7);    // an !important rule over the style attribute
  EXPECT_EQ(fillRed(d, "important2"), 71);  // ... but not over an !important declaration
  // Declarations of a rule that do not compete apply too (0.75 pt a pixel).
  EXPECT_EQ(d.pathStyle(find(d, "type")).stroke.width, 2.25f);
  EXPECT_EQ(d.pathStyle(find(d, "attr")).stroke.width, 1.5f);
  EXPECT_EQ(d.content(find(d, "cls")).opacity, 0.5f);
}

TEST(StyleSheets, InheritanceFromAGroupAndSheetsThatDoNotApply) {
  const ImportedSvg s = load(R"~(
    <defs><style type="text/css"><![CDATA[ g.layer > x {} .box { stroke: #00ff00 } ]]></style></defs>
    <style type="text/x-other">.box { stroke: #0000ff }</style>
    <style>@import url(x.css); .box { fill: none }</style>
    <g class="box"><path id="inside" d="M0 0 L1 1"/><path id="own" d="M0 0 L1 1" stroke="red"/></g>)~");
  const Document& d = *s.document;
  const AIPathStyle inside = d.pathStyle(find(d, "inside"));
  ASSERT_TRUE(inside.strokePaint);
  EXPECT_EQ(inside.stroke.color.c.rgb.green, 1);                     // inherited from the group's rule
  EXPECT_EQ(inside.stroke.color.c.rgb.blue, 0);                      // the sheet of another language is not read
  EXPECT_FALSE(inside.fillPaint);                                    // the rule after the at-rule applies
  EXPECT_EQ(d.pathStyle(find(d, "own")).stroke.color.c.rgb.red, 1);  // its own attribute beats inheritance
}

TEST(StyleSheets, ABadValueInASheetIsNamedWhereItIs) {
  const ImportedSvg bad = load("<style>\n.a { fill: #12 }\n</style>\n<path class=\"a\" d=\"M0 0\"/>");
  // Line 3 of the file (the root is line 1), column 12: the value.
  EXPECT_EQ(bad.warnings, std::vector<std::string>{"test.svg:3:12: ignored fill \"#12\" (not a paint)"});
  // A rule whose block cannot be read is dropped, as viewers drop it.
  const ImportedSvg s = load("<style>.a { fill } .a { stroke: red }</style><path id=\"p\" class=\"a\" d=\"M0 0\"/>");
  EXPECT_TRUE(s.document->pathStyle(find(*s.document, "p")).strokePaint);
}

// A real icon that takes its colours from its sheet's classes through
// currentColor, as the icon themes of desktops do.
TEST(StyleSheets, ARealIconColouredByItsSheet) {
  const ImportedSvg s = importSvgFile(std::string(CONTOUR_SVG_FIXTURES) + "/breeze-view-financial-list.svg");
  const Document& d = *s.document;
  std::vector<std::string> colours;
  for (ArtRef a : test::children(d, d.firstLayer()))
    colours.push_back(hexColor(displayColor(d.pathStyle(a).fill.color)));
  // The paths from the top of the stack: NegativeText, Text, PositiveText.
  EXPECT_EQ(colours, (std::vector<std::string>{"#da4453", "#232629", "#27ae60"}));
}

TEST(StyleSheets, SelectorsThisReaderKnows) {
  const auto selectors = parseSelectors(" path.a#b , *, .c.d, g p, a:hover, [x], #a#b ");
  ASSERT_EQ(selectors.size(), 3u);
  EXPECT_EQ(selectors[0].type, "path");
  EXPECT_EQ(selectors[0].id, "b");
  EXPECT_EQ(selectors[0].specificity(), 10101);
  EXPECT_EQ(selectors[1].specificity(), 0);
  EXPECT_EQ(selectors[2].classes, (std::vector<std::string>{"c", "d"}));
}

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(StyleSheets, TheExportKeepsTheSheetAndWritesWhatItNoLongerReaches) {
  const std::string sheet =
      "<style>#star { fill: #ff0000 } .thin { stroke: #0000ff; stroke-width: 4 !important }</style>";
  ImportedSvg s = load(sheet + R"~(<path id="star" class="thin" d="M0 0 L10 0 L5 8 Z"/>)~",
                       R"~(width="10" height="10" viewBox="0 0 10 10")~");
  Document& d = *s.document;
  const ArtRef star = find(d, "star");
  const ArtRef copy = d.duplicate(star, star, Place::Below);
  AIPathStyle thicker = d.pathStyle(copy);
  thicker.stroke.width = 4.5f;  // 6 user units
  d.setPathStyle(copy, thicker);
  const std::string out = exportSvg(d, s.source.get());
  EXPECT_EQ(count(out, sheet), 1u) << out;
  // The original, unchanged, is written as it was: the sheet still reaches it.
  EXPECT_NE(out.find(R"~(<path id="star" class="thin" d="M0 0 L10 0 L5 8 Z"/>)~"), std::string::npos) << out;
  // The copy has a new id, so it says the fill itself; its new width wins
  // over the !important rule only as !important.
  EXPECT_NE(
      out.find(R"~(id="star-1" class="thin" d="M0 0 L10 0 L5 8 Z" style="fill:#ff0000;stroke-width:6 !important")~"),
      std::string::npos)
      << out;
  // Read back, both have the paint the document had.
  const ImportedSvg back = importSvg(out, "out.svg");
  const AIPathStyle again = back.document->pathStyle(find(*back.document, "star-1"));
  EXPECT_EQ(again.fill.color.c.rgb.red, 1);
  EXPECT_EQ(again.stroke.width, 4.5f);
  EXPECT_EQ(back.document->pathStyle(find(*back.document, "star")).stroke.width, 3);
}

TEST(StyleSheets, ACopiedGroupCarriesWhatItsIdRuleGaveItsChildren) {
  ImportedSvg s = load(R"~(<style>#g { fill: #00ff00 }</style><g id="g"><path d="M0 0 L1 1"/></g>)~");
  Document& d = *s.document;
  const ArtRef group = find(d, "g");
  d.duplicate(group, group, Place::Above);
  const std::string out = exportSvg(d, s.source.get());
  // The original's child says nothing; the copy's child, under "g-1", says it.
  EXPECT_EQ(count(out, "fill:#00ff00"), 1u) << out;
  EXPECT_NE(out.find(R"~(<g id="g-1"><path d="M0 0 L1 1" style="fill:#00ff00"/></g>)~"), std::string::npos) << out;
}

}  // namespace
}  // namespace easel::svg
