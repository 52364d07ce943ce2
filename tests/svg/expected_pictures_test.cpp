// One kept picture per family of modes (tests/fixtures/expected): `contour
// apply` is run again on the same drawing with the same record and must give
// the same document, art by art; the scale picture is also held against the
// rule itself, and pictures are rendered to see the contours where they
// belong. A picture that differs is kept in the build tree with a picture of
// where it differs beside it; CONTOUR_UPDATE_EXPECTED=1 makes the kept
// pictures afresh instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "easel/svg/SvgImport.h"
#include "tests/support/RenderComparison.h"
#include "tests/support/RunCommand.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SvgComparison.h"

namespace {

namespace fs = std::filesystem;

const std::string kDrawing = CONTOUR_SVG_FIXTURES "/breeze-folder-open.svg";
const std::string kExpected = CONTOUR_EXPECTED_FIXTURES "/breeze-folder-open.";
constexpr int kRenderSize = 192;  // 4 pixels to the drawing's unit (a 48 x 48 view box)

struct Path {
  std::vector<AIPathSegment> segments;
  AIRealRect bounds;
};

bool updating() {
  const char* update = std::getenv("CONTOUR_UPDATE_EXPECTED");
  return update != nullptr && std::string(update) == "1";
}

struct Pixel {
  int r, g, b, a;
};

class PictureRuns : public ::testing::Test, protected contour_test::ScratchFolder {
 protected:
  PictureRuns() : ScratchFolder("contour-expected-") {}

