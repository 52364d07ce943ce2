// `contour apply` as a user runs it: the exit status, the one-line message,
// and the output file, which a failed run neither makes nor touches.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "tests/support/RunCommand.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string err;
};

class ApplyCommand : public ::testing::Test, protected contour_test::ScratchFolder {
 protected:
  ApplyCommand() : ScratchFolder("contour-apply-test-") {}

  // Runs contour with the arguments (already quoted); standard error is kept.
  Outcome contour(const std::string& arguments) const {
    const std::string errFile = path("stderr.txt");
    const std::string command = "'" CONTOUR_EXE "' apply " + arguments + " 2>'" + errFile + "'";
    Outcome r;
    const int status = std::system(command.c_str());
    r.status = contour_test::exitStatus(status);
    r.err = read("stderr.txt");
    return r;
  }
  // A failed run: non-zero, one line that starts with what it names, and
  // the output as it was before.
  void expectFailure(const std::string& arguments, const std::string& messageStart) {
    write("out.svg", "untouched");
    const Outcome r = contour(arguments + " -o '" + path("out.svg") + "'");
    EXPECT_NE(r.status, 0) << arguments;
    EXPECT_EQ(r.err.rfind("contour: " + messageStart, 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(read("out.svg"), "untouched");
    // Nothing else beside it (no temporary file left).
    std::size_t files = 0;
    for (const auto& e : fs::directory_iterator(folder())) files += e.is_regular_file();
    EXPECT_EQ(files, 2u + extraFiles_);
  }

  std::size_t extraFiles_ = 1;  // the input
};

const char* kOpen = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">\n";

TEST_F(ApplyCommand, BadInputLeavesTheOutputAlone) {
  write("in.svg", std::string(kOpen) + "<path d=\"M0 0\" d=\"M1 1\"/></svg>");
  expectFailure("'" + path("in.svg") + "'", path("in.svg") + ":2:16: not an SVG file: the attribute d is given twice");
  write("in.svg", "");
  expectFailure("'" + path("in.svg") + "'", path("in.svg") + ": empty file");
  write("in.svg", "<html/>");
  expectFailure("'" + path("in.svg") + "'", path("in.svg") + ":1:1: not an SVG file");
  write("in.svg", "<!DOCTYPE svg [<!ENTITY x SYSTEM \"/etc/hostname\">]>\n" + std::string(kOpen) +
                      "<path id=\"&x;\" d=\"M0 0 L1 1\"/></svg>");
  expectFailure("'" + path("in.svg") + "'",
                path("in.svg") + ":3:11: the entity &x; names a file (\"/etc/hostname\"), which is never read");
}

// What the reader passed over is said on standard error, --quiet or not,
// before the run's summary; the drawing is read and written all the same.
TEST_F(ApplyCommand, WarningsComeBeforeTheSummary) {
  write("in.svg", std::string(kOpen) + "<path d=\"M0 0 L9 9 L1\" stroke=\"red\" stroke-linecap=\"miter\"/></svg>");
  const std::string warnings = "contour: warning: " + path("in.svg") +
                               ":2:22: ignored d from here on (expected number)\ncontour: warning: " + path("in.svg") +
                               ":2:53: ignored stroke-linecap \"miter\" (not a line cap)\n";
  const Outcome quiet = contour("'" + path("in.svg") + "' --no-dialog -q -o '" + path("out.svg") + "'");
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.err, warnings);
  const Outcome said = contour("'" + path("in.svg") + "' --no-dialog -o '" + path("out.svg") + "'");
  EXPECT_EQ(said.status, 0);
  EXPECT_EQ(said.err.substr(0, warnings.size()), warnings);
  EXPECT_EQ(std::count(said.err.begin(), said.err.end(), '\n'), 3) << said.err;
  EXPECT_NE(read("out.svg").find("<path"), std::string::npos);
}

// A compressed drawing is read by its bytes; the result is compressed when
// its name ends in .svgz, and written to a temporary file renamed into place.
TEST_F(ApplyCommand, CompressedDrawingsInAndOut) {
  const std::string plain = std::string(kOpen) + "<path id=\"p\" d=\"M0 0 L9 9 L0 9 Z\"/></svg>";
  ASSERT_EQ(std::system(("printf '%s' '" + plain + "' | gzip -c > '" + path("in.svg") + "'").c_str()), 0);
  const Outcome r = contour("'" + path("in.svg") + "' --no-dialog -q -o '" + path("out.svgz") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(read("out.svgz").substr(0, 2), "\x1f\x8b");
  ASSERT_EQ(std::system(("gzip -dc < '" + path("out.svgz") + "' > '" + path("out.svg") + "'").c_str()), 0);
  const std::string result = read("out.svg");
  EXPECT_NE(result.find("id=\"p-1\""), std::string::npos) << result;
  // Whole, and ending as the input does (without a line break).
  EXPECT_TRUE(result.ends_with("</svg>")) << result;
}

TEST_F(ApplyCommand, ASelectionOfAnIdThatIsNotThere) {
  write("in.svg", std::string(kOpen) + "<path id=\"star\" d=\"M0 0 L10 10\"/></svg>");
  expectFailure("'" + path("in.svg") + "' --select star,comet", path("in.svg") + ": no art with the id 'comet'");
}

TEST_F(ApplyCommand, AMissingInputFile) {
  extraFiles_ = 0;
  expectFailure("'" + path("nowhere.svg") + "'", path("nowhere.svg") + ": cannot open the file");
}

TEST_F(ApplyCommand, ACancelledDialogWritesNoneOfTheFiles) {
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"M10 10 L20 20\" stroke=\"red\"/></svg>");
  write("cancel.json", "[{\"end\": 2}]");
  extraFiles_ = 2;  // the input and the script
  expectFailure("'" + path("in.svg") + "' --dialog-script '" + path("cancel.json") + "' --dialog-state '" +
                    path("state.json") + "' --save-params '" + path("params.json") + "'",
                "the settings dialog was cancelled; nothing was written");
  EXPECT_FALSE(fs::exists(path("state.json")));
  EXPECT_FALSE(fs::exists(path("params.json")));
}

TEST_F(ApplyCommand, APlugInThatCannotBeLoadedIsNamedOnce) {
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"M10 10 L20 20\"/></svg>");
  expectFailure("'" + path("in.svg") + "' --plugin '" + path("missing.so") + "'",
                path("missing.so") + ": cannot open the file: No such file or directory\n");
  write("text.so", "not a library");
  extraFiles_ = 2;  // the input and the fake module
  expectFailure("'" + path("in.svg") + "' --plugin '" + path("text.so") + "'", path("text.so") + ": not an ELF file");
}

