// The editor notices a drawing changed on disk since it read or saved it:
// replaced by another file (another editor's save renames over it), written
// in place, or written within the clock's step with the same size.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "easel/web/FileStamp.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;
using easel::web::changedOnDisk;
using easel::web::stampOf;

// Sets the file's modification time back to what it was, as a coarse clock would leave it.
void keepTime(const std::string& path, const std::function<void()>& change) {
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  change();
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(FileStamp, TellsEveryKindOfChangeFromNone) {
  const contour_test::ScratchFolder scratch("contour-file-stamp-");
  const std::string drawing = scratch.path("d.svg");
  struct Case {
    std::string name;
    std::function<void()> change;
    bool byMetadata, byContent;  // seen without reading the file / only by reading it
  };
  const std::vector<Case> cases = {
      {"nothing", [] {}, false, false},
      {"another editor's save, renamed over it",
       [&] {
         scratch.write("other.svg", "<svg>theirs</svg>");
         fs::rename(scratch.path("other.svg"), drawing);
       },
       true, true},
      {"written in place, longer", [&] { scratch.write("d.svg", "<svg>mine, and more</svg>"); }, true, true},
      {"written in place within the clock's step, the same size",
       [&] { keepTime(drawing, [&] { scratch.write("d.svg", "<svg>MINE</svg>"); }); }, false, true},
      {"taken away (nothing to lose)", [&] { fs::remove(drawing); }, false, false},
  };
  for (const Case& c : cases) {
    scratch.write("d.svg", "<svg>mine</svg>");
    const auto kept = stampOf(drawing);
    ASSERT_TRUE(kept) << c.name;
    c.change();
    EXPECT_EQ(changedOnDisk(kept, drawing, false), c.byMetadata) << c.name;
    EXPECT_EQ(changedOnDisk(kept, drawing, true), c.byContent) << c.name;
  }
}

TEST(FileStamp, TheStampOfWhatWasWrittenMatchesTheFile) {
  const contour_test::ScratchFolder scratch("contour-file-stamp-written-");
  scratch.write("d.svg", "<svg>saved</svg>");
  const auto written = easel::web::stampWith(scratch.path("d.svg"), "<svg>saved</svg>");
  EXPECT_FALSE(changedOnDisk(written, scratch.path("d.svg"), true));
  EXPECT_TRUE(
      changedOnDisk(easel::web::stampWith(scratch.path("d.svg"), "<svg>other</svg>"), scratch.path("d.svg"), true));
}

}  // namespace