  // The family's picture made afresh, in `folder` (the scratch folder unless given).
  std::string fresh(const std::string& family, const std::string& folder = {}) {
    const std::string out = folder.empty() ? path(family + ".svg") : (fs::path(folder) / (family + ".svg")).string();
    const contour_test::CommandResult r =
        contour_test::runCommand("'" CONTOUR_EXE "' apply '" + kDrawing + "' -o '" + out +
                                 "' --no-dialog --seed 1 --params '" + kExpected + family + ".json' 2>&1");
    EXPECT_EQ(r.status, 0) << family << ": " << r.out;
    return out;
  }
  // The rendering's size and the pixels at (x, y) of the drawing's units;
  // false when rsvg-convert is missing.
  bool probe(const std::string& file, const std::vector<std::pair<int, int>>& points, int* width, int* height,
             std::vector<Pixel>* pixels) {
    std::string command =
        std::string(CONTOUR_PYTHON3) + " '" CONTOUR_RENDER_PROBE "' '" + file + "' " + std::to_string(kRenderSize);
    for (const auto& [x, y] : points) command += " " + std::to_string(x * 4) + "," + std::to_string(y * 4);
    const contour_test::CommandResult r = contour_test::runCommand(command);
    if (r.status == contour_test::kNoRenderer) return false;
    EXPECT_EQ(r.status, 0) << r.out;
    std::istringstream out(r.out);
    out >> *width >> *height;
    for (std::size_t i = 0; i < points.size(); ++i) {
      Pixel p{};
      out >> p.r >> p.g >> p.b >> p.a;
      pixels->push_back(p);
    }
    return true;
  }
};

// The objects of a drawing (paths and compound paths, not the members of
// these), each with its bounds and its number of segments or members.
std::vector<Path> objectsOf(const std::string& file) {
  const easel::svg::ImportedSvg svg = easel::svg::importSvgFile(file);
  const easel::Document& d = *svg.document;
  std::vector<Path> objects;
  for (easel::ArtRef a = d.firstLayer(); a; a = d.nextInOrder(a)) {
    const easel::ArtType type = d.type(a);
    const easel::ArtRef parent = d.parent(a);
    const bool member = parent && d.type(parent) == easel::ArtType::CompoundPath;
    if (type == easel::ArtType::CompoundPath) {
      std::vector<AIPathSegment> parts;  // one stand-in per member
      for (easel::ArtRef m = d.firstChild(a); m; m = d.nextSibling(m)) parts.emplace_back();
      objects.push_back({parts, d.bounds(a)});
    } else if (type == easel::ArtType::Path && !member) {
      objects.push_back({d.content(a).segments.toVector(), d.bounds(a)});
    }
  }
  return objects;
}

class ExpectedPictures : public PictureRuns, public ::testing::WithParamInterface<const char*> {};
using ExpectedRenders = PictureRuns;

// The made picture stays in the build tree (CONTOUR_EXPECTED_OUTPUT), and
// when it differs, the picture of where it differs is written beside it.
TEST_P(ExpectedPictures, AFreshRunGivesTheKeptDrawing) {
  const std::string family = GetParam();
  const std::string kept = kExpected + family + ".svg";
  fs::create_directories(CONTOUR_EXPECTED_OUTPUT);
  const fs::path diff = fs::path(CONTOUR_EXPECTED_OUTPUT) / (family + ".diff.png");
  fs::remove(diff);
  const std::string made = fresh(family, CONTOUR_EXPECTED_OUTPUT);
  if (updating()) {
    fs::copy_file(made, kept, fs::copy_options::overwrite_existing);
    GTEST_SKIP() << "made " << kept << " afresh: look at it before keeping it";
  }
  EXPECT_GT(objectsOf(kept).size(), objectsOf(kDrawing).size()) << "the contours are there";
  const easel::svg::ImportedSvg want = easel::svg::importSvgFile(kept);
  const easel::svg::ImportedSvg got = easel::svg::importSvgFile(made);
  // 2^-16 of the page's size: the last digits the writer gives a coordinate,
  // which another processor's arithmetic may round the other way.
  easel::svg::test::DocumentComparison(*want.document, *got.document, {std::ldexp(1.0, -16), std::ldexp(1.0, -16)})
      .run();
  if (!HasFailure()) return;
  std::string report;
  const int status = contour_test::compareRenders(
      {{kept, made}}, "--size 256 --pixel-threshold 2 --max-share 0 --diff-image '" + diff.string() + "'", report);
  ADD_FAILURE() << made << " differs from " << kept << "; "
                << (status == contour_test::kNoRenderer ? "no diff image: " + report : "where: " + diff.string())
                << " (CONTOUR_UPDATE_EXPECTED=1 makes the kept pictures afresh)";
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, ExpectedPictures,
                         ::testing::Values("scale", "shift", "rotation", "point", "width", "colour", "pattern"));

// The kept scale picture itself follows the rule: for every object of the
// drawing, 13 copies about its centre at 1 - 0.04 (k + 1) of its size.
TEST(ExpectedScalePicture, HoldsThirteenContoursOfEveryObjectFrom96To48Percent) {
  const std::vector<Path> sources = objectsOf(kDrawing);
  const std::vector<Path> kept = objectsOf(kExpected + std::string("scale.svg"));
  ASSERT_EQ(kept.size(), 14 * sources.size());
  auto center = [](const AIRealRect& r) { return std::pair{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; };
  for (std::size_t s = 0; s < sources.size(); ++s) {
    const AIRealRect& b = sources[s].bounds;
    const auto centre = center(b);
    const auto cx = centre.first, cy = centre.second;  // plain names: lambdas below capture them
    for (int k = 0; k < 13; ++k) {
      const float factor = 1 - 0.04f * static_cast<float>(k + 1);
      const bool found = std::any_of(kept.begin(), kept.end(), [&](const Path& p) {
        const auto [px, py] = center(p.bounds);
        return p.segments.size() == sources[s].segments.size() && std::fabs(px - cx) < 1e-3 &&
               std::fabs(py - cy) < 1e-3 &&
               std::fabs((p.bounds.right - p.bounds.left) - factor * (b.right - b.left)) < 1e-3 &&
               std::fabs((p.bounds.top - p.bounds.bottom) - factor * (b.top - b.bottom)) < 1e-3;
      });
      EXPECT_TRUE(found) << "object " << s << " contour " << k;
    }
  }
}

// Rendered, each picture has its contours where the rule puts them: places
// the drawing leaves clear are covered, or the stacked translucent copies
// darken the drawing's own colour.
TEST_F(ExpectedRenders, ShowTheContoursWhereTheyBelong) {
  struct Case {
    const char* family;
    std::pair<int, int> covered;  // clear in the drawing, painted in the picture
  };
  // The last shifted contour ends 18.2 units right; the turned ones reach past the left edge.
  const Case cases[] = {{"shift", {46, 30}}, {"rotation", {2, 24}}};
  const std::pair<int, int> inside{10, 12};  // under the translucent flap of the folder
  int width = 0, height = 0;
  std::vector<Pixel> drawing;
  if (!probe(kDrawing, {inside, cases[0].covered, cases[1].covered}, &width, &height, &drawing)) {
    GTEST_SKIP() << "rsvg-convert is missing";
  }
  ASSERT_EQ(drawing.size(), 3u);
  EXPECT_EQ(drawing[1].a, 0);
  EXPECT_EQ(drawing[2].a, 0);
  for (const Case& c : cases) {
    std::vector<Pixel> pixels;
    ASSERT_TRUE(probe(fresh(c.family), {c.covered}, &width, &height, &pixels));
    EXPECT_EQ(width, kRenderSize);
    EXPECT_EQ(height, kRenderSize);
    EXPECT_GT(pixels[0].a, 200) << c.family;
  }
  std::vector<Pixel> scaled;
  ASSERT_TRUE(probe(fresh("scale"), {inside}, &width, &height, &scaled));
  EXPECT_EQ(width, kRenderSize);
  EXPECT_EQ(scaled[0].a, 255);
  EXPECT_LT(scaled[0].r + scaled[0].g + scaled[0].b, (drawing[0].r + drawing[0].g + drawing[0].b) / 2);
}

}  // namespace
