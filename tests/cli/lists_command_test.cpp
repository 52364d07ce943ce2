// `contour presets` and `contour modes`.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "easel/cli/Commands.h"

namespace {

std::string run(const char* subcommand) {
  CLI::App app;
  int status = -1;
  contour_cli::addListsCommands(app, status);
  std::ostringstream out;
  auto* saved = std::cout.rdbuf(out.rdbuf());
  const char* argv[] = {"contour", subcommand};
  app.parse(2, argv);
  std::cout.rdbuf(saved);
  EXPECT_EQ(status, 0);
  return out.str();
}

TEST(ListsCommand, PresetsAreListedWithTheirNumbers) {
  std::string text = run("presets");
  EXPECT_EQ(text.rfind("   0  Reset\n   1  Zoom right\n", 0), 0u) << text;
  EXPECT_NE(text.find("\n   6  Twist\n"), std::string::npos);
  EXPECT_NE(text.find("\n  25  Random pulse\n"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 26);
}

TEST(ListsCommand, ModesAreListedByTheFieldTheySet) {
  std::string text = run("modes");
  EXPECT_EQ(text.rfind("contourScaleMode:\n   0  Contour - Add\n", 0), 0u) << text.substr(0, 80);
  EXPECT_NE(text.find("\n\npointsContourMode:\n   0  Contour points as settings\n   1  Alternate\n"),
            std::string::npos);
  EXPECT_NE(text.find("   8  Alternate\n"), std::string::npos);
  EXPECT_NE(text.find("\n\nstrokeColorMode:\n"), std::string::npos);
  EXPECT_EQ(text.find("Reset"), std::string::npos);  // the presets have their own command
  // Nine lists of 25 + 12 + 5 + 15 + 15 + 11 + 17 + 17 + 11 entries, a heading each, a blank line between.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 128 + 9 + 8);
}

}  // namespace
