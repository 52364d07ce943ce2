// Renderings of SVG files compared pixel by pixel by rsvg-convert
// (tests/svg/compare_renders.py, whose options the caller gives).
#ifndef CONTOUR_TESTS_SUPPORT_RENDERCOMPARISON_H
#define CONTOUR_TESTS_SUPPORT_RENDERCOMPARISON_H

#include <string>
#include <utility>
#include <vector>

namespace contour_test {

// What the comparison, and the render probe, give when rsvg-convert is missing.
inline constexpr int kNoRenderer = 77;

// Compares pairs of files (the first of each the reference); `report` gets
// the lines naming the pairs that differ. 0 when all agree, 1 when some do
// not, kNoRenderer.
int compareRenders(const std::vector<std::pair<std::string, std::string>>& pairs, const std::string& options,
                   std::string& report);

}  // namespace contour_test

#endif
