// The progress bar of `contour apply`: objects done out of the total, only for
// selected objects, only when a person watches, cleared at the end.
#include "easel/cli/TerminalProgress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace contour_cli {
namespace {

using namespace std::chrono_literals;

TEST(TerminalProgress, CountsSelectedObjectsDoneAndClearsTheLine) {
  std::ostringstream out;
  {
    TerminalProgress progress(out, true, 0s, 0s);
    progress.startObjects({10, 20, 30, 40});
    // Copies of 10, of one of its contours (99, not selected), of 10 again,
    // then of 20 and 30: a pass. Then 40 and 10 again: the next preview's pass.
    for (uintptr_t source : {10, 10, 99, 10, 20, 20, 30}) progress.copied(source);
  }
  const std::string text = out.str();
  std::ostringstream again;
  {
    TerminalProgress progress(again, true, 0s, 0s);
    progress.startObjects({10, 20, 30, 40});
    for (uintptr_t source : {10, 20, 30, 40, 10}) progress.copied(source);
    const std::string lines = again.str();
    EXPECT_EQ(lines.substr(lines.rfind("] ")), "] 0 of 4 objects") << lines;
  }
  EXPECT_NE(text.find("0 of 4 objects"), std::string::npos) << text;
  EXPECT_NE(text.find("] 1 of 4 objects"), std::string::npos) << text;
  EXPECT_NE(text.find("[" + std::string(15, '#') + std::string(15, '.') + "] 2 of 4 objects"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("3 of 4"), std::string::npos) << "object 30 is still being worked on: " << text;
  EXPECT_EQ(text.substr(text.size() - 4), "\r\033[K");
}

TEST(TerminalProgress, QuietWhenNobodyWatchesOrTheRunIsShort) {
  std::ostringstream hidden, quick;
  {
    TerminalProgress progress(hidden, false, 0s, 0s);
    progress.step("reading");
    progress.startObjects({1, 2});
    progress.copied(1);
    progress.copied(2);
  }
  EXPECT_EQ(hidden.str(), "");
  {
    TerminalProgress progress(quick, true, 1h, 0s);
    progress.startObjects({1, 2});
    progress.copied(1);
    progress.copied(2);
  }
  EXPECT_EQ(quick.str(), "");
}

}  // namespace
}  // namespace contour_cli
