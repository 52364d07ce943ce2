// Input that is not a good SVG drawing: one line naming the file, and the
// line and column where that helps.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SvgTestSupport.h"
#include "tests/support/RunCommand.h"
#include "tests/support/ScratchFolder.h"
#include "easel/svg/GimpPalette.h"
#include "easel/svg/Gzip.h"
#include "easel/svg/SvgError.h"
#include "easel/svg/SvgExport.h"
#include "easel/svg/SvgImport.h"

namespace easel::svg {
namespace {

struct BadFile {
  const char* name;
  std::string text;
  std::string message;  // the whole message, or its start when it ends in "..."
};

class BadSvg : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadSvg, OneLineNamingTheFileAndPlace) {
  try {
    importSvg(GetParam().text, "in.svg");
    FAIL() << "no error";
  } catch (const SvgError& e) {
    const std::string got = e.what();
    const std::string& want = GetParam().message;
    if (want.size() > 3 && want.substr(want.size() - 3) == "...") {
      EXPECT_EQ(got.substr(0, want.size() - 3), want.substr(0, want.size() - 3));
    } else {
      EXPECT_EQ(got, want);
    }
    EXPECT_EQ(got.find('\n'), std::string::npos);
  }
}

const std::string kOpen = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSvg,
    ::testing::Values(
        BadFile{"empty", "", "in.svg: empty file, not an SVG drawing"},
        BadFile{"blank", "  \n ", "in.svg: empty file, not an SVG drawing"}, BadFile{"notXml", "hello", "in.svg:1:..."},
        BadFile{"notSvg", "<html><body/></html>", "in.svg:1:1: not an SVG file: the root element is <html>"},
        BadFile{"truncated", kOpen + "<path d=\"M0 0\"", "in.svg:2:..."},
        BadFile{"hugeAfterTransform", kOpen + "<path transform=\"scale(1e30)\" d=\"M1e30 0\"/></svg>",
                "in.svg:2:1: coordinate out of range"},
        // The second fill starts in column 27.
        BadFile{"duplicateAttribute", kOpen + "<path d=\"M0 0\" fill=\"red\" fill=\"blue\"/></svg>",
                "in.svg:2:27: not an SVG file: the attribute fill is given twice"},
        BadFile{"externalEntity",
                "<!DOCTYPE svg [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
                "<svg xmlns=\"http://www.w3.org/2000/svg\"><title>&x;</title></svg>",
                "in.svg:2:48: the entity &x; names a file (\"file:///etc/passwd\"), which is never read"},
        BadFile{
            "parameterEntity", "<!DOCTYPE svg [<!ENTITY % p SYSTEM \"x.dtd\"> %p;]><svg/>",
            "in.svg:1:45: not an SVG file: a parameter entity reference, which is not read (what it declares is not "
            "known)"},
        BadFile{"percentInAnEntity", "<!DOCTYPE svg [<!ENTITY a \"50%\">]><svg/>",
                "in.svg:1:30: not an SVG file: a '%' in an entity's value, which XML does not allow"},
        BadFile{"entityOfItself",
                "<!DOCTYPE svg [<!ENTITY a \"x&b;\"><!ENTITY b \"&a;\">]>\n"
                "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"&a;\"/>",
                "in.svg:2:45: the entity &a; refers to itself"},
        BadFile{"undeclaredEntity",
                "<!DOCTYPE svg [<!ENTITY a \"b\">]>\n<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"&a;&nbsp;\"/>",
                "in.svg:2:48: not an SVG file: the entity &nbsp; is not declared"},
        BadFile{
            "entityOfMarkup",
            "<!DOCTYPE svg [<!ENTITY m \"<g/>\">]>\n<svg xmlns=\"http://www.w3.org/2000/svg\"><text>&m;</text></svg>",
            "in.svg:2:47: the entity &m; holds markup, which this reader does not expand"},
        BadFile{"utf16", std::string("\xFF\xFE<\0s\0v\0g\0", 10),
                "in.svg: written in UTF-16 or UTF-32; save it as UTF-8"},
        // No stroke-width in the file: the scale of the viewBox is what is out of range.
        BadFile{"hugeViewBoxScale",
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" viewBox=\"0 0 1e-37 1e-37\">\n"
                "<path d=\"M0 0 L1e-38 0\"/></svg>",
                "in.svg:2:1: the viewBox and transforms scale the lines out of range"},
        BadFile{"zeroViewBox", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 0 10\"/>",
                "in.svg:1:50: a viewBox needs a width and height above 0 in viewBox"}),
    [](const ::testing::TestParamInfo<BadFile>& i) { return std::string(i.param.name); });

