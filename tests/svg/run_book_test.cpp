// The run book checks a file's records against its tree before anything is
// deleted: marks that contradict the records (on a layer holding the run's
// own source, on a run's own source, in a loop of sources, on the contours
// of a run that deleted its sources without keeping copies of them all)
// leave the art, with one warning naming it, while well-formed chains of
// contours of contours still go whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "easel/svg/RunBook.h"
#include "easel/svg/SvgExport.h"
#include "easel/svg/SvgImport.h"

namespace {

using namespace easel;

std::string drawing(const std::string& art, const std::string& records) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:contour=\"urn:contour:easel\" "
         "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" width=\"100\" height=\"100\">" +
         art + "<metadata contour:role=\"runs\">" + records + "</metadata></svg>";
}

std::string record(const std::string& id, const std::string& sources, const std::string& params = "") {
  return "<contour:run id=\"" + id + "\" version=\"1.0.0\" sources=\"" + sources + "\"><contour:params " + params +
         "/></contour:run>";
}

std::string square(const std::string& id, const std::string& mark = "") {
  return "<path id=\"" + id + "\" d=\"M1 1H9V9Z\" " + mark + "/>";
}

std::string mark(const std::string& run, const std::string& source) {
  return "contour:run=\"" + run + "\" contour:source=\"" + source + "\"";
}

struct Stripped {
  std::string svg, warnings;
  bool leftUnread;
};

// `contour strip` on the text, in memory; `leaveContours`: with the reader
// leaving out the contours that should go.
Stripped strip(const std::string& text, bool leaveContours = false) {
  svg::ImportedSvg in =
      svg::importSvg(text, "d.svg", Document::kDefaultMemoryBudget, {.leaveRunContours = leaveContours});
  std::ostringstream warnings;
  svg::RunBook book(
      *in.document, *in.source, "d.svg", "99.0.0", [](const svg::NamedValues&) { return ""; }, warnings);
  book.removeContours(*in.document, true);
  const svg::RunEdits edits = book.finish(*in.document, nullptr, std::nullopt, 0);
  return {svg::exportSvg(*in.document, in.source.get(), {.runs = &edits}), warnings.str(), book.leftUnread()};
}

bool has(const std::string& svg, const std::string& id) { return svg.find("id=\"" + id + "\"") != std::string::npos; }

TEST(RunBookTest, ContradictoryMarksLeaveTheArtWithOneWarning) {
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> kept, gone;
    std::string warning;
    bool readAgain = false;  // a contour left unread was to stay
  };
  const std::string run1 = record("contour-run-1", "sq");
  const Case cases[] = {
      {"a mark on a layer that holds the run's own source",
       drawing("<g id=\"layer1\" inkscape:groupmode=\"layer\" " + mark("contour-run-1", "sq") + ">" + square("sq") +
                   square("other") + square("sq-1", mark("contour-run-1", "sq")) + "</g>",
               run1),
       {"layer1", "sq", "other"},
       {"sq-1"},
       "run element 'contour-run-1': the element 'layer1' carries its mark but holds other art"},
      {"a mark on the run's own source",
       drawing(square("sq", mark("contour-run-1", "sq")) + square("sq-1", mark("contour-run-1", "sq")), run1),
       {"sq"},
       {"sq-1"},
       "the element 'sq' carries its mark but is one of the run's own sources",
       true},
      {"sources that form a loop",
       drawing(square("user") + square("a", mark("contour-run-1", "b")) + square("b", mark("contour-run-1", "a")),
               record("contour-run-1", "user")),
       {"user", "a", "b"},
       {},
       "carry its mark but are made from contours made from them in turn",
       true},
      {"a run that deleted its sources, from a file that keeps no copy",
       drawing(square("sq", mark("contour-run-1", "sq")) + square("sq-1", mark("contour-run-1", "sq")),
               record("contour-run-1", "sq", "pathDelete=\"1\"")),
       {"sq", "sq-1"},
       {},
       "it deleted its sources (pathDelete), and the file keeps no copy of them to give back",
       true},
      {"a run that deleted its sources and keeps a copy of only one",
       drawing("<contour:place run=\"contour-run-1\" n=\"0\"/>" + square("sq", mark("contour-run-1", "sq")) +
                   square("b", mark("contour-run-1", "b")),
               "<contour:run id=\"contour-run-1\" version=\"1.0.0\" sources=\"sq b\"><contour:params "
               "pathDelete=\"1\"/><contour:kept n=\"0\">" +
                   square("sq") + "</contour:kept></contour:run>"),
       {"sq", "b"},
       {},
       "it deleted its sources (pathDelete), and the file keeps no copy of them to give back"},
      {"a chain of contours of contours goes whole",
       drawing(square("sq") + square("c1", mark("contour-run-1", "sq")) + square("c2", mark("contour-run-2", "c1")) +
                   square("c3", mark("contour-run-3", "c2")),
               run1 + record("contour-run-2", "c1") + record("contour-run-3", "c2")),
       {"sq"},
       {"c1", "c2", "c3"},
       ""},
      {"a chain from art without an id goes whole",
       drawing("<path d=\"M1 1H9V9Z\"/>" + square("c1", mark("contour-run-1", "")) +
                   square("c2", mark("contour-run-2", "c1")),
               record("contour-run-1", "") + record("contour-run-2", "c1")),
       {},
       {"c1", "c2"},
       ""},
  };
  for (const Case& c : cases) {
    const Stripped out = strip(c.file);
    for (const std::string& id : c.kept) EXPECT_TRUE(has(out.svg, id)) << c.what << ": " << id << "\n" << out.svg;
    for (const std::string& id : c.gone) EXPECT_FALSE(has(out.svg, id)) << c.what << ": " << id << "\n" << out.svg;
    if (c.warning.empty()) {
      EXPECT_EQ(out.warnings, "") << c.what;
    } else {
      EXPECT_NE(out.warnings.find(c.warning), std::string::npos) << c.what << ":\n" << out.warnings;
      EXPECT_EQ(std::count(out.warnings.begin(), out.warnings.end(), '\n'), 1) << c.what << ":\n" << out.warnings;
    }
    // Read without the contours that go: the same, unless one of them was to stay.
    const Stripped unread = strip(c.file, true);
    EXPECT_EQ(unread.leftUnread, c.readAgain) << c.what;
    if (!unread.leftUnread) {
      EXPECT_EQ(unread.svg + unread.warnings, out.svg + out.warnings) << c.what;
    }
  }
}