TEST_F(ApplyCommand, ARunBeyondTheMemoryBudgetWritesNothing) {
  // 201 copies of 5000 points each: several times the 2 MB.
  std::string d = "M10 10";
  for (int i = 0; i < 5000; ++i) d += " L" + std::to_string(10 + i % 80) + " " + std::to_string(10 + i % 70);
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"" + d + "\"/></svg>");
  write("params.json", "{\"contourCount\": 200}");
  extraFiles_ = 2;  // the input and the record
  expectFailure("'" + path("in.svg") + "' --no-dialog --params '" + path("params.json") + "' --memory-budget 2",
                path("in.svg") + ": the contours need more than the memory budget of 2 MB");
}

// Swatch number 2, the first a plug-in may use, is the palette's first colour.
TEST_F(ApplyCommand, APaletteComesRightAfterTheTwoFixedSwatches) {
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"M10 10 L90 10 L50 90 Z\" fill=\"#000000\"/></svg>");
  write("p.gpl", "GIMP Palette\n255 0 0 Red\n0 0 255 Blue\n");
  // " To swatch" (fill mode 6) toward swatch 2 over S = 2 steps: the second
  // contour, the top one, is black + (1 - 0)·2/2 = the swatch's red.
  const Outcome r = contour("'" + path("in.svg") + "' -o '" + path("out.svg") + "' --seed 1 --swatches '" +
                            path("p.gpl") + "' --set fillColorMode=6 --set fillSwatchIndex=2 --set contourCount=1");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string out = read("out.svg");
  const std::size_t top = out.find("id=\"p-1\"");
  ASSERT_NE(top, std::string::npos) << out;
  const std::string element = out.substr(top, out.find("/>", top) - top);
  EXPECT_NE(element.find("fill:#ff0000"), std::string::npos) << out;
}

TEST_F(ApplyCommand, AppliesAndWritesContoursWithDerivedIds) {
  write("in.svg", std::string(kOpen) +
                      "<path id=\"star\" d=\"M50 10 L60 40 L90 40 L65 60 L75 90 L50 70 Z\" "
                      "fill=\"#ffcc00\" stroke=\"#000\"/></svg>");
  const Outcome r = contour("'" + path("in.svg") + "' -o '" + path("out.svg") + "' --seed 7 --select star --quiet");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // --quiet: no summary
  const std::string out = read("out.svg");
  EXPECT_NE(out.find("id=\"star\""), std::string::npos);
  EXPECT_NE(out.find("id=\"star-1\""), std::string::npos) << out;
}

TEST_F(ApplyCommand, StandardInputAndOutput) {
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"M10 10 L20 20\" stroke=\"red\"/></svg>");
  const Outcome r = contour("- -o - --seed 1 < '" + path("in.svg") + "' > '" + path("out.svg") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(read("out.svg").rfind("<svg", 0), 0u);
}

