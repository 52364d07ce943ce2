// Drawings as viewers read them: a value a property does not take is
// ignored (and said so), colours and units of CSS, path data and points up
// to their first error, a <use> that shows itself skipped, the entities of a
// DOCTYPE. Each case is a small file and the same drawing as a viewer reads
// it; the two must give the same document, and the file its one warning at
// the place of the value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SvgTestSupport.h"
#include "easel/core/FileIo.h"
#include "easel/svg/FloatText.h"
#include "easel/svg/SvgExport.h"
#include "easel/svg/SvgImport.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SvgComparison.h"

namespace easel::svg {
namespace {

struct Case {
  const char* name;
  std::string file;        // the whole file
  std::string equivalent;  // the drawing as a viewer reads it
  std::string message;     // the one warning (empty: none)
  std::string at = {};     // where it points: the first place of this text in the file (empty: the file)
  int shift = 0;           // and so many characters on
};

std::string file(const std::string& body, const std::string& root = "width=\"400\" height=\"200\"") {
  return test::svgFile(body, root);
}

// "test.svg:LINE:COLUMN: message", the place counted in the case's file.
std::string expectedWarning(const Case& c) {
  if (c.at.empty()) return "test.svg: " + c.message;
  const std::size_t offset = c.file.find(c.at) + static_cast<std::size_t>(c.shift);
  int line = 1, column = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    if (c.file[i] == '\n') ++line, column = 1;
    else
      ++column;
  }
  return "test.svg:" + std::to_string(line) + ":" + std::to_string(column) + ": " + c.message;
}

class AsViewersRead : public ::testing::TestWithParam<Case> {};

TEST_P(AsViewersRead, TheSameDrawingAsItsEquivalentAndOneWarning) {
  const Case& c = GetParam();
  const ImportedSvg got = importSvg(c.file, "test.svg");
  const ImportedSvg want = importSvg(c.equivalent, "test.svg");
  EXPECT_TRUE(want.warnings.empty()) << want.warnings.front();
  const std::vector<std::string> expected =
      c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{expectedWarning(c)};
  EXPECT_EQ(got.warnings, expected);
  test::DocumentComparison(*want.document, *got.document, {}).run();
}

std::string caseName(const ::testing::TestParamInfo<Case>& i) { return i.param.name; }

const std::string kLine = "d=\"M0 0 L90 90\" stroke=\"red\"";

std::vector<Case> ignoredValues() {
  return {
      Case{"lineCap", file("<path id=\"p\" " + kLine + " stroke-linecap=\"miter\"/>"),
           file("<path id=\"p\" " + kLine + "/>"), "ignored stroke-linecap \"miter\" (not a line cap)", "miter"},
      // The value the element would have without it: the group's.
      Case{"negativeWidth", file("<g stroke-width=\"3\"><path id=\"p\" " + kLine + " stroke-width=\"-2\"/></g>"),
           file("<g stroke-width=\"3\"><path id=\"p\" " + kLine + "/></g>"),
           "ignored stroke-width \"-2\" (a negative width)", "-2"},
      Case{"negativeDash", file("<path id=\"p\" " + kLine + " style=\"stroke-dasharray:4 -1\"/>"),
           file("<path id=\"p\" " + kLine + "/>"), "ignored stroke-dasharray \"4 -1\" (a negative dash)", "4 -1"},
      // A style declaration that is ignored leaves the presentation attribute.
      Case{"styleOverAttribute", file("<path id=\"p\" " + kLine + " fill=\"blue\" style=\"fill:bogus\"/>"),
           file("<path id=\"p\" " + kLine + " fill=\"blue\"/>"), "ignored fill \"bogus\" (not a paint)", "bogus"},
      Case{"unknownColour", file("<g fill=\"green\"><path id=\"p\" " + kLine + " fill=\"nosuch\"/></g>"),
           file("<g fill=\"green\"><path id=\"p\" " + kLine + "/></g>"), "ignored fill \"nosuch\" (not a paint)",
           "nosuch"},
      Case{"opacityWithUnit", file("<path id=\"p\" " + kLine + " opacity=\"0.5px\"/>"),
           file("<path id=\"p\" " + kLine + "/>"), "ignored opacity \"0.5px\" (not an opacity)", "0.5px"},
      Case{"transform", file("<path id=\"p\" " + kLine + " transform=\"spin(3)\"/>"),
           file("<path id=\"p\" " + kLine + "/>"), "ignored transform \"spin(3)\" (unknown transform 'spin')", "spin"},
      Case{"negativeRectWidth", file("<rect id=\"r\" width=\"-5\" height=\"5\"/>"),
           file("<rect id=\"r\" height=\"5\"/>"), "ignored width \"-5\" (negative)", "-5"},
      Case{"unknownUnit", file("<circle id=\"c\" r=\"5\" cx=\"10qq\"/>"), file("<circle id=\"c\" r=\"5\"/>"),
           "ignored cx \"10qq\" (unknown unit 'qq')", "10qq"},
      Case{"declarationWithoutColon", file("<path id=\"p\" " + kLine + " style=\"fill:red;oops\"/>"),
           file("<path id=\"p\" " + kLine + " style=\"fill:red\"/>"), "ignored a declaration without ':' in style",
           "oops"},
      // A sheet's rule with a bad value: the attribute under it holds.
      Case{"sheetValue",
           file("<style>.a { stroke-linejoin: pointy }</style><path id=\"p\" class=\"a\" " + kLine +
                " stroke-linejoin=\"round\"/>"),
           file("<path id=\"p\" " + kLine + " stroke-linejoin=\"round\"/>"),
           "ignored stroke-linejoin \"pointy\" (not a line join)", "pointy"},
      Case{"negativeRootSize", file("", "width=\"-100\" height=\"50\" viewBox=\"0 0 20 10\""),
           file("", "height=\"50\" viewBox=\"0 0 20 10\""), "ignored width \"-100\" (negative)", "-100"},
      Case{"rootSizeAuto", file("", "width=\"auto\" height=\"50\" viewBox=\"0 0 20 10\""),
           file("", "height=\"50\" viewBox=\"0 0 20 10\""), ""},
      Case{"viewBox", file("<path id=\"p\" " + kLine + "/>", "width=\"40\" height=\"20\" viewBox=\"0 0 x 10\""),
           file("<path id=\"p\" " + kLine + "/>", "width=\"40\" height=\"20\""),
           "ignored viewBox \"0 0 x 10\" (expected a viewBox number)", "0 0 x"},
      Case{"preserveAspectRatio",
           file("<path id=\"p\" " + kLine + "/>",
                "width=\"40\" height=\"20\" viewBox=\"0 0 10 10\" preserveAspectRatio=\"xMidYMiddle\""),
           file("<path id=\"p\" " + kLine + "/>", "width=\"40\" height=\"20\" viewBox=\"0 0 10 10\""),
           "ignored preserveAspectRatio \"xMidYMiddle\" (unknown alignment 'xMidYMiddle')", "xMidYMiddle"},
      // Keywords are ASCII case-insensitive; every property takes the CSS-wide ones.
      Case{"keywordCase", file("<path id=\"p\" " + kLine + " stroke-linecap=\"ROUND\" display=\"Inline\"/>"),
           file("<path id=\"p\" " + kLine + " stroke-linecap=\"round\"/>"), ""},
      Case{"wideKeywords",
           file("<g fill=\"red\" opacity=\"0.5\"><path id=\"p\" " + kLine +
                " fill=\"initial\" stroke-width=\"unset\" opacity=\"inherit\"/></g>"),
           file("<g fill=\"red\" opacity=\"0.5\"><path id=\"p\" " + kLine + " fill=\"black\" opacity=\"0.5\"/></g>"),
           ""}};
}
INSTANTIATE_TEST_SUITE_P(IgnoredValues, AsViewersRead, ::testing::ValuesIn(ignoredValues()), caseName);

std::vector<Case> cssColours() {
  return {
      Case{"spaceSyntax", file("<path id=\"p\" " + kLine + " fill=\"rgb(255 128 0)\"/>"),
           file("<path id=\"p\" " + kLine + " fill=\"#ff8000\"/>"), ""},
      // The alpha is no part of the document's colour but goes into the
      // paint's opacity (see AlphaGoesIntoThePaintsOpacity).
      Case{"alphaForms",
           file("<path id=\"a\" " + kLine + " fill=\"rgba(0,0,255,0.5)\"/><path id=\"b\" " + kLine +
                " fill=\"rgb(100% 0% 0% / 50%)\"/><path id=\"c\" " + kLine + " fill=\"rgb(0, 255, 0, 0.25)\"/>" +
                "<path id=\"d\" " + kLine + " fill=\"#f008\"/><path id=\"e\" " + kLine + " fill=\"#00FF0080\"/>"),
           file("<path id=\"a\" " + kLine + " fill=\"#00f\" fill-opacity=\"0.5\"/><path id=\"b\" " + kLine +
                " fill=\"#f00\" fill-opacity=\"0.5\"/><path id=\"c\" " + kLine +
                " fill=\"#0f0\" fill-opacity=\"0.25\"/><path id=\"d\" " + kLine +
                " fill=\"#f00\" fill-opacity=\"0.533\"/><path id=\"e\" " + kLine +
                " fill=\"#0f0\" fill-opacity=\"0.502\"/>"),
           ""},
      // hsl(120, 100%, 25%): chroma 0.25 about a lightness of 0.25, green 0.5 (127.5 rounds up).
      Case{"hsl",
           file("<path id=\"a\" " + kLine + " fill=\"hsl(120, 100%, 25%)\"/><path id=\"b\" " + kLine +
                " fill=\"hsla(240deg 100% 50% / 0.3)\"/><path id=\"c\" " + kLine + " fill=\"hsl(0.5turn 100 50)\"/>"),
           file("<path id=\"a\" " + kLine + " fill=\"#008000\"/><path id=\"b\" " + kLine +
                " fill=\"#00f\" fill-opacity=\"0.3\"/><path id=\"c\" " + kLine + " fill=\"#0ff\"/>"),
           ""},
      Case{"transparentPaintsNothing", file("<path id=\"p\" " + kLine + " fill=\"transparent\"/>"),
           file("<path id=\"p\" " + kLine + " fill=\"none\"/>"), ""},
      Case{"iccFallback",
           file("<path id=\"p\" " + kLine + " fill=\"#CD853F icc-color(acmecmyk, 0.11, 0.48, 0.83, 0.00)\"/>"),
           file("<path id=\"p\" " + kLine + " fill=\"#CD853F\"/>"), ""},
      Case{"namedAndCurrentColor", file("<path id=\"p\" " + kLine + " color=\"rebeccapurple\" fill=\"currentColor\"/>"),
           file("<path id=\"p\" " + kLine + " fill=\"#663399\"/>"), ""},
      // Commas take three numbers or three percentages.
      Case{"mixedWithCommas", file("<path id=\"p\" " + kLine + " fill=\"rgb(255, 0%, 0)\"/>"),
           file("<path id=\"p\" " + kLine + "/>"), "ignored fill \"rgb(255, 0%, 0)\" (not a paint)", "rgb(255, 0%"}};
}
INSTANTIATE_TEST_SUITE_P(CssColours, AsViewersRead, ::testing::ValuesIn(cssColours()), caseName);

// The root is 200 x 100 px: vw is 2, vh 1; the font 16 px unless set.
const std::string kRoot = "width=\"200\" height=\"100\"";
std::string widths(const std::vector<std::string>& values) {
  std::string body;
  for (std::size_t i = 0; i < values.size(); ++i)
    body += "<path id=\"p" + std::to_string(i) + "\" " + kLine + " stroke-width=\"" + values[i] + "\"/>";
  return file(body, kRoot);
}

std::vector<Case> cssUnits() {
  return {Case{"viewport", widths({"10vw", "10vh", "10vmin", "10vmax", "10vi", "10vb"}),
               widths({"20", "10", "10", "20", "20", "10"}), ""},
          // Half an em for "0", 0.7 em for capitals, one em for an ideograph, 1.2 em a line.
          Case{"font", widths({"1rem", "2ch", "1cap", "1ic", "1lh", "1rlh", "2EM"}),
               widths({"16", "16", "11.2", "16", "19.2", "19.2", "32"}), ""},
          Case{"quarterMillimetres", widths({"4Q"}), widths({"1mm"}), ""},
          Case{"fontSizes",
               file("<g font-size=\"20\"><path id=\"a\" " + kLine + " stroke-width=\"2em\"/><g font-size=\"larger\">" +
                        "<path id=\"b\" " + kLine + " stroke-width=\"1em\"/></g></g>",
                    kRoot + " font-size=\"10\""),
               file("<g><path id=\"a\" " + kLine + " stroke-width=\"40\"/><g><path id=\"b\" " + kLine +
                        " stroke-width=\"24\"/></g></g>",
                    kRoot),
               ""},
          Case{"remOfTheRoot",
               file("<g font-size=\"50\"><path id=\"p\" " + kLine + " stroke-width=\"1rem\"/></g>",
                    kRoot + " font-size=\"10\""),
               file("<g><path id=\"p\" " + kLine + " stroke-width=\"10\"/></g>", kRoot), ""}};
}
INSTANTIATE_TEST_SUITE_P(CssUnits, AsViewersRead, ::testing::ValuesIn(cssUnits()), caseName);

std::vector<Case> upToTheFirstError() {
  return {// The last command lacks a number: drawn up to the command before.
          Case{"missingNumber", file("<path id=\"p\" stroke=\"red\" d=\"M0 0 L10 10 L20\"/>"),
               file("<path id=\"p\" stroke=\"red\" d=\"M0 0 L10 10\"/>"), "ignored d from here on (expected number)",
               "L20\"", 3},
          Case{"unknownCommand", file("<path id=\"p\" stroke=\"red\" d=\"M0 0 L10 10 X5 5\"/>"),
               file("<path id=\"p\" stroke=\"red\" d=\"M0 0 L10 10\"/>"),
               "ignored d from here on (unexpected 'X' in path data)", "X5"},
          Case{"numberOutOfRange", file("<path id=\"p\" stroke=\"red\" d=\"M0 0 L10 10 L1e39 0\"/>"),
               file("<path id=\"p\" stroke=\"red\" d=\"M0 0 L10 10\"/>"),
               "ignored d from here on (number out of range: 1e39)", "1e39"},
          Case{"noMoveto", file("<path id=\"p\" stroke=\"red\" d=\"L10 10\"/>"),
               file("<path id=\"p\" stroke=\"red\" d=\"\"/>"),
               "ignored d from here on (path data must begin with a moveto)", "L10"},
          Case{"oddPoints", file("<polyline id=\"p\" stroke=\"red\" points=\"0 0 10 10 20\"/>"),
               file("<polyline id=\"p\" stroke=\"red\" points=\"0 0 10 10\"/>"),
               "ignored points from here on (odd number of coordinates)", "20\""},
          Case{"badPoint", file("<polygon id=\"p\" stroke=\"red\" points=\"0 0 10 10 10 x 5 5\"/>"),
               file("<polygon id=\"p\" stroke=\"red\" points=\"0 0 10 10\"/>"),
               "ignored points from here on (expected a coordinate)", "x 5"}};
}
INSTANTIATE_TEST_SUITE_P(UpToTheFirstError, AsViewersRead, ::testing::ValuesIn(upToTheFirstError()), caseName);

const std::string kPath = "<path id=\"p\" d=\"M0 0 L9 9\"/>";

std::vector<Case> usesThatShowThemselves() {
  return {
      Case{"itself", file(kPath + "<use href=\"#u\" id=\"u\"/>"), file(kPath),
           "ignored a <use> that shows itself (through #u)", "<use"},
      Case{"itsGroup", file("<g id=\"g\">" + kPath + "<use href=\"#g\"/></g>"), file("<g id=\"g\">" + kPath + "</g>"),
           "ignored a <use> that shows itself (through #g)", "<use"},
      // The one further in shows nothing more; the outer one shows the rest.
      Case{"inDefs", file("<defs><g id=\"x\"><use href=\"#x\"/>" + kPath + "</g></defs><use id=\"c\" href=\"#x\"/>"),
           file("<defs><g id=\"x\">" + kPath + "</g></defs><use id=\"c\" href=\"#x\"/>"),
           "ignored a <use> that shows itself (through #x)", "<use"}};
}
INSTANTIATE_TEST_SUITE_P(UsesThatShowThemselves, AsViewersRead, ::testing::ValuesIn(usesThatShowThemselves()),
                         caseName);

// Two that show each other: neither is read, and each is said.
TEST(UsesThatShowThemselves, EachOfALoopIsSkipped) {
  const ImportedSvg s = test::load(kPath + "\n<use id=\"a\" href=\"#b\"/>\n<use id=\"b\" href=\"#a\"/>");
  EXPECT_EQ(s.warnings, (std::vector<std::string>{"test.svg:3:1: ignored a <use> that shows itself (through #b)",
                                                  "test.svg:4:1: ignored a <use> that shows itself (through #a)"}));
  EXPECT_FALSE(test::find(*s.document, "a"));
  EXPECT_TRUE(test::find(*s.document, "p"));
}

const std::string kDoctype =
    "<?xml version=\"1.0\"?>\n<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
    "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\" [\n"
    "  <!ENTITY ns_svg \"http://www.w3.org/2000/svg\">\n  <!ENTITY st0 'fill:#0000FF;&stroke;'>\n"
    "  <!ENTITY stroke \"stroke:red\">\n  <!-- a comment --> <!ELEMENT x ANY>\n]>\n";

std::vector<Case> entities() {
  return {// As older editors wrote them: the namespace and styles, one entity using another.
          Case{"namespaceAndStyle",
               kDoctype +
                   "<svg xmlns=\"&ns_svg;\" width=\"40\" height=\"40\"><path id=\"p\" style=\"&st0;\" d=\"M0 0 L9 9\"/>"
                   "<path id=\"&amp;st0;&#65;\" d=\"M1 1 L2 2\"/></svg>",
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"40\"><path id=\"p\" "
               "style=\"fill:#0000FF;stroke:red\" d=\"M0 0 L9 9\"/><path id=\"&amp;st0;A\" d=\"M1 1 L2 2\"/></svg>",
               ""}};
}
INSTANTIATE_TEST_SUITE_P(Entities, AsViewersRead, ::testing::ValuesIn(entities()), caseName);

// At most 20 warnings, in file order, then one line that counts the rest.
TEST(Warnings, TwentyAndACount) {
  std::string body;
  for (int i = 0; i < 25; ++i) body += "<path d=\"M0 0 L9 9\" fill=\"bad" + std::to_string(i) + "\"/>\n";
  const ImportedSvg s = test::load(body);
  ASSERT_EQ(s.warnings.size(), 21u);
  EXPECT_EQ(s.warnings[0], "test.svg:2:27: ignored fill \"bad0\" (not a paint)");
  EXPECT_EQ(s.warnings[19], "test.svg:21:27: ignored fill \"bad19\" (not a paint)");
  EXPECT_EQ(s.warnings[20], "test.svg: 5 more warnings (the first 20 are shown)");
  // A sheet's bad value is said once, however many elements it matches.
  const ImportedSvg sheet = test::load("<style>path { fill: bad }</style>" + body.substr(0, body.find('\n')) + body);
  EXPECT_EQ(sheet.warnings.front(), "test.svg:2:21: ignored fill \"bad\" (not a paint)");
}

// The alpha is the paint's: with the paint's own opacity it is what a fill or
// stroke written anew says; the text read stays where the paint is kept.
TEST(CssColours, AlphaGoesIntoThePaintsOpacity) {
  const ImportedSvg s = test::load(
      "<path id=\"p\" d=\"M0 0 L9 9\" fill=\"#ff000080\" fill-opacity=\"0.5\" "
      "stroke=\"rgb(0 0 255 / 25%)\"/>");
  const std::string kept = exportSvg(*s.document, s.source.get());
  EXPECT_NE(kept.find("fill=\"#ff000080\" fill-opacity=\"0.5\" stroke=\"rgb(0 0 255 / 25%)\""), std::string::npos)
      << kept;
  // 0x80 is 128/255 of 0.5; 0.25 of 1.
  const std::string rewritten = exportSvg(*s.document, s.source.get(), {.rewriteAll = true});
  EXPECT_NE(rewritten.find("fill:#ff0000;fill-opacity:" + floatText(static_cast<float>(128.0 / 255 * 0.5))),
            std::string::npos)
      << rewritten;
  EXPECT_NE(rewritten.find("stroke:#0000ff;stroke-opacity:0.25"), std::string::npos) << rewritten;
}

// Every case rendered: what the reader makes of the file, written out anew,
// looks as the equivalent does to rsvg-convert.
TEST(Renders, EveryCaseLooksAsItsEquivalent) {
  const contour_test::ScratchFolder scratch("contour-lenient-");
  std::vector<std::pair<std::string, std::string>> pairs;
  std::vector<Case> cases;
  // A <use> that shows itself is kept as it is, which rsvg-convert refuses to draw.
  for (const auto& table : {ignoredValues(), cssColours(), cssUnits(), upToTheFirstError(), entities()})
    cases.insert(cases.end(), table.begin(), table.end());
  for (const Case& c : cases) {
    // The root is written back as it was: rsvg-convert reads its size and viewBox itself.
    if (c.file.substr(0, c.file.find('\n')) != c.equivalent.substr(0, c.equivalent.find('\n'))) continue;
    const ImportedSvg s = importSvg(c.file, "test.svg");
    const std::string read = scratch.path(std::string(c.name) + ".svg");
    const std::string equivalent = scratch.path(std::string(c.name) + "-equivalent.svg");
    easel::writeWhole(read, exportSvg(*s.document, s.source.get(), {.rewriteAll = true}));
    easel::writeWhole(equivalent, c.equivalent);
    pairs.push_back({equivalent, read});
  }
  std::string report;
  const int status =
      contour_test::compareRenders(pairs, "--pixel-threshold 16 --max-share 0.01 --channel-tolerance 64", report);
  if (status == contour_test::kNoRenderer) GTEST_SKIP() << report;
  EXPECT_EQ(status, 0) << report;
}

}  // namespace
}  // namespace easel::svg
