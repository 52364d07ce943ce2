// `contour` as a person uses it every day: exit statuses, suggestions, the
// summary, warnings about what the dialog changed, options that would do
// nothing, Select All, several drawings at once, and the messages.
// Messages name the file and, for a file that cannot be opened or written,
// the system's reason.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/RunCommand.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out, err;
};

struct Case {
  std::string arguments;  // IN, OUT, DIR stand for the test's own paths
  int status;
  std::string err;  // what standard error holds (a part of it, or "" for nothing)
};

const std::string kStar =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">\n"
    "<path id=\"star\" d=\"M50 10 L60 40 L90 40 L65 60 L75 90 L50 70 Z\" fill=\"#fc0\" stroke=\"#000\"/></svg>";

class CommandLine : public ::testing::Test, protected contour_test::ScratchFolder {
 protected:
  CommandLine() : ScratchFolder("contour-cli-test-") {}
  void SetUp() override { write("in.svg", kStar); }

  // IN, OUT and DIR in the arguments become in.svg, out.svg and the folder.
  std::string expand(std::string text) const {
    for (const auto& [word, name] :
         {std::pair<std::string, std::string>{"IN", "in.svg"}, {"OUT", "out.svg"}, {"DIR", ""}}) {
      for (std::size_t at; (at = text.find(word)) != std::string::npos;) text.replace(at, word.size(), path(name));
    }
    return text;
  }
  Outcome contour(const std::string& arguments) const {
    // Run in the test's folder, for names that only a relative path can give.
    const std::string command = "cd '" + folder().string() + "' && " + runAs_ + "'" CONTOUR_EXE "' " +
                                expand(arguments) + " >'" + path("stdout.txt") + "' 2>'" + path("stderr.txt") + "'";
    const int status = std::system(command.c_str());
    return {contour_test::exitStatus(status), read("stdout.txt"), read("stderr.txt")};
  }
  void expectCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      const Outcome r = contour(c.arguments);
      EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.err;
      if (c.err.empty()) {
        EXPECT_EQ(r.err, "") << c.arguments;
      } else {
        EXPECT_NE(r.err.find(expand(c.err)), std::string::npos) << c.arguments << "\n" << r.err;
      }
      const auto lines = std::count(r.err.begin(), r.err.end(), '\n');
      if (c.status != 0) {
        EXPECT_EQ(lines, 1) << c.arguments << "\n" << r.err;
      }
    }
  }

  std::string runAs_;  // a command that runs contour as another user
};

TEST_F(CommandLine, ExitStatusZeroOneOrTwoWithTheNearestNames) {
  write("cancel.json", "[{\"end\": 2}]");
  expectCases({
      {"aply IN -o OUT", 2,
       "contour: \"aply\" is not a command; did you mean 'apply'? (`contour --help` lists them)\n"},
      {"APPLY IN -o OUT -q", 0, ""},
      {"apply IN -o OUT --sed 3", 2, "contour: unknown option \"--sed\" for `contour apply`; did you mean '--seed'"},
      {"apply IN -o OUT --preset Twst", 2,
       "contour: --preset: \"Twst\" is not an entry; did you mean 'Twist'? (`contour presets` lists them)\n"},
      {"apply IN -o OUT --preset twist -q", 0, ""},
      {"apply IN -o OUT --set contourCont=3", 2, "is not a setting of the dialog; did you mean 'contourCount'?"},
      {"apply IN -o OUT --set CONTOURCOUNT=3 -q", 0, ""},
      {"apply IN -o OUT --set 'fillColorMode=to swach'", 2, "did you mean 'To swatch'? (`contour modes` lists them)"},
      {"apply IN -o OUT --set 'fillColorMode=to swatc' -q", 0, ""},  // the start of one entry
      {"apply IN -o OUT --set 'fillColorMode=TO SWATCH' -q", 0, ""},
      {"apply IN -o OUT --set contourCount=NaN", 2, "contour: --set contourCount: \"NaN\" is not a finite number\n"},
      {"apply IN -o OUT --seed -1", 2, "--seed: \"-1\" is not a whole number from 0 to 18446744073709551615"},
      {"apply IN -o OUT --seed 18446744073709551616", 2, "is not a whole number from 0 to 18446744073709551615"},
      {"apply IN -o OUT --seed 18446744073709551615 -q", 0, ""},
      {"apply IN -o OUT --dialog-script DIRcancel.json", 1, "the settings dialog was cancelled"},
  });
  const Outcome help = contour("apply --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Exit status: 0 done; 1 the run failed or was cancelled; 2 usage error"), std::string::npos);
}

