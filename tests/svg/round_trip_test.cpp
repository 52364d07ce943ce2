// Real drawings through `contour` and back, byte for byte: a run that makes
// nothing gives back the input, and so does `apply` then `strip`, also of a
// run that deleted its sources. Every SVG
// of the test fixtures and the examples, and of Inkscape's examples when
// Inkscape is installed (the compressed ones inflated first).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/RunCommand.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

struct Drawing {
  std::string name;  // for the test's name
  fs::path path;
  bool compressed = false;
};

std::vector<Drawing> drawings() {
  std::vector<Drawing> out;
  const auto add = [&](const fs::path& folder, const std::string& family) {
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder, ec)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& p : files) {
      const std::string ext = p.extension().string();
      if (ext == ".svg" || ext == ".svgz") out.push_back({family + "_" + p.stem().string(), p, ext == ".svgz"});
    }
  };
  add(CONTOUR_SVG_FIXTURES, "fixture");
  add(CONTOUR_EXAMPLES, "example");
  add("/usr/share/inkscape/examples", "inkscape");
  return out;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A failure names the drawing, not its bytes.
void PrintTo(const Drawing& d, std::ostream* out) { *out << d.path; }

class RoundTrip : public ::testing::TestWithParam<Drawing>, protected contour_test::ScratchFolder {
 protected:
  RoundTrip() : ScratchFolder("contour-round-trip-test-") {}

  // `contour ARGS`: true when it succeeded.
  bool contour(const std::string& args) {
    const std::string line = "'" CONTOUR_EXE "' " + args + " 2>'" + path("err.txt") + "'";
    const int status = std::system(line.c_str());
    return contour_test::exitStatus(status) == 0;
  }
  std::string quoted(const std::string& name) const { return "'" + path(name) + "'"; }
};

TEST_P(RoundTrip, NothingChangedAndApplyThenStripGiveTheInputBack) {
  const Drawing& d = GetParam();
  std::string input = d.path.string();
  if (d.compressed) {
    input = path("in.svg");
    ASSERT_EQ(std::system(("gzip -dc '" + d.path.string() + "' > '" + input + "'").c_str()), 0);
  }
  const std::string original = readFile(input);
  ASSERT_TRUE(contour("strip '" + input + "' -o " + quoted("same.svg"))) << read("err.txt");
  EXPECT_TRUE(read("same.svg") == original) << "a run that makes nothing changed " << d.path;
  // One contour of everything: the run adds to every container; deleting
  // its sources, it leaves a placeholder for each and copies in its record.
  for (const char* deletes : {"0", "1"}) {
    ASSERT_TRUE(contour("apply '" + input + "' -o " + quoted("applied.svg") +
                        " --seed 1 -q --set contourCount=1 --set pathDelete=" + deletes))
        << read("err.txt");
    ASSERT_TRUE(contour("strip " + quoted("applied.svg") + " -o " + quoted("stripped.svg"))) << read("err.txt");
    EXPECT_TRUE(read("stripped.svg") == original)
        << "apply then strip changed " << d.path << ", pathDelete " << deletes;
  }
}

INSTANTIATE_TEST_SUITE_P(Drawings, RoundTrip, ::testing::ValuesIn(drawings()),
                         [](const ::testing::TestParamInfo<Drawing>& i) {
                           std::string name = i.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
