// File names as UTF-8 text: names in several scripts written, replaced, read
// and listed through the easel's file calls (the wide-character calls on
// Windows, where these tests also run), and the names Windows keeps for
// devices.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "easel/core/FileIo.h"
#include "easel/core/FileName.h"

namespace easel {
namespace {

namespace fs = std::filesystem;

TEST(WindowsDeviceNames, AreKnownWithAnyExtensionCaseAndFolder) {
  const struct {
    const char* name;
    bool device;
  } cases[] = {
      {"CON", true},
      {"nul", true},
      {"Nul.svg", true},
      {"prn.tar.gz", true},
      {"aux ", true},
      {"COM1", true},
      {"lpt9.svg", true},
      {"C:\\drawings\\con.svg", true},
      {"D:NUL", true},
      {"out/com3.svg", true},
      {"\\\\server\\share\\aux", true},
      {"CONSOLE", false},
      {"COM10", false},
      {"COM0", false},
      {"LPT", false},
      {"nulls.svg", false},
      {"my con.svg", false},
      {"con.d/star.svg", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isWindowsDeviceName(c.name), c.device) << c.name;
}

class FileNames : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              pathFromUtf8("contour-names-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                           "-\xCE\xB1");
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string in(const std::string& name) const { return utf8FromPath(folder_ / pathFromUtf8(name)); }

  fs::path folder_;
};

TEST_F(FileNames, InAnyScriptAreWrittenReplacedReadAndListedAsGiven) {
  const std::set<std::string> names = {
      "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC.svg",  // Greek
      "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.svg",                              // Japanese
      "\xD7\xA2\xD7\x91\xD7\xA8\xD7\x99\xD7\xAA.svg",                          // Hebrew
      "paint \xF0\x9F\x8E\xA8 brush.svg",                                      // beyond the BMP
  };
  for (const std::string& name : names) {
    writeWhole(in(name), "first " + name);
    writeWhole(in(name), "second " + name);  // replaces the file it made
    EXPECT_EQ(readLimited(in(name), 1 << 10), "second " + name);
  }
  std::set<std::string> listed;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
    listed.insert(utf8FromPath(entry.path().filename()));
  EXPECT_EQ(listed, names);  // and no temporary file left beside them
}

TEST_F(FileNames, AnOutputNamedLikeItsInputInAnotherFormIsRefused) {
  const std::string name = in("\xE2\x98\x85 star.svg");
  writeWhole(name, "drawing");
  FileSet files;
  files.addInput(name);
  const fs::path other = pathFromUtf8(name).parent_path() / "." / pathFromUtf8(name).filename();
  EXPECT_THROW(files.addOutput(utf8FromPath(other)), FileError);
}

TEST_F(FileNames, ADeviceNameIsRefusedOnWindowsWithOneLineNamingIt) {
#ifndef _WIN32
  GTEST_SKIP() << "only Windows keeps these names for devices";
#else
  for (const std::string& name : {std::string("NUL"), in("con.svg")}) {
    try {
      writeWhole(name, "drawing");
      ADD_FAILURE() << name << " was written";
    } catch (const FileError& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind(name + ": is the name of a device on Windows", 0), 0u) << message;
      EXPECT_EQ(message.find('\n'), std::string::npos);
    }
    EXPECT_THROW(readLimited(name, 1 << 10), FileError);
  }
#endif
}

}  // namespace
}  // namespace easel
