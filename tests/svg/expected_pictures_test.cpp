// One kept picture per family of modes (tests/fixtures/expected): `contour
// apply` is run again on the same drawing with the same record and must give
// the same paths, point for point; the scale picture is also held against the
// rule itself, and each picture is rendered to see the contours where they
// belong.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "easel/svg/SvgImport.h"

namespace {

namespace fs = std::filesystem;

const std::string kDrawing = CONTOUR_SVG_FIXTURES "/breeze-folder-open.svg";
const std::string kExpected = CONTOUR_EXPECTED_FIXTURES "/breeze-folder-open.";
constexpr int kRenderSize = 192;  // 4 pixels to the drawing's unit (a 48 x 48 view box)

struct Path {
  std::vector<AIPathSegment> segments;
  AIRealRect bounds;
};

// Every path of the drawing in document order.
std::vector<Path> pathsOf(const std::string& file) {
  const easel::svg::ImportedSvg svg = easel::svg::importSvgFile(file);
  const easel::Document& d = *svg.document;
  std::vector<Path> paths;
  for (easel::ArtRef a = d.firstLayer(); a; a = d.nextInOrder(a)) {
    if (d.type(a) == easel::ArtType::Path) paths.push_back({d.content(a).segments, d.bounds(a)});
  }
  return paths;
}

// Runs a command; its standard output, and its exit status in *status.
std::string run(const std::string& command, int* status) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string out;
  char buffer[4096];
  std::size_t n = 0;
  while (pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) out.append(buffer, n);
  const int raw = pipe ? ::pclose(pipe.release()) : -1;
  *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

struct Pixel {
  int r, g, b, a;
};

class PictureRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("contour-expected-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The family's picture made afresh.
  std::string fresh(const std::string& family) {
    const std::string out = (dir_ / (family + ".svg")).string();
    int status = 0;
    run("'" CONTOUR_EXE "' apply '" + kDrawing + "' -o '" + out + "' --no-dialog --seed 1 --params '" + kExpected +
            family + ".json' 2>&1",
        &status);
    EXPECT_EQ(status, 0) << family;
    return out;
  }
  // The rendering's size and the pixels at (x, y) of the drawing's units;
  // false when rsvg-convert is missing.
  bool probe(const std::string& file, const std::vector<std::pair<int, int>>& points, int* width, int* height,
             std::vector<Pixel>* pixels) {
    std::string command =
        std::string(CONTOUR_PYTHON3) + " '" CONTOUR_RENDER_PROBE "' '" + file + "' " + std::to_string(kRenderSize);
    for (const auto& [x, y] : points) command += " " + std::to_string(x * 4) + "," + std::to_string(y * 4);
    int status = 0;
    std::istringstream out(run(command, &status));
    if (status == 77) return false;
    EXPECT_EQ(status, 0) << out.str();
    out >> *width >> *height;
    for (std::size_t i = 0; i < points.size(); ++i) {
      Pixel p{};
      out >> p.r >> p.g >> p.b >> p.a;
      pixels->push_back(p);
    }
    return true;
  }

  fs::path dir_;
};

class ExpectedPictures : public PictureRuns, public ::testing::WithParamInterface<const char*> {};
using ExpectedRenders = PictureRuns;

TEST_P(ExpectedPictures, AFreshRunGivesTheKeptPathsPointForPoint) {
  const std::string family = GetParam();
  const std::vector<Path> made = pathsOf(fresh(family));
  const std::vector<Path> kept = pathsOf(kExpected + family + ".svg");
  ASSERT_EQ(made.size(), kept.size());
  ASSERT_GT(kept.size(), pathsOf(kDrawing).size());  // the contours are there
  for (std::size_t i = 0; i < kept.size(); ++i) {
    ASSERT_EQ(made[i].segments.size(), kept[i].segments.size()) << "path " << i;
    for (std::size_t j = 0; j < kept[i].segments.size(); ++j) {
      const AIPathSegment &m = made[i].segments[j], &k = kept[i].segments[j];
      const AIRealPoint mine[] = {m.p, m.in, m.out}, theirs[] = {k.p, k.in, k.out};
      for (int q = 0; q < 3; ++q) {
        EXPECT_NEAR(mine[q].h, theirs[q].h, 1e-3) << "path " << i << " segment " << j;
        EXPECT_NEAR(mine[q].v, theirs[q].v, 1e-3) << "path " << i << " segment " << j;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, ExpectedPictures, ::testing::Values("scale", "shift", "rotation"));

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
      objects.push_back({d.content(a).segments, d.bounds(a)});
    }
  }
  return objects;
}

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
