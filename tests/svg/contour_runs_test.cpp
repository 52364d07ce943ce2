// Re-editable contours through `contour apply` and `contour strip`: the
// source keeps its id, contours name their run, and recorded runs can be
// replaced, repeated byte for byte and stripped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "tests/support/RunCommand.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

// One unit is one point, so the square's corners are exact floats: a copy
// with the source's shape is exactly the source's geometry. The file
// already uses our namespace for an attribute the easel does not know.
const std::string kDrawing =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:contour=\"urn:contour:easel\" width=\"200pt\" "
    "height=\"200pt\" viewBox=\"0 0 200 200\" contour:note=\"root\">\n"
    "  <path id=\"sq\" d=\"M 20 20 L 180 20 L 180 180 L 20 180 Z\" fill=\"#3366cc\" contour:note=\"mine\"/>\n"
    "</svg>\n";

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class ContourRuns : public ::testing::Test, protected contour_test::ScratchFolder {
 protected:
  ContourRuns() : ScratchFolder("contour-runs-test-") {}
  void SetUp() override { write("in.svg", kDrawing); }

  // `contour COMMAND IN -o OUT ARGS`; standard error in err_.
  void contour(const std::string& command, const std::string& in, const std::string& out,
               const std::string& args = "") {
    const std::string line = "'" CONTOUR_EXE "' " + command + " '" + path(in) + "' -o '" + path(out) + "' " + args +
                             " 2>'" + path("err.txt") + "'";
    const int status = std::system(line.c_str());
    err_ = read("err.txt");
    ASSERT_TRUE(contour_test::exitStatus(status) == 0) << line << "\n" << err_;
  }
  void apply(const std::string& in, const std::string& out, const std::string& args) {
    contour("apply", in, out, args);
  }

  std::string err_;
};

const char* kFirst = "--seed 3 --set contourCount=2";
const char* kSecond = "--seed 5 --set contourCount=1 --set rotation=30";

TEST_F(ContourRuns, TheSourceKeepsItsIdBelowCopiesOfItsOwnShape) {
  // Contours 0 and 5 of " Five By Five" are the square itself. (A full turn
  // of rotation is not: the engine's single-precision sine of 2 pi moves it.)
  for (const char* args :
       {"--set scaleH=0 --set pointsContourMode=6 --set pointsContourAmount=10 --set contourCount=6"}) {
    apply("in.svg", "out.svg", std::string("--seed 1 ") + args);
    const std::string out = read("out.svg");
    // The source's element is written as it was, first (at the bottom).
    const std::size_t source = out.find("<path id=\"sq\" d=\"M 20 20 L 180 20 L 180 180 L 20 180 Z\"");
    EXPECT_NE(source, std::string::npos) << args << "\n" << out;
    EXPECT_LT(source, out.find("contour:source=\"sq\"")) << args;
    // ... and a contour has exactly its shape (written with the same path data), so that the test means something.
    EXPECT_GE(count(out, "d=\"M 20 20 L 180 20 L 180 180 L 20 180 Z\""), 2u) << args;
  }
}

TEST_F(ContourRuns, RunsAreReplacedRepeatedAndStrippedWhole) {
  apply("in.svg", "once.svg", kFirst);
  const std::string once = read("once.svg");
  EXPECT_EQ(count(once, "contour:run=\"contour-run-1\""), 3u);
  EXPECT_EQ(count(once, "contour:source=\"sq\" contour:index=\"2\""), 1u);
  // The record, at the end of the root, indented as the file's children are.
  EXPECT_NE(once.find("\n  <metadata contour:role=\"runs\">\n    <contour:run id=\"contour-run-1\" version=\""),
            std::string::npos);
  EXPECT_NE(once.find(" seed=\"3\" "), std::string::npos);
  EXPECT_NE(once.find(" sources=\"sq\">\n      <contour:params previewOn="), std::string::npos);
  EXPECT_NE(once.find("/>\n    </contour:run>\n  </metadata>\n</svg>\n"), std::string::npos);
  EXPECT_EQ(count(once, "contour:note="), 5u);  // the root, the source and its three contours
  // Replacing the run equals applying the other settings at once; --replace
  // on a drawing without runs simply applies.
  apply("once.svg", "replaced.svg", std::string("--replace ") + kSecond);
  apply("in.svg", "direct.svg", std::string("--replace ") + kSecond);
  EXPECT_EQ(read("replaced.svg"), read("direct.svg"));
  // --again repeats the recorded run byte for byte.
  apply("once.svg", "again.svg", "--again");
  EXPECT_EQ(read("again.svg"), once);
  // Strip after one run, and after a run stacked on it (contours of contours).
  apply("once.svg", "twice.svg", std::string("--include-contours ") + kSecond);
  for (const char* file : {"once.svg", "twice.svg"}) {
    contour("strip", file, "stripped.svg");
    EXPECT_EQ(read("stripped.svg"), kDrawing) << file;
  }
}

