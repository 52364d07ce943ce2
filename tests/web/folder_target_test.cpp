// Save As, Open and Export name only plain files in the drawing's own
// folder: links to other folders, "..", absolute names, names that are
// links, and names the system would cut short or no one could read are
// refused with one line. Open and Save As list the folder's drawings.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "easel/web/HostRequest.h"
#include "easel/web/FolderTarget.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;
using easel::web::BadRequest;
using easel::web::folderTarget;
using easel::web::saveAsTarget;

// The drawing's folder, with a folder of its own, a link to a folder
// elsewhere and a link to a file elsewhere.
class FolderTarget : public ::testing::Test {
 protected:
  FolderTarget() {
    fs::create_directories(folder / "inside");
    fs::create_directories(elsewhere.folder());
    fs::create_directory_symlink(elsewhere.folder(), folder / "lnk");
    fs::create_symlink(elsewhere.path("theirs.svg"), folder / "link.svg");
  }
  contour_test::ScratchFolder scratch{"contour-save-as-"}, elsewhere{"contour-save-as-elsewhere-"};
  fs::path folder = scratch.folder() / "drawings";
};

TEST_F(FolderTarget, PlainNamesInTheFolderAreTaken) {
  for (const std::string name : {"copy.svg", "Copy.SVG", "packed.svgz", "./copy.svg", "inside/../copy.svg"}) {
    const fs::path target = saveAsTarget(name, folder);
    EXPECT_EQ(fs::canonical(target.parent_path()), fs::canonical(folder)) << name;
  }
}

TEST_F(FolderTarget, NamesThatLeaveTheFolderOrAreNotPlainSvgAreRefusedInOneLine) {
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

TEST_F(FolderTarget, EachUseTakesItsOwnKindsAndSaysItsName) {
  EXPECT_NO_THROW(folderTarget("picture.PNG", folder, easel::web::kExportPng));
  EXPECT_NO_THROW(folderTarget("part.svg", folder, easel::web::kExportSvg));
  const std::vector<std::pair<const easel::web::FolderUse*, std::string>> refused = {
      {&easel::web::kExportPng, "Export \"picture.svg\": Export writes PNG: give a file name ending in .png"},
      {&easel::web::kExportSvg, "Export \"picture.svg\": is a link; Export writes plain files only"},
      {&easel::web::kOpen, "Open \"picture.svg\": is a link; Open reads plain files only"},
  };
  fs::create_symlink(elsewhere.path("picture.svg"), folder / "picture.svg");
  for (const auto& [use, says] : refused) {
    try {
      folderTarget("picture.svg", folder, *use);
      ADD_FAILURE() << says;
    } catch (const BadRequest& e) {
      EXPECT_NE(std::string(e.what()).find(says), std::string::npos) << e.what();
    }
  }
}

TEST_F(FolderTarget, TheFolderListsItsPlainDrawingsByName) {
  for (const char* name : {"b.svg", "A.SVGZ", "notes.txt", "c.svg.bak"})
    scratch.write(std::string("drawings/") + name, "x");
  fs::create_directory(folder / "d.svg");
  std::vector<std::string> names;
  for (const easel::web::DrawingFile& f : easel::web::drawingsIn(folder)) {
    names.push_back(f.name);
    EXPECT_EQ(f.bytes, 1u) << f.name;
    EXPECT_GT(f.modified, 1600000000) << f.name;
  }
  // Not the folder named like a drawing, nor the link to a file elsewhere.
  EXPECT_EQ(names, (std::vector<std::string>{"A.SVGZ", "b.svg"}));
}

}  // namespace