TEST_F(CommandLine, OptionsThatWouldDoNothingAreRefused) {
  write("late.json", "[{\"end\": 1}, {\"item\": 4, \"value\": 3}]");
  expectCases({
      {"apply IN -o OUT --no-dialog --set contourCount=3", 2,
       "--set acts in the settings dialog, which --no-dialog skips"},
      {"apply IN -o OUT --no-dialog --preset 1", 2, "--preset acts in the settings dialog"},
      {"apply IN -o OUT --no-dialog --dialog-state DIRs.json", 2, "--dialog-state acts in the settings dialog"},
      {"apply IN -o OUT --select ''", 2, "--select: give \"all\" or ids separated by commas"},
      {"apply IN -o OUT --out-dir DIRo", 2, "-o and --out-dir: give one of them"},
      {"apply IN DIRlate.json -o OUT", 2, "-o names one output: write several drawings with --out-dir"},
      {"apply IN -o OUT --dialog-script DIRlate.json", 1,
       "DIRlate.json: event 2 {\"item\":4,\"value\":3}: comes after event 1 ended the dialog\n"},
      // Without the dialog and without a record: the plug-in's defaults, 13 contours.
      {"apply IN -o OUT --no-dialog", 0, "1 object, 13 contours made"},
  });
}

TEST_F(CommandLine, ASummaryAfterEveryRunUnlessQuiet) {
  write("hidden.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=\"M0 0 L9 9\" display=\"none\"/></svg>");
  const std::regex summary(
      "contour: .*in\\.svg: 1 object, 13 contours made in [0-9]+\\.[0-9]{2} s, [0-9.]+ (B|KB) written(; seed "
      "[0-9]+)?\n");
  const Outcome plain = contour("apply IN -o OUT");
  EXPECT_TRUE(std::regex_match(plain.err, summary)) << plain.err;
  expectCases({
      {"apply IN -o OUT --seed 42 --preset 'Random pulse'", 0, "written; seed 42\n"},
      {"apply DIRhidden.svg -o OUT", 0, "hidden.svg: nothing selected, nothing made in "},
      {"apply IN -o OUT --quiet", 0, ""},
  });
}

// The colour modes change flat colours only: the summary says how many
// gradients they left as they were, for one drawing and for a batch.
TEST_F(CommandLine, TheSummaryCountsTheGradientsTheColourModesKept) {
  write("shaded.svg",
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\"><defs><linearGradient id=\"g\">"
        "<stop offset=\"0\" stop-color=\"#f00\"/><stop offset=\"1\" stop-color=\"#00f\"/></linearGradient></defs>"
        "<rect x=\"5\" y=\"5\" width=\"20\" height=\"20\" fill=\"url(#g)\"/>"
        "<rect x=\"35\" y=\"5\" width=\"20\" height=\"20\" fill=\"url(#g)\" stroke=\"url(#g)\"/>"
        "<rect x=\"65\" y=\"5\" width=\"20\" height=\"20\" fill=\"#0a0\" stroke=\"url(#g)\"/></svg>");
  const std::string kept = " kept: the colour modes change flat colours only\n";
  expectCases({
      {"apply DIRshaded.svg -o OUT --set 'fillColorMode=to black'", 0, "; 2 gradient fills" + kept},
      {"apply DIRshaded.svg -o OUT --set 'fillColorMode=to black' --set 'strokeColorMode=to inverted'", 0,
       "; 2 gradient fills and 2 gradient strokes" + kept},
      // Random swatches paint over a gradient too.
      {"apply DIRshaded.svg -o OUT --set 'fillColorMode=random swatches' --set 'strokeColorMode=to inverted'", 0,
       "; 2 gradient strokes" + kept},
  });
  // Each drawing's line and the total, which the workers hand back.
  const std::string batch = contour("apply DIRshaded.svg IN --out-dir DIRout --set 'fillColorMode=to black'").err;
  EXPECT_NE(batch.find("0 failed; 4 objects, 52 contours made"), std::string::npos) << batch;
  EXPECT_TRUE(batch.ends_with("; 2 gradient fills" + kept)) << batch;
  for (const char* nothing : {"apply DIRshaded.svg -o OUT", "apply IN -o OUT --set 'fillColorMode=to black'"})
    EXPECT_EQ(contour(nothing).err.find("kept"), std::string::npos) << nothing;
}

