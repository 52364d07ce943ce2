// From the document back to SVG: what is kept, what changed, ids of new art,
// exact colours, and writing the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SvgTestSupport.h"
#include "easel/core/FileIo.h"
#include "easel/svg/ColorText.h"
#include "easel/svg/SvgError.h"
#include "easel/svg/SvgExport.h"

namespace easel::svg {
namespace {

using test::find;
using test::load;

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(SvgExport, KeepsWhatTheDocumentDoesNotHold) {
  const std::string body = R"~(<!-- a comment -->
  <metadata><rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#"/></metadata>
  <defs><filter id="blur"><feGaussianBlur stdDeviation="2"/></filter></defs>
  <g id="g1" filter="url(#blur)" data-note="kept"><path id="p" d="M 0,0 A 5 5 0 0 1 10 0" foo:bar="1"/></g>
  <unknown xmlns="urn:other"><child/></unknown>)~";
  const ImportedSvg s = load(body);
  const std::string out = exportSvg(*s.document, s.source.get());
  // The same text, element for element (nothing changed, nothing rewritten).
  EXPECT_NE(out.find("<!-- a comment -->"), std::string::npos);
  EXPECT_NE(out.find(R"~(<feGaussianBlur stdDeviation="2"/>)~"), std::string::npos);
  EXPECT_NE(out.find(R"~(<g id="g1" filter="url(#blur)" data-note="kept">)~"), std::string::npos);
  EXPECT_NE(out.find(R"~(d="M 0,0 A 5 5 0 0 1 10 0" foo:bar="1")~"), std::string::npos);
  EXPECT_NE(out.find(R"~(<unknown xmlns="urn:other"><child/></unknown>)~"), std::string::npos);
  // In the same order.
  EXPECT_LT(out.find("<metadata>"), out.find("<defs>"));
  EXPECT_LT(out.find("<defs>"), out.find("<g id=\"g1\""));
  EXPECT_LT(out.find("<g id=\"g1\""), out.find("<unknown"));
  EXPECT_EQ(out, test::svgFile(body));
}

TEST(SvgExport, CopiesGetIdsDerivedFromTheirSource) {
  ImportedSvg s = load(R"~(<g id="layer"><path id="star" d="M0 0 L10 0 L5 8 Z" fill="#ff0000"/>
                          <path id="star-1" d="M0 0 L1 1"/></g>)~");
  Document& d = *s.document;
  const ArtRef star = find(d, "star");
  // Two copies below the original, as a contour stack is made.
  const ArtRef c1 = d.duplicate(star, star, Place::Below);
  const ArtRef c2 = d.duplicate(star, c1, Place::Below);
  d.transform(c1, {0.5f, 0, 0, 0.5f, 0, 0}, 1, kTransformObjects);
  d.transform(c2, {0.25f, 0, 0, 0.25f, 0, 0}, 1, kTransformObjects);
  const std::string out = exportSvg(d, s.source.get());
  // The original keeps its id; "star-1" is taken in the file, so the copies
  // become star-2 and star-3 in the order they are written.
  EXPECT_EQ(count(out, R"~(id="star")~"), 1u);
  EXPECT_EQ(count(out, R"~(id="star-1")~"), 1u);
  EXPECT_LT(out.find(R"~(id="star-3")~"), out.find(R"~(id="star-2")~"));
  EXPECT_LT(out.find(R"~(id="star-2")~"), out.find(R"~(id="star")~"));
  // Read back: the copies' geometry is what the document had.
  const ImportedSvg back = importSvg(out, "out.svg");
  const ArtContent& original = back.document->content(find(*back.document, "star"));
  const ArtContent& half = back.document->content(find(*back.document, "star-2"));
  ASSERT_EQ(half.segments.size(), 3u);
  EXPECT_FLOAT_EQ(half.segments[1].p.h, original.segments[1].p.h * 0.5f);
  EXPECT_FLOAT_EQ(half.segments[1].p.v, original.segments[1].p.v * 0.5f);
}

TEST(SvgExport, ChangedPaintGoesIntoTheStyle) {
  ImportedSvg s = load(R"~(<path id="p" d="M0 0 L10 10" fill="red" style="stroke:blue;stroke-width:2"/>)~",
                       R"~(width="10" height="10")~");
  Document& d = *s.document;
  const ArtRef p = find(d, "p");
  AIPathStyle style = d.pathStyle(p);
  style.fill.color = parseExactColorText("gray(0.3)");
  style.stroke.width = 3;  // points: 4 user units
  d.setPathStyle(p, style);
  d.setOpacity(p, 0.25f);
  const std::string out = exportSvg(d, s.source.get());
  EXPECT_EQ(out.find(R"~(fill="red")~"), std::string::npos);  // the attribute gave way
  EXPECT_NE(out.find(R"~(style="stroke:blue;stroke-width:4;fill:#b2b2b2;opacity:0.25")~"), std::string::npos) << out;
  EXPECT_NE(out.find(R"~(contour:fill-color="gray(0.3)")~"), std::string::npos);
  EXPECT_NE(out.find(R"~(xmlns:contour="urn:contour:easel")~"), std::string::npos);
  // Read back, the kind and components come back exactly.
  const ImportedSvg back = importSvg(out, "out.svg");
  const AIPathStyle again = back.document->pathStyle(find(*back.document, "p"));
  EXPECT_EQ(again.fill.color.kind, kGrayColor);
  EXPECT_EQ(again.fill.color.c.g.gray, 0.3f);
  EXPECT_EQ(again.stroke.width, 3);
  EXPECT_EQ(back.document->content(find(*back.document, "p")).opacity, 0.25f);
}

TEST(SvgExport, ShapesThatChangeBecomePaths) {
  ImportedSvg s = load(R"~(<rect id="r" x="1" y="2" width="3" height="4" class="c"/>)~");
  Document& d = *s.document;
  d.transform(find(d, "r"), {1, 0, 0, 1, 7.5f, 0}, 1, kTransformObjects);  // 10 px right
  const std::string out = exportSvg(d, s.source.get());
  EXPECT_NE(out.find(R"~(<path id="r" d="M11,2 L14,2 L14,6 L11,6 Z" class="c"/>)~"), std::string::npos) << out;
}

// A path whose geometry is its imported value keeps its own text, however it
// got back there; any other value is written afresh.
TEST(SvgExport, PathsBackAtTheirImportedValueKeepTheirText) {
  const std::string p = R"~(<path id="p" d="M 0,0   L 10,0 L 10,10 Z"/>)~";
  const std::string c = R"~(<path id="c" d="M 0,0 L 10,0 L 10,10 Z  M 20,0 L 30,0 L 30,10 Z"/>)~";
  const AIRealMatrix right{1, 0, 0, 1, 7.5f, 0};  // 10 px
  struct Case {
    const char* name;
    void (*edit)(Document&, ArtRef path, ArtRef member, const AIRealMatrix&);
    bool kept;
  };
  const Case cases[] = {
      {"untouched", [](Document&, ArtRef, ArtRef, const AIRealMatrix&) {}, true},
      {"moved", [](Document& d, ArtRef a, ArtRef, const AIRealMatrix& m) { d.transform(a, m, 1, kTransformObjects); },
       false},
      {"set to the same segments",
       [](Document& d, ArtRef a, ArtRef m, const AIRealMatrix&) {
         for (ArtRef x : {a, m}) d.setSegments(x, d.content(x).segments.toVector(), d.content(x).closed);
       },
       true},
      {"opened and closed again",
       [](Document& d, ArtRef a, ArtRef m, const AIRealMatrix&) {
         for (ArtRef x : {a, m}) {
           d.setClosed(x, false);
           d.setClosed(x, true);
         }
       },
       true},
      {"moved, undone",
       [](Document& d, ArtRef a, ArtRef, const AIRealMatrix& m) {
         d.beginCommand("Move");
         d.transform(a, m, 1, kTransformObjects);
         d.endCommand();
         d.userUndo();
       },
       true},
      {"moved, undone, redone",
       [](Document& d, ArtRef a, ArtRef, const AIRealMatrix& m) {
         d.beginCommand("Move");
         d.transform(a, m, 1, kTransformObjects);
         d.endCommand();
         d.userUndo();
         d.userRedo();
       },
       false},
      {"member moved, taken back",
       [](Document& d, ArtRef, ArtRef member, const AIRealMatrix& m) {
         d.beginCommand("Move");
         d.transform(member, m, 1, kTransformObjects);
         d.undoChanges();
         d.endCommand();
       },
       true},
      {"member moved",
       [](Document& d, ArtRef, ArtRef member, const AIRealMatrix& m) { d.transform(member, m, 1, kTransformObjects); },
       false},
  };
  for (const Case& k : cases) {
    ImportedSvg s = load(p + "\n" + c);
    Document& d = *s.document;
    const ArtRef path = find(d, "p"), compound = find(d, "c");
    k.edit(d, path, d.firstChild(compound), right);
    const std::string out = exportSvg(d, s.source.get());
    const bool member = std::string(k.name).starts_with("member");
    EXPECT_EQ(out.find(member ? c : p) != std::string::npos, k.kept) << k.name << "\n" << out;
    EXPECT_NE(out.find(member ? p : c), std::string::npos) << k.name << "\n" << out;
  }
}

TEST(SvgExport, MovedTextKeepsItsContentAndGetsATransform) {
  ImportedSvg s = load(R"~(<text id="t" x="10" y="20">Hi <tspan>there</tspan></text>)~");
  Document& d = *s.document;
  d.transform(find(d, "t"), {1, 0, 0, 1, 7.5f, -15}, 1, kTransformObjects);  // 10 px right, 20 px down
  const std::string out = exportSvg(d, s.source.get());
  EXPECT_NE(
      out.find(R"~(<text id="t" x="10" y="20" transform="matrix(1,0,0,1,10,20)">Hi <tspan>there</tspan></text>)~"),
      std::string::npos)
      << out;
}

TEST(SvgExport, ADocumentMadeInCode) {
  Document d;
  d.setPageSize(200, 100);
  const ArtRef layer = d.addLayer("Layer");
  const ArtRef path = d.createArt(ArtType::Path, layer, Place::InsideOnTop);
  d.setSegments(path, {{{10, 20}, {10, 20}, {10, 20}, 1}, {{30, 40}, {30, 40}, {30, 40}, 1}}, false);
  d.setName(path, "line");
  const std::string out = exportSvg(d, nullptr);
  EXPECT_NE(out.find(R"~(width="200pt" height="100pt" viewBox="0 0 200 100")~"), std::string::npos) << out;
  const ImportedSvg back = importSvg(out, "out.svg");
  EXPECT_EQ(back.document->pageWidth(), 200);
  const ArtContent& c = back.document->content(find(*back.document, "line"));
  ASSERT_EQ(c.segments.size(), 2u);
  EXPECT_EQ(c.segments[1].p.h, 30);
  EXPECT_EQ(c.segments[1].p.v, 40);
  EXPECT_EQ(back.document->pathStyle(find(*back.document, "line")).stroke.width, 1);
}

// A stream gets the text in pieces as it is made: the same text as the
// string, however many pieces (here, well over one).
TEST(SvgExport, StreamedAsTheStringIs) {
  std::string body;
  for (int i = 0; i < 3000; ++i) body += "<path id=\"p" + std::to_string(i) + "\" d=\"M0 0 L1 1 L2 0 Z\"/>\n";
  const ImportedSvg s = load(body);
  Document& d = *s.document;
  d.setSegments(find(d, "p7"), {{{1, 2}, {1, 2}, {1, 2}, 1}, {{3, 4}, {3, 4}, {3, 4}, 1}}, false);
  const std::string whole = exportSvg(d, s.source.get());
  std::ostringstream streamed;
  EXPECT_EQ(exportSvg(streamed, d, s.source.get()), whole.size());
  EXPECT_GT(whole.size(), std::size_t{100'000});
  EXPECT_EQ(streamed.str(), whole);
}

TEST(SvgOutput, WritesWholeFilesOrNothing) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "contour-svg-output-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "out.svg").string();
  writeWhole(path, "first");
  writeWhole(path, "second");
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "second");
  // Nothing else is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
  // A folder that is not there: an error naming the file, and no file.
  const std::string missing = (dir / "no" / "out.svg").string();
  try {
    writeWhole(missing, "x");
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()).rfind(missing + ": cannot write", 0), 0u) << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace easel::svg
