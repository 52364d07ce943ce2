// Round trips on real drawings (tests/fixtures/svg): import, export and
// import again gives the same geometry, paint and ids; rendering the export
// with rsvg-convert gives the original's pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "easel/core/FileIo.h"
#include "easel/svg/ColorText.h"
#include "easel/svg/SvgExport.h"
#include "easel/svg/SvgImport.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SvgComparison.h"

namespace easel::svg {
namespace {

namespace fs = std::filesystem;
using contour_test::compareRenders;
using test::DocumentComparison;
using test::Tolerance;

std::vector<std::string> fixtures() {
  std::vector<std::string> out;
  for (const auto& e : fs::directory_iterator(CONTOUR_SVG_FIXTURES)) {
    if (e.path().extension() == ".svg") out.push_back(e.path().filename().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string fixture(const std::string& name) { return std::string(CONTOUR_SVG_FIXTURES) + "/" + name; }

TEST(SvgCorpus, HasAtLeastThirtyRealFiles) { EXPECT_GE(fixtures().size(), 30u); }

class SvgRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(SvgRoundTrip, ExportedAsReadKeepsEverythingExactly) {
  const ImportedSvg first = importSvgFile(fixture(GetParam()));
  const std::string out = exportSvg(*first.document, first.source.get());
  EXPECT_TRUE(out == easel::readLimited(fixture(GetParam()), 1 << 24)) << "not the file's bytes";
  const ImportedSvg second = importSvg(out, "export.svg");
  DocumentComparison(*first.document, *second.document, {}).run();
  // The whole document, extras included, reads the same.
  EXPECT_EQ(first.document->serialize(), second.document->serialize());
}

TEST_P(SvgRoundTrip, RewrittenGeometryAndPaintReadBack) {
  const ImportedSvg first = importSvgFile(fixture(GetParam()));
  const std::string out = exportSvg(*first.document, first.source.get(), {.rewriteAll = true});
  const ImportedSvg second = importSvg(out, "rewritten.svg");
  // 2^-18 of the page's size: a few units in the last place of a float
  // there, or of one in an element's user space scaled down onto the page.
  DocumentComparison(*first.document, *second.document, {std::ldexp(1.0, -18), std::ldexp(1.0, -21)}).run();
}

INSTANTIATE_TEST_SUITE_P(Fixtures, SvgRoundTrip, ::testing::ValuesIn(fixtures()),
                         [](const ::testing::TestParamInfo<std::string>& i) {
                           std::string name = i.param.substr(0, i.param.size() - 4);
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

void expectSameRenders(const ExportOptions& options, const std::string& tolerances) {
  if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "rsvg-convert is missing (package librsvg2-bin): renderings not compared";
  }
  const contour_test::ScratchFolder scratch("contour-svg-render-");
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const std::string& name : fixtures()) {
    const ImportedSvg s = importSvgFile(fixture(name));
    const std::string out = scratch.path(name);
    easel::writeWhole(out, exportSvg(*s.document, s.source.get(), options));
    pairs.push_back({fixture(name), out});
  }
  std::string report;
  const int status = compareRenders(pairs, tolerances, report);
  if (status == contour_test::kNoRenderer) GTEST_SKIP() << report;
  EXPECT_EQ(status, 0) << report;
}

TEST(SvgRender, ExportRendersAsTheOriginal) { expectSameRenders({}, "--pixel-threshold 0 --max-share 0"); }

// Rewritten paths move by a rounding of their last digits, and arcs become
// cubics: edge pixels may shade a little differently.
TEST(SvgRender, RewrittenExportRendersAsTheOriginal) {
  expectSameRenders({.rewriteAll = true}, "--pixel-threshold 16 --max-share 0.01 --channel-tolerance 64");
}

}  // namespace
}  // namespace easel::svg