TEST_F(CommandLine, ValuesTheDialogChangedOrIgnoresAreNamed) {
  write("count.json", "{\"contourCount\": 300, \"scaleH\": -1e9}");
  write("typed.json", "[{\"item\": 4, \"value\": 2.5}]");
  // Every saved record repeats the defaults: nothing to say about those.
  write("defaults.json", "{\"scaleV\": 4, \"widthAmount\": 0, \"fillSteps\": 0}");
  expectCases({
      {"apply IN -o OUT -q --set contourCount=100000", 0,
       "contour: warning: --set contourCount: 100000 is outside 1..200; 200 is used\n"},
      {"apply IN -o OUT -q --set scaleH=1e9", 0, "--set scaleH: 1000000000 is outside -50..50; 50 is used\n"},
      {"apply IN -o OUT -q --set contourCount=5.5", 0, "--set contourCount: 5.5 is not a whole number; 6 is used\n"},
      {"apply IN -o OUT -q --dialog-script DIRtyped.json", 0,
       "typed.json: event 1: contourCount: 2.5 is not a whole number; 3 is used\n"},
      // The same rule for a settings file, with or without the dialog: 201 contours, not 301.
      {"apply IN -o OUT --params DIRcount.json", 0, "count.json: contourCount: 300 is outside 1..200; 200 is used\n"},
      {"apply IN -o OUT --no-dialog --params DIRcount.json", 0, "1 object, 201 contours made"},
      // The scales are linked by default: the vertical one is disabled.
      {"apply IN -o OUT -q --set scaleV=9", 0,
       "--set scaleV: 9 has no effect with these settings (the dialog disables it)\n"},
      {"apply IN -o OUT -q --set linkContourScale=0 --set scaleV=9 --set contourCount=200", 0, ""},
      {"apply IN -o OUT -q --params DIRdefaults.json", 0, ""},
  });
  const Outcome count = contour("apply IN -o OUT --params DIRcount.json");
  EXPECT_NE(count.err.find("count.json: scaleH: -1000000000 is outside -50..50; -50 is used\n"), std::string::npos);
  EXPECT_NE(count.err.find("1 object, 201 contours made"), std::string::npos) << count.err;
}

TEST_F(CommandLine, ParamsCheckGivesTheRunsWarningsAndFailsOnThem) {
  write("count.json", "{\"contourCount\": 300}");
  write("fine.json", "{\"contourCount\": 30, \"shiftMode\": \"random\"}");
  const Outcome held = contour("params --check DIRcount.json");
  EXPECT_EQ(held.status, 1);
  EXPECT_EQ(held.err,
            "contour: warning: " + path("count.json") + ": contourCount: 300 is outside 1..200; 200 is used\n");
  EXPECT_NE(held.out.find("\"contourCount\": 200,"), std::string::npos);
  const Outcome fine = contour("params --check DIRfine.json");
  EXPECT_EQ(fine.status, 0) << fine.err;
  EXPECT_NE(fine.out.find("\"shiftMode\": 6,"), std::string::npos);
}

TEST_F(CommandLine, AFieldsUnitAndLimits) {
  const std::string rotation = "rotation: tenths of a degree per contour, -360..360\n";
  EXPECT_EQ(contour("modes rotation").out, rotation);
  EXPECT_EQ(contour("apply --help-field Rotation").out, rotation);
  expectCases({
      {"modes rotaton", 2, "\"rotaton\" is not a field; did you mean 'rotation'?"},
      {"apply --help-field rotaton", 2, "\"rotaton\" is not a field; did you mean 'rotation'?"},
  });
}