// Inputs are read with a limit: a regular file is measured first, a stream
// (here /dev/zero, only ever read) stops at the limit.
TEST_F(ApplyCommand, InputsAreReadWithinALimit) {
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"M10 10 L20 20\"/></svg>");
  write("big.json", "");
  fs::resize_file(path("big.json"), (std::size_t{16} << 20) + 1);
  write("big.so", "");
  fs::resize_file(path("big.so"), (std::size_t{256} << 20) + 1);
  const std::string in = "'" + path("in.svg") + "'";
  const struct {
    std::string arguments, message;
  } cases[] = {
      {"/dev/zero --memory-budget 1", "/dev/zero: larger than the limit of 1 MB"},
      {in + " --params /dev/zero", "/dev/zero: larger than the limit of 16 MB"},
      {in + " --params '" + path("big.json") + "'", path("big.json") + ": larger than the limit of 16 MB"},
      {in + " --dialog-script /dev/zero", "/dev/zero: larger than the limit of 16 MB"},
      {in + " --swatches /dev/zero", "/dev/zero: larger than the limit of 16 MB"},
      {in + " --plugin '" + path("big.so") + "'", path("big.so") + ": larger than the limit of 256 MB"},
  };
  extraFiles_ = 3;  // the input and the two large files
  for (const auto& c : cases) expectFailure(c.arguments, c.message);
}

// Outputs that are not plain files of ours: a read-only file and the files
// the run reads (by device and inode: a hard link is the same file) are
// refused before the run and left as they were.
TEST_F(ApplyCommand, OutputsThatMustNotBeReplacedAreRefused) {
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"M10 10 L20 20\"/></svg>");
  fs::create_hard_link(path("in.svg"), path("alias.svg"));
  write("locked.json", "locked");
  fs::permissions(path("locked.json"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const std::string in = "'" + path("in.svg") + "' --seed 1";
  const struct {
    std::string arguments, message;
  } cases[] = {
      {in + " --save-params '" + path("locked.json") + "'", path("locked.json") + ": the file is read-only"},
      {in + " --trace '" + path("alias.svg") + "'", path("alias.svg") + ": is the same file as " + path("in.svg")},
      {in + " --save-params '" + path("in.svg") + "'", path("in.svg") + ": is the same file as " + path("in.svg")},
  };
  extraFiles_ = 3;  // the input, its second name and the read-only record
  const std::string before = read("in.svg");
  for (const auto& c : cases) expectFailure(c.arguments, c.message);
  EXPECT_EQ(read("in.svg"), before);
  EXPECT_EQ(read("locked.json"), "locked");
}

// A link stays a link (its target is replaced), a file keeps its mode, and a
// FIFO is written into, not replaced.
TEST_F(ApplyCommand, OutputsKeepTheirLinksModesAndKinds) {
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"M10 10 L20 20\"/></svg>");
  write("real.svg", "old");
  fs::permissions(path("real.svg"), fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(path("real.svg"), path("link.svg"));
  Outcome r = contour("'" + path("in.svg") + "' --seed 1 -o '" + path("link.svg") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(path("link.svg")));
  EXPECT_EQ(read("real.svg").rfind("<svg", 0), 0u);
  EXPECT_EQ(fs::status(path("real.svg")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
  const std::string command = "cat '" + path("pipe") + "' > '" + path("got.svg") + "' & '" CONTOUR_EXE "' apply '" +
                              path("in.svg") + "' --seed 1 -o '" + path("pipe") + "'; wait";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_TRUE(fs::is_fifo(path("pipe")));
  EXPECT_EQ(read("got.svg").rfind("<svg", 0), 0u);
}

// All or nothing: a run that fails, early or late, leaves every existing file
// as it was, except its trace, which is then wanted most.
TEST_F(ApplyCommand, AFailedRunChangesNoFileButItsTrace) {
  write("in.svg", std::string(kOpen) + "<path id=\"p\" d=\"M10 10 L20 20\" stroke=\"red\"/></svg>");
  write("cancel.json", "[{\"end\": 2}]");
  write("params.json", "old params");
  write("state.json", "old state");
  write("trace.jsonl", "old trace");
  const std::string saves = " --save-params '" + path("params.json") + "' --dialog-state '" + path("state.json") + "'";
  // Cancelled in the dialog.
  Outcome r = contour("'" + path("in.svg") + "' --dialog-script '" + path("cancel.json") + "' --trace '" +
                      path("trace.jsonl") + "' -o '" + path("out.svg") + "'" + saves);
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(read("trace.jsonl").rfind("{", 0), 0u) << read("trace.jsonl");  // JSON lines of this run
  // The drawing's own output cannot be made: the other outputs are not written either.
  r = contour("'" + path("in.svg") + "' --seed 1 -o '" + path("no/out.svg") + "'" + saves);
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(read("params.json"), "old params");
  EXPECT_EQ(read("state.json"), "old state");
  EXPECT_FALSE(fs::exists(path("out.svg")));
}

}  // namespace
