// Save As writes only plain files in the drawing's own folder: links to other
// folders, "..", absolute names, names that are links, and names the system
// would cut short or no one could read are refused with one line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "easel/web/HostRequest.h"
#include "easel/web/SaveAsTarget.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;
using easel::web::BadRequest;
using easel::web::saveAsTarget;

// The drawing's folder, with a folder of its own, a link to a folder
// elsewhere and a link to a file elsewhere.
class SaveAsTarget : public ::testing::Test {
 protected:
  SaveAsTarget() {
    fs::create_directories(folder / "inside");
    fs::create_directories(elsewhere.folder());
    fs::create_directory_symlink(elsewhere.folder(), folder / "lnk");
    fs::create_symlink(elsewhere.path("theirs.svg"), folder / "link.svg");
  }
  contour_test::ScratchFolder scratch{"contour-save-as-"}, elsewhere{"contour-save-as-elsewhere-"};
  fs::path folder = scratch.folder() / "drawings";
};

TEST_F(SaveAsTarget, PlainNamesInTheFolderAreTaken) {
  for (const std::string name : {"copy.svg", "Copy.SVG", "packed.svgz", "./copy.svg", "inside/../copy.svg"}) {
    const fs::path target = saveAsTarget(name, folder);
    EXPECT_EQ(fs::canonical(target.parent_path()), fs::canonical(folder)) << name;
  }
}

TEST_F(SaveAsTarget, NamesThatLeaveTheFolderOrAreNotPlainSvgAreRefusedInOneLine) {
  struct Case {
    std::string name, says;
  };
  const std::vector<Case> cases = {
      {"lnk/escaped.svg", "drawing's folder"},
      {"../escaped.svg", "drawing's folder"},
      {"inside/../../escaped.svg", "drawing's folder"},
      {"/tmp/escaped.svg", "drawing's folder"},
      {"inside/nested.svg", "drawing's folder"},
      {"missing/new.svg", "drawing's folder"},
      {"link.svg", "is a link"},
      {std::string("newfile\0.svg", 12), "control character"},
      {"new\nline.svg", "control character"},
      {"tab\t.svg", "control character"},
      {"drawing.exe", "ending in .svg or .svgz"},
      {".svg", "ending in .svg or .svgz"},
      {"folder.svg/", "ending in .svg or .svgz"},
  };
  for (const Case& c : cases) {
    try {
      saveAsTarget(c.name, folder);
      ADD_FAILURE() << c.name << " was taken";
    } catch (const BadRequest& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(c.says), std::string::npos) << c.name << ": " << message;
      EXPECT_EQ(message.find_first_of(std::string("\n\0", 2)), std::string::npos) << message;
    }
  }
  EXPECT_FALSE(fs::exists(elsewhere.path("escaped.svg")));
}

}  // namespace