TEST_F(CommandLine, ParamsFilesTakeNamesInAnyCase) {
  write("modes.json", "{\"ContourCount\": 3, \"fillColorMode\": \"to swatch\"}");
  write("typo.json", "{\"fillColorMode\": \"to swach\"}");
  write("field.json", "{\"contourCont\": 3}");
  write("broken.json", "{\"contourCount\": }");
  expectCases({
      {"apply IN -o OUT --no-dialog --params DIRmodes.json", 0, "1 object, 4 contours made"},
      {"apply IN -o OUT --no-dialog --params DIRtypo.json", 1,
       "typo.json: fillColorMode: \"to swach\" is not an entry; did you mean 'To swatch'?"},
      {"apply IN -o OUT --no-dialog --params DIRfield.json", 1,
       "field.json: unknown field \"contourCont\"; did you mean 'contourCount'?"},
      {"apply IN -o OUT --no-dialog --params DIRbroken.json", 1,
       "broken.json: not JSON: parse error at line 1, column 18"},
  });
}

// A settings file saved by a run repeats it byte for byte, with every preset:
// one whose run drew random numbers (from a seed of the clock) saves the seed
// and where the run's draws began. --seed still makes a run of its own.
TEST_F(CommandLine, ASavedSettingsFileRepeatsItsRun) {
  std::vector<int> random;
  for (int preset = 0; preset < 26; ++preset) {
    ASSERT_EQ(
        contour("apply IN -o DIRfirst.svg -q --preset " + std::to_string(preset) + " --save-params DIRp.json").status,
        0);
    const Outcome again = contour("apply IN -o DIRagain.svg --params DIRp.json");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.err.find("warning"), std::string::npos) << preset << "\n" << again.err;
    EXPECT_EQ(read("again.svg"), read("first.svg")) << "preset " << preset;
    if (read("p.json").find("\"drawsBefore\": ") == std::string::npos) continue;
    random.push_back(preset);
    ASSERT_EQ(contour("apply IN -o DIRother.svg -q --params DIRp.json --seed 7").status, 0);
    EXPECT_NE(read("other.svg"), read("first.svg")) << "preset " << preset;
  }
  // Random path opacity and Random pulse at least.
  EXPECT_NE(std::find(random.begin(), random.end(), 19), random.end());
  EXPECT_NE(std::find(random.begin(), random.end(), 25), random.end());
}

TEST_F(CommandLine, SelectAllTakesVisibleUnlockedArtAsEditorsDo) {
  const std::string p = "d=\"M10 10 L90 10 L50 90 Z\"";
  write("mixed.svg",
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
        "xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" width=\"100\" height=\"100\">\n"
        "<g inkscape:groupmode=\"layer\" sodipodi:insensitive=\"true\"><path " +
            p +
            "/></g>\n"  // locked layer
            "<g inkscape:groupmode=\"layer\">\n"
            "<path " +
            p +
            "/>\n"  // taken
            "<path style=\"display:none\" " +
            p +
            "/>\n"  // hidden
            "<path visibility=\"hidden\" " +
            p +
            "/>\n"  // hidden
            "<path sodipodi:insensitive=\"true\" " +
            p +
            "/>\n"  // locked
            "<g display=\"none\"><path " +
            p +
            "/></g>\n"  // hidden with its group
            "<g style=\"visibility:hidden\"><path " +
            p + "/><path visibility=\"visible\" " + p +
            "/></g>\n"  // one shown
            "</g></svg>");
  expectCases({
      {"apply DIRmixed.svg -o OUT", 0, "mixed.svg: 2 objects, 26 contours made"},
      {"apply DIRmixed.svg -o OUT --include-hidden", 0, "mixed.svg: 8 objects, 104 contours made"},
  });
}

TEST_F(CommandLine, SeveralDrawingsEachReportedAndTheRestStillDone) {
  write("b.svg", kStar);
  write("c.svg", kStar);
  expectCases({{"apply IN DIRb.svg DIRc.svg --out-dir DIRout -j 2", 0,
                "3 drawings: 3 done, 0 failed; 3 objects, 39 contours made"}});
  EXPECT_NE(read("stderr.txt").find(path("b.svg") + " -> " + path("out/b.svg") + ": 1 object, 13 contours made"),
            std::string::npos);
  fs::remove_all(path("out"));
  const Outcome r = contour(expand("apply IN DIRmissing.svg DIRb.svg IN DIR --out-dir DIRout"));
  EXPECT_EQ(r.status, 1);
  for (const std::string& line :
       {path("in.svg") + ": given more than once; done once", path("missing.svg") + ": cannot open the file",
        path("") + ": is a folder, not a file",
        std::string("5 drawings: 2 done, 3 failed; 2 objects, 26 contours made")})
    EXPECT_NE(r.err.find(line), std::string::npos) << line << "\n" << r.err;
  EXPECT_TRUE(fs::exists(path("out/in.svg")));
  EXPECT_TRUE(fs::exists(path("out/b.svg")));
}

