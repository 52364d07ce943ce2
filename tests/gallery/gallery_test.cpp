// The gallery: every preset that varies paint, applied by `contour apply` to
// a real drawing (the Tango heart), exported, rendered by rsvg-convert and
// checked by the paint of its contours as the exported SVG gives them back.
// The expected paint comes from the rules of the paint modes, worked out here
// in single precision; the PNGs stay in gallery/ of the build folder.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "easel/svg/SvgImport.h"

namespace {

namespace fs = std::filesystem;
using easel::ArtRef;
using easel::Document;

// The two paths the filter is applied to: the heart's face (fill and
// stroke) and its rim (fill, no stroke).
const std::vector<std::string> kSources = {"path920", "path5378"};
constexpr int kPageSide = 48;  // the drawing's width and height in pixels

// A GIMP palette given with --swatches, for the swatch preset.
const char* kPalette = "GIMP Palette\nName: Gallery\n 32 64 128 Navy\n240 200  40 Gold\n";
const std::vector<std::array<int, 3>> kPaletteColours = {{32, 64, 128}, {240, 200, 40}};

int run(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

// The paint of one object as the document holds it.
struct Paint {
  AIPathStyle style;
  AIReal opacity;
};

Paint paintOf(const Document& d, ArtRef art) { return {d.pathStyle(art), d.content(art).opacity}; }

ArtRef named(const Document& d, const std::string& name) {
  for (ArtRef a = d.firstLayer(); a; a = d.nextInOrder(a)) {
    if (d.content(a).name == name) return a;
  }
  return {};
}

// What one preset made of one source object: the source's paint before and
// after, and its contours by contour number (1 for the first made).
struct Result {
  Paint source, sourceAfter;
  std::vector<Paint> contours;
};

// The contours of `source` in the export are "source-1", "source-2", ...
// from the top of the stack down; each contour was put above all the art
// before it, so the last one made is on top: suffix n is the (count + 1 - n)th.
std::vector<Paint> contoursOf(const Document& d, const std::string& source) {
  std::vector<Paint> fromTop;
  for (int n = 1;; ++n) {
    const ArtRef a = named(d, source + "-" + std::to_string(n));
    if (!a) break;
    fromTop.push_back(paintOf(d, a));
  }
  return {fromTop.rbegin(), fromTop.rend()};
}

// --- The paint rules, single precision ------------------------------------------
constexpr int kContourCount = 12;  // every preset's reset, unless it sets its own
constexpr AIReal kWidthAmount = 5.0f;

// Which contour indices the skip/create pattern makes (nothing random here).
std::vector<int> madeIndices(int contourCount, int skipCount, int createCount) {
  std::vector<int> made;
  int skipLeft = 0, createLeft = createCount;
  for (int i = 0; i <= contourCount; ++i) {
    if (skipLeft > 0) {
      --skipLeft;
      createLeft = createCount;
      continue;
    }
    made.push_back(i);
    if (--createLeft == 0) skipLeft = skipCount;
  }
  return made;
}

int componentCount(int32_t kind) {
  return kind == kGrayColor ? 1 : kind == kFourColor ? 4 : kind == kThreeColor ? 3 : 0;
}

bool sameColour(const AIColor& a, const AIColor& b) {
  if (a.kind != b.kind) return false;
  for (int i = 0; i < componentCount(a.kind); ++i) {
    if (a.c.components[i] != b.c.components[i]) return false;
  }
  return true;
}

void expectSameStroke(const AIPathStyle& got, const AIPathStyle& want, const std::string& what) {
  EXPECT_EQ(got.strokePaint, want.strokePaint) << what;
  EXPECT_TRUE(sameColour(got.stroke.color, want.stroke.color)) << what;
  EXPECT_EQ(got.stroke.width, want.stroke.width) << what;
}

void expectSameFill(const AIPathStyle& got, const AIPathStyle& want, const std::string& what) {
  EXPECT_EQ(got.fillPaint, want.fillPaint) << what;
  EXPECT_TRUE(sameColour(got.fill.color, want.fill.color)) << what;
}

// " Fill to black": with S = contourCount + 1 steps, an RGB component x goes
// to x - x·k/S at contour k (no paint is switched on).
void checkFillToBlack(const Result& r, const std::string& what) {
  ASSERT_EQ(r.contours.size(), static_cast<std::size_t>(kContourCount + 1)) << what;
  const AIReal steps = static_cast<AIReal>(kContourCount + 1);
  const AIColor x = r.source.style.fill.color;
  ASSERT_EQ(x.kind, kThreeColor) << what;
  for (std::size_t i = 0; i < r.contours.size(); ++i) {
    const AIReal k = static_cast<AIReal>(i + 1);
    const AIPathStyle& got = r.contours[i].style;
    const std::string at = what + " contour " + std::to_string(i + 1);
    ASSERT_EQ(got.fill.color.kind, kThreeColor) << at;
    for (int c = 0; c < 3; ++c) {
      const AIReal want = x.c.components[c] - x.c.components[c] * k / steps;
      EXPECT_EQ(got.fill.color.c.components[c], want) << at << " component " << c;
    }
    EXPECT_EQ(got.fillPaint, r.source.style.fillPaint) << at;
    expectSameStroke(got, r.source.style, at);
  }
  // The last contour reaches black, but for the rounding of x·k/S.
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(r.contours.back().style.fill.color.c.components[c], 0.0f, 1e-6f) << what;
}

// " Fill paths with colors from swatches palette": every contour's fill is
// the whole colour of a swatch numbered 2 or more (never "[None]" or
// "[Registration]"), painted; the draws pick more than one.
void checkRandomSwatches(const Result& r, const std::string& what) {
  ASSERT_EQ(r.contours.size(), static_cast<std::size_t>(kContourCount + 1)) << what;
  // The list the run had: the two fixed swatches, the palette, the rest.
  std::vector<AIColor> allowed;
  for (const auto& rgb : kPaletteColours) {
    AIColor c{};
    c.kind = kThreeColor;
    for (int i = 0; i < 3; ++i) c.c.components[i] = static_cast<AIReal>(rgb[i] / 255.0);
    allowed.push_back(c);
  }
  const Document fresh;
  const std::vector<easel::Swatch>& defaults = fresh.swatches();
  for (std::size_t i = Document::kFixedSwatchCount; i < defaults.size(); ++i) allowed.push_back(defaults[i].color);
  std::set<std::size_t> picked;
  for (std::size_t i = 0; i < r.contours.size(); ++i) {
    const AIPathStyle& got = r.contours[i].style;
    const std::string at = what + " contour " + std::to_string(i + 1);
    EXPECT_TRUE(got.fillPaint) << at;
    std::size_t which = allowed.size();
    for (std::size_t j = 0; j < allowed.size(); ++j) {
      if (sameColour(got.fill.color, allowed[j])) which = j;
    }
    EXPECT_LT(which, allowed.size()) << at << ": not a swatch's colour (kind " << got.fill.color.kind << ")";
    picked.insert(which);
    expectSameStroke(got, r.source.style, at);
  }
  EXPECT_GT(picked.size(), 1u) << what;
}

// " Random path opacity": each contour its own draw in [0, 1); paint as the source's.
void checkRandomOpacity(const Result& r, const std::string& what) {
  ASSERT_EQ(r.contours.size(), static_cast<std::size_t>(kContourCount + 1)) << what;
  std::set<AIReal> opacities;
  for (std::size_t i = 0; i < r.contours.size(); ++i) {
    const std::string at = what + " contour " + std::to_string(i + 1);
    EXPECT_GE(r.contours[i].opacity, 0.0f) << at;
    EXPECT_LT(r.contours[i].opacity, 1.0f) << at;
    opacities.insert(r.contours[i].opacity);
    expectSameFill(r.contours[i].style, r.source.style, at);
    expectSameStroke(r.contours[i].style, r.source.style, at);
  }
  EXPECT_GT(opacities.size(), r.contours.size() / 2) << what;
  EXPECT_EQ(r.sourceAfter.opacity, r.source.opacity) << what;
}

// " Width - Add" with widthAmount 5: every made contour is the source's
// width plus widthAmount × 0.1; the colours stay.
void checkThickening(const Result& r, const std::string& what, std::size_t made) {
  ASSERT_EQ(r.contours.size(), made) << what;
  const AIReal step = kWidthAmount * 0.1f;
  const AIReal want = r.source.style.stroke.width + step;
  for (std::size_t i = 0; i < r.contours.size(); ++i) {
    const std::string at = what + " contour " + std::to_string(i + 1);
    EXPECT_EQ(r.contours[i].style.stroke.width, want) << at;
    expectSameFill(r.contours[i].style, r.source.style, at);
    EXPECT_TRUE(sameColour(r.contours[i].style.stroke.color, r.source.style.stroke.color)) << at;
  }
}

struct Row {
  int preset;        // its number in the Preset style list
  const char* name;  // of the files in the gallery
  bool withPalette;  // --swatches
  std::function<void(const Result&, const std::string&)> check;
};

const Row kRows[] = {
    {17, "17-fill-from-swatches", true, checkRandomSwatches},
    {18, "18-fill-to-black", false, checkFillToBlack},
    {19, "19-random-opacity", false, checkRandomOpacity},
    {20, "20-thickening", false,
     [](const Result& r, const std::string& what) {
       checkThickening(r, what, madeIndices(kContourCount, 0, 1).size());
     }},
    // 20 contours, skip 2, create 2: indices 0, 1, 4, 5, ..., 20.
    {21, "21-thickening-steps", false,
     [](const Result& r, const std::string& what) { checkThickening(r, what, madeIndices(20, 2, 2).size()); }},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Gallery : public ::testing::TestWithParam<Row> {
 protected:
  // The shared files are written beside and renamed into place, so that
  // test processes run side by side never read half of one.
  static void SetUpTestSuite() {
    fs::create_directories(CONTOUR_GALLERY_DIR);
    const fs::path palette = privateName(dir() / "palette.gpl");
    std::ofstream(palette) << kPalette;
    fs::rename(palette, dir() / "palette.gpl");
  }
  static fs::path dir() { return CONTOUR_GALLERY_DIR; }
  static fs::path privateName(const fs::path& p) { return p.string() + ".part-" + std::to_string(::getpid()); }
  static bool haveRenderer() { return run("command -v rsvg-convert >/dev/null 2>&1") == 0; }
  static int render(const std::string& svg, const fs::path& png) {
    const fs::path part = privateName(png);
    const int status = run("rsvg-convert -f png -o " + quoted(part.string()) + " " + quoted(svg));
    if (status == 0) fs::rename(part, png);
    return status;
  }

  // width, height, painted pixels, pixels unlike the original's render.
  static std::vector<long> pngFacts(const fs::path& png) {
    const fs::path out = privateName(png.string() + ".facts");
    const int status = run(quoted(CONTOUR_PYTHON3) + " " + quoted(CONTOUR_PNG_FACTS) + " " + quoted(png.string()) +
                           " " + quoted((dir() / "original.png").string()) + " > " + quoted(out.string()));
    std::vector<long> facts;
    if (status == 0) {
      std::ifstream in(out);
      for (long v; in >> v;) facts.push_back(v);
    }
    fs::remove(out);
    return facts;
  }
};

TEST_P(Gallery, PresetPaintsTheContoursByItsRules) {
  const Row& row = GetParam();
  const fs::path svg = dir() / (std::string(row.name) + ".svg");
  const fs::path png = dir() / (std::string(row.name) + ".png");
  fs::remove(svg);
  fs::remove(png);
  std::string command = quoted(CONTOUR_EXE) + " apply " + quoted(CONTOUR_GALLERY_DRAWING) + " -o " +
                        quoted(svg.string()) + " --seed 20240607 --select path920,path5378 --preset " +
                        std::to_string(row.preset);
  if (row.withPalette) command += " --swatches " + quoted((dir() / "palette.gpl").string());
  ASSERT_EQ(run(command), 0) << command;

  // The paint, read back from the SVG, follows the preset's rules.
  const easel::svg::ImportedSvg before = easel::svg::importSvgFile(CONTOUR_GALLERY_DRAWING);
  const easel::svg::ImportedSvg after = easel::svg::importSvgFile(svg.string());
  for (const std::string& source : kSources) {
    Result r;
    const ArtRef original = named(*before.document, source);
    const ArtRef kept = named(*after.document, source);
    ASSERT_TRUE(original && kept) << source;
    r.source = paintOf(*before.document, original);
    r.sourceAfter = paintOf(*after.document, kept);
    r.contours = contoursOf(*after.document, source);
    row.check(r, std::string(row.name) + " " + source);
  }

  // It renders: a PNG of the drawing's size, painted, and unlike the
  // original's (the contours show).
  if (!haveRenderer()) GTEST_SKIP() << "rsvg-convert is missing (package librsvg2-bin): not rendered";
  ASSERT_EQ(render(CONTOUR_GALLERY_DRAWING, dir() / "original.png"), 0);
  ASSERT_EQ(render(svg.string(), png), 0);
  const std::vector<long> facts = pngFacts(png);
  ASSERT_EQ(facts.size(), 4u) << "png_facts.py failed on " << png;
  EXPECT_EQ(facts[0], kPageSide);
  EXPECT_EQ(facts[1], kPageSide);
  EXPECT_GT(facts[2], kPageSide * kPageSide / 10) << "almost nothing painted";
  EXPECT_GT(facts[3], 0) << "the contours changed no pixel";
}

INSTANTIATE_TEST_SUITE_P(PaintPresets, Gallery, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return "Preset" + std::to_string(info.param.preset);
                         });

}  // namespace
