// Which file a name stands for: links, hard links and names not made yet,
// as the batch plan and the output checks compare them; and names as
// messages show them.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <string>

#include "easel/core/FileIdentity.h"
#include "easel/core/PathText.h"

namespace easel {
namespace {

namespace fs = std::filesystem;

// Identities by device and inode are the POSIX systems' (the Windows one
// goes by full names for now).
#ifndef _WIN32
class FileIdentities : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("contour-identity-test-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "sub");
    std::ofstream(path("a.svg")) << "a";
    std::ofstream(path("b.svg")) << "b";
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  bool same(const std::string& a, const std::string& b) const {
    const auto x = fileIdentity(path(a)), y = fileIdentity(path(b));
    return x && y && *x == *y;
  }

  fs::path dir_;
};

TEST_F(FileIdentities, NamesOfOneFileAreOneFile) {
  fs::create_hard_link(path("a.svg"), path("hard.svg"));
  fs::create_symlink("../a.svg", path("sub/link.svg"));
  fs::create_symlink("../new.svg", path("sub/dangling.svg"));
  fs::create_directory_symlink(dir_, path("sub/up"));
  const struct {
    const char *a, *b;
    bool same;
  } cases[] = {
      {"a.svg", "hard.svg", true},     {"a.svg", "sub/link.svg", true},           {"a.svg", "sub/../a.svg", true},
      {"a.svg", "b.svg", false},       {"new.svg", "sub/dangling.svg", true},     {"new.svg", "sub/up/new.svg", true},
      {"new.svg", "other.svg", false}, {"no/new.svg", "sub/up/no/new.svg", true}, {"new.svg", "a.svg", false},
  };
  for (const auto& c : cases) EXPECT_EQ(same(c.a, c.b), c.same) << c.a << " and " << c.b;
  EXPECT_EQ(fileIdentity(path("a.svg"))->kind, FileIdentity::Kind::Regular);
  EXPECT_EQ(fileIdentity(path("no/new.svg"))->kind, FileIdentity::Kind::NotThere);
  EXPECT_FALSE(fileIdentity("-"));
}
#endif

TEST(ShownPath, ControlCharactersAreQuotedWithEscapes) {
  const struct {
    std::string name, shown;
  } cases[] = {
      {"plain name.svg", "plain name.svg"},
      {"\"quoted\".svg", "\"quoted\".svg"},  // nothing to hide: as it is
      {"new\nline.svg", "\"new\\nline.svg\""},
      {"tab\t\"q\"\\.svg", "\"tab\\t\\\"q\\\"\\\\.svg\""},
      {std::string("esc\x1b[2J\x7f.svg"), "\"esc\\x1b[2J\\x7f.svg\""},
      {"caf\xc3\xa9.svg", "caf\xc3\xa9.svg"},  // UTF-8 is not a control character
  };
  for (const auto& c : cases) EXPECT_EQ(shownPath(c.name), c.shown) << c.name;
}

}  // namespace
}  // namespace easel