// The plan knows files, not names: an output that is an input (through a
// link, or the drawing itself), or two outputs that are one file (two
// drawings of one name, or one name once --format changes the extension),
// refuse the whole batch before anything is written.
TEST_F(CommandLine, BatchesThatWouldWriteOverTheirOwnFilesAreRefusedWhole) {
  fs::create_directories(path("i11"));
  fs::create_directories(path("i12"));
  fs::create_directories(path("o11"));
  write("i11/f.svg", kStar);
  write("i12/g.svg", kStar);
  write("i12/f.svgz", kStar);
  write("i12/in.svg", kStar);
  fs::create_symlink("../i11/f.svg", path("o11/g.svg"));
  expectCases({
      {"apply DIRi11/f.svg DIRi12/g.svg --out-dir DIRo11", 1,
       "contour: DIRo11/g.svg (from DIRi12/g.svg) is the same file as the input DIRi11/f.svg; nothing was done\n"},
      {"apply DIRi12/g.svg DIRi11/f.svg --out-dir DIRo11", 1,
       "DIRo11/g.svg (from DIRi12/g.svg) is the same file as the input DIRi11/f.svg"},
      {"apply DIRi11/f.svg DIRi12/f.svgz --out-dir DIRnew --format pdf", 1,
       "DIRnew/f.pdf (from DIRi11/f.svg) and DIRnew/f.pdf (from DIRi12/f.svgz) are the same file"},
      {"apply IN DIRi12/in.svg --out-dir DIRnew", 1,
       "DIRnew/in.svg (from DIRin.svg) and DIRnew/in.svg (from DIRi12/in.svg) are the same file"},
      {"apply DIRi12/g.svg IN --out-dir DIR", 1, "DIRin.svg: its result DIRin.svg is the drawing itself"},
  });
  EXPECT_EQ(read("i11/f.svg"), kStar);
  EXPECT_EQ(read("in.svg"), kStar);
  EXPECT_FALSE(fs::exists(path("new")));
  EXPECT_FALSE(fs::exists(path("g.svg")));
}

// One reading of --seed for every subcommand; "--" ends the options, so that
// what follows is a name however it starts.
TEST_F(CommandLine, EverySubcommandReadsItsOptionsAlike) {
  write("-b.svg", kStar);
  runAs_ = "timeout 20 ";  // an editor that took the seed would serve until stopped
  expectCases({
      {"apply IN -o OUT --seed -1", 2, "contour: --seed: \"-1\" is not a whole number from 0"},
      {"edit IN --no-open --seed -1", 2, "contour: --seed: \"-1\" is not a whole number from 0"},
      {"edit IN --no-open --seed 18446744073709551616", 2, "\"18446744073709551616\" is not a whole number"},
      {"apply in.svg --out-dir out --seed 1 -- -b.svg", 0, "2 drawings: 2 done, 0 failed"},
      {"apply -- -b.svg -o OUT", 2, "several drawings: give --out-dir"},  // -o too is a name after --
  });
  EXPECT_TRUE(fs::exists(path("out/-b.svg")));
}

// --select-from takes each line as one id, "all" and commas included.
TEST_F(CommandLine, IdsFromAFileMeanThemselves) {
  write("ids.txt", "star\r\n\n");
  write("all.txt", "all\n");
  write("comma.txt", "star,star\n");
  write("empty.txt", "\n");
  expectCases({
      {"apply IN -o OUT --select-from DIRids.txt", 0, "in.svg: 1 object, 13 contours made"},
      {"apply IN -o OUT --select-from DIRall.txt", 1, "in.svg: no art with the id 'all' to select\n"},
      {"apply IN -o OUT --select-from DIRcomma.txt", 1, "in.svg: no art with the id 'star,star' to select\n"},
      {"apply IN -o OUT --select-from DIRempty.txt", 2, "--select-from: the file names no id\n"},
      {"apply IN -o OUT --select-from DIRids.txt --select star", 2, "--select excludes --select-from"},
  });
}

