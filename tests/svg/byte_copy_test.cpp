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
      // An old editor's entities for the namespace and the style: read
      // expanded, copied as written.
      "<!DOCTYPE svg [\n<!ENTITY ns_svg \"http://www.w3.org/2000/svg\">\n<!ENTITY st0 \"fill:#f00\">\n]>\n"
      "<svg xmlns=\"&ns_svg;\" width=\"10\" height=\"10\"><path style=\"&st0;\" d=\"M0 0 L5 5\"/></svg>\n",
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

// What another editor draws a shape from goes with the old geometry, by
// namespace (whatever the prefix), and stays while the geometry does.
TEST(ByteCopy, PathsThatChangeLoseWhatEditorsRedrawThemFrom) {
  const std::string star =
      "sodipodi:type=\"star\" sodipodi:sides=\"5\" sodipodi:cx=\"5\" sodipodi:cy=\"5\" sodipodi:r1=\"4\" "
      "sodipodi:r2=\"2\" sodipodi:arg1=\"0\" sodipodi:arg2=\"0.6\" inkscape:flatsided=\"false\" "
      "inkscape:rounded=\"0\" inkscape:randomized=\"0\"";
  const std::string kept = "sodipodi:nodetypes=\"cc\" inkscape:label=\"Star\"";
  struct Case {
    const char* what;
    std::string namespaces, attributes;
    bool moved;
    std::string left;  // the attributes the written element keeps
  };
  const std::string sodipodi = "xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" ";
  const Case cases[] = {
      {"a star, moved", sodipodi, star + " " + kept, true, kept},
      {"a star, as it was", sodipodi, star + " " + kept, false, star + " " + kept},
      {"another prefix for the same namespace", "xmlns:sp=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" ",
       "sp:type=\"arc\" sp:cx=\"5\" sp:start=\"0\" sp:end=\"1\" sp:open=\"true\" sp:arc-type=\"arc\"", true, ""},
      {"the same prefix for another namespace", "xmlns:sodipodi=\"urn:other\" ", "sodipodi:type=\"star\"", true,
       "sodipodi:type=\"star\""},
      {"a path effect", sodipodi, "inkscape:original-d=\"M 0,0 L 9,9\" inkscape:path-effect=\"#e\"", true, ""},
  };
  for (const Case& c : cases) {
    ImportedSvg s = test::load("<path id=\"p\" d=\"M 0,0 L 10,10\" " + c.attributes + "/>",
                               c.namespaces + "width=\"100\" height=\"100\"");
    Document& d = *s.document;
    if (c.moved) d.transform(find(d, "p"), {1, 0, 0, 1, 0.75f, 0}, 1, kTransformObjects);  // 1 px right
    const std::string out = exportSvg(d, s.source.get());
    const std::string path = out.substr(out.find("<path"), out.find("/>", out.find("<path")) - out.find("<path"));
    const std::string data = c.moved ? "d=\"M1,0 L11,10\"" : "d=\"M 0,0 L 10,10\"";
    EXPECT_EQ(path, "<path id=\"p\" " + data + (c.left.empty() ? "" : " " + c.left)) << c.what;
  }
}

}  // namespace
}  // namespace easel::svg