// The reader decodes the text in place (entities, line ends): the place of
// a warning or an error is still counted in the file as written, compressed
// or not.
TEST(BadSvg, APlaceInAFileIsCountedInTheFileAsWritten) {
  const contour_test::ScratchFolder folder("contour-bad-svg-");
  const std::string start = kOpen + "<path title=\"a&#10;&#10;&#10;b\" d=\"M0 0\"/>\r\n";
  folder.write("warned.svg", start + "<path d=\"M1e39 0\"/></svg>");
  folder.write("warned.svgz", gzip(start + "<path d=\"M1e39 0\"/></svg>"));
  folder.write("refused.svg", start + "<path d=\"M1 0\" d=\"M2 0\"/></svg>");
  for (const char* name : {"warned.svg", "warned.svgz"}) {
    EXPECT_EQ(
        importSvgFile(folder.path(name)).warnings,
        std::vector<std::string>{folder.path(name) + ":3:11: ignored d from here on (number out of range: 1e39)"});
  }
  try {
    importSvgFile(folder.path("refused.svg"));
    FAIL() << "no error";
  } catch (const SvgError& e) {
    EXPECT_EQ(std::string(e.what()),
              folder.path("refused.svg") + ":3:16: not an SVG file: the attribute d is given twice");
  }
}