// A file that cannot be opened or written says why, in the system's words.
TEST_F(CommandLine, FailuresToOpenOrWriteSayWhy) {
  fs::create_directories(path("locked"));
  fs::permissions(path("locked"), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  expectCases({{"apply DIRmissing.svg -o OUT", 1,
                "contour: DIRmissing.svg: cannot open the file: No such file or directory\n"}});
  // A write that fails midway: files may not grow past 512 bytes (and the
  // signal that would end the process is ignored, so the write says why).
  runAs_ = "trap '' XFSZ; ulimit -f 1; ";
  expectCases({{"apply IN -o OUT --seed 1", 1, "contour: OUT: cannot write: File too large\n"}});
  EXPECT_FALSE(fs::exists(path("out.svg")));
  // Root may write into any folder: the folder is tried as nobody.
  runAs_ = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  expectCases({{"apply IN -o DIRlocked/out.svg", 1, "contour: DIRlocked/out.svg: cannot write: Permission denied\n"}});
  EXPECT_TRUE(fs::is_empty(path("locked")));
}

// Temporary files of ours that a killed run left behind go with the next
// save into their folder once they are a day old; others stay.
TEST_F(CommandLine, StaleTemporaryFilesGoWithTheNextSave) {
  const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
  for (const char* name : {"out.svg.tmp-4242-1", "other.svg.tmp-4242-7", "out.svg.tmp-4242-2", "notes.tmp-old"}) {
    write(name, "left over");
    if (std::string(name) != "out.svg.tmp-4242-2") fs::last_write_time(path(name), twoDaysAgo);
  }
  expectCases({{"apply IN -o OUT --seed 1 -q", 0, ""}});
  EXPECT_FALSE(fs::exists(path("out.svg.tmp-4242-1")));
  EXPECT_FALSE(fs::exists(path("other.svg.tmp-4242-7")));
  EXPECT_TRUE(fs::exists(path("out.svg.tmp-4242-2")));  // a run may still be writing it
  EXPECT_TRUE(fs::exists(path("notes.tmp-old")));       // not of our pattern
}

// A name with a newline or an escape would break the one line or talk to the
// terminal: it is quoted, with C's escapes.
TEST_F(CommandLine, NamesWithControlCharactersAreQuoted) {
  write("bad\nname.svg", "these are notes");
  write("b.svg", kStar);
  expectCases({
      {"apply 'DIRnew\nline.svg' -o OUT", 1,
       "contour: \"DIRnew\\nline.svg\": cannot open the file: No such file or directory\n"},
      {"apply 'DIRbad\nname.svg' -o OUT", 1, "contour: \"DIRbad\\nname.svg\":1:15: not an SVG file"},
      {"apply IN -o 'DIRno\x1b[2J/out.svg'", 1,
       "contour: \"DIRno\\x1b[2J/out.svg\": cannot write: No such file or directory\n"},
      {"apply IN DIRb.svg --out-dir 'DIRout\tdir' --seed 1", 0, "DIRin.svg -> \"DIRout\\tdir/in.svg\": 1 object"},
  });
}

TEST_F(CommandLine, MessagesNameTheFileInPlainWords) {
  std::string utf16 = "\xFF\xFE";
  for (char c : kStar) utf16 += std::string{c, '\0'};
  write("utf16.svg", utf16);
  write("huge.svg",
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" viewBox=\"0 0 1e-37 1e-37\">\n"
        "<path d=\"M0 0 L1e-38 0\"/></svg>");
  write("bad-item.json", "[{\"item\": 99, \"value\": 1}]");
  expectCases({
      {"apply DIR -o OUT", 1, "contour: " + path("") + ": is a folder, not a file\n"},
      // Events count from 1 within the script, after the --set events.
      {"apply IN -o OUT --set contourCount=3 --dialog-script DIRbad-item.json", 1,
       "contour: DIRbad-item.json: event 1: item 99 does not exist\n"},
      {"apply DIRutf16.svg -o OUT", 1, "utf16.svg: written in UTF-16 or UTF-32; save it as UTF-8\n"},
      {"apply DIRhuge.svg -o OUT", 1, "huge.svg:2:1: the viewBox and transforms scale the lines out of range\n"},
  });
  const Outcome about = contour("about");
  EXPECT_EQ(about.status, 0);
  EXPECT_EQ(about.out.find('&'), std::string::npos) << about.out;
}

}  // namespace
