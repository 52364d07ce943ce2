// Recovery copies are new files of their session's own: whatever is at a
// copy's name (another session's copy, a link, a FIFO) is left as it is and
// the next name taken; the copy has the drawing's permissions; and every copy
// newer than the drawing is named, none older.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "easel/web/Recovery.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;
using easel::web::recoveryCopies;
using easel::web::writeRecoveryCopy;

class Recovery : public ::testing::Test {
 protected:
  Recovery() {
    scratch.write("d.svg", "<svg/>");
    fs::last_write_time(drawing, fs::last_write_time(drawing) - std::chrono::hours(1));
  }
  // The name the first copy written at `when` takes.
  fs::path firstName(Clock::time_point when) {
    const fs::path copy = writeRecoveryCopy(drawing, "probe", when);
    fs::remove(copy);
    return copy;
  }
  contour_test::ScratchFolder scratch{"contour-recovery-"};
  fs::path drawing = scratch.folder() / "d.svg";
  Clock::time_point when = Clock::now();
};

TEST_F(Recovery, WhatIsAtTheNameStaysAndTheCopyGoesToANewOne) {
  const fs::path name = firstName(when);
  EXPECT_EQ(name.parent_path(), drawing.parent_path());
  EXPECT_EQ(name.filename().string().rfind("d.contour-recovery-", 0), 0u) << name;
  const fs::path target = scratch.folder() / "elsewhere.svg";
  struct Case {
    std::string name;
    void (*place)(const fs::path& at, const fs::path& target);
    fs::file_type left;  // what is still at the name afterwards
  };
  const std::vector<Case> cases = {
      {"another session's copy", [](const fs::path& at, const fs::path&) { std::ofstream(at) << "theirs"; },
       fs::file_type::regular},
      {"a dangling link", [](const fs::path& at, const fs::path& target) { fs::create_symlink(target, at); },
       fs::file_type::symlink},
      {"a FIFO no one reads", [](const fs::path& at, const fs::path&) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); },
       fs::file_type::fifo},
  };
  for (const Case& c : cases) {
    c.place(name, target);
    const fs::path copy = writeRecoveryCopy(drawing, "mine", when);  // a FIFO would block here for good
    EXPECT_NE(copy, name) << c.name;
    EXPECT_EQ(scratch.read(copy.filename().string()), "mine") << c.name;
    EXPECT_FALSE(fs::exists(fs::symlink_status(target))) << c.name << ": written through the link";
    EXPECT_EQ(fs::symlink_status(name).type(), c.left) << c.name;
    if (c.left == fs::file_type::regular) {
      EXPECT_EQ(scratch.read(name.filename().string()), "theirs");
    }
    fs::remove(copy);
    fs::remove(name);
  }
}

TEST_F(Recovery, ACopyIsAsPrivateAsTheDrawing) {
  for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0644)}) {
    fs::permissions(drawing, mode);
    const fs::path copy = writeRecoveryCopy(drawing, "mine", when);
    EXPECT_EQ(fs::status(copy).permissions(), mode) << copy;
    fs::remove(copy);
  }
}

TEST_F(Recovery, TwoSessionsEndingAtOnceKeepTwoCopies) {
  const fs::path first = writeRecoveryCopy(drawing, "A's changes", when);
  const fs::path second = writeRecoveryCopy(drawing, "B's changes", when);
  EXPECT_NE(first, second);
  EXPECT_EQ(scratch.read(first.filename().string()), "A's changes");
  EXPECT_EQ(scratch.read(second.filename().string()), "B's changes");
}

TEST_F(Recovery, EveryCopyNewerThanTheDrawingIsNamedAndNoOlderOne) {
  const fs::path older = writeRecoveryCopy(drawing, "old", when - std::chrono::hours(3));
  fs::last_write_time(older, fs::last_write_time(drawing) - std::chrono::minutes(1));
  const fs::path a = writeRecoveryCopy(drawing, "a", when), b = writeRecoveryCopy(drawing, "b", when);
  fs::last_write_time(a, fs::last_write_time(drawing) + std::chrono::minutes(1));
  fs::last_write_time(b, fs::last_write_time(drawing) + std::chrono::minutes(2));
  scratch.write("d.contour-recovery.svg", "from an earlier version");
  scratch.write("other.contour-recovery-1.svg", "another drawing's");
  const std::vector<fs::path> listed = recoveryCopies(drawing);
  EXPECT_EQ(listed, (std::vector<fs::path>{a, b, scratch.folder() / "d.contour-recovery.svg"}));
  const std::string offer = easel::web::recoveryOffer(drawing).value_or("");
  for (const fs::path& copy : listed) EXPECT_NE(offer.find(copy.string()), std::string::npos) << offer;
  EXPECT_EQ(offer.find('\n'), std::string::npos);
}

}  // namespace
