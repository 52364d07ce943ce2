// The writer copies the file's bytes wherever the document changed nothing,
// and writes a changed element in the style of the file: its own spaces and
// quotes for what stays, its neighbours' for what is new.
#include <gtest/gtest.h>

#include <string>

#include "SvgTestSupport.h"
#include "easel/svg/SvgExport.h"

namespace easel::svg {
namespace {

using test::find;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(ByteCopy, AFileNothingChangedInComesBackAsItWas) {
  const char* open = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">";
  const std::string cases[] = {
      // Declaration, doctype with entities, comments and a processing
      // instruction around the root, no line break at the end.
      "<?xml version='1.0' standalone=\"no\"?>\n<!DOCTYPE svg [\n  <!ENTITY who \"me &amp; you\">\n]>\n"
      "<!-- before -->\n<?app data?>\n" +
          std::string(open) + "<desc>&who;</desc></svg>\n<!-- after -->\n\n",
      // A byte order mark, line breaks of two characters, tabs.
      "\xEF\xBB\xBF" + std::string(open) + "\r\n\t<path id=\"p\"\td=\"M0 0\r\n L5 5\" />\r\n</svg>",
      // Single quotes, spaces around '=', references of every kind, CDATA.
      "<svg xmlns='http://www.w3.org/2000/svg'   width = '10' height='10' >\n"
      "  <style><![CDATA[ path { fill: #f00 } ]]></style>\n"
      "  <text x='1' y='5'>&#x41;&#66;&amp;&lt;&quot;</text>\n"
      "  <path id='q' d='M0 0 L5 5' data-x='a &amp; &#9; b'></path>\n</svg>\n",
      // Editors' layout: every attribute on a line, groups nested, empty elements.
      std::string("<svg\n   xmlns=\"http://www.w3.org/2000/svg\"\n   width=\"10\"\n   height=\"10\">\n"
                  "  <g\n     id=\"layer\">\n    <g></g>\n    <path\n       d=\"M0 0 L5 5\"\n"
                  "       id=\"r\" />\n  </g>\n</svg>\n"),
  };
  for (const std::string& text : cases) {
    const ImportedSvg s = importSvg(text, "in.svg");
    EXPECT_EQ(exportSvg(*s.document, s.source.get()), text);
  }
}

// Inkscape's layout: a changed or new attribute goes where it belongs, with
// the line and indent of the element's others; the rest stays byte for byte.
TEST(ByteCopy, AChangedElementKeepsItsLayout) {
  const std::string text =
      "<svg\n   xmlns=\"http://www.w3.org/2000/svg\"\n   width=\"100\"\n   height=\"100\">\n"
      "  <path\n     style=\"fill:#ff0000;stroke:none\"\n     d=\"M 0,0 L 50,50\"\n     id=\"a\" />\n"
      "  <path\n     d=\"M 0,0 L 50,50\"\n     id=\"b\" />\n"
      "  <path id='c' d='M 0,0 L 50,50'/>\n</svg>\n";
  ImportedSvg s = importSvg(text, "in.svg");
  Document& d = *s.document;
  for (const char* id : {"a", "b", "c"}) d.setOpacity(find(d, id), 0.5f);
  const std::string out = exportSvg(d, s.source.get());
  std::string expected = replaced(text, "fill:#ff0000;stroke:none", "fill:#ff0000;stroke:none;opacity:0.5");
  expected = replaced(expected, "     id=\"b\" />", "     id=\"b\"\n     style=\"opacity:0.5\" />");
  expected = replaced(expected, "d='M 0,0 L 50,50'/>", "d='M 0,0 L 50,50' style='opacity:0.5'/>");
  EXPECT_EQ(out, expected);
}

TEST(ByteCopy, AShapeMovedBecomesAPathInItsOwnLayout) {
  const std::string text =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">\n"
      "  <rect\n     id=\"r\"\n     x=\"1\"\n     y=\"2\"\n     width=\"3\"\n     height=\"4\"\n"
      "     class=\"c\"><title>box</title></rect>\n</svg>\n";
  ImportedSvg s = importSvg(text, "in.svg");
  Document& d = *s.document;
  d.transform(find(d, "r"), {1, 0, 0, 1, 7.5f, 0}, 1, kTransformObjects);  // 10 px right
  EXPECT_EQ(exportSvg(d, s.source.get()),
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">\n"
            "  <path\n     id=\"r\"\n     d=\"M11,2 L14,2 L14,6 L11,6 Z\"\n"
            "     class=\"c\"><title>box</title></path>\n</svg>\n");
}

}  // namespace
}  // namespace easel::svg