// A run that deletes its sources keeps a copy of each in its record and a
// placeholder where it was: strip gives the drawing back byte for byte,
// --again makes the same file again, --replace starts from the true source.
TEST_F(ContourRuns, ARunThatDeletesItsSourcesCanBeStrippedRepeatedAndReplaced) {
  const std::string layered =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
      "width=\"200pt\" height=\"200pt\" viewBox=\"0 0 200 200\">\n"
      "  <g id=\"layer1\" inkscape:groupmode=\"layer\">\n"
      "    <!-- before the square -->\n"
      "    <path id=\"sq\" d=\"M 20 20 L 180 20 L 180 180 L 20 180 Z\" fill=\"#3366cc\"/>\n"
      "    <g id=\"grp\" transform=\"translate(5 5)\">\n"
      "      <rect id=\"r\" x=\"30\" y=\"30\" width=\"40\" height=\"40\"/>\n"
      "    </g>\n"
      "  </g>\n"
      "  <circle cx=\"100\" cy=\"100\" r=\"20\"/>\n"
      "</svg>\n";
  struct Case {
    std::string drawing, select;
    std::size_t places;
  };
  const Case cases[] = {{kDrawing, "sq", 1}, {layered, "all", 3}};
  const std::string deletes = " --set pathDelete=1 --select ";
  for (const Case& c : cases) {
    write("in.svg", c.drawing);
    apply("in.svg", "once.svg", kFirst + deletes + c.select);
    const std::string once = read("once.svg");
    EXPECT_EQ(count(once, "<contour:place run=\"contour-run-1\""), c.places) << once;
    EXPECT_EQ(count(once, "<contour:kept n="), c.places) << once;
    EXPECT_EQ(err_.find("warning"), std::string::npos) << err_;
    contour("strip", "once.svg", "stripped.svg");
    EXPECT_EQ(read("stripped.svg"), c.drawing) << err_;
    EXPECT_EQ(err_, "");
    // Twice again is once, and the selected contour that took the source's id stands for it.
    apply("once.svg", "again.svg", "--again --select " + std::string(c.select == "all" ? "all" : "sq"));
    EXPECT_EQ(read("again.svg"), once) << err_;
    apply("again.svg", "again2.svg", "--again");
    EXPECT_EQ(read("again2.svg"), once) << err_;
    apply("once.svg", "replaced.svg", std::string("--replace ") + kSecond + deletes + c.select);
    apply("in.svg", "direct.svg", kSecond + deletes + c.select);
    EXPECT_EQ(read("replaced.svg"), read("direct.svg"));
    apply("once.svg", "kept.svg", std::string("--replace ") + kSecond + " --select " + c.select);
    apply("in.svg", "direct.svg", kSecond + std::string(" --select ") + c.select);
    EXPECT_EQ(read("kept.svg"), read("direct.svg"));
  }
}

// --again of the later of two runs on different objects leaves the earlier
// run's contours as they are.
TEST_F(ContourRuns, AgainKeepsTheContoursOfOtherRuns) {
  write("two.svg",
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200pt\" height=\"200pt\" viewBox=\"0 0 200 200\">\n"
        "  <path id=\"a\" d=\"M 20 20 L 80 20 L 80 80 Z\"/>\n"
        "  <path id=\"b\" d=\"M 120 120 L 180 120 L 180 180 Z\"/>\n"
        "</svg>\n");
  apply("two.svg", "first.svg", kFirst + std::string(" --select a"));
  apply("first.svg", "both.svg", kSecond + std::string(" --select b"));
  apply("both.svg", "again.svg", "--again");
  EXPECT_EQ(read("again.svg"), read("both.svg")) << err_;
}

TEST_F(ContourRuns, ContoursOfAnEarlierRunAreLeftOutOnceSaidOrStandForTheirRun) {
  apply("in.svg", "once.svg", kFirst);
  // Select All takes the source and its three contours: the contours are left out, with one warning.
  apply("once.svg", "twice.svg", kSecond);
  EXPECT_EQ(count(err_, "warning"), 1u) << err_;
  EXPECT_NE(err_.find("once.svg: 3 selected objects are contours of contour-run-1: --replace redoes that run, "
                      "--include-contours contours them anyway\n"),
            std::string::npos)
      << err_;
  EXPECT_NE(err_.find(": 1 object, 2 contours made"), std::string::npos) << err_;
  apply("once.svg", "all.svg", std::string("--include-contours ") + kSecond);
  EXPECT_EQ(err_.find("warning"), std::string::npos) << err_;
  EXPECT_NE(err_.find(": 4 objects, 8 contours made"), std::string::npos) << err_;
  // --replace with a contour selected replaces the run it belongs to.
  apply("once.svg", "replaced.svg", std::string("--replace --select sq-2 ") + kSecond);
  apply("in.svg", "direct.svg", kSecond);
  EXPECT_EQ(read("replaced.svg"), read("direct.svg"));
}

