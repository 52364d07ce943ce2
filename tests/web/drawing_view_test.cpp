// What the page is sent of a drawing: geometry for a drawing of plain art
// (to a page that draws it), SVG for any other, and only the changes since
// a revision the page shows when its picture is of the same kind.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "easel/svg/SvgImport.h"
#include "easel/web/DrawingView.h"

namespace {

using namespace easel;
using easel::web::DrawingView;

std::string svgFile(const std::string& body, const std::string& head = "") {
  return R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="400" viewBox="0 0 400 400">)" + head + body +
         "</svg>";
}

struct View {
  svg::ImportedSvg imported;
  DrawingView view;
  explicit View(const std::string& text) : imported(svg::importSvg(text, "t.svg")), view(imported.source) {
    view.look(*imported.document);
  }
  Document& doc() { return *imported.document; }
  nlohmann::json answer(uint64_t revision, std::string* geometry) { return view.forPage(doc(), revision, geometry); }
};

TEST(DrawingViewTest, OnlyArtTheCanvasShowsExactlyGoesAsGeometry) {
  struct Case {
    const char* what;
    std::string file;
    bool geometry;
  };
  const std::string path = R"(d="M10,10 L50,10 L30,40 Z")";
  const Case cases[] = {
      {"a filled, stroked path", svgFile("<path " + path + R"( fill="#102030" stroke="red" stroke-width="2"/>)"), true},
      {"a square rectangle", svgFile(R"(<rect x="1" y="1" width="5" height="5"/>)"), true},
      {"a rotated group of paths", svgFile(R"~(<g transform="rotate(30)"><path )~" + path + "/></g>"), true},
      {"a path with only its fill half transparent", svgFile("<path " + path + R"( opacity="0.5"/>)"), true},
      {"a title and an editor's own elements", svgFile("<title>t</title><path " + path + "/>", R"(<metadata/><defs/>)"),
       true},
      {"a rounded rectangle (an arc the document holds as curves)",
       svgFile(R"(<rect x="1" y="1" width="5" height="5" rx="1"/>)"), false},
      {"a circle", svgFile(R"(<circle cx="5" cy="5" r="4"/>)"), false},
      {"a gradient",
       svgFile("<path " + path + R"~( fill="url(#g)"/>)~",
               R"(<linearGradient id="g"><stop offset="0"/></linearGradient>)"),
       false},
      {"a style sheet", svgFile("<path " + path + "/>", "<style>path{fill:red}</style>"), false},
      {"a property the document does not hold", svgFile("<path " + path + R"( fill-opacity="0.5"/>)"), false},
      {"opacity over fill and stroke", svgFile("<path " + path + R"( stroke="red" opacity="0.5"/>)"), false},
      {"a group's opacity", svgFile(R"(<g opacity="0.5"><path )" + path + "/></g>"), false},
      {"a skewed path", svgFile("<path " + path + R"~( transform="skewX(20)"/>)~"), false},
      {"a script beside the art", svgFile("<path " + path + "/><script>alert(1)</script>"), false},
      {"text", svgFile(R"(<text x="1" y="10">hi</text>)"), false},
  };
  for (const Case& c : cases) {
    View v(c.file);
    std::string geometry;
    const nlohmann::json answer = v.answer(0, &geometry);
    EXPECT_EQ(answer.contains("geometry"), c.geometry) << c.what;
    EXPECT_EQ(answer.contains("svg"), !c.geometry) << c.what;
    EXPECT_TRUE(v.answer(0, nullptr).contains("svg")) << c.what << ": a page that does not draw geometry";
  }
}

// An answer's geometry as 32-bit words, and floats as the words that hold them.
std::vector<uint32_t> wordsOf(const std::string& bytes) {
  std::vector<uint32_t> out(bytes.size() / sizeof(uint32_t));
  std::memcpy(out.data(), bytes.data(), out.size() * sizeof(uint32_t));
  return out;
}
std::vector<uint32_t> floatWords(std::initializer_list<float> floats) {
  std::vector<uint32_t> out;
  for (float f : floats) out.push_back(std::bit_cast<uint32_t>(f));
  return out;
}
std::vector<uint32_t> operator+(std::vector<uint32_t> a, const std::vector<uint32_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(DrawingViewTest, GeometryRecordsCarryTheArtworkPointsAndPaint) {
  // 400 px are 300 points; y runs up from the bottom: the square's corner at
  // (40, 40) px is (30, 270) points.
  View v(svgFile(R"(<rect x="40" y="40" width="80" height="80" fill="#4e8cf2" stroke="#222" stroke-width="2"/>)"));
  std::string geometry;
  const nlohmann::json answer = v.answer(0, &geometry);
  EXPECT_EQ(answer["geometry"]["paints"],
            nlohmann::json::parse(R"([{"fill":"#4e8cf2","stroke":"#222222","width":1.5,"cap":"butt","join":"miter",
              "miter":4.0,"dash":[],"dashOffset":0.0,"evenOdd":false,"opacity":1.0}])"));
  // Nothing taken out, two put in: the layer (id 1, at the top of the
  // drawing): seven words follow; no paint, shown, no points (an empty box),
  // no subpaths. The square (id 2, at the top of the layer): eighteen words
  // follow; paint 0, shown, no cubics, its box; one subpath of three
  // segments, closed, all lines; its first corner and three lines' ends (the
  // close draws the fourth side).
  constexpr float kInf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(wordsOf(geometry),
            (std::vector<uint32_t>{0, 2, 1, 0, 0, 7} + floatWords({-1}) + std::vector<uint32_t>{0} +
             floatWords({kInf, kInf, -kInf, -kInf}) + std::vector<uint32_t>{0, 2, 1, 0, 18} + floatWords({0}) +
             std::vector<uint32_t>{0} + floatWords({30, 210, 90, 270}) + std::vector<uint32_t>{1, 3, 1, 0b000} +
             floatWords({30, 270, 90, 270, 90, 210, 30, 210})));
  // A curve: its kind's bit and three points; the record says it has cubics,
  // and its box takes in the direction point above the square. The square,
  // now open, is taken out and put in again.
  ArtRef square = v.doc().firstChild(v.doc().firstLayer());
  std::vector<AIPathSegment> curved = v.doc().content(square).segments.toVector();
  curved[1].in = {80, 280};
  v.doc().setSegments(square, curved, false);
  v.view.look(v.doc());
  v.answer(1, &geometry);
  EXPECT_EQ(wordsOf(geometry),
            (std::vector<uint32_t>{1, 2, 1, 2, 1, 0, 22} + floatWords({0}) + std::vector<uint32_t>{2} +
             floatWords({30, 210, 90, 280}) + std::vector<uint32_t>{1, 3, 0, 0b001} +
             floatWords({30, 270, 30, 270, 80, 280, 90, 270, 90, 210, 30, 210})));
}

// The ids an answer takes out, and each record it puts in: "=N" for a
// path that repeats the one of id N, else "own".
std::pair<std::vector<uint32_t>, std::vector<std::string>> recordsOf(const std::string& geometry) {
  const std::vector<uint32_t> w = wordsOf(geometry);
  std::size_t at = 1 + w[0];
  const std::vector<uint32_t> removed(w.begin() + 1, w.begin() + static_cast<std::ptrdiff_t>(at));
  std::vector<std::string> records;
  for (uint32_t n = w[at++]; n > 0; --n) {
    records.push_back(w[at + 3] == 1 ? "=" + std::to_string(w[at + 4]) : "own");
    at += 4 + w[at + 3];
  }
  return {removed, records};
}

TEST(DrawingViewTest, APathMadeAgainAsItWasGoesAsTheOneThePageTakesOut) {
  // Both squares taken out and made again, as a preview makes its contours:
  // the top one as it was, the other with a point moved.
  View v(svgFile(R"(<rect x="10" y="10" width="8" height="8"/><rect x="30" y="10" width="8" height="8"/>)"));
  const uint64_t before = v.view.revision();
  const ArtRef top = v.doc().firstChild(v.doc().firstLayer()), bottom = v.doc().nextSibling(top);
  v.doc().duplicate(top, top, Place::Above);
  std::vector<AIPathSegment> moved = v.doc().content(bottom).segments.toVector();
  moved[0].p.h = moved[0].in.h = moved[0].out.h = 5;
  v.doc().setSegments(v.doc().duplicate(bottom, bottom, Place::Above), moved, true);
  v.doc().dispose(top);
  v.doc().dispose(bottom);
  v.view.look(v.doc());
  std::string geometry;
  v.answer(before, &geometry);
  const auto [removed, records] = recordsOf(geometry);
  ASSERT_EQ(removed.size(), 2u);
  EXPECT_EQ(records, (std::vector<std::string>{"=" + std::to_string(removed[0]), "own"}));
  // A page with nothing gets every object as its own: the layer and both paths.
  v.answer(0, &geometry);
  EXPECT_EQ(recordsOf(geometry).second, (std::vector<std::string>{"own", "own", "own"}));
}

TEST(DrawingViewTest, PathsAlikeEachNameAnotherOfThoseTakenOut) {
  // Two paths exactly alike (a square and its copy) taken out, three like
  // them put in: two repeat one each, the third has nothing left to repeat.
  View v(svgFile(R"(<rect x="10" y="10" width="8" height="8"/>)"));
  const ArtRef square = v.doc().firstChild(v.doc().firstLayer());
  const ArtRef copy = v.doc().duplicate(square, square, Place::Above);
  v.view.look(v.doc());
  const uint64_t before = v.view.revision();
  for (int i = 0; i < 3; ++i) v.doc().duplicate(square, square, Place::Above);
  v.doc().dispose(square);
  v.doc().dispose(copy);
  v.view.look(v.doc());
  std::string geometry;
  v.answer(before, &geometry);
  const auto [removed, records] = recordsOf(geometry);
  ASSERT_EQ(removed.size(), 2u);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[2], "own");
  EXPECT_NE(records[0], records[1]);
  for (const std::string& r : {records[0], records[1]})
    EXPECT_TRUE(r == "=" + std::to_string(removed[0]) || r == "=" + std::to_string(removed[1])) << r;
}

TEST(DrawingViewTest, ObjectsThatPaintAlikeShareOnePaint) {
  // Two squares painted alike; the top one (written first) changed as each
  // case says. A dash array with a negative length, or no length, draws solid.
  struct Case {
    const char* what;
    void (*change)(AIPathStyle&);
    std::size_t paints;
    const char* dash;  // the top square's paint's dash array
  };
  const Case cases[] = {
      {"alike", [](AIPathStyle&) {}, 1, "[]"},
      {"another fill", [](AIPathStyle& s) { s.fill.color.c.rgb.red = 0.5f; }, 2, "[]"},
      {"even-odd", [](AIPathStyle& s) { s.evenOdd = 1; }, 2, "[]"},
      {"dashed", [](AIPathStyle& s) { s.stroke.dashCount = 2, s.stroke.dashes[0] = 3, s.stroke.dashes[1] = 1.5f; }, 2,
       "[3.0,1.5]"},
      {"a negative dash",
       [](AIPathStyle& s) { s.stroke.dashCount = 2, s.stroke.dashes[0] = 3, s.stroke.dashes[1] = -1; }, 1, "[]"},
      {"dashes of no length", [](AIPathStyle& s) { s.stroke.dashCount = 1, s.stroke.dashes[0] = 0; }, 1, "[]"},
  };
  const std::string square = R"(<rect width="8" height="8" fill="#4e8cf2" stroke="#222" stroke-width="2")";
  for (const Case& c : cases) {
    View v(svgFile(square + R"( x="10"/>)" + square + R"( x="30"/>)"));
    const ArtRef top = v.doc().firstChild(v.doc().firstLayer());
    AIPathStyle style = v.doc().pathStyle(top);
    c.change(style);
    v.doc().setPathStyle(top, style);
    v.view.look(v.doc());
    std::string geometry;
    const nlohmann::json paints = v.answer(0, &geometry)["geometry"]["paints"];
    ASSERT_EQ(paints.size(), c.paints) << c.what;
    EXPECT_EQ(paints.front()["dash"], nlohmann::json::parse(c.dash)) << c.what;
  }
}

TEST(DrawingViewTest, APageGetsChangesOnlyToAPictureOfTheSameKindItShows) {
  View v(svgFile(R"(<path d="M10,10 L50,10 L30,40 Z"/>)"));
  const uint64_t first = v.view.revision();
  ArtRef path = v.doc().firstChild(v.doc().firstLayer());
  v.doc().duplicate(path, path, Place::Above);
  v.view.look(v.doc());
  const uint64_t second = v.view.revision();
  std::string geometry;
  struct Case {
    const char* what;
    uint64_t pageRevision;
    bool drawsGeometry;
    const char* expected;  // "null", "changes" or "whole"
  };
  const Case cases[] = {
      {"current", second, true, "null"},
      {"one behind", first, true, "changes"},
      {"one behind, drawing SVG", first, false, "changes"},
      {"a revision never sent (a stale or made-up one)", second + 7, true, "whole"},
      {"a new page", 0, true, "whole"},
  };
  for (const Case& c : cases) {
    const nlohmann::json answer = v.answer(c.pageRevision, c.drawsGeometry ? &geometry : nullptr);
    const std::string kind = answer.is_null() ? "null" : answer.contains("base") ? "changes" : "whole";
    EXPECT_EQ(kind, c.expected) << c.what;
  }
  // A gradient fill: the drawing is no longer plain, and a page with a
  // geometry picture gets the whole drawing as SVG; one with SVG, the changes.
  AIPathStyle style = v.doc().content(path).style;
  style.fill.color.kind = kGradient;
  v.doc().setPathStyle(path, style);
  v.view.look(v.doc());
  const nlohmann::json answer = v.answer(second, &geometry);
  EXPECT_TRUE(answer.contains("svg") && !answer.contains("base"));
  EXPECT_TRUE(v.answer(second, nullptr).contains("base"));
}

}  // namespace