// Bad input at scale: a record naming 20,000 sources that are not there, and
// contours naming them, in a chain 20,000 long. One warning, and nothing goes.
TEST(RunBookTest, ARecordOfManyMissingSourcesIsOneWarning) {
  std::string art = square("sq"), sources = "sq";
  for (int i = 0; i < 20000; ++i) {
    const std::string id = "gone" + std::to_string(i);
    art += square("c" + std::to_string(i), mark("contour-run-1", i ? "c" + std::to_string(i - 1) : "sq"));
    sources += " " + id;
  }
  const Stripped out = strip(drawing(art, record("contour-run-1", sources)));
  EXPECT_EQ(out.warnings,
            "contour: warning: d.svg: run element 'contour-run-1': the sources gone0, gone1, gone2 and 19997 "
            "more it names are gone; its contours are left alone\n");
  EXPECT_TRUE(has(out.svg, "c0") && has(out.svg, "c19999"));
}

// Long chains at scale: 20,000 contours each made from the one before go
// whole from the art they start at, and the same closed into a loop stay,
// with one warning.
TEST(RunBookTest, LongChainsGoWholeAndLongLoopsStayWithOneWarning) {
  constexpr int kLength = 20000;
  for (const bool loop : {false, true}) {
    std::string art = square("user");
    for (int i = 0; i < kLength; ++i) {
      const std::string from = i ? "c" + std::to_string(i - 1) : loop ? "c" + std::to_string(kLength - 1) : "user";
      art += square("c" + std::to_string(i), mark("contour-run-1", from));
    }
    const Stripped out = strip(drawing(art, record("contour-run-1", "user")));
    EXPECT_TRUE(has(out.svg, "user"));
    EXPECT_EQ(has(out.svg, "c0") && has(out.svg, "c19999"), loop) << "loop " << loop;
    EXPECT_EQ(std::count(out.warnings.begin(), out.warnings.end(), '\n'), loop ? 1 : 0) << out.warnings;
    const std::string loopWarning = "and 19997 more carry its mark but are made from contours made from them in turn";
    EXPECT_EQ(out.warnings.find(loopWarning) != std::string::npos, loop) << out.warnings;
    const Stripped unread = strip(drawing(art, record("contour-run-1", "user")), true);
    EXPECT_EQ(unread.leftUnread, loop);
    if (!loop) {
      EXPECT_EQ(unread.svg, out.svg);
    }
  }
}

}  // namespace