TEST_F(ContourRuns, ARandomRunWithoutASeedTellsAndRecordsIt) {
  apply("in.svg", "random.svg", "--set pathCreate=1");
  std::smatch told;
  ASSERT_TRUE(std::regex_search(err_, told, std::regex("seed ([0-9]+)\n"))) << err_;
  EXPECT_NE(read("random.svg").find("seed=\"" + told[1].str() + "\""), std::string::npos);
  apply("random.svg", "again.svg", "--again");
  EXPECT_EQ(read("again.svg"), read("random.svg"));
}

TEST_F(ContourRuns, UnusableRecordsAreNamedAndTheirContoursKept) {
  apply("in.svg", "once.svg", kFirst);
  const std::string once = read("once.svg");
  const std::string record = "<contour:run id=\"contour-run-1\"";
  struct Damage {
    std::string from, to, warning;
  };
  const Damage cases[] = {
      {"seed=\"3\"", "seed=\"three\"", "its seed 'three' is not a number"},
      {"version=\"", "version=\"999.", "newer than this one"},
      {"contourCount=\"2\"", "contourCount=\"many\"", "its parameter record does not read"},
      {"sources=\"sq\"", "sources=\"sq gone\"", "the sources gone it names are gone"},
      {record, "<contour:run id=\"contour-run-9\"", "contours name it, but the file does not record it"},
  };
  for (const Damage& c : cases) {
    std::string damaged = once;
    damaged.replace(damaged.find(c.from), c.from.size(), c.to);
    write("damaged.svg", damaged);
    contour("strip", "damaged.svg", "stripped.svg");
    EXPECT_NE(err_.find("warning: " + path("damaged.svg") + ": run element 'contour-run-1': "), std::string::npos);
    EXPECT_NE(err_.find(c.warning), std::string::npos) << err_;
    EXPECT_EQ(count(read("stripped.svg"), "contour:run=\"contour-run-1\""), 3u) << c.to;
  }
}

// Our names go by our namespace's URI, never by the prefix: a drawing may
// give `contour` to another namespace, on the root or inside; that
// namespace's contour:run is no contour of ours, and ours gets a prefix of
// its own, declared once on the root.
TEST_F(ContourRuns, OurNamespaceWhereverThePrefixIsTaken) {
  const std::string square =
      "d=\"M 20 20 L 180 20 L 180 180 L 20 180 Z\" fill=\"#3366cc\" contour:run=\"contour-run-1\"";
  const std::string open = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200pt\" height=\"200pt\" ";
  const std::string cases[] = {
      // The root binds the prefix to another namespace.
      open + "xmlns:contour=\"urn:other\">\n  <path id=\"sq\" " + square + "/>\n</svg>\n",
      // The root binds it to ours, and a group to another.
      open +
          "xmlns:contour=\"urn:contour:easel\" contour:note=\"root\">\n  <g id=\"g\" xmlns:contour=\"urn:other\">\n"
          "    <path id=\"sq\" " +
          square + "/>\n  </g>\n</svg>\n",
  };
  for (const std::string& drawing : cases) {
    write("taken.svg", drawing);
    apply("taken.svg", "once.svg", kFirst);
    const std::string once = read("once.svg");
    EXPECT_EQ(err_.find("does not record it"), std::string::npos) << err_;
    EXPECT_EQ(count(once, "xmlns:contour="), count(drawing, "xmlns:contour=")) << once;
    EXPECT_EQ(count(once, "xmlns:contour1=\"urn:contour:easel\""), 1u) << once;
    EXPECT_EQ(count(once, "contour1:run=\"contour-run-1\""), 3u) << once;
    EXPECT_NE(once.find("<metadata contour1:role=\"runs\">"), std::string::npos) << once;
    // The source's own contour:run of the other namespace stays, the contours go.
    contour("strip", "once.svg", "stripped.svg");
    EXPECT_EQ(read("stripped.svg"), drawing);
  }
}

TEST_F(ContourRuns, TheMarksAndRecordsRenderNothing) {
  if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "rsvg-convert is missing";
  // A run that deletes its sources also leaves placeholders and the copies in its record.
  for (const std::string& args : {std::string(kFirst), kFirst + std::string(" --set pathDelete=1")}) {
    apply("in.svg", "once.svg", args);
    // The same file without what the runs added.
    std::string plain = std::regex_replace(
        read("once.svg"), std::regex(" contour:(source|index|run)=\"[^\"]*\"|<contour:place [^>]*/>"), "");
    plain = std::regex_replace(plain, std::regex("<metadata contour:role=\"runs\">[^]*</metadata>"), "");
    ASSERT_EQ(plain.find("contour:run"), std::string::npos);
    ASSERT_EQ(plain.find("contour:place"), std::string::npos);
    write("plain.svg", plain);
    const std::string line = std::string(CONTOUR_PYTHON3) +
                             " '" CONTOUR_COMPARE_RENDERS "' --pixel-threshold 0 --max-share 0 '" + path("plain.svg") +
                             "' '" + path("once.svg") + "'";
    EXPECT_EQ(std::system(line.c_str()), 0) << args;
  }
}

}  // namespace
