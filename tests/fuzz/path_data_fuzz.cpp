// Any bytes as path data: parsed or refused with ValueError at an offset
// inside the text, and read up to that error, as viewers draw it, with the
// same error; what parses to coordinates that fit a float is written and
// reads back. (Arcs and sums can leave the float range while parsing; the
// importer refuses such a path as out of range, so it never reaches the writer.)
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
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
  std::optional<ValueError> partway;
  const PathGeometry upToTheError = parsePathData(text, &partway);
  PathGeometry path;
  try {
    path = parsePathData(text);
  } catch (const ValueError& e) {
    if (e.offset() > size || !partway || partway->offset() != e.offset()) std::abort();
    return 0;
  }
  if (partway || upToTheError.size() != path.size()) std::abort();
  if (!fitsFloats(path)) return 0;
  const PathGeometry again = parsePathData(writePathData(path));
  // Reading back can fold a closing anchor that rounding put on the first,
  // so compare subpath counts only.
  if (again.size() != path.size()) std::abort();
  return 0;
}
