// Any bytes as path data: parsed or refused with ValueError at an offset
// inside the text; what parses to coordinates that fit a float is written and
// reads back. (Arcs and sums can leave the float range while parsing; the
// importer refuses such a path as out of range, so it never reaches the writer.)
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "easel/svg/PathData.h"
#include "easel/svg/ValueError.h"

namespace {

bool fitsFloats(const easel::svg::PathGeometry& path) {
  const auto fits = [](double x) { return std::abs(x) <= std::numeric_limits<float>::max(); };
  for (const auto& subpath : path)
    for (const auto& a : subpath.anchors)
      for (const auto& v : {a.p, a.in, a.out})
        if (!fits(v.x) || !fits(v.y)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace easel::svg;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const PathGeometry path = parsePathData(text);
    if (!fitsFloats(path)) return 0;
    const PathGeometry again = parsePathData(writePathData(path));
    // Reading back can fold a closing anchor that rounding put on the first,
    // so compare subpath counts only.
    if (again.size() != path.size()) std::abort();
  } catch (const ValueError& e) {
    if (e.offset() > size) std::abort();
  }
  return 0;
}