// Nested entities ("billion laughs") stop at the budget: ten times the file,
// at most a megabyte.
TEST(BadSvg, EntitiesThatMultiplyStopAtTheirBudget) {
  std::string doctype = "<!DOCTYPE svg [<!ENTITY l0 \"lol\">";
  for (int i = 1; i <= 9; ++i) {
    doctype += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int k = 0; k < 10; ++k) doctype += "&l" + std::to_string(i - 1) + ";";
    doctype += "\">";
  }
  const std::string text = doctype + "]>\n<svg xmlns=\"http://www.w3.org/2000/svg\"><title>&l9;</title></svg>";
  try {
    importSvg(text, "in.svg");
    FAIL() << "no error";
  } catch (const SvgError& e) {
    EXPECT_EQ(std::string(e.what()), "in.svg: the entities expand to more than " + std::to_string(10 * text.size()) +
                                         " bytes, the limit (10 times the file's size, at most 1 MB)");
  }
  // A large file is held to the megabyte.
  try {
    importSvg(text + "<!--" + std::string(200'000, ' ') + "-->", "in.svg");
    FAIL() << "no error";
  } catch (const SvgError& e) {
    EXPECT_EQ(std::string(e.what()),
              "in.svg: the entities expand to more than 1 MB, the limit (10 times the "
              "file's size, at most 1 MB)");
  }
}

// A compressed drawing is known by its bytes, whatever its name; the budget
// holds for what it inflates to.
TEST(BadSvg, CompressedDrawings) {
  const std::string text = kOpen + "<path id=\"p\" d=\"M0 0 L1 1\"/></svg>";
  const ImportedSvg read = importSvg(gzip(text), "in.svg");
  EXPECT_TRUE(test::find(*read.document, "p"));
  const std::string bomb = gzip(kOpen + "<!--" + std::string(1 << 20, ' ') + "--></svg>");
  ASSERT_LT(bomb.size(), 4096u);
  for (const auto& [bytes, message] :
       {std::pair{bomb, std::string("in.svg: the drawing needs more than the memory budget of 1 MB to read")},
        std::pair{gzip(text).substr(0, 30), std::string("in.svg: not an SVG file: the gzip data is cut short")}}) {
    try {
      importSvg(bytes, "in.svg", 1 << 20);
      ADD_FAILURE() << message;
    } catch (const SvgError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
}

// The text and the art read from it share the budget: 20,001 anchors of 28
// bytes or more do not fit in 256 KB beside a text of 100 KB.
TEST(BadSvg, ADrawingBeyondTheMemoryBudgetIsRefusedWhileItIsRead) {
  std::string d = "M0 0";
  for (int i = 0; i < 20'000; ++i) d += " L1 1";
  const std::string text = kOpen + "<path d=\"" + d + "\"/></svg>";
  try {
    importSvg(text, "in.svg", 256 << 10);
    ADD_FAILURE() << "read beyond the budget";
  } catch (const SvgError& e) {
    EXPECT_EQ(std::string(e.what()), "in.svg: the drawing needs more than the memory budget of 262144 bytes to read");
  }
  const ImportedSvg fits = importSvg(text, "in.svg", 4 << 20);
  EXPECT_EQ(fits.document->memoryBudget(), std::size_t{4} << 20);
}

TEST(BadSvg, ManyUsesThatMultiplyAreStopped) {
  // Each level uses the one below ten times: 10^7 elements if expanded.
  std::string body = "<defs><path id=\"l0\" d=\"M0 0 L1 1\"/>";
  for (int level = 1; level <= 7; ++level) {
    body += "<g id=\"l" + std::to_string(level) + "\">";
    for (int i = 0; i < 10; ++i) body += "<use href=\"#l" + std::to_string(level - 1) + "\"/>";
    body += "</g>";
  }
  body += "</defs><use href=\"#l7\"/>";
  try {
    test::load(body);
    FAIL();
  } catch (const SvgError& e) {
    EXPECT_NE(std::string(e.what()).find("too many <use> expansions"), std::string::npos) << e.what();
  }
}

std::string nested(int groups, const std::string& inside) {
  std::string text;
  for (int i = 0; i < groups; ++i) text += "<g>";
  text += inside;
  for (int i = 0; i < groups; ++i) text += "</g>";
  return text;
}

// Every walk of the tree (import, the document, export) recurses; nesting is
// limited to 2000 elements, the root being the first, so that none of them
// runs out of stack, even under the sanitizers.
TEST(BadSvg, NestingIsLimitedAndNamedWhereItIsPassed) {
  const ImportedSvg deepest = importSvg(kOpen + nested(1998, "<path id=\"p\" d=\"M0 0 L1 1\"/>") + "</svg>", "in.svg");
  EXPECT_NE(exportSvg(*deepest.document, deepest.source.get()).find("id=\"p\""), std::string::npos);
  // The 2000th <g> starts at column 1 + 1999 x 3 and lies 2001 deep.
  const struct {
    std::string text, message;
  } cases[] = {
      {kOpen + nested(2000, "") + "</svg>", "in.svg:2:5998: elements nested 2001 deep (the limit is 2000)"},
      // Two chains of 1500 that are each within the limit, joined by <use>.
      {kOpen + "<defs><g id=\"a\">" + nested(1500, "<path d=\"M0 0 L1 1\"/>") + "</g><g id=\"b\">" +
           nested(1500, "<use href=\"#a\"/>") + "</g></defs><use href=\"#b\"/></svg>",
       "in.svg:2:...<use> content nested more than 2000 deep (the limit)"},
  };
  for (const auto& c : cases) {
    try {
      importSvg(c.text, "in.svg");
      ADD_FAILURE() << c.message;
    } catch (const SvgError& e) {
      const std::string got = e.what();
      const std::size_t dots = c.message.find("...");
      if (dots == std::string::npos) {
        EXPECT_EQ(got, c.message);
      } else {
        EXPECT_EQ(got.rfind(c.message.substr(0, dots), 0), 0u) << got;
        EXPECT_NE(got.find(c.message.substr(dots + 3)), std::string::npos) << got;
      }
    }
  }
}

TEST(GimpPalettes, GoRightAfterTheTwoFixedSwatches) {
  Document d;
  const std::size_t before = d.swatches().size();
  addGimpPalette(d, "GIMP Palette\nName: Test\nColumns: 2\n# a comment\n255 0 0\tRed\n  0 128 255 Sky blue\n0 0 0\n",
                 "p.gpl");
  ASSERT_EQ(d.swatches().size(), before + 3);
  EXPECT_EQ(d.swatches()[0].name, "[None]");
  EXPECT_EQ(d.swatches()[1].name, "[Registration]");
  EXPECT_EQ(d.swatches()[2].name, "Red");
  EXPECT_EQ(d.swatches()[2].color.kind, kThreeColor);
  EXPECT_FLOAT_EQ(d.swatches()[2].color.c.rgb.red, 1);
  EXPECT_EQ(d.swatches()[3].name, "Sky blue");
  EXPECT_FLOAT_EQ(d.swatches()[3].color.c.rgb.green, 128 / 255.0f);
  EXPECT_EQ(d.swatches()[4].name, "#000000");
  EXPECT_EQ(d.swatches()[5].name, "White");  // the rest of the list follows
}

TEST(GimpPalettes, BadPalettesChangeNothing) {
  Document d;
  const std::size_t before = d.swatches().size();
  EXPECT_THROW(addGimpPalette(d, "not a palette\n", "p.gpl"), SvgError);
  try {
    addGimpPalette(d, "GIMP Palette\n1 2 3 ok\n1 2 300 too bright\n", "p.gpl");
    FAIL();
  } catch (const SvgError& e) {
    EXPECT_EQ(std::string(e.what()), "p.gpl:3:5: a component is a whole number from 0 to 255");
  }
  EXPECT_EQ(d.swatches().size(), before);
}

}  // namespace
}  // namespace easel::svg
